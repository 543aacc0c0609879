// CLumaFileDialog: the list control (1004), a virtual (owner-data) report
// view over the entry table: its columns, the texts and icons of the rows
// it draws, the entries it searches for, and its notifications.
#include "dialogs/file_dialog.h"

#include "dialogs/core/format.h"
#include "dialogs/core/paths.h"
#include "dialogs/core/sort.h"
#include "dialogs/list_search.h"
#include "dialogs/local_time.h"
#include "dialogs/name_ranks.h"
#include "dialogs/resource.h"
#include "dialogs/shell_icons.h"

namespace lumadlg {

namespace {

void InsertColumn(HWND list, int index, const wchar_t* caption, double fraction, int format = LVCFMT_LEFT)
{
    RECT client = {};
    GetClientRect(list, &client);
    LVCOLUMNW column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
    column.fmt = format;
    column.cx = static_cast<int>((client.right - client.left) * fraction);
    column.pszText = const_cast<wchar_t*>(caption);
    column.iSubItem = index;
    SendMessageW(list, LVM_INSERTCOLUMNW, index, reinterpret_cast<LPARAM>(&column));
}

} // namespace

// ---------------------------------------------------------------- set-up

void CLumaFileDialog::SetUpList()
{
    list_ = Item(IDC_LIST);
    LONG_PTR style = GetWindowLongPtrW(list_, GWL_STYLE);
    if (style_.style & kMultiSelect)
        style &= ~static_cast<LONG_PTR>(LVS_SINGLESEL);
    else
        style |= LVS_SINGLESEL;
    SetWindowLongPtrW(list_, GWL_STYLE, style);
    SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);

    systemIcons_ = SystemSmallIcons();
    if (systemIcons_)
        SendMessageW(list_, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(systemIcons_));

    InsertColumn(list_, 0, L"名前", 0.35);
    InsertFolderColumns();
}

void CLumaFileDialog::InsertFolderColumns()
{
    InsertColumn(list_, 1, L"サイズ", 0.15, LVCFMT_RIGHT);
    InsertColumn(list_, 2, L"ファイルの種類", 0.25);
    InsertColumn(list_, 3, L"更新日時", 0.2);
}

void CLumaFileDialog::InsertDriveColumns()
{
    InsertColumn(list_, 1, L"種類", 0.6);
}

// ---------------------------------------------------------------- entries

FileItem* CLumaFileDialog::ItemAt(int index) const
{
    return const_cast<EntryTable&>(entries_).At(index);
}

int CLumaFileDialog::FocusedIndex() const
{
    if (!list_)
        return -1;
    return static_cast<int>(SendMessageW(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
}

std::wstring CLumaFileDialog::ColumnZeroText(const FileItem& item) const
{
    if ((style_.style & kHideExtension) && item.IsFile() && typedFilter_.empty())
        return WithoutExtension(item.name);
    return item.name;
}

const std::wstring& CLumaFileDialog::TypeNameOf(const FileItem& item)
{
    return shellInfo_.TypeName(item, WithBackslash(currentFolder_));
}

int CLumaFileDialog::IconOf(int index)
{
    const FileItem* item = ItemAt(index);
    if (!item)
        return -1;
    const std::uint32_t record = entries_.RecordAt(index);
    auto known = recordIcons_.find(record);
    if (known != recordIcons_.end())
        return known->second;
    if (driveListMode_)
        return -1;
    int icon;
    switch (item->kind) {
    case ItemKind::UpEntry:
        icon = SmallIconIndex(ParentFolder(currentFolder_));
        break;
    case ItemKind::DrivesEntry:
        icon = SmallIconIndex(currentFolder_);
        break;
    default:
        icon = shellInfo_.Icon(*item, WithBackslash(currentFolder_));
        if (!ShellInfoCache::HasOwnIcon(*item))
            return icon; // kept by the cache, for every entry of its kind
        break;
    }
    recordIcons_.emplace(record, icon);
    return icon;
}

std::wstring CLumaFileDialog::ItemText(int index, int column)
{
    FileItem* item = ItemAt(index);
    if (!item)
        return {};
    if (driveListMode_) {
        if (column == 0)
            return item->name;
        if (column == 1)
            return DriveKindText(DriveLetterOfDisplayName(item->name));
        return {};
    }
    switch (column) {
    case 0:
        return ColumnZeroText(*item);
    case 1:
        return item->IsFile() ? FormatSize(item->size) : std::wstring();
    case 2:
        if (item->IsSpecial())
            return {};
        return TypeNameOf(*item);
    case 3:
        if (item->IsSpecial())
            return {};
        return FormatListDate(LocalTimeOf(item->lastWrite));
    default:
        return {};
    }
}

int CLumaFileDialog::FindItemByText(const std::wstring& text) const
{
    for (int i = 0; i < entries_.Count(); ++i)
        if (CompareNames(ColumnZeroText(*entries_.At(i)), text, LOCALE_USER_DEFAULT) == 0)
            return i;
    return -1;
}

std::vector<int> CLumaFileDialog::SelectedIndexes() const
{
    // A list control may look for selected entries one entry at a time, over
    // tens of thousands: the usual single selection on the focused entry is
    // known without a search, and a search stops at the last one selected.
    int left = static_cast<int>(SendMessageW(list_, LVM_GETSELECTEDCOUNT, 0, 0));
    int focused = FocusedIndex();
    if (left == 1 && focused >= 0 && SendMessageW(list_, LVM_GETITEMSTATE, focused, LVIS_SELECTED))
        return {focused};
    std::vector<int> selected;
    for (int i = -1; left > 0 && (i = static_cast<int>(SendMessageW(list_, LVM_GETNEXTITEM, i, LVNI_SELECTED))) >= 0;
         --left)
        selected.push_back(i);
    return selected;
}

void CLumaFileDialog::ClearListStates(const std::vector<int>& selected)
{
    // Entry by entry: asked to clear all entries at once, a list control may
    // visit every one of tens of thousands.
    LVITEMW clear = {};
    clear.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    for (int i : selected)
        SendMessageW(list_, LVM_SETITEMSTATE, i, reinterpret_cast<LPARAM>(&clear));
    int focused = FocusedIndex();
    if (focused >= 0)
        SendMessageW(list_, LVM_SETITEMSTATE, focused, reinterpret_cast<LPARAM>(&clear));
}

void CLumaFileDialog::SelectAndFocus(int index)
{
    if (index < 0)
        return;
    ClearListStates(SelectedIndexes());
    LVITEMW state = {};
    state.state = state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list_, LVM_SETITEMSTATE, index, reinterpret_cast<LPARAM>(&state));
    SendMessageW(list_, LVM_ENSUREVISIBLE, index, FALSE);
}

void CLumaFileDialog::FocusFirstFileOrTop()
{
    int count = entries_.Count();
    if (count == 0)
        return;
    int index = firstFileIndex_ < count ? firstFileIndex_
                                        : static_cast<int>(SendMessageW(list_, LVM_GETTOPINDEX, 0, 0));
    SelectAndFocus(index);
}

// ---------------------------------------------------------------- notifications

bool CLumaFileDialog::OnListNotify(NMHDR* header, LRESULT& result)
{
    switch (header->code) {
    case LVN_GETDISPINFOW: {
        LVITEMW& item = reinterpret_cast<NMLVDISPINFOW*>(header)->item;
        if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0) {
            std::wstring text = ItemText(item.iItem, item.iSubItem);
            if (static_cast<int>(text.size()) >= item.cchTextMax)
                text = item.iSubItem == 1 ? std::wstring() : text.substr(0, item.cchTextMax - 1);
            lstrcpynW(item.pszText, text.c_str(), item.cchTextMax);
        }
        if ((item.mask & LVIF_IMAGE) && item.iSubItem == 0)
            item.iImage = IconOf(item.iItem);
        result = 0;
        return true;
    }
    case LVN_ODFINDITEMW:
        result = FindInList(*reinterpret_cast<NMLVFINDITEMW*>(header), entries_.Count(),
                            [this](int i) { return ColumnZeroText(*entries_.At(i)); }, LOCALE_USER_DEFAULT);
        return true;
    case LVN_ITEMCHANGED:
        OnListStateChanged(*reinterpret_cast<NMLISTVIEW*>(header));
        return false;
    case NM_SETFOCUS:
        OnListFocus();
        return false;
    case NM_KILLFOCUS:
        ShowReadingHelp();
        return false;
    case LVN_KEYDOWN:
        OnListKey(reinterpret_cast<NMLVKEYDOWN*>(header)->wVKey);
        return false;
    case NM_DBLCLK: {
        int focused = FocusedIndex();
        if (focused >= 0)
            SendMessageW(hwnd(), UM_ACTIVATEITEM, static_cast<WPARAM>(focused), 0);
        return false;
    }
    case NM_RCLICK: {
        POINT at;
        GetCursorPos(&at);
        ShowMouseMenu(at);
        return false;
    }
    case LVN_COLUMNCLICK: {
        int column = reinterpret_cast<NMLISTVIEW*>(header)->iSubItem;
        SortList(driveListMode_ && column == 1 ? unsigned{kSortSize} : static_cast<unsigned>(column + 1));
        return false;
    }
    default:
        return false;
    }
}

} // namespace lumadlg
