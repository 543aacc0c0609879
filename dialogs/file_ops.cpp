// CLumaFileDialog: creating, renaming, deleting and copying entries of the
// current folder. Every question and refusal goes through the toolkit's
// speaking boxes; each operation works on copies of the records the user
// chose, builds its paths from the current folder and names checked before
// use, and lists the folder again afterwards.
#include "dialogs/file_ops.h"

#include <shellapi.h>

#include "dialogs/core/paths.h"
#include "dialogs/file_dialog.h"
#include "dialogs/folder/folder_dialog.h"
#include "dialogs/folder/folder_resource.h"
#include "dialogs/resource.h"
#include "toolkit/message_box.h"
#include "win/cp932.h"
#include "win/handles.h"

namespace lumadlg {

// ---------------------------------------------------------------- toolkit and system

namespace fileops {

int Show(const Message& message)
{
    std::string text = cp932::FromWide(message.text);
    std::string caption = cp932::FromWide(message.caption);
    return SpeakMessageBox(text.c_str(), caption.c_str(), message.type, 0);
}

int AskWithButtons(const Message& question, const DeleteButtons& buttons)
{
    std::string text = cp932::FromWide(question.text);
    std::string caption = cp932::FromWide(question.caption);
    std::string captions[3];
    for (std::size_t i = 0; i < buttons.captions.size() && i < 3; ++i)
        captions[i] = cp932::FromWide(buttons.captions[i]);
    auto button = [&](std::size_t i) { return i < buttons.captions.size() ? captions[i].c_str() : nullptr; };
    return SpeakMessageBoxEx(text.c_str(), caption.c_str(), button(0), button(1), button(2), buttons.type);
}

std::optional<std::string> AskName(const Prompt& prompt)
{
    std::string text = cp932::FromWide(prompt.prompt);
    std::string caption = cp932::FromWide(prompt.caption);
    std::string initial = cp932::FromWide(prompt.initialText);
    std::string buffer(static_cast<std::size_t>(prompt.bufferSize), '\0');
    if (SpeakInputBox(text.c_str(), caption.c_str(), initial.c_str(), buffer.data(), prompt.bufferSize, 1) != IDOK)
        return std::nullopt;
    return std::string(buffer.c_str());
}

DeleteOutcome ShellDelete(HWND owner, const std::wstring& path, std::uint32_t flags)
{
    // A list of one path, ended by two NULs.
    std::wstring from = path;
    from.push_back(L'\0');
    from.push_back(L'\0');
    SHFILEOPSTRUCTW operation = {};
    operation.hwnd = owner;
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = static_cast<FILEOP_FLAGS>(flags);
    int result = SHFileOperationW(&operation);
    return ShellDeleteOutcome(result, operation.fAnyOperationsAborted != FALSE);
}

std::optional<DWORD> AttributesOf(const std::wstring& path)
{
    DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return std::nullopt;
    return attributes;
}

bool IsOnFixedDisk(const std::wstring& folder)
{
    if (folder.size() < 2 || folder[1] != L':')
        return false;
    return GetDriveTypeW(folder.substr(0, 2).append(L"\\").c_str()) == DRIVE_FIXED;
}

bool SameNameIgnoringCase(const std::wstring& a, const std::wstring& b)
{
    return CompareStringOrdinal(a.c_str(), static_cast<int>(a.size()), b.c_str(), static_cast<int>(b.size()), TRUE) ==
           CSTR_EQUAL;
}

std::wstring UpperCase(std::wstring folder)
{
    if (!folder.empty())
        CharUpperBuffW(folder.data(), static_cast<DWORD>(folder.size()));
    return folder;
}

// True when both paths name one existing file, however they are spelled.
bool SameFile(const std::wstring& a, const std::wstring& b)
{
    auto identity = [](const std::wstring& path) -> std::optional<BY_HANDLE_FILE_INFORMATION> {
        win::UniqueFile file(CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                           nullptr, OPEN_EXISTING, 0, nullptr));
        BY_HANDLE_FILE_INFORMATION info = {};
        if (!file || !GetFileInformationByHandle(file.get(), &info))
            return std::nullopt;
        return info;
    };
    auto x = identity(a), y = identity(b);
    return x && y && x->dwVolumeSerialNumber == y->dwVolumeSerialNumber && x->nFileIndexHigh == y->nFileIndexHigh &&
           x->nFileIndexLow == y->nFileIndexLow;
}

} // namespace fileops

using namespace fileops;

// ---------------------------------------------------------------- dispatch

void CLumaFileDialog::OnFileOpCommand(int command)
{
    switch (command) {
    case IDM_NEWFOLDER:
    case IDC_NEWFOLDER:
        CreateFolder();
        break;
    case IDM_COPYFILES:
        CopyFiles();
        break;
    case IDM_DELETEFILE:
    case IDM_DELETEFOLDER:
        DeleteEntries();
        break;
    case IDM_RENAMEFILE:
    case IDM_RENAMEFOLDER:
        RenameEntry();
        break;
    default:
        break;
    }
}

void CLumaFileDialog::OnFileOpKey(WORD key, bool ctrl)
{
    switch (key) {
    case 'C':
    case VK_INSERT:
        if (ctrl)
            CopyFiles();
        break;
    case VK_DELETE:
        DeleteEntries();
        break;
    case VK_F2:
        RenameEntry();
        break;
    default:
        break;
    }
}

std::vector<FileItem> CLumaFileDialog::SelectedEntries() const
{
    std::vector<FileItem> entries;
    for (int i = -1; (i = static_cast<int>(SendMessageW(list_, LVM_GETNEXTITEM, i, LVNI_SELECTED))) >= 0;)
        if (const FileItem* item = ItemAt(i))
            entries.push_back(*item);
    return entries;
}

bool CLumaFileDialog::Relist(const std::wstring& select)
{
    return ListAndEnter(currentFolder_, CurrentFilter(), select);
}

// ---------------------------------------------------------------- new folder

bool CLumaFileDialog::CreateFolder()
{
    if (driveListMode_ || !MayCreateFolder(style_.disabledOps))
        return false;
    for (;;) {
        std::optional<std::string> typed = AskName(NewFolderPrompt());
        if (!typed)
            return false;
        // Checked before any path is built from it: no typed name reaches
        // outside the current folder.
        if (!IsUsableEntryName(*typed)) {
            Show(NewFolderInvalidName());
            continue;
        }
        std::wstring name = cp932::ToWide(*typed);
        if (FindItemByText(name) >= 0) {
            Show(NewFolderDuplicate());
            continue;
        }
        std::wstring path = WithBackslash(currentFolder_) + name;
        if (Cp932Length(path) <= 260 && CreateDirectoryW(path.c_str(), nullptr)) {
            Relist(name);
            return true;
        }
        Show(NewFolderFailed());
        return false;
    }
}

// ---------------------------------------------------------------- rename

bool CLumaFileDialog::RenameEntry()
{
    if (driveListMode_)
        return false;
    const FileItem* focused = FocusedItem();
    if (!focused || !MayRename(style_.disabledOps, *focused))
        return false;
    const std::wstring oldName = focused->name;
    std::wstring newName;
    for (;;) {
        std::optional<std::string> typed = AskName(RenamePrompt(oldName));
        if (!typed)
            return false;
        if (!IsUsableEntryName(*typed)) {
            Show(RenameInvalidName());
            continue;
        }
        newName = cp932::ToWide(*typed);
        if (SameNameIgnoringCase(newName, oldName)) {
            Show(RenameUnchanged());
            continue;
        }
        break;
    }
    const std::wstring folder = WithBackslash(currentFolder_);
    const std::wstring oldPath = folder + oldName;
    std::optional<DWORD> attributes = AttributesOf(oldPath);
    if (attributes && (*attributes & FILE_ATTRIBUTE_READONLY) && Show(RenameReadOnly(oldName)) != kYes)
        return false;
    // Never replaces an existing entry.
    if (!MoveFileW(oldPath.c_str(), (folder + newName).c_str())) {
        Show(RenameFailed());
        return false;
    }
    Relist(newName);
    return true;
}

// ---------------------------------------------------------------- delete

bool CLumaFileDialog::DeleteEntries()
{
    if (driveListMode_)
        return false;
    const FileItem* focused = FocusedItem();
    if (!focused || !MayDelete(style_.disabledOps, *focused))
        return false;
    const std::vector<FileItem> chosen = SelectedEntries();
    // With one entry selected the question names that entry: the one that
    // will be deleted.
    std::optional<Message> question =
        chosen.empty() ? std::nullopt : DeleteQuestion(static_cast<int>(chosen.size()), chosen.front());
    if (!question)
        return false;
    const bool fixedDisk = IsOnFixedDisk(currentFolder_);
    const DeleteChoice choice = DeleteChoiceOf(AskWithButtons(*question, DeleteButtonsFor(fixedDisk)), fixedDisk);
    if (choice == DeleteChoice::Cancel)
        return false;

    const std::wstring folder = WithBackslash(currentFolder_);
    bool lastSucceeded = false;
    bool changed = false; // something was deleted, or a cancel may have left part of a folder
    for (const FileItem& entry : chosen) {
        if (!MayDelete(style_.disabledOps, entry))
            continue;
        const bool isFolder = entry.kind == ItemKind::Folder;
        if (chosen.size() > 1 && isFolder && Show(FolderAmongOthersQuestion(entry.name)) != kYes)
            continue;
        const std::wstring path = folder + entry.name;
        const std::optional<DWORD> attributes = AttributesOf(path);
        const DeleteCheck check = CheckBeforeDelete(attributes);
        if (check == DeleteCheck::Unreadable || check == DeleteCheck::System) {
            Show(DeleteCheckMessage(check, entry.name, isFolder));
            continue;
        }
        bool clearedReadOnly = false;
        if (check == DeleteCheck::ReadOnly) {
            if (Show(DeleteCheckMessage(check, entry.name, isFolder)) != kYes)
                continue;
            clearedReadOnly = SetFileAttributesW(path.c_str(), *attributes & ~FILE_ATTRIBUTE_READONLY) != FALSE;
        }
        const DeleteOutcome outcome = ShellDelete(hwnd(), path, ShellDeleteFlags(choice));
        lastSucceeded = outcome == DeleteOutcome::Deleted;
        if (lastSucceeded) {
            changed = true;
            continue;
        }
        // What could not be deleted keeps its protection.
        if (clearedReadOnly && AttributesOf(path))
            SetFileAttributesW(path.c_str(), *attributes);
        // The user's cancel ends the walk without an error.
        if (outcome == DeleteOutcome::Cancelled) {
            changed = true;
            break;
        }
        Show(DeleteFailed(entry.name));
    }
    // The list never goes on showing what is gone, even when a later entry
    // failed.
    if (changed && Relist(L""))
        SelectAndFocus(static_cast<int>(SendMessageW(list_, LVM_GETTOPINDEX, 0, 0)));
    return lastSucceeded;
}

// ---------------------------------------------------------------- copy

bool CLumaFileDialog::CopyFiles()
{
    if (driveListMode_)
        return false;
    const FileItem* focused = FocusedItem();
    if (!focused || !MayCopy(style_.disabledOps, *focused))
        return false;
    const std::wstring focusedName = focused->name;
    const std::vector<FileItem> chosen = SelectedEntries();

    // 1. The target, chosen with the folder dialog.
    std::wstring target;
    {
        auto folderDialog = CLumaFolderDialog::CreateInLibrary(currentFolder_, hwnd());
        if (!folderDialog)
            return false;
        FolderStyleForCopy copyStyle = CopyFolderStyle(style_.style, style_.disabledOps);
        FolderDlgExStyle record = {};
        record.mask = copyStyle.mask;
        record.style = copyStyle.style;
        record.driveTypes = style_.driveTypes;
        folderDialog->SetExtendedStyle(record);
        folderDialog->SetCaption(cp932::FromWide(kCopyCaption).c_str(), -1);
        folderDialog->SetCaption(cp932::FromWide(L"コピー先のフォルダを選択してください").c_str(), IDC_LUMA_FOLDER_DIRLABEL);
        if (folderDialog->Run() != IDOK)
            return false;
        target = folderDialog->Result();
    }
    // 2. A folder that can take the files.
    if (!IsFolderUsable(target)) {
        Show(CopyTargetMissing());
        return false;
    }
    // 3, 4. Each selected file, in list order.
    const CopyPlace place = CompareCopyFolders(UpperCase(target), UpperCase(currentFolder_));
    std::wstring lastNewName;
    bool lastSucceeded = false;
    for (const FileItem& entry : chosen) {
        if (entry.kind != ItemKind::File)
            continue;
        const std::wstring newName = CopyName(entry.name, place.sameFolder);
        if (place.sameFolder)
            lastNewName = newName;
        const std::wstring source = place.current + entry.name;
        const std::wstring destination = place.target + newName;
        if (AttributesOf(destination)) {
            int answer = Show(OverwriteQuestion(destination));
            if (answer == kCancel)
                return lastSucceeded; // at once, the list as it is
            if (answer != kYes)
                continue;
        }
        // A file is never copied onto itself, which would empty it.
        lastSucceeded = !SameFile(source, destination) && CopyFileW(source.c_str(), destination.c_str(), FALSE);
        if (!lastSucceeded) {
            Show(CopyFailed(source));
            break;
        }
    }
    // 5. The list again when the copies went into it or below it.
    if (place.insideCurrent)
        Relist(place.sameFolder ? lastNewName : focusedName);
    return lastSucceeded;
}

} // namespace lumadlg
