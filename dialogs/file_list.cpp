// CLumaFileDialog: listing a folder or the drives into the list (control
// 1004). The folder is read on a worker thread (folder_reading.h) while the
// window stays alive; the entry table it gives, already in the order of
// names, becomes the list's content at once: the list is an owner-data list
// that asks for the texts and icons of the rows it draws.
#include "dialogs/file_dialog.h"

#include <cwctype>

#include "dialogs/core/file_op_rules.h"
#include "dialogs/core/paths.h"
#include "dialogs/core/sort.h"
#include "dialogs/name_ranks.h"
#include "dialogs/resource.h"
#include "dialogs/shell_icons.h"
#include "toolkit/reader.h"

namespace lumadlg {

namespace {

constexpr std::size_t kMaxEntries = 65535;

} // namespace

FolderQuery CLumaFileDialog::QueryFor(const std::wstring& folder, const std::wstring& filter) const
{
    FolderQuery query;
    query.folder = WithBackslash(folder);
    query.filter = filter;
    query.rules = Rules();
    query.maxEntries = kMaxEntries;
    query.locale = LOCALE_USER_DEFAULT;
    return query;
}

void CLumaFileDialog::ClearList()
{
    SendMessageW(list_, LVM_SETITEMCOUNT, 0, 0);
    SendMessageW(list_, LVM_DELETEALLITEMS, 0, 0);
    entries_.Clear();
    recordIcons_.clear();
}

// ---------------------------------------------------------------- folders

std::uint32_t CLumaFileDialog::ListFolder(const std::wstring& folder, const std::wstring& filter,
                                          const std::wstring& select)
{
    ClearList();
    if (driveListMode_) {
        SendMessageW(list_, LVM_DELETECOLUMN, 1, 0);
        InsertFolderColumns();
        driveListMode_ = false;
    }

    // A reading that keeps the player waiting says which folder it reads.
    std::unique_ptr<FolderReading> reading = ReadingFor(QueryFor(folder, filter), readingAhead_);
    FolderContents contents = reading->Take([&] { reader::SpeakEx(folder); });
    shellInfo_.UseTypeNamesAhead(reading->TakeTypeNames());
    reading.reset();
    if (!contents.searched) {
        InvalidateRect(list_, nullptr, TRUE);
        return 0;
    }
    const int firstFile = contents.firstFile;
    entries_.Assign(std::move(contents.records), std::move(contents.nameRanks), MakeSortOrder(kSortName, kAscending));
    sortOrder_ = 0;
    const int count = entries_.Count();
    SendMessageW(list_, LVM_SETITEMCOUNT, count, 0);

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
    // At most 65,535 entries: both halves fit their 16 bits.
    return (static_cast<std::uint32_t>(firstFile) << 16) | static_cast<std::uint32_t>(count);
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

// ---------------------------------------------------------------- drives

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
    std::vector<FileItem> drives;
    for (const std::wstring& root : LogicalDriveRoots()) {
        if (!lumadlg::IsDriveOffered(root, style_.driveTypes))
            continue;
        FileItem item;
        item.kind = ItemKind::Drive;
        item.name = DriveDisplayName(root);
        item.size = kNoSize;
        recordIcons_[static_cast<std::uint32_t>(drives.size())] = SmallIconIndex(root);
        drives.push_back(std::move(item));
    }
    std::vector<std::uint32_t> ranks = NameRanks(
        drives.size(), [&](std::size_t i) -> std::wstring_view { return drives[i].name; }, LOCALE_USER_DEFAULT);
    entries_.Assign(std::move(drives), std::move(ranks), 0);
    const int count = entries_.Count();
    SendMessageW(list_, LVM_SETITEMCOUNT, count, 0);

    int selectIndex = count > 0 ? 0 : -1;
    if (!folder.empty()) {
        wchar_t wanted = static_cast<wchar_t>(towlower(folder[0]));
        for (int i = 0; i < count; ++i)
            if (towlower(DriveLetterOfDisplayName(entries_.At(i)->name)) == wanted) {
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

} // namespace lumadlg
