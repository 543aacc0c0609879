#include "dialogs/folder/folder_window.h"

#include <shlobj.h>

#include <algorithm>

#include "dialogs/core/file_op_rules.h"
#include "dialogs/core/paths.h"
#include "dialogs/drives.h"
#include "dialogs/folder/folder_hook_texts.h"
#include "dialogs/folder/folder_resource.h"
#include "dialogs/shell_icons.h"
#include "toolkit/message_box.h"
#include "toolkit/reader.h"
#include "win/cp932.h"
#include "win/handles.h"
#include "win/module.h"
#include "win/window.h"

namespace lumadlg {

namespace {

constexpr wchar_t kPersonal[] = L"PERSONAL";
constexpr wchar_t kDrives[] = L"DRIVES";
constexpr wchar_t kMyComputer[] = L"マイ コンピュータ";
constexpr wchar_t kNotReady[] = L"ドライブの準備ができていません";
constexpr wchar_t kCreateCaption[] = L"フォルダの作成";

// The dialog that the folder list's Enter handler acts on: the last one
// initialised, forgotten when its window is destroyed.
FolderWindow* g_enterTarget = nullptr;

BOOL EnterHandler(HWND, int)
{
    if (!g_enterTarget)
        return FALSE;
    g_enterTarget->OpenFocused();
    return TRUE;
}

constexpr int kCaptionIds[5] = {-1, IDOK, IDCANCEL, IDC_LUMA_FOLDER_DRVLABEL, IDC_LUMA_FOLDER_DIRLABEL};

bool IsDirectory(const std::wstring& path)
{
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

wchar_t Lower(wchar_t c) { return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c - L'A' + L'a') : c; }

int MessageBox932(const std::wstring& text, const wchar_t* caption, UINT type)
{
    return SpeakMessageBox(cp932::FromWide(text).c_str(), cp932::FromWide(caption).c_str(), type, 0);
}

} // namespace

FolderWindow::FolderWindow(CLumaFolderDialog& owner) : owner_(owner) {}

FolderWindow::~FolderWindow()
{
    if (g_enterTarget == this)
        g_enterTarget = nullptr;
}

bool FolderWindow::NoCreateFolder() const { return (owner_.style_.style & FODS_NOCREATEFOLDER) != 0; }
bool FolderWindow::ShowHidden() const { return (owner_.style_.style & FODS_SHOWHIDDEN) != 0; }
bool FolderWindow::HideReadOnly() const { return (owner_.style_.style & FODS_HIDEREADONLY) != 0; }

// ------------------------------------------------------------ initialisation

BOOL FolderWindow::OnInitDialog()
{
    list_ = Item(IDC_LUMA_FOLDER_LIST);
    drives_ = Item(IDC_LUMA_FOLDER_DRIVES);

    // 1. The caller's captions.
    for (int i = 0; i < 5; ++i) {
        if (!owner_.captions_[i])
            continue;
        HWND target = kCaptionIds[i] == -1 ? hwnd() : Item(kCaptionIds[i]);
        if (target)
            SetWindowTextW(target, owner_.captions_[i]->c_str());
    }

    // 2. The icons of the three small buttons.
    const int iconIds[3] = {IDI_LUMA_FOLDER_UP, IDI_LUMA_FOLDER_READ, IDI_LUMA_FOLDER_NEW};
    const int buttonIds[3] = {IDC_LUMA_FOLDER_UP, IDC_LUMA_FOLDER_READ, IDC_LUMA_FOLDER_NEW};
    for (int i = 0; i < 3; ++i) {
        icons_[i].reset(static_cast<HICON>(
            LoadImageW(win::CurrentModule(), MAKEINTRESOURCEW(iconIds[i]), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR)));
        if (icons_[i])
            SendDlgItemMessageW(hwnd(), buttonIds[i], BM_SETIMAGE, IMAGE_ICON,
                                reinterpret_cast<LPARAM>(icons_[i].get()));
    }
    if (NoCreateFolder())
        EnableWindow(Item(IDC_LUMA_FOLDER_NEW), FALSE);

    // 3. The status line.
    status_ = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | CCS_BOTTOM, 0, 0, 0, 0, hwnd(),
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_LUMA_FOLDER_STATUS)),
                              win::CurrentModule(), nullptr);
    if (status_)
        SendMessageW(status_, SB_SIMPLE, TRUE, 0);

    // 4, 5. The start folder.
    std::wstring start = StartFolder();
    if (!IsStartFolderUsable(start))
        start.clear();

    // 6. The drive list box, which may move the start to a ready drive.
    FillDriveBox(start);

    // 7. The folder list.
    SetUpList();
    listKeys_.Attach(list_);

    // 8. The first listing.
    const std::wstring& current = owner_.currentFolder_;
    if (!current.empty() && current != kDrives)
        ListFolder(start, L"");
    else
        ListDrives(start);
    if (current != kDrives)
        owner_.currentFolder_ = start;

    // 9. The control assistant and the list's Enter handler.
    assist_ = std::make_unique<CLumaControlAssist>();
    if (assist_->Attach(hwnd(), TRUE)) {
        g_enterTarget = this;
        assist_->SetListEnterHandler(IDC_LUMA_FOLDER_LIST, EnterHandler, 0);
    }

    // 10. The folder list is the first tab stop and gets the focus.
    owner_.result_.clear();
    return TRUE;
}

std::wstring FolderWindow::StartFolder()
{
    const std::wstring& current = owner_.currentFolder_;
    if (current == kPersonal) {
        wchar_t path[MAX_PATH] = {};
        if (SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, path)))
            return path;
        return L"";
    }
    if (current == kDrives)
        return L"";
    return current;
}

bool FolderWindow::IsStartFolderUsable(const std::wstring& folder) const
{
    return !folder.empty() && IsFolderUsable(folder, Rules());
}

VisibilityRules FolderWindow::Rules() const
{
    return {HideReadOnly(), ShowHidden()};
}

void FolderWindow::FillDriveBox(std::wstring& start)
{
    wchar_t startLetter = start.empty() ? 0 : Lower(start[0]);
    if (startLetter && !IsDriveReady(startLetter))
        startLetter = 0;

    SendMessageW(drives_, CB_RESETCONTENT, 0, 0);
    int startEntry = -1;
    int firstReady = -1;
    std::wstring firstReadyRoot;
    for (const std::wstring& root : LogicalDriveRoots()) {
        if (!IsDriveOffered(root, owner_.style_.driveTypes))
            continue;
        LRESULT index =
            SendMessageW(drives_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(DriveDisplayName(root).c_str()));
        if (index < 0)
            continue;
        if (startLetter && Lower(root[0]) == startLetter && startEntry < 0)
            startEntry = static_cast<int>(index);
        if (firstReady < 0 && IsDriveReady(root[0])) {
            firstReady = static_cast<int>(index);
            firstReadyRoot = root;
        }
    }
    if (firstReady < 0)
        return;
    if (startEntry >= 0) {
        SendMessageW(drives_, CB_SETCURSEL, startEntry, 0);
    } else {
        SendMessageW(drives_, CB_SETCURSEL, firstReady, 0);
        start = firstReadyRoot;
    }
    driveIndex_ = static_cast<int>(SendMessageW(drives_, CB_GETCURSEL, 0, 0));
}

void FolderWindow::SetUpList()
{
    ListView_SetExtendedListViewStyleEx(list_, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    RECT client = {};
    GetClientRect(list_, &client);
    LVCOLUMNW column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = const_cast<wchar_t*>(L"名前");
    column.cx = client.right - client.left;
    ListView_InsertColumn(list_, 0, &column);
    ListView_SetImageList(list_, SystemSmallIcons(), LVSIL_SMALL);
}

// ------------------------------------------------------------ listing

void FolderWindow::ClearList()
{
    ListView_DeleteAllItems(list_);
    entries_.clear();
}

void FolderWindow::InsertEntries()
{
    int row = 0;
    for (const auto& entry : entries_) {
        LVITEMW item = {};
        item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM;
        item.iItem = row++;
        item.pszText = LPSTR_TEXTCALLBACKW;
        item.iImage = I_IMAGECALLBACK;
        item.lParam = reinterpret_cast<LPARAM>(entry.get());
        ListView_InsertItem(list_, &item);
    }
}

int FolderWindow::ListFolder(const std::wstring& path, const std::wstring& select)
{
    ClearList();
    std::wstring folder = WithBackslash(path);
    if (cp932::ByteLength(folder) > 257)
        return 0;
    if (IsRootFolder(folder))
        entries_.push_back(std::make_unique<Entry>(Entry{kDrivesEntry, EntryKind::ToDrives}));
    drivesMode_ = false;

    WIN32_FIND_DATAW data;
    win::UniqueFind find(FindFirstFileW((folder + L"*.*").c_str(), &data));
    if (!find) {
        InsertEntries();
        return 0;
    }
    bool root = IsRootFolder(folder);
    do {
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            continue;
        std::wstring name = data.cFileName;
        if (name == L"." || (name == L".." && root))
            continue;
        if (Rules().Excludes(data.dwFileAttributes))
            continue;
        if (name == L"..")
            entries_.push_back(std::make_unique<Entry>(Entry{kUpEntry, EntryKind::Up}));
        else
            entries_.push_back(std::make_unique<Entry>(Entry{name, EntryKind::Folder}));
    } while (FindNextFileW(find.get(), &data));
    find.reset();
    entries_.push_back(std::make_unique<Entry>(Entry{kChooseEntry, EntryKind::Choose}));

    std::stable_sort(entries_.begin(), entries_.end(), [](const auto& a, const auto& b) {
        int ra = EntryRank(a->kind), rb = EntryRank(b->kind);
        if (ra != rb)
            return ra < rb;
        return ra == 1 && lstrcmpiW(a->text.c_str(), b->text.c_str()) < 0;
    });
    InsertEntries();

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
    InsertEntries();
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

std::wstring FolderWindow::IconPathOf(const Entry& entry) const
{
    switch (entry.kind) {
    case EntryKind::Up: return ParentOfFolder(owner_.currentFolder_).folder;
    case EntryKind::ToDrives:
    case EntryKind::Choose: return owner_.currentFolder_;
    default: return JoinFolder(owner_.currentFolder_, entry.text);
    }
}

void FolderWindow::SelectDriveInBox(wchar_t letter)
{
    int count = static_cast<int>(SendMessageW(drives_, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        int length = static_cast<int>(SendMessageW(drives_, CB_GETLBTEXTLEN, i, 0));
        if (length < 0)
            continue;
        std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
        SendMessageW(drives_, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<std::size_t>(length));
        if (DriveLetterOf(text) == letter) {
            SendMessageW(drives_, CB_SETCURSEL, i, 0);
            driveIndex_ = i;
            return;
        }
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

// ------------------------------------------------------------ actions

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

void FolderWindow::NotReadyGuide(int anchorId)
{
    if (!assist_)
        return;
    std::string text = cp932::FromWide(kNotReady);
    assist_->ShowGuide(Item(anchorId), text.c_str(), text.c_str());
}

void FolderWindow::OnDriveBoxSelected()
{
    int selection = static_cast<int>(SendMessageW(drives_, CB_GETCURSEL, 0, 0));
    if (selection < 0)
        return;
    wchar_t letter = DriveLetterOf(win::GetText(drives_));
    if (letter && IsDriveReady(letter)) {
        owner_.currentFolder_ = std::wstring(1, letter) + L":\\";
        ListFolder(owner_.currentFolder_, L"");
        driveIndex_ = selection;
    } else {
        NotReadyGuide(IDC_LUMA_FOLDER_DRIVES);
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

// ------------------------------------------------------------ messages

bool FolderWindow::OnCommand(int id, int notifyCode, HWND control)
{
    switch (id) {
    case IDM_LUMA_FOLDER_NEW:
        NewFolder();
        return true;
    case IDM_LUMA_READ_DRIVE:
    case IDM_LUMA_READ_FOLDER:
        ReadAloud(id);
        return true;
    case IDC_LUMA_FOLDER_UP:
        if (notifyCode == BN_CLICKED)
            GoUp(true);
        return true;
    case IDC_LUMA_FOLDER_READ:
        if (notifyCode == BN_CLICKED)
            ShowReadMenu();
        return true;
    case IDC_LUMA_FOLDER_NEW:
        if (notifyCode == BN_CLICKED && NewFolder())
            SendMessageW(hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(list_), TRUE);
        return true;
    case IDC_LUMA_FOLDER_DRIVES:
        switch (notifyCode) {
        case CBN_SELENDOK:
            OnDriveBoxSelected();
            break;
        case CBN_SETFOCUS:
            driveIndex_ = static_cast<int>(SendMessageW(drives_, CB_GETCURSEL, 0, 0));
            break;
        case CBN_KILLFOCUS:
            if (SendMessageW(drives_, CB_GETCURSEL, 0, 0) != driveIndex_)
                SendMessageW(drives_, CB_SETCURSEL, driveIndex_, 0);
            break;
        default:
            break;
        }
        return true;
    default:
        return false;
    }
}

bool FolderWindow::OnNotify(NMHDR* header, LRESULT& result)
{
    if (header->idFrom != IDC_LUMA_FOLDER_LIST)
        return false;
    switch (header->code) {
    case LVN_GETDISPINFOW: {
        auto* info = reinterpret_cast<NMLVDISPINFOW*>(header);
        auto* entry = reinterpret_cast<Entry*>(info->item.lParam);
        if (!entry)
            return false;
        if ((info->item.mask & LVIF_TEXT) && info->item.pszText && info->item.cchTextMax > 0)
            lstrcpynW(info->item.pszText, entry->text.c_str(), info->item.cchTextMax);
        if (info->item.mask & LVIF_IMAGE)
            info->item.iImage = entry->kind == EntryKind::Drive ? entry->icon
                                                                 : SmallIconIndex(IconPathOf(*entry));
        return true;
    }
    case NM_DBLCLK:
        OpenFocused();
        return true;
    case LVN_KEYDOWN:
        OnListKey(reinterpret_cast<NMLVKEYDOWN*>(header)->wVKey);
        return true;
    case LVN_ITEMCHANGED:
        OnItemChanged(*reinterpret_cast<NMLISTVIEW*>(header));
        return true;
    default:
        return false;
    }
}

void FolderWindow::OnDestroy()
{
    if (g_enterTarget == this)
        g_enterTarget = nullptr;
    assist_.reset();
    listKeys_.Detach();
    ClearList();
    ListView_SetImageList(list_, nullptr, LVSIL_SMALL);
    if (status_) {
        DestroyWindow(status_);
        status_ = nullptr;
    }
    for (auto& caption : owner_.captions_)
        caption.reset();
}

// ------------------------------------------------------------ while running

int FolderWindow::EnableControl(int id, int enable)
{
    HWND control = Item(id);
    if (!control)
        return 0;
    BOOL wasEnabled = IsWindowEnabled(control);
    if ((wasEnabled != FALSE) != (enable != 0))
        EnableWindow(control, enable != 0);
    return wasEnabled ? 1 : 0;
}

int FolderWindow::MessageWnd(const char* text, const char* spokenText)
{
    if (!assist_)
        return 0;
    return assist_->ShowGuide(list_, text, spokenText);
}

} // namespace lumadlg
