// CLumaFileDialog: the window's initialisation, its commands, OK, cancel
// and going up.
#include "dialogs/file_dialog.h"

#include "dialogs/core/file_op_rules.h"
#include "dialogs/core/paths.h"
#include "dialogs/resource.h"
#include "toolkit/control_assist.h"
#include "toolkit/reader.h"
#include "win/cp932.h"
#include "win/module.h"
#include "win/window.h"

namespace lumadlg {

namespace {

// The file dialog that ran its initialisation last: the Enter handlers of
// the control assistant reach the dialog through it.
CLumaFileDialog* g_currentDialog = nullptr;
// The dialog whose accelerators the thread's message filter translates.
thread_local CLumaFileDialog* t_acceleratorDialog = nullptr;
thread_local HWND t_acceleratorWindow = nullptr;
thread_local HACCEL t_accelerators = nullptr;

std::wstring Trim(std::wstring text)
{
    const wchar_t* blanks = L" \t\r\n";
    std::size_t first = text.find_first_not_of(blanks);
    if (first == std::wstring::npos)
        return {};
    std::size_t last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

} // namespace

CLumaFileDialog::~CLumaFileDialog()
{
    if (g_currentDialog == this)
        g_currentDialog = nullptr;
}

INT_PTR CLumaFileDialog::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case UM_ACTIVATEITEM:
        SetMessageResult(ActivateItem(static_cast<int>(wParam)));
        return TRUE;
    case UM_TYPEDNAME:
        SetMessageResult(ProcessTypedName(reinterpret_cast<const wchar_t*>(wParam)));
        return TRUE;
    default:
        return Dialog::HandleMessage(msg, wParam, lParam);
    }
}

BOOL CLumaFileDialog::OnInitDialog()
{
    // What an earlier run of this object left behind.
    driveListMode_ = false;
    typedFilter_.clear();
    firstFileIndex_ = 0;
    sortOrder_ = 0;
    shellInfo_.Clear();
    // 2. Title.
    auto title = captions_.find(-1);
    SetWindowTextW(hwnd(), title != captions_.end() ? title->second.c_str()
                                                    : (openMode_ ? L"ファイルを開く" : L"ファイル名をつけて保存"));
    // 3. Status bar.
    status_ = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, hwnd(),
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_STATUS)), win::CurrentModule(), nullptr);
    SendMessageW(status_, SB_SIMPLE, TRUE, 0);
    ShowReadingHelp();
    // 4. Icons.
    SetButtonIcons();
    // 6. File-type box, and 7. the list's set-up: neither depends on the
    // starting folder, so they are made while it is still being read.
    FillTypeBox();
    SetUpList();
    // 5. Starting folder and drive box.
    if (!IsStartFolderUsable())
        currentFolder_.clear();
    FillDriveBox();
    // 7. The first listing.
    if (std::uint32_t r = ListFolder(currentFolder_, FirstFilter(), L""); r & 0xFFFF)
        firstFileIndex_ = static_cast<int>(r >> 16);
    // 8. Name box.
    if (!initialName_.empty())
        SetDlgItemTextW(hwnd(), IDC_NAME, initialName_.c_str());
    // 9. Labels and OK caption.
    ApplyCaptions();
    // 10. Accelerators, translated by a message filter of the modal loop.
    accel_ = LoadAcceleratorsW(win::CurrentModule(), MAKEINTRESOURCEW(IDR_FILEDIALOG_ACCEL));
    t_acceleratorDialog = this;
    t_acceleratorWindow = hwnd();
    t_accelerators = accel_;
    accelHook_ = SetWindowsHookExW(WH_MSGFILTER, &CLumaFileDialog::AcceleratorHook, nullptr, GetCurrentThreadId());
    // 11. Control assistant.
    AttachAssistant();
    // 12. Reader mode.
    savedReaderMode_ = reader::SetMode(reader::kModeOption, reader::kModeValue);
    // 13. Focus.
    SetFocus(Item((style_.style & kFocusList) ? IDC_LIST : IDC_NAME));
    return FALSE;
}

bool CLumaFileDialog::IsStartFolderUsable()
{
    // The reading started ahead searches the folder first; its answer
    // spares a second search, which on some systems reads the whole folder.
    if (IsDriveOnly(currentFolder_) || !readingAhead_ ||
        readingAhead_->Query() != QueryFor(currentFolder_, FirstFilter()))
        return IsFolderUsable(currentFolder_);
    bool found = readingAhead_->FoundAnything([&] { reader::SpeakEx(currentFolder_); });
    return lumadlg::IsFolderUsable(currentFolder_, Rules(), found);
}

void CLumaFileDialog::ApplyCaptions()
{
    for (int id : {IDC_DRIVELABEL, IDC_FOLDERLABEL, IDC_NAMELABEL, IDC_TYPELABEL}) {
        auto it = captions_.find(id);
        if (it != captions_.end())
            SetDlgItemTextW(hwnd(), id, it->second.c_str());
    }
    auto ok = captions_.find(IDOK);
    SetDlgItemTextW(hwnd(), IDOK, ok != captions_.end() ? ok->second.c_str() : (openMode_ ? L"開く" : L"保存"));
}

void CLumaFileDialog::SetButtonIcons()
{
    const std::pair<int, int> buttons[] = {
        {IDC_UP, IDI_UP}, {IDC_FILEOPS, IDI_FILEOPS}, {IDC_READ, IDI_READ}, {IDC_NEWFOLDER, IDI_NEWFOLDER}, {IDOK, IDI_OK}};
    for (auto [id, icon] : buttons) {
        HICON h = static_cast<HICON>(
            LoadImageW(win::CurrentModule(), MAKEINTRESOURCEW(icon), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
        if (h) {
            icons_.push_back(h);
            SendDlgItemMessageW(hwnd(), id, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(h));
        }
    }
    if (!FileOpsButtonEnabled(style_.disabledOps))
        EnableWindow(Item(IDC_FILEOPS), FALSE);
    if (!NewFolderButtonEnabled(style_.disabledOps))
        EnableWindow(Item(IDC_NEWFOLDER), FALSE);
}

void CLumaFileDialog::AttachAssistant()
{
    assistant_.reset();
    assistant_ = std::make_unique<CLumaControlAssist>();
    if (assistant_->Attach(hwnd(), TRUE)) {
        g_currentDialog = this;
        assistant_->SetListEnterHandler(IDC_LIST, &CLumaFileDialog::ListEnterHandler, 0);
        assistant_->SetEditEnterHandler(IDC_NAME, &CLumaFileDialog::EditEnterHandler, 0);
    }
}

BOOL CLumaFileDialog::ListEnterHandler(HWND, int)
{
    CLumaFileDialog* d = g_currentDialog;
    if (!d || !d->IsRunning())
        return FALSE;
    int index = d->FocusedIndex();
    if (index < 0)
        return FALSE;
    return SendMessageW(d->hwnd(), UM_ACTIVATEITEM, static_cast<WPARAM>(index), 0) > 0;
}

BOOL CLumaFileDialog::EditEnterHandler(HWND control, int)
{
    CLumaFileDialog* d = g_currentDialog;
    if (!d || !d->IsRunning())
        return FALSE;
    std::wstring text = Trim(win::GetText(control));
    WPARAM wParam = text.empty() ? 0 : reinterpret_cast<WPARAM>(text.c_str());
    return SendMessageW(d->hwnd(), UM_TYPEDNAME, wParam, 0) > 0;
}

LRESULT CALLBACK CLumaFileDialog::AcceleratorHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == MSGF_DIALOGBOX && t_acceleratorDialog && t_accelerators) {
        MSG* msg = reinterpret_cast<MSG*>(lParam);
        HWND dialog = t_acceleratorWindow;
        if (msg && IsWindow(dialog) && IsWindowEnabled(dialog) && (msg->hwnd == dialog || IsChild(dialog, msg->hwnd)) &&
            TranslateAcceleratorW(dialog, t_accelerators, msg))
            return 1;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

bool CLumaFileDialog::OnCommand(int id, int notifyCode, HWND control)
{
    switch (id) {
    case IDC_DRIVES:
        OnDriveBoxCommand(notifyCode);
        return true;
    case IDC_TYPES:
        OnTypeBoxCommand(notifyCode);
        return true;
    case IDC_UP:
        if (notifyCode == BN_CLICKED && !driveListMode_) {
            GoUpFolder();
            if (driveListMode_)
                SetFocus(Item(IDC_NAME));
        }
        return true;
    case IDC_FILEOPS:
        if (notifyCode == BN_CLICKED)
            ShowFileOpsMenu();
        return true;
    case IDC_READ:
        if (notifyCode == BN_CLICKED)
            ShowReadingMenu();
        return true;
    case IDC_NEWFOLDER:
        if (notifyCode == BN_CLICKED)
            OnFileOpCommand(id);
        return true;
    case IDM_SPEAKSIZE:
    case IDM_SPEAKTYPE:
    case IDM_SPEAKDATE:
        SpeakDetail(id);
        return true;
    case IDM_SPEAKFOLDER:
        SpeakCurrentFolder();
        return true;
    case IDM_SORTNAME:
    case IDM_SORTSIZE:
    case IDM_SORTTYPE:
    case IDM_SORTDATE:
        SortList(static_cast<unsigned>(id - IDM_SORTNAME + 1));
        return true;
    case IDM_NEXTSORT:
        NextSortOrder();
        return true;
    case IDM_OPENSHORTCUT:
        OpenShortcut();
        return true;
    case IDM_COPYFILES:
    case IDM_DELETEFILE:
    case IDM_RENAMEFILE:
    case IDM_NEWFOLDER:
    case IDM_DELETEFOLDER:
    case IDM_RENAMEFOLDER:
        OnFileOpCommand(id);
        return true;
    default:
        return false;
    }
}

bool CLumaFileDialog::OnNotify(NMHDR* header, LRESULT& result)
{
    if (header->idFrom == IDC_LIST)
        return OnListNotify(header, result);
    return false;
}

void CLumaFileDialog::OnOK()
{
    std::wstring text = Trim(win::GetText(Item(IDC_NAME)));
    if (!text.empty()) {
        SendMessageW(hwnd(), UM_TYPEDNAME, reinterpret_cast<WPARAM>(text.c_str()), 0);
        return;
    }
    int focused = static_cast<int>(SendMessageW(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
    if (focused >= 0) {
        SendMessageW(hwnd(), UM_ACTIVATEITEM, static_cast<WPARAM>(focused), 0);
        return;
    }
    FocusNextControl();
}

void CLumaFileDialog::OnCancel()
{
    EndWithResult(IDCANCEL);
}

void CLumaFileDialog::EndWithResult(int result)
{
    reader::SetMode(reader::kModeOption, savedReaderMode_);
    EndDialog(result);
}

bool CLumaFileDialog::GoUpFolder()
{
    if (driveListMode_)
        return false;
    if (IsRootFolder(currentFolder_))
        return ShowDrivesAndEnter();
    std::wstring parent = ParentFolder(currentFolder_);
    if (parent.empty())
        return false;
    return ListAndEnter(parent, CurrentFilter(), LastComponent(currentFolder_));
}

void CLumaFileDialog::FocusNextControl()
{
    SendMessageW(hwnd(), WM_NEXTDLGCTL, 0, FALSE);
}

void CLumaFileDialog::ShowGuideUnder(int controlId, const std::wstring& text, const std::wstring& spoken)
{
    if (!assistant_)
        return;
    std::string shown = cp932::FromWide(text);
    std::string said = cp932::FromWide(spoken);
    assistant_->ShowGuideAt(controlId, shown.c_str(), said.c_str());
}

VisibilityRules CLumaFileDialog::Rules() const
{
    return {(style_.style & kHideReadOnly) != 0, (style_.style & kShowHidden) != 0};
}

void CLumaFileDialog::OnDestroy()
{
    if (accelHook_)
        UnhookWindowsHookEx(accelHook_);
    accelHook_ = nullptr;
    if (t_acceleratorDialog == this) {
        t_acceleratorDialog = nullptr;
        t_acceleratorWindow = nullptr;
        t_accelerators = nullptr;
    }
    if (assistant_)
        assistant_->CloseGuide();
    assistant_.reset();
    if (list_)
        SendMessageW(list_, LVM_SETIMAGELIST, LVSIL_SMALL, 0); // the system owns its icon list
    SendMessageW(list_, LVM_SETITEMCOUNT, 0, 0);
    entries_ = EntryTable();
    recordIcons_.clear();
    for (HICON icon : icons_)
        DestroyIcon(icon);
    icons_.clear();
    captions_.clear();
    list_ = nullptr;
    status_ = nullptr;
    accel_ = nullptr;
    systemIcons_ = nullptr;
}

} // namespace lumadlg
