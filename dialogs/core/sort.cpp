#include "dialogs/core/sort.h"

#include <algorithm>
#include <cwctype>

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

int SimpleNoCaseCompare(std::wstring_view a, std::wstring_view b)
{
    std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        auto ca = std::towlower(static_cast<std::wint_t>(a[i]));
        auto cb = std::towlower(static_cast<std::wint_t>(b[i]));
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

namespace {

int Sign(int v) { return v < 0 ? -1 : (v > 0 ? 1 : 0); }

// Steps 2 to 6 in ascending direction; `tieFirst` tells whether two equal
// dates rank a before b.
int CompareAscending(FileItem& a, FileItem& b, unsigned key, bool tieFirst, const NoCaseCompare& compare,
                     const TypeFetcher& fetchType)
{
    if (key < kSortName || key > kSortDate)
        return 0;
    bool aFolder = a.IsFolderLike();
    bool bFolder = b.IsFolderLike();
    if (aFolder != bFolder)
        return aFolder ? -1 : 1;

    switch (key) {
    case kSortName:
        return Sign(compare(a.name, b.name));
    case kSortSize:
        if (aFolder)
            return Sign(compare(a.name, b.name));
        return a.size < b.size ? -1 : (a.size > b.size ? 1 : 0);
    case kSortType: {
        if (aFolder)
            return Sign(compare(a.name, b.name));
        if (!a.typeFetched && fetchType)
            fetchType(a);
        if (!b.typeFetched && fetchType)
            fetchType(b);
        int byType = Sign(compare(a.typeName, b.typeName));
        return byType != 0 ? byType : Sign(compare(a.name, b.name));
    }
    case kSortDate:
        if (a.lastWrite != b.lastWrite)
            return a.lastWrite > b.lastWrite ? -1 : 1; // newer first
        return tieFirst ? -1 : 0;
    }
    return 0;
}

} // namespace

int CompareItems(FileItem& a, FileItem& b, std::uint32_t order, const NoCaseCompare& compare,
                 const TypeFetcher& fetchType)
{
    if (a.IsSpecial())
        return b.IsSpecial() ? 0 : -1;
    if (b.IsSpecial())
        return 1;
    bool descending = DirectionOf(order) == kDescending;
    int result = CompareAscending(a, b, SortKeyOf(order), !descending, compare, fetchType);
    return descending ? -result : result;
}

void SortItems(std::vector<FileItem*>& items, std::uint32_t order, const NoCaseCompare& compare,
               const TypeFetcher& fetchType)
{
    // A stable sort over a strict ordering: two equal dates, which rank the
    // earlier entry first in ascending direction, simply keep their places.
    // (Feeding the "a before b" answer to a sort in both directions would not
    // be an ordering at all.)
    bool descending = DirectionOf(order) == kDescending;
    unsigned key = SortKeyOf(order);
    std::stable_sort(items.begin(), items.end(), [&](FileItem* a, FileItem* b) {
        if (a->IsSpecial() || b->IsSpecial())
            return a->IsSpecial() && !b->IsSpecial();
        int r = CompareAscending(*a, *b, key, false, compare, fetchType);
        return descending ? r > 0 : r < 0;
    });
}

} // namespace lumadlg
