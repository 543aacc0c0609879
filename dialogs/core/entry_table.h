// The entries of one listing of the file list: their records, the ranks
// their names have among each other, and the order the list shows them in.
// Sorting follows the list's comparison (dialogs/core/sort.h) from the
// order the list is in, so that entries it holds equal keep their places;
// turning a sorted list into the other direction reverses it instead of
// sorting it again.
#pragma once

#include <cstdint>
#include <vector>

#include "dialogs/core/file_item.h"

namespace lumadlg {

class EntryTable {
public:
    // A new listing. `nameRanks` holds the rank of each record's name (equal
    // names share a rank); the list shows the records in the order given,
    // which `sortedBy` names (a sort order value; 0 when it is no sort's).
    void Assign(std::vector<FileItem> records, std::vector<std::uint32_t> nameRanks, std::uint32_t sortedBy);
    void Clear();

    int Count() const { return static_cast<int>(order_.size()); }
    // The record shown at a list index; null outside the list.
    FileItem* At(int index);
    const FileItem* At(int index) const;
    // Records are numbered in the order they were given; the number of the
    // record shown at a list index (which must be inside the list).
    std::uint32_t RecordAt(int index) const { return order_[static_cast<std::size_t>(index)]; }
    // The list index of every record, by record number.
    std::vector<int> IndexOfRecords() const;
    const std::vector<FileItem>& Records() const { return records_; }

    // The ranks of the files' type names, by record number (any value for
    // the other records), needed before the first sort by type.
    bool HasTypeRanks() const { return !typeRanks_.empty() || records_.empty(); }
    void SetTypeRanks(std::vector<std::uint32_t> typeRanks) { typeRanks_ = std::move(typeRanks); }

    // Puts the list in `order` (a sort order value).
    void Sort(std::uint32_t order);

private:
    std::vector<FileItem> records_;
    std::vector<std::uint32_t> nameRanks_;
    std::vector<std::uint32_t> typeRanks_;
    std::vector<std::uint32_t> order_; // list index -> record number
    std::uint32_t sortedBy_ = 0;       // the sort order the list is in; 0 for none
};

} // namespace lumadlg
