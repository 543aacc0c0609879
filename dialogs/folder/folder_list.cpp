// The folder dialog's folder list (1029): listing a folder, read on a
// worker thread into the order of names (folder_reading.h), or the drives,
// into an owner-data list that asks for the texts and icons of the rows it
// draws.
#include "dialogs/folder/folder_window.h"

#include "dialogs/core/file_item.h"
#include "dialogs/core/paths.h"
#include "dialogs/drives.h"
#include "dialogs/folder/folder_resource.h"
#include "dialogs/shell_icons.h"
#include "toolkit/reader.h"
#include "win/cp932.h"

namespace lumadlg {

void FolderWindow::ClearList()
{
    SendMessageW(list_, LVM_SETITEMCOUNT, 0, 0);
    ListView_DeleteAllItems(list_);
    entries_.clear();
}

void FolderWindow::ShowEntries()
{
    SendMessageW(list_, LVM_SETITEMCOUNT, entries_.size(), 0);
}

FolderQuery FolderWindow::QueryFor(const std::wstring& folder) const
{
    FolderQuery query;
    query.folder = WithBackslash(folder);
    query.rules = Rules();
    query.foldersOnly = true;
    // The order of the thread's comparison of texts, which lists use.
    query.locale = GetThreadLocale();
    return query;
}

void FolderWindow::ReadStartFolderAhead()
{
    std::wstring start = StartFolder();
    if (!start.empty() && cp932::ByteLength(WithBackslash(start)) <= 257)
        readingAhead_ = std::make_unique<FolderReading>(QueryFor(start));
}

int FolderWindow::ListFolder(const std::wstring& path, const std::wstring& select)
{
    ClearList();
    std::wstring folder = WithBackslash(path);
    if (cp932::ByteLength(folder) > 257)
        return 0;
    drivesMode_ = false;

    // A reading that keeps the player waiting says which folder it reads.
    std::unique_ptr<FolderReading> reading = ReadingFor(QueryFor(folder), readingAhead_);
    FolderContents contents = reading->Take([&] { reader::SpeakEx(path); });
    reading.reset();
    if (!contents.searched) {
        if (IsRootFolder(folder))
            entries_.push_back(std::make_unique<Entry>(Entry{kDrivesEntryName, EntryKind::ToDrives}));
        ShowEntries();
        return 0;
    }
    // The navigation entry first, the folders by name, and this folder's
    // choice last.
    for (FileItem& record : contents.records) {
        EntryKind kind = record.kind == ItemKind::UpEntry       ? EntryKind::Up
                         : record.kind == ItemKind::DrivesEntry ? EntryKind::ToDrives
                                                                : EntryKind::Folder;
        entries_.push_back(std::make_unique<Entry>(Entry{std::move(record.name), kind}));
    }
    entries_.push_back(std::make_unique<Entry>(Entry{kChooseEntry, EntryKind::Choose}));
    ShowEntries();

    if (!select.empty()) {
        int index = FindEntry(select);
        if (index >= 0) {
            ListView_EnsureVisible(list_, index, FALSE);
            SelectAndFocus(index);
        }
    } else if (entries_.size() > 1) {
        RECT rect = {};
        ListView_GetItemRect(list_, 0, &rect, LVIR_BOUNDS);
        ListView_Scroll(list_, 0, rect.bottom - rect.top);
        SelectAndFocus(1);
    }
    FitColumn();
    SetStatus(path);
    EnableButtons(true);
    return static_cast<int>(entries_.size());
}

int FolderWindow::ListDrives(const std::wstring& select)
{
    ClearList();
    drivesMode_ = true;
    std::vector<std::wstring> roots = LogicalDriveRoots();
    if (roots.empty())
        return -1;
    wchar_t letter = select.empty() ? 0 : Lower(select[0]);
    int selectIndex = 0;
    for (const std::wstring& root : roots) {
        if (!IsDriveOffered(root, owner_.style_.driveTypes))
            continue;
        if (letter && Lower(root[0]) == letter)
            selectIndex = static_cast<int>(entries_.size());
        entries_.push_back(std::make_unique<Entry>(
            Entry{DriveDisplayName(root), EntryKind::Drive, SmallIconIndex(root)}));
    }
    ShowEntries();
    if (!entries_.empty()) {
        SelectAndFocus(selectIndex);
        ListView_EnsureVisible(list_, selectIndex, FALSE);
        FitColumn();
        SetStatus(kMyComputer);
        EnableButtons(false);
    }
    ReleaseSpace();
    return static_cast<int>(entries_.size());
}

void FolderWindow::SelectAndFocus(int index)
{
    ListView_SetItemState(list_, index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

void FolderWindow::FitColumn()
{
    RECT client = {};
    GetClientRect(list_, &client);
    int width = client.right - client.left;
    if (ListView_GetColumnWidth(list_, 0) != width)
        ListView_SetColumnWidth(list_, 0, width);
}

void FolderWindow::SetStatus(const std::wstring& text)
{
    if (status_)
        SendMessageW(status_, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(text.c_str()));
}

void FolderWindow::EnableButtons(bool enable)
{
    EnableWindow(Item(IDC_LUMA_FOLDER_UP), enable);
    EnableWindow(Item(IDC_LUMA_FOLDER_READ), enable);
    EnableWindow(Item(IDC_LUMA_FOLDER_NEW), enable && !NoCreateFolder());
}

int FolderWindow::FocusedIndex() const { return ListView_GetNextItem(list_, -1, LVNI_FOCUSED); }

int FolderWindow::FindEntry(const std::wstring& text) const
{
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (lstrcmpiW(entries_[i]->text.c_str(), text.c_str()) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

int FolderWindow::IconOf(const Entry& entry)
{
    switch (entry.kind) {
    case EntryKind::Drive: return entry.icon;
    case EntryKind::Up: return SmallIconIndex(ParentOfFolder(owner_.currentFolder_).folder);
    case EntryKind::ToDrives:
    case EntryKind::Choose: return SmallIconIndex(owner_.currentFolder_);
    default: return shellInfo_.FolderIcon();
    }
}

void FolderWindow::ReleaseSpace()
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = VK_SPACE;
    input.ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(1, &input, sizeof(input));
}

} // namespace lumadlg
