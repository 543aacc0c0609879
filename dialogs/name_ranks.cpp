#include "dialogs/name_ranks.h"

#include <algorithm>
#include <cstring>

#include "dialogs/core/sort.h"

namespace lumadlg {

namespace {

constexpr DWORD kFlags = NORM_IGNORECASE;

// Appends the sort key of a name to `keys`.
void AppendSortKey(std::wstring_view name, LCID locale, std::vector<unsigned char>& keys)
{
    const int length = static_cast<int>(name.size());
    std::size_t at = keys.size();
    // A name's sort key takes a few bytes per character; asked for its size
    // only when that guess is short.
    int room = length * 8 + 64;
    keys.resize(at + static_cast<std::size_t>(room));
    int made = LCMapStringW(locale, LCMAP_SORTKEY | kFlags, name.data(), length,
                            reinterpret_cast<wchar_t*>(keys.data() + at), room);
    if (made == 0) {
        room = LCMapStringW(locale, LCMAP_SORTKEY | kFlags, name.data(), length, nullptr, 0);
        keys.resize(at + static_cast<std::size_t>(std::max(room, 0)));
        made = room > 0 ? LCMapStringW(locale, LCMAP_SORTKEY | kFlags, name.data(), length,
                                       reinterpret_cast<wchar_t*>(keys.data() + at), room)
                        : 0;
    }
    keys.resize(at + static_cast<std::size_t>(std::max(made, 0)));
}

} // namespace

std::vector<std::uint32_t> NameRanks(std::size_t count, const std::function<std::wstring_view(std::size_t)>& nameAt,
                                     LCID locale)
{
    // All keys in one block: offsets[i] to offsets[i + 1].
    std::vector<unsigned char> keys;
    std::vector<std::size_t> offsets(count + 1);
    keys.reserve(count * 48);
    for (std::size_t i = 0; i < count; ++i) {
        offsets[i] = keys.size();
        AppendSortKey(nameAt(i), locale, keys);
    }
    offsets[count] = keys.size();
    return RanksOf(count, [&](std::size_t a, std::size_t b) {
        std::size_t lengthA = offsets[a + 1] - offsets[a], lengthB = offsets[b + 1] - offsets[b];
        int r = std::memcmp(keys.data() + offsets[a], keys.data() + offsets[b], std::min(lengthA, lengthB));
        if (r != 0)
            return r;
        return lengthA == lengthB ? 0 : (lengthA < lengthB ? -1 : 1);
    });
}

int CompareNames(std::wstring_view a, std::wstring_view b, LCID locale)
{
    int r = CompareStringW(locale, kFlags, a.data(), static_cast<int>(a.size()), b.data(), static_cast<int>(b.size()));
    return r == 0 ? 0 : r - CSTR_EQUAL;
}

} // namespace lumadlg
