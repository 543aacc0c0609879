// CLumaFileDialog: sorting the list. The entry table sorts by keys made from
// the ranks of the names (found with the listing) and of the type names
// (found at the first sort by type); the selection and the focus stay on
// their entries, and a sort says nothing but its order's name.
#include "dialogs/file_dialog.h"

#include <algorithm>

#include "dialogs/core/paths.h"
#include "dialogs/core/sort.h"
#include "dialogs/name_ranks.h"
#include "toolkit/reader.h"

namespace lumadlg {

std::vector<std::uint32_t> CLumaFileDialog::TypeRanks()
{
    // Each file's type name, by extension; then the ranks of the names.
    const std::vector<FileItem>& records = entries_.Records();
    const std::wstring folder = WithBackslash(currentFolder_);
    std::vector<std::uint32_t> typeOf(records.size(), 0);
    for (std::size_t i = 0; i < records.size(); ++i)
        if (records[i].IsFile())
            typeOf[i] = static_cast<std::uint32_t>(shellInfo_.TypeIndex(records[i], folder));
    const std::vector<std::wstring>& names = shellInfo_.TypeNames();
    std::vector<std::uint32_t> rankOfType = RanksOf(names.size(), [&](std::size_t a, std::size_t b) {
        return CompareNames(names[a], names[b], LOCALE_USER_DEFAULT);
    });
    for (std::uint32_t& type : typeOf)
        type = rankOfType[type];
    return typeOf;
}

CLumaFileDialog::ListStates CLumaFileDialog::SaveListStates() const
{
    ListStates states;
    states.selectedIndexes = SelectedIndexes();
    for (int i : states.selectedIndexes)
        if (i < entries_.Count())
            states.selectedRecords.push_back(entries_.RecordAt(i));
    const int focused = FocusedIndex();
    if (focused >= 0 && focused < entries_.Count())
        states.focusedRecord = static_cast<int>(entries_.RecordAt(focused));
    return states;
}

void CLumaFileDialog::RestoreListStates(const ListStates& states)
{
    const std::vector<int> indexOf = entries_.IndexOfRecords();
    std::vector<int> selected;
    for (std::uint32_t record : states.selectedRecords)
        selected.push_back(indexOf[record]);
    std::sort(selected.begin(), selected.end());
    const int focusIndex = states.focusedRecord >= 0 ? indexOf[static_cast<std::size_t>(states.focusedRecord)] : -1;
    std::vector<int> changed = selected;
    if (focusIndex >= 0 && !std::binary_search(selected.begin(), selected.end(), focusIndex))
        changed.insert(std::upper_bound(changed.begin(), changed.end(), focusIndex), focusIndex);

    // Nothing read out. The list is drawn once, at the next paint: the
    // state changes only mark rows for it, and turning the list's drawing
    // off and on around them would cost a redraw set-up of its own.
    restoringStates_ = true;
    ClearListStates(states.selectedIndexes);
    for (int i : changed) {
        LVITEMW state = {};
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        if (std::binary_search(selected.begin(), selected.end(), i))
            state.state |= LVIS_SELECTED;
        if (i == focusIndex)
            state.state |= LVIS_FOCUSED;
        SendMessageW(list_, LVM_SETITEMSTATE, i, reinterpret_cast<LPARAM>(&state));
    }
    restoringStates_ = false;
    // Every row may show another entry now. Marked before the list scrolls
    // to the focus, so that a scroll that paints at once paints it all.
    InvalidateRect(list_, nullptr, TRUE);
    if (focusIndex >= 0)
        SendMessageW(list_, LVM_ENSUREVISIBLE, focusIndex, FALSE);
}

bool CLumaFileDialog::SortList(unsigned key)
{
    if (!list_)
        return false;
    std::uint32_t order = OrderForKey(sortOrder_, key);
    const ListStates states = SaveListStates();
    if (SortKeyOf(order) == kSortType && !entries_.HasTypeRanks())
        entries_.SetTypeRanks(TypeRanks());
    entries_.Sort(order);
    sortOrder_ = order;
    RestoreListStates(states);
    return true;
}

void CLumaFileDialog::NextSortOrder()
{
    if (driveListMode_)
        return;
    unsigned key = NextSortKey(sortOrder_);
    if (SortList(key))
        reader::Speak(SortKeyName(key), 0);
}

} // namespace lumadlg
