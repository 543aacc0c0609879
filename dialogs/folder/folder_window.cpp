// The folder dialog's window: its initialisation, the drive list box, the
// message map, and what the object asks of it while it runs. Listing is in
// folder_list.cpp, what the user's keys and commands do in
// folder_actions.cpp.
#include "dialogs/folder/folder_window.h"

#include <shlobj.h>

#include "dialogs/core/paths.h"
#include "dialogs/drives.h"
#include "dialogs/folder/folder_resource.h"
#include "dialogs/list_search.h"
#include "dialogs/shell_icons.h"
#include "toolkit/reader.h"
#include "win/cp932.h"
#include "win/module.h"
#include "win/window.h"

namespace lumadlg {

namespace {

constexpr wchar_t kPersonal[] = L"PERSONAL";
constexpr wchar_t kNotReady[] = L"ドライブの準備ができていません";

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

    // 7. The folder list: it does not depend on the start folder, so it is
    // set up while that is still being read.
    SetUpList();
    listKeys_.Attach(list_);

    // 4, 5. The start folder.
    std::wstring start = StartFolder();
    if (!IsStartFolderUsable(start))
        start.clear();

    // 6. The drive list box, which may move the start to a ready drive.
    FillDriveBox(start);

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

bool FolderWindow::IsStartFolderUsable(const std::wstring& folder)
{
    if (folder.empty())
        return false;
    // The reading started ahead searches the folder first; its answer
    // spares a second search, which on some systems reads the whole folder.
    if (IsDriveOnly(folder) || !readingAhead_ || readingAhead_->Query() != QueryFor(folder))
        return IsFolderUsable(folder, Rules());
    return IsFolderUsable(folder, Rules(), readingAhead_->FoundAnything([&] { reader::SpeakEx(folder); }));
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

// ------------------------------------------------------------ drive list box

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

void FolderWindow::NotReadyGuide(int anchorId)
{
    if (!assist_)
        return;
    std::string text = cp932::FromWide(kNotReady);
    assist_->ShowGuide(Item(anchorId), text.c_str(), text.c_str());
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
        LVITEMW& item = reinterpret_cast<NMLVDISPINFOW*>(header)->item;
        if (item.iItem < 0 || item.iItem >= static_cast<int>(entries_.size()))
            return false;
        const Entry& entry = *entries_[static_cast<std::size_t>(item.iItem)];
        if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0)
            lstrcpynW(item.pszText, entry.text.c_str(), item.cchTextMax);
        if (item.mask & LVIF_IMAGE)
            item.iImage = IconOf(entry);
        return true;
    }
    case LVN_ODFINDITEMW:
        result = FindInList(*reinterpret_cast<NMLVFINDITEMW*>(header), static_cast<int>(entries_.size()),
                            [this](int i) { return entries_[static_cast<std::size_t>(i)]->text; }, GetThreadLocale());
        return true;
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
