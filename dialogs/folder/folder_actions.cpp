// What the folder dialog's keys, buttons and commands do: opening entries,
// going up, OK, reading aloud, the menus and the new folder.
#include "dialogs/folder/folder_window.h"

#include "dialogs/core/file_op_rules.h"
#include "dialogs/core/paths.h"
#include "dialogs/folder/folder_hook_texts.h"
#include "dialogs/folder/folder_resource.h"
#include "toolkit/message_box.h"
#include "toolkit/reader.h"
#include "win/cp932.h"
#include "win/handles.h"
#include "win/window.h"

namespace lumadlg {

namespace {

constexpr wchar_t kCreateCaption[] = L"フォルダの作成";

bool IsDirectory(const std::wstring& path)
{
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

int MessageBox932(const std::wstring& text, const wchar_t* caption, UINT type)
{
    return SpeakMessageBox(cp932::FromWide(text).c_str(), cp932::FromWide(caption).c_str(), type, 0);
}

} // namespace

void FolderWindow::OpenFocused()
{
    int index = FocusedIndex();
    if (index < 0 || index >= static_cast<int>(entries_.size()))
        return;
    const Entry entry = *entries_[static_cast<std::size_t>(index)];
    std::wstring& current = owner_.currentFolder_;
    std::wstring path;
    std::wstring select;
    switch (entry.kind) {
    case EntryKind::ToDrives:
        if (ListDrives(current) > 0)
            current = kDrives;
        return;
    case EntryKind::Choose:
        PostMessageW(hwnd(), WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(Item(IDOK)));
        return;
    case EntryKind::Up: {
        FolderParent parent = ParentOfFolder(current);
        path = parent.folder;
        select = parent.leftName;
        break;
    }
    case EntryKind::Drive: {
        wchar_t letter = DriveLetterOf(entry.text);
        if (!letter || !IsDriveReady(letter)) {
            NotReadyGuide(IDC_LUMA_FOLDER_LIST);
            return;
        }
        SelectDriveInBox(letter);
        path = std::wstring(1, letter) + L":\\";
        break;
    }
    case EntryKind::Folder:
        path = JoinFolder(current, entry.text);
        break;
    }
    if (path.empty() || !IsDirectory(path))
        return;
    std::wstring previous = current;
    current = path;
    if (ListFolder(path, select) < 1)
        current = previous;
    ReleaseSpace();
}

void FolderWindow::GoUp(bool fromButton)
{
    if (drivesMode_)
        return;
    std::wstring& current = owner_.currentFolder_;
    if (IsRootFolder(current)) {
        ListDrives(current);
        current = kDrives;
    } else {
        FolderParent parent = ParentOfFolder(current);
        if (!parent.folder.empty()) {
            current = parent.folder;
            ListFolder(current, parent.leftName);
        }
    }
    if (fromButton && drivesMode_)
        SendMessageW(hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(list_), TRUE);
}

void FolderWindow::OnOK()
{
    HWND ok = Item(IDOK);
    if (ok && !IsWindowEnabled(ok))
        return;
    int index = FocusedIndex();
    if (index >= 0 && index < static_cast<int>(entries_.size())) {
        const Entry entry = *entries_[static_cast<std::size_t>(index)];
        if (!drivesMode_ && entry.kind != EntryKind::Up && entry.kind != EntryKind::ToDrives) {
            const std::wstring& current = owner_.currentFolder_;
            if (current.empty())
                return;
            const FolderHookTexts texts = HookTextsFor(current, entry.text, entry.kind);
            if (!texts.complete && owner_.handsOutAnsi_) {
                const std::string refusal = UnnamableFolderMessage();
                MessageWnd(refusal.c_str(), refusal.c_str());
                return;
            }
            if (FolderDlgHook hook = reinterpret_cast<FolderDlgHook>(owner_.style_.folderHook)) {
                if (hook(owner_.Handle(), 2, texts.item.c_str(), texts.folder.c_str()) == 0)
                    return;
            }
            owner_.result_ = entry.kind == EntryKind::Choose ? current : JoinFolder(current, entry.text);
            EndDialog(IDOK);
            return;
        }
        OpenFocused();
    }
    SendMessageW(hwnd(), WM_NEXTDLGCTL, TRUE, FALSE);
}

void FolderWindow::ReadAloud(int command)
{
    std::wstring text;
    if (command == IDM_LUMA_READ_DRIVE) {
        if (drivesMode_)
            return;
        int selection = static_cast<int>(SendMessageW(drives_, CB_GETCURSEL, 0, 0));
        if (selection >= 0)
            text = win::GetText(drives_);
    } else {
        text = drivesMode_ ? std::wstring(kMyComputer) : owner_.currentFolder_;
    }
    if (text.empty())
        return;
    reader::Stop();
    reader::SpeakEx(text);
}

void FolderWindow::TrackMenu(HMENU menu, POINT point)
{
    reader::Speak(L"メニューオープン", 0);
    TrackPopupMenu(menu, 0, point.x, point.y, 0, hwnd(), nullptr);
}

void FolderWindow::ShowReadMenu()
{
    if (drivesMode_)
        return;
    win::UniqueMenu menu(CreatePopupMenu());
    if (!menu)
        return;
    AppendMenuW(menu.get(), MF_STRING, IDM_LUMA_READ_DRIVE, L"現在のドライブの読み上げ(&D)\tAlt + F1");
    AppendMenuW(menu.get(), MF_STRING, IDM_LUMA_READ_FOLDER, L"現在のフォルダの読み上げ(&L)\tAlt + F2");
    RECT rect = {};
    GetWindowRect(Item(IDC_LUMA_FOLDER_READ), &rect);
    TrackMenu(menu.get(), POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
}

void FolderWindow::ShowListMenu()
{
    win::UniqueMenu menu(CreatePopupMenu());
    if (!menu)
        return;
    AppendMenuW(menu.get(), MF_STRING, IDM_LUMA_READ_DRIVE, L"現在のドライブの読み上げ(&D)\tAlt + F1");
    AppendMenuW(menu.get(), MF_STRING, IDM_LUMA_READ_FOLDER, L"現在のフォルダの読み上げ(&L)\tAlt + F2");
    if (!NoCreateFolder()) {
        AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
        AppendMenuW(menu.get(), MF_STRING, IDM_LUMA_FOLDER_NEW, L"フォルダの作成(&F)\tCtrl + N");
    }
    int index = FocusedIndex();
    RECT rect = {};
    ListView_GetItemRect(list_, index >= 0 ? index : 0, &rect, LVIR_BOUNDS);
    POINT point{rect.left, rect.top};
    ClientToScreen(list_, &point);
    TrackMenu(menu.get(), point);
}

bool FolderWindow::NewFolder()
{
    if (drivesMode_ || NoCreateFolder())
        return false;
    const std::string prompt = cp932::FromWide(L"新しいフォルダの名前を入力してください");
    const std::string caption = cp932::FromWide(L"新しいフォルダの作成");
    const std::string initial = cp932::FromWide(L"新しいフォルダ");
    for (;;) {
        char buffer[260] = {};
        if (SpeakInputBox(prompt.c_str(), caption.c_str(), initial.c_str(), buffer, sizeof(buffer), 1) != 1)
            return false;
        // The name is checked before any path is built from it, so that no
        // typed name reaches outside the current folder.
        if (!IsUsableEntryName(buffer)) {
            MessageBox932(L"無効な文字が使われています。フォルダ名を入力しなおしてください。", kCreateCaption, 0x30);
            continue;
        }
        std::wstring name = cp932::ToWide(buffer);
        if (FindEntry(name) >= 0) {
            MessageBox932(L"すでに同じ名前のフォルダが存在します。フォルダ名を入力しなおしてください。", kCreateCaption,
                          0x30);
            continue;
        }
        std::wstring path = JoinFolder(owner_.currentFolder_, name);
        if (cp932::ByteLength(path) <= 260 && CreateDirectoryW(path.c_str(), nullptr)) {
            ListFolder(owner_.currentFolder_, name);
            MessageBox932(path + L" を作成しました。", kCreateCaption, 0x40);
            return true;
        }
        MessageBox932(L"新しいフォルダの作成に失敗しました。", kCreateCaption, 0x10);
        return false;
    }
}

void FolderWindow::OnListKey(WORD key)
{
    bool ctrl = GetKeyState(VK_CONTROL) < 0;
    switch (key) {
    case VK_BACK:
        GoUp(false);
        break;
    case 'N':
        if (ctrl && !drivesMode_ && !NoCreateFolder())
            SendMessageW(hwnd(), WM_COMMAND, IDM_LUMA_FOLDER_NEW, 0);
        break;
    case VK_APPS:
        if (!drivesMode_)
            ShowListMenu();
        break;
    default:
        break;
    }
}

LRESULT FolderWindow::ListKeys::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_SYSKEYDOWN && (lParam & (1 << 29))) {
        if (wParam == VK_F1) {
            if (!window_.drivesMode_)
                window_.ReadAloud(IDM_LUMA_READ_DRIVE);
            return 0;
        }
        if (wParam == VK_F2) {
            window_.ReadAloud(IDM_LUMA_READ_FOLDER);
            return 0;
        }
    }
    return DefaultProc(msg, wParam, lParam);
}

void FolderWindow::OnItemChanged(const NMLISTVIEW& change)
{
    if (!(change.uChanged & LVIF_STATE) || !(change.uNewState & LVIS_FOCUSED) || (change.uOldState & LVIS_FOCUSED))
        return;
    if (change.iItem < 0 || change.iItem >= static_cast<int>(entries_.size()))
        return;
    if (FolderDlgHook hook = reinterpret_cast<FolderDlgHook>(owner_.style_.folderHook)) {
        const Entry& entry = *entries_[static_cast<std::size_t>(change.iItem)];
        const FolderHookTexts texts = HookTextsFor(owner_.currentFolder_, entry.text, entry.kind);
        hook(owner_.Handle(), 1, texts.item.c_str(), texts.folder.c_str());
    }
}

} // namespace lumadlg
