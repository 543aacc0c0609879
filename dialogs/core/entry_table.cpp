#include "dialogs/core/entry_table.h"

#include <numeric>

#include "dialogs/core/sort.h"

namespace lumadlg {

void EntryTable::Assign(std::vector<FileItem> records, std::vector<std::uint32_t> nameRanks, std::uint32_t sortedBy)
{
    records_ = std::move(records);
    nameRanks_ = std::move(nameRanks);
    nameRanks_.resize(records_.size());
    typeRanks_.clear();
    order_.resize(records_.size());
    std::iota(order_.begin(), order_.end(), 0u);
    sortedBy_ = sortedBy;
}

void EntryTable::Clear()
{
    records_.clear();
    nameRanks_.clear();
    typeRanks_.clear();
    order_.clear();
    sortedBy_ = 0;
}

FileItem* EntryTable::At(int index)
{
    if (index < 0 || index >= Count())
        return nullptr;
    return &records_[order_[static_cast<std::size_t>(index)]];
}

const FileItem* EntryTable::At(int index) const
{
    return const_cast<EntryTable*>(this)->At(index);
}

std::vector<int> EntryTable::IndexOfRecords() const
{
    std::vector<int> indexes(records_.size());
    for (std::size_t i = 0; i < order_.size(); ++i)
        indexes[order_[i]] = static_cast<int>(i);
    return indexes;
}

void EntryTable::Sort(std::uint32_t order)
{
    const unsigned key = SortKeyOf(order);
    std::vector<EntryKey> keys(records_.size());
    for (std::size_t i = 0; i < records_.size(); ++i)
        keys[i] = KeyOf(records_[i], key, nameRanks_[i], key == kSortType && !typeRanks_.empty() ? typeRanks_[i] : 0);
    // Sorted by this key already, in either direction: the other direction
    // is the reverse, ties kept. Otherwise sort, ascending first.
    const bool descending = DirectionOf(order) == kDescending;
    bool nowDescending = DirectionOf(sortedBy_) == kDescending;
    if (sortedBy_ == 0 || SortKeyOf(sortedBy_) != key) {
        SortByKeys(order_, keys);
        nowDescending = false;
    }
    if (descending != nowDescending)
        ReverseKeepingTies(order_, keys);
    sortedBy_ = order;
}

} // namespace lumadlg
