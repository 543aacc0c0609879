#include "dialogs/core/sort.h"

#include <algorithm>
#include <numeric>

namespace lumadlg {

std::uint32_t OrderForKey(std::uint32_t recorded, unsigned key)
{
    if (SortKeyOf(recorded) == key && DirectionOf(recorded) == kAscending)
        return MakeSortOrder(key, kDescending);
    return MakeSortOrder(key, kAscending);
}

unsigned NextSortKey(std::uint32_t recorded)
{
    unsigned key = SortKeyOf(recorded);
    return key == kSortDate ? kSortName : key + 1;
}

std::wstring SortKeyName(unsigned key)
{
    switch (key) {
    case kSortName: return L"名前順";
    case kSortSize: return L"サイズ順";
    case kSortType: return L"種類順";
    case kSortDate: return L"日時順";
    default: return L"ソート";
    }
}

std::vector<std::uint32_t> RanksOf(std::size_t count, const std::function<int(std::size_t, std::size_t)>& compare)
{
    std::vector<std::uint32_t> sorted(count);
    std::iota(sorted.begin(), sorted.end(), 0u);
    std::sort(sorted.begin(), sorted.end(), [&](std::uint32_t a, std::uint32_t b) { return compare(a, b) < 0; });
    std::vector<std::uint32_t> ranks(count);
    std::uint32_t rank = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0 && compare(sorted[i - 1], sorted[i]) != 0)
            ++rank;
        ranks[sorted[i]] = rank;
    }
    return ranks;
}

namespace {

// The group of an entry, the most significant part of every key.
constexpr std::uint64_t kSpecialGroup = 0;
constexpr std::uint64_t kFolderGroup = std::uint64_t{1} << 62;
constexpr std::uint64_t kFileGroup = std::uint64_t{2} << 62;

} // namespace

EntryKey KeyOf(const FileItem& item, unsigned sortKey, std::uint32_t nameRank, std::uint32_t typeRank)
{
    if (item.IsSpecial())
        return {kSpecialGroup, 0};
    if (sortKey < kSortName || sortKey > kSortDate)
        return {kFolderGroup, 0};
    const bool file = item.IsFile();
    const std::uint64_t group = file ? kFileGroup : kFolderGroup;
    switch (sortKey) {
    case kSortSize:
        return {group | (file ? item.size : nameRank), 0};
    case kSortType:
        return {group | (file ? std::uint64_t{typeRank} << 32 : 0) | nameRank, 0};
    case kSortDate:
        return {group, ~item.lastWrite}; // the newest first
    default:
        return {group | nameRank, 0};
    }
}

bool IsSpecialKey(const EntryKey& key) { return (key.major >> 62) == 0; }

void SortByKeys(std::vector<std::uint32_t>& order, const std::vector<EntryKey>& keys)
{
    // Sorting the keys themselves keeps the work in one block of memory.
    struct Keyed {
        EntryKey key;
        std::uint32_t index;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(order.size());
    for (std::uint32_t index : order)
        keyed.push_back({keys[index], index});
    std::stable_sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) { return a.key < b.key; });
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = keyed[i].index;
}

void ReverseKeepingTies(std::vector<std::uint32_t>& order, const std::vector<EntryKey>& keys)
{
    auto first = std::find_if(order.begin(), order.end(), [&](std::uint32_t i) { return !IsSpecialKey(keys[i]); });
    std::reverse(first, order.end());
    // Each run of equal keys now stands reversed: turn it back.
    while (first != order.end()) {
        auto run = first + 1;
        while (run != order.end() && keys[*run] == keys[*first])
            ++run;
        std::reverse(first, run);
        first = run;
    }
}

} // namespace lumadlg
