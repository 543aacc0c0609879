// CLumaFileDialog: the list of folders, files and drives (control 1004).
//
// The list is a virtual (owner-data) report view: the dialog keeps the
// records and supplies texts and icons when the list draws them, so a folder
// of tens of thousands of files lists quickly.
#include "dialogs/file_dialog.h"

#include <shellapi.h>

#include <algorithm>

#include "dialogs/core/file_op_rules.h"
#include "dialogs/core/format.h"
#include "dialogs/core/paths.h"
#include "dialogs/core/sort.h"
#include "dialogs/resource.h"
#include "dialogs/shell_icons.h"
#include "toolkit/reader.h"
#include "win/cp932.h"
#include "win/handles.h"

namespace lumadlg {

namespace {

constexpr int kMaxEntries = 65535;

int PlatformNoCaseCompare(std::wstring_view a, std::wstring_view b)
{
    int r = CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()), b.data(),
                           static_cast<int>(b.size()));
    return r == 0 ? 0 : r - CSTR_EQUAL;
}

std::uint64_t FileTimeValue(const FILETIME& t)
{
    return (static_cast<std::uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
}

LocalTime LocalTimeOf(std::uint64_t fileTime)
{
    FILETIME utc{static_cast<DWORD>(fileTime), static_cast<DWORD>(fileTime >> 32)};
    FILETIME local;
    SYSTEMTIME st = {};
    if (FileTimeToLocalFileTime(&utc, &local))
        FileTimeToSystemTime(&local, &st);
    return {st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute};
}

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

// The extension (lower case) when the shell's type name and icon of a file
// follow from its extension alone; false for kinds whose files carry icons of their own.
bool ExtensionKey(const FileItem& item, std::wstring& key)
{
    if (!item.IsFile())
        return false;
    key = ExtensionOf(item.name);
    if (!key.empty())
        CharLowerBuffW(key.data(), static_cast<DWORD>(key.size()));
    for (const wchar_t* own : {L".exe", L".lnk", L".ico", L".cur", L".ani", L".url", L".scr", L".pif"})
        if (key == own)
            return false;
    return true;
}

const wchar_t* kReadingHelp = L"サイズ読上げ[Alt + F1] 種類読上げ[Alt + F2] 更新日時読上げ[Alt + F3] 整列[Shift + F1]";

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

void CLumaFileDialog::ClearList()
{
    SendMessageW(list_, LVM_SETITEMCOUNT, 0, 0);
    SendMessageW(list_, LVM_DELETEALLITEMS, 0, 0);
    items_.clear();
    store_.clear();
}

void CLumaFileDialog::SetItemCount()
{
    items_.clear();
    items_.reserve(store_.size());
    for (FileItem& item : store_)
        items_.push_back(&item);
    SendMessageW(list_, LVM_SETITEMCOUNT, items_.size(), 0);
}

// ---------------------------------------------------------------- listing

std::uint32_t CLumaFileDialog::ListFolder(const std::wstring& folder, const std::wstring& filter,
                                          const std::wstring& select)
{
    ClearList();
    if (driveListMode_) {
        SendMessageW(list_, LVM_DELETECOLUMN, 1, 0);
        InsertFolderColumns();
        driveListMode_ = false;
    }

    std::wstring search = WithBackslash(folder);
    std::wstring recordFolder = Cp932Length(search) >= 260 ? std::wstring() : search;
    WIN32_FIND_DATAW found;
    win::UniqueFind find(FindFirstFileExW((search + L"*.*").c_str(), FindExInfoBasic, &found, FindExSearchNameMatch,
                                          nullptr, FIND_FIRST_EX_LARGE_FETCH));
    if (!find) {
        InvalidateRect(list_, nullptr, TRUE);
        return 0;
    }

    VisibilityRules rules = Rules();
    FileFilter fileFilter = MakeFileFilter(filter);
    bool root = IsRootFolder(search);
    std::vector<FileItem> files; // files of the "*.*" search, kept for the second pass

    store_.reserve(1024);
    if (root) {
        FileItem drives;
        drives.kind = ItemKind::DrivesEntry;
        drives.name = kDrivesEntryName;
        drives.size = kNoSize;
        store_.push_back(std::move(drives));
    }
    auto full = [&] { return store_.size() + files.size() >= static_cast<std::size_t>(kMaxEntries); };
    auto fileOf = [&](const WIN32_FIND_DATAW& data) {
        FileItem item;
        item.kind = ItemKind::File;
        item.name = data.cFileName;
        item.folder = recordFolder;
        item.size = data.nFileSizeLow;
        item.lastWrite = FileTimeValue(data.ftLastWriteTime);
        return item;
    };

    do {
        std::wstring_view name = found.cFileName;
        bool isFolder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (rules.Excludes(found.dwFileAttributes))
            continue;
        if (isFolder) {
            if (name == L"." || (name == L".." && root))
                continue;
            if (store_.size() >= static_cast<std::size_t>(kMaxEntries))
                continue;
            FileItem item;
            item.size = kNoSize;
            item.lastWrite = FileTimeValue(found.ftLastWriteTime);
            if (name == L"..") {
                item.kind = ItemKind::UpEntry;
                item.name = kUpEntryName;
            } else {
                item.kind = ItemKind::Folder;
                item.name = name;
                item.folder = recordFolder;
            }
            store_.push_back(std::move(item));
        } else if (fileFilter.kind != FileFilter::Kind::Pattern && files.size() < static_cast<std::size_t>(kMaxEntries)) {
            if (fileFilter.kind == FileFilter::Kind::Extensions && !MatchesExtensions(fileFilter, name))
                continue;
            files.push_back(fileOf(found));
        }
    } while (FindNextFileW(find.get(), &found));
    find.reset();

    // Folders come first: the files found among them fill the room left.
    const int firstFile = static_cast<int>(store_.size());
    if (files.size() > static_cast<std::size_t>(kMaxEntries - firstFile))
        files.erase(files.begin() + (kMaxEntries - firstFile), files.end());
    if (fileFilter.kind == FileFilter::Kind::Pattern) {
        win::UniqueFind patternFind(FindFirstFileExW((search + fileFilter.pattern).c_str(), FindExInfoBasic, &found,
                                                     FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
        if (patternFind) {
            do {
                if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || rules.Excludes(found.dwFileAttributes))
                    continue;
                if (full())
                    break;
                files.push_back(fileOf(found));
            } while (FindNextFileW(patternFind.get(), &found));
        }
    }
    store_.reserve(store_.size() + files.size());
    for (FileItem& f : files)
        store_.push_back(std::move(f));
    files.clear();

    SetItemCount();
    SortItems(items_, MakeSortOrder(kSortName, kAscending), PlatformNoCaseCompare, nullptr);
    sortOrder_ = 0;
    const int count = static_cast<int>(items_.size());

    int selectIndex = select.empty() ? -1 : FindItemByText(select);
    if (selectIndex >= 0) {
        SelectAndFocus(selectIndex);
    } else if (firstFile > 0 && count > firstFile) {
        RECT first = {LVIR_BOUNDS};
        if (SendMessageW(list_, LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first)))
            SendMessageW(list_, LVM_SCROLL, 0, (first.bottom - first.top) * firstFile);
    }
    InvalidateRect(list_, nullptr, TRUE);

    SetDlgItemTextW(hwnd(), IDC_FOLDERLINE, folder.c_str());
    if (!folder.empty() && (currentFolder_.empty() || folder[0] != currentFolder_[0]))
        SelectDriveInBox(folder[0]);
    UpdateButtonsAfterListing();
    PostSpaceKeyUp();
    return (static_cast<std::uint32_t>(firstFile) << 16) | (static_cast<std::uint32_t>(count) & 0xFFFF);
}

bool CLumaFileDialog::ListAndEnter(const std::wstring& folder, const std::wstring& filter, const std::wstring& select)
{
    std::uint32_t r = ListFolder(folder, filter, select);
    if ((r & 0xFFFF) == 0)
        return false;
    currentFolder_ = folder;
    firstFileIndex_ = static_cast<int>(r >> 16);
    return true;
}

void CLumaFileDialog::UpdateButtonsAfterListing()
{
    EnableWindow(Item(IDC_UP), TRUE);
    EnableWindow(Item(IDC_READ), TRUE);
    if (FileOpsButtonEnabled(style_.disabledOps))
        EnableWindow(Item(IDC_FILEOPS), TRUE);
    if (NewFolderButtonEnabled(style_.disabledOps))
        EnableWindow(Item(IDC_NEWFOLDER), TRUE);
}

void CLumaFileDialog::PostSpaceKeyUp()
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = VK_SPACE;
    input.ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(1, &input, sizeof input);
}

int CLumaFileDialog::ShowDriveList(const std::wstring& folder)
{
    ClearList();
    if (!driveListMode_) {
        for (int column : {3, 2, 1})
            SendMessageW(list_, LVM_DELETECOLUMN, column, 0);
        InsertDriveColumns();
        driveListMode_ = true;
    }
    wchar_t buffer[4] = {};
    if (GetLogicalDriveStringsW(0, buffer) == 0 || !list_)
        return -1;
    for (const std::wstring& root : LogicalDriveRoots()) {
        if (!lumadlg::IsDriveOffered(root, style_.driveTypes))
            continue;
        FileItem item;
        item.kind = ItemKind::Drive;
        item.name = DriveDisplayName(root);
        item.size = kNoSize;
        item.icon = SmallIconIndex(root);
        store_.push_back(std::move(item));
    }
    SetItemCount();
    const int count = static_cast<int>(items_.size());

    int selectIndex = count > 0 ? 0 : -1;
    if (!folder.empty()) {
        wchar_t wanted = static_cast<wchar_t>(towlower(folder[0]));
        for (int i = 0; i < count; ++i)
            if (towlower(DriveLetterOfDisplayName(items_[i]->name)) == wanted) {
                selectIndex = i;
                break;
            }
    }
    if (count > 0) {
        SelectAndFocus(selectIndex);
        SetDlgItemTextW(hwnd(), IDC_FOLDERLINE, kMyComputer);
        for (int id : {IDC_UP, IDC_READ, IDC_FILEOPS, IDC_NEWFOLDER})
            EnableWindow(Item(id), FALSE);
    }
    InvalidateRect(list_, nullptr, TRUE);
    PostSpaceKeyUp();
    return count;
}

bool CLumaFileDialog::ShowDrivesAndEnter()
{
    int count = ShowDriveList(currentFolder_);
    if (count <= 0)
        return false;
    firstFileIndex_ = count;
    currentFolder_ = kMyComputer;
    return true;
}

// ---------------------------------------------------------------- entries

FileItem* CLumaFileDialog::ItemAt(int index) const
{
    if (index < 0 || index >= static_cast<int>(items_.size()))
        return nullptr;
    return items_[index];
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

void CLumaFileDialog::FetchType(FileItem& item) const
{
    if (item.typeFetched)
        return;
    item.typeFetched = true;
    std::wstring key;
    bool byExtension = ExtensionKey(item, key);
    if (byExtension) {
        auto known = typeByExtension_.find(key);
        if (known != typeByExtension_.end()) {
            item.typeName = known->second;
            return;
        }
    }
    std::wstring folder = item.folder.empty() ? WithBackslash(currentFolder_) : item.folder;
    SHFILEINFOW info = {};
    if (SHGetFileInfoW((folder + item.name).c_str(), 0, &info, sizeof info, SHGFI_TYPENAME))
        item.typeName = cp932::CutToBytes(info.szTypeName, 79);
    if (byExtension)
        typeByExtension_.emplace(key, item.typeName);
}

int CLumaFileDialog::IconOf(const FileItem& item) const
{
    if (item.icon >= 0 || driveListMode_)
        return item.icon;
    FileItem& record = const_cast<FileItem&>(item);
    switch (item.kind) {
    case ItemKind::UpEntry:
        record.icon = SmallIconIndex(ParentFolder(currentFolder_));
        break;
    case ItemKind::DrivesEntry:
        record.icon = SmallIconIndex(currentFolder_);
        break;
    default: {
        std::wstring key;
        bool byExtension = ExtensionKey(item, key);
        if (byExtension) {
            auto known = iconByExtension_.find(key);
            if (known != iconByExtension_.end()) {
                record.icon = known->second;
                break;
            }
        }
        record.icon = SmallIconIndex(WithBackslash(currentFolder_) + item.name);
        if (byExtension)
            iconByExtension_.emplace(key, record.icon);
        break;
    }
    }
    return record.icon;
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
        FetchType(*item);
        return item->typeName;
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
    for (int i = 0; i < static_cast<int>(items_.size()); ++i)
        if (PlatformNoCaseCompare(ColumnZeroText(*items_[i]), text) == 0)
            return i;
    return -1;
}

void CLumaFileDialog::SelectAndFocus(int index)
{
    if (index < 0)
        return;
    LVITEMW clear = {};
    clear.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&clear));
    LVITEMW state = {};
    state.state = state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list_, LVM_SETITEMSTATE, index, reinterpret_cast<LPARAM>(&state));
    SendMessageW(list_, LVM_ENSUREVISIBLE, index, FALSE);
}

void CLumaFileDialog::FocusFirstFileOrTop()
{
    int count = static_cast<int>(items_.size());
    if (count == 0)
        return;
    int index = firstFileIndex_ < count ? firstFileIndex_
                                        : static_cast<int>(SendMessageW(list_, LVM_GETTOPINDEX, 0, 0));
    SelectAndFocus(index);
}

// ---------------------------------------------------------------- sorting

bool CLumaFileDialog::SortList(unsigned key)
{
    if (!list_)
        return false;
    std::uint32_t order = OrderForKey(sortOrder_, key);
    FileItem* focused = FocusedItem();
    std::vector<char> wasSelected(store_.size(), 0);
    for (int i = -1; (i = static_cast<int>(SendMessageW(list_, LVM_GETNEXTITEM, i, LVNI_SELECTED))) >= 0;)
        if (FileItem* item = ItemAt(i))
            wasSelected[item - store_.data()] = 1;

    SortItems(items_, order, PlatformNoCaseCompare, [this](FileItem& item) { FetchType(item); });
    sortOrder_ = order;

    restoringStates_ = true;
    LVITEMW clear = {};
    clear.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list_, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&clear));
    int focusIndex = -1;
    for (int i = 0; i < static_cast<int>(items_.size()); ++i) {
        LVITEMW state = {};
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        if (wasSelected[items_[i] - store_.data()])
            state.state |= LVIS_SELECTED;
        if (items_[i] == focused) {
            state.state |= LVIS_FOCUSED;
            focusIndex = i;
        }
        if (state.state)
            SendMessageW(list_, LVM_SETITEMSTATE, i, reinterpret_cast<LPARAM>(&state));
    }
    restoringStates_ = false;
    if (focusIndex >= 0)
        SendMessageW(list_, LVM_ENSUREVISIBLE, focusIndex, FALSE);
    InvalidateRect(list_, nullptr, TRUE);
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
        if ((item.mask & LVIF_IMAGE) && item.iSubItem == 0) {
            FileItem* record = ItemAt(item.iItem);
            item.iImage = record ? IconOf(*record) : -1;
        }
        result = 0;
        return true;
    }
    case LVN_ODFINDITEMW: {
        auto* find = reinterpret_cast<NMLVFINDITEMW*>(header);
        result = -1;
        if ((find->lvfi.flags & (LVFI_STRING | LVFI_PARTIAL)) && find->lvfi.psz) {
            std::wstring_view wanted = find->lvfi.psz;
            int count = static_cast<int>(items_.size());
            for (int n = 0; n < count; ++n) {
                int i = (find->iStart + n) % count;
                std::wstring text = ColumnZeroText(*items_[i]);
                if (PlatformNoCaseCompare(std::wstring_view(text).substr(0, wanted.size()), wanted) == 0) {
                    result = i;
                    break;
                }
            }
        }
        return true;
    }
    case LVN_ITEMCHANGED: {
        auto* change = reinterpret_cast<NMLISTVIEW*>(header);
        // Any change of the focused entry's state (the focus arriving, or its
        // selection changing) reads it, except the states a sort puts back.
        if (change->iItem >= 0 && (change->uChanged & LVIF_STATE) && (change->uNewState & LVIS_FOCUSED) &&
            !restoringStates_) {
            std::wstring text = cp932::CutToBytes(ItemText(change->iItem, 0), 260);
            if (!text.empty())
                reader::SpeakEx(text);
        }
        return false;
    }
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

void CLumaFileDialog::OnListFocus()
{
    int index = -1;
    if (SendMessageW(list_, LVM_GETSELECTEDCOUNT, 0, 0) == 0) {
        int count = static_cast<int>(items_.size());
        if (count > 0) {
            index = firstFileIndex_ < count ? firstFileIndex_
                                            : static_cast<int>(SendMessageW(list_, LVM_GETTOPINDEX, 0, 0));
            SelectAndFocus(index);
            reader::Stop();
        }
    } else {
        index = FocusedIndex();
    }
    reader::SpeakEx(L"一覧 " + ItemText(index, 0));
    ShowOperationsHelp();
}

void CLumaFileDialog::OnListKey(WORD key)
{
    bool ctrl = (GetKeyState(VK_CONTROL) & 0x8000) != 0;
    switch (key) {
    case VK_APPS:
        ShowKeyMenu();
        break;
    case VK_BACK:
        if (!driveListMode_)
            GoUpFolder();
        break;
    case 'C':
    case VK_INSERT:
    case VK_DELETE:
    case VK_F2:
        OnFileOpKey(key, ctrl);
        break;
    default:
        break;
    }
}

// ---------------------------------------------------------------- spoken details

void CLumaFileDialog::SpeakDetail(int command)
{
    if (driveListMode_)
        return;
    FileItem* item = FocusedItem();
    if (!item)
        return;
    if (item->IsSpecial()) {
        reader::Speak(item->name, 1);
        return;
    }
    std::wstring text;
    switch (command) {
    case IDM_SPEAKSIZE:
        text = item->IsFile() ? FormatSize(item->size) : L"選択されているアイテムは フォルダです";
        break;
    case IDM_SPEAKTYPE:
        // The type is fetched when its column is drawn; the list may not have
        // been drawn yet.
        FetchType(*item);
        text = item->typeName;
        break;
    case IDM_SPEAKDATE:
        text = FormatSpokenDate(LocalTimeOf(item->lastWrite));
        break;
    }
    if (!text.empty())
        reader::SpeakEx(text);
}

void CLumaFileDialog::SpeakCurrentFolder()
{
    reader::SpeakEx(driveListMode_ ? std::wstring(kMyComputer) : currentFolder_);
}

void CLumaFileDialog::ShowReadingHelp()
{
    if (status_)
        SendMessageW(status_, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(kReadingHelp));
}

void CLumaFileDialog::ShowOperationsHelp()
{
    std::wstring help = OperationsHelp(style_.disabledOps);
    if (!help.empty() && status_)
        SendMessageW(status_, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(help.c_str()));
}

// ---------------------------------------------------------------- menus

void CLumaFileDialog::AppendFileOpItems(HMENU menu, const FileItem& item) const
{
    for (const MenuItem& entry : FileOpItems(style_.disabledOps, item))
        AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(entry.command), entry.text.c_str());
}

void CLumaFileDialog::TrackMenuAt(HMENU menu, POINT screen)
{
    if (GetMenuItemCount(menu) <= 0)
        return;
    UINT command = TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD, screen.x,
                                  screen.y, 0, hwnd(), nullptr);
    if (command)
        SendMessageW(hwnd(), WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

void CLumaFileDialog::ShowKeyMenu()
{
    if (driveListMode_)
        return;
    int index = FocusedIndex();
    FileItem* item = ItemAt(index);
    if (!item)
        return;
    win::UniqueMenu menu(CreatePopupMenu());
    if (!item->IsSpecial()) {
        AppendFileOpItems(menu.get(), *item);
        if (MayCreateFolder(style_.disabledOps))
            AppendMenuW(menu.get(), MF_STRING, IDM_NEWFOLDER, L"フォルダの作成(&F)\tCtrl + N");
        if (GetMenuItemCount(menu.get()) > 0)
            AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
        AppendMenuW(menu.get(), MF_STRING, IDM_SPEAKSIZE, L"サイズの読み上げ(&Z)\tAlt + F1");
        AppendMenuW(menu.get(), MF_STRING, IDM_SPEAKTYPE, L"種類の読み上げ(&T)\tAlt + F2");
        AppendMenuW(menu.get(), MF_STRING, IDM_SPEAKDATE, L"更新日時の読み上げ(&U)\tAlt + F3");
        AppendMenuW(menu.get(), MF_STRING, IDM_SPEAKFOLDER, L"現在のフォルダの読み上げ(&L)\tAlt + F5");
    } else if (MayCreateFolder(style_.disabledOps)) {
        AppendMenuW(menu.get(), MF_STRING, IDM_NEWFOLDER, L"フォルダの作成(&F)\tCtrl + N");
    }
    if (GetMenuItemCount(menu.get()) <= 0)
        return;
    HMENU sortMenu = CreatePopupMenu();
    AppendMenuW(sortMenu, MF_STRING, IDM_SORTNAME, L"名前順(&N)");
    AppendMenuW(sortMenu, MF_STRING, IDM_SORTSIZE, L"サイズ順(&Z)");
    AppendMenuW(sortMenu, MF_STRING, IDM_SORTTYPE, L"種類順(&T)");
    AppendMenuW(sortMenu, MF_STRING, IDM_SORTDATE, L"日時順(&D)");
    AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
    AppendMenuW(menu.get(), MF_POPUP, reinterpret_cast<UINT_PTR>(sortMenu), L"並び順の切替(&I)");

    RECT rect = {LVIR_BOUNDS};
    SendMessageW(list_, LVM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&rect));
    POINT at{rect.left, rect.top};
    ClientToScreen(list_, &at);
    reader::Speak(L"メニューオープン", 0);
    TrackMenuAt(menu.get(), at);
}

void CLumaFileDialog::ShowMouseMenu(POINT screen)
{
    if (driveListMode_)
        return;
    FileItem* item = FocusedItem();
    if (!item || item->IsSpecial())
        return;
    win::UniqueMenu menu(CreatePopupMenu());
    AppendFileOpItems(menu.get(), *item);
    if (item->IsFile() && PlatformNoCaseCompare(ExtensionOf(item->name), L".lnk") == 0) {
        if (GetMenuItemCount(menu.get()) > 0)
            AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
        AppendMenuW(menu.get(), MF_STRING, IDM_OPENSHORTCUT, L"ショートカットを開く(&L)");
    }
    TrackMenuAt(menu.get(), screen);
}

static POINT ButtonCentre(HWND button)
{
    RECT r = {};
    GetWindowRect(button, &r);
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void CLumaFileDialog::ShowFileOpsMenu()
{
    if (driveListMode_)
        return;
    FileItem* item = FocusedItem();
    if (!item || item->IsSpecial()) {
        reader::Speak(L"アイテムを 選択してください", 0);
        return;
    }
    win::UniqueMenu menu(CreatePopupMenu());
    AppendFileOpItems(menu.get(), *item);
    if (GetMenuItemCount(menu.get()) <= 0)
        return;
    reader::Speak(L"メニューオープン", 0);
    TrackMenuAt(menu.get(), ButtonCentre(Item(IDC_FILEOPS)));
}

void CLumaFileDialog::ShowReadingMenu()
{
    if (driveListMode_)
        return;
    win::UniqueMenu menu(CreatePopupMenu());
    if (FocusedItem()) {
        AppendMenuW(menu.get(), MF_STRING, IDM_SPEAKSIZE, L"サイズの読み上げ(&Z)\tAlt + F1");
        AppendMenuW(menu.get(), MF_STRING, IDM_SPEAKTYPE, L"種類の読み上げ(&T)\tAlt + F2");
        AppendMenuW(menu.get(), MF_STRING, IDM_SPEAKDATE, L"更新日時の読み上げ(&U)\tAlt + F3");
    }
    AppendMenuW(menu.get(), MF_STRING, IDM_SPEAKFOLDER, L"現在のフォルダの読み上げ(&L)\tAlt + F5");
    reader::Speak(L"メニューオープン", 0);
    TrackMenuAt(menu.get(), ButtonCentre(Item(IDC_READ)));
}

} // namespace lumadlg
