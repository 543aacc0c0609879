// CLumaFileDialog: the object, the run, initialisation, the drive and
// file-type boxes, OK, cancel and going up.
#include "dialogs/file_dialog.h"

#include <new>

#include "dialogs/activation.h"
#include "dialogs/core/file_op_rules.h"
#include "dialogs/core/filter.h"
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

std::wstring WideCut(const char* text, std::size_t maxBytes)
{
    return cp932::ToWide(sjis::CutToBytes(sjis::FromCString(text), maxBytes));
}

} // namespace

// ---------------------------------------------------------------- object

std::unique_ptr<CLumaFileDialog> CLumaFileDialog::Create(int openMode, const char* defaultExt,
                                                         const char* fileName, const char* initialFolder,
                                                         const char* filter, HWND parent)
{
    std::unique_ptr<CLumaFileDialog> d(new (std::nothrow) CLumaFileDialog);
    if (!d)
        return nullptr;
    d->openMode_ = openMode != 0;
    d->style_.style = d->openMode_ ? kFileMustExist : kOverwritePrompt;
    d->defaultExt_ = WideCut(defaultExt, 256);
    d->initialName_ = WideCut(fileName, 260);
    d->parent_ = parent;
    if (initialFolder && *initialFolder) {
        d->currentFolder_ = cp932::ToWide(initialFolder);
    } else {
        wchar_t buffer[MAX_PATH + 1] = {};
        DWORD n = GetCurrentDirectoryW(MAX_PATH + 1, buffer);
        if (n > 0 && n <= MAX_PATH)
            d->currentFolder_ = cp932::CutToBytes(buffer, 260);
    }
    for (const FilterEntry& e : ParseFilter(sjis::FromCString(filter)))
        d->filters_.emplace_back(cp932::ToWide(e.caption), cp932::ToWide(e.pattern));
    return d;
}

CLumaFileDialog::~CLumaFileDialog()
{
    if (g_currentDialog == this)
        g_currentDialog = nullptr;
}

void CLumaFileDialog::GetExtendedStyle(FileDlgExStyle& record) const
{
    FileStyleValues values{record.style, record.driveTypes, record.disabledOps,
                           reinterpret_cast<std::uintptr_t>(record.acceptHook)};
    LoadFileStyle(style_, record.mask, values);
    record.style = values.style;
    record.driveTypes = values.driveTypes;
    record.disabledOps = values.disabledOps;
    record.acceptHook = reinterpret_cast<FileDlgAcceptHook>(values.acceptHook);
}

int CLumaFileDialog::SetExtendedStyle(const FileDlgExStyle& record)
{
    FileStyleValues values{record.style, record.driveTypes, record.disabledOps,
                           reinterpret_cast<std::uintptr_t>(record.acceptHook)};
    return static_cast<int>(StoreFileStyle(style_, record.mask, values));
}

void CLumaFileDialog::GetPathName(char* buffer, int bufferSize, unsigned index) const
{
    if (!buffer || bufferSize < 1)
        return;
    std::string path = index < chosen_.size() ? cp932::FromWide(chosen_[index]) : std::string();
    sjis::CopyToBuffer(path, buffer, bufferSize);
}

int CLumaFileDialog::MessageWnd(const char* text, const char* spokenText)
{
    if (!IsRunning() || !assistant_)
        return 0;
    return assistant_->ShowGuideAt(IDC_NAME, text ? text : "", spokenText);
}

int CLumaFileDialog::SetCaption(const char* text, int id)
{
    switch (id) {
    case -1:
    case IDOK:
    case IDC_DRIVELABEL:
    case IDC_FOLDERLABEL:
    case IDC_NAMELABEL:
    case IDC_TYPELABEL:
        captions_[id] = cp932::ToWide(text);
        return 1;
    default:
        return 0;
    }
}

// ---------------------------------------------------------------- run

int CLumaFileDialog::Run()
{
    if (IsRunning())
        return -1; // the object's window is already open further up the stack
    if (FirstUsableDrive(style_.driveTypes).empty())
        return -1;
    ActivationScope scope;
    INT_PTR result = DoModal(win::CurrentModule(), IDD_FILEDIALOG, parent_);
    if (result == IDOK)
        return 1;
    if (result == IDCANCEL)
        return 2;
    return -1;
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
    typeByExtension_.clear();
    iconByExtension_.clear();
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
    // 5. Starting folder and drive box.
    if (!IsFolderUsable(currentFolder_))
        currentFolder_.clear();
    FillDriveBox();
    // 6. File-type box.
    FillTypeBox();
    // 7. List and first listing.
    SetUpList();
    std::wstring first = filters_.empty() || filters_[0].second.empty() ? L"*.*" : filters_[0].second;
    if (std::uint32_t r = ListFolder(currentFolder_, first, L""); r & 0xFFFF)
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

void CLumaFileDialog::FillDriveBox()
{
    HWND box = Item(IDC_DRIVES);
    wchar_t preferred = 0;
    if (!currentFolder_.empty()) {
        wchar_t letter = currentFolder_[0];
        std::wstring root = std::wstring(1, letter) + L":\\";
        if (lumadlg::IsDriveOffered(root, style_.driveTypes) && lumadlg::IsDriveReady(letter))
            preferred = static_cast<wchar_t>(towupper(letter));
    }
    int selected = -1;
    int firstReady = -1;
    for (const std::wstring& root : LogicalDriveRoots()) {
        if (!lumadlg::IsDriveOffered(root, style_.driveTypes))
            continue;
        std::wstring name = DriveDisplayName(root);
        LRESULT index = SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
        if (index < 0)
            break;
        wchar_t letter = static_cast<wchar_t>(towupper(DriveLetterOfDisplayName(name)));
        if (preferred && letter == preferred && selected < 0)
            selected = static_cast<int>(index);
        if (firstReady < 0 && !preferred && lumadlg::IsDriveReady(letter))
            firstReady = static_cast<int>(index);
    }
    if (selected < 0 && firstReady >= 0) {
        selected = firstReady;
        wchar_t text[MAX_PATH] = {};
        if (SendMessageW(box, CB_GETLBTEXTLEN, selected, 0) < MAX_PATH)
            SendMessageW(box, CB_GETLBTEXT, selected, reinterpret_cast<LPARAM>(text));
        currentFolder_ = std::wstring(1, DriveLetterOfDisplayName(text)) + L":\\";
    }
    SendMessageW(box, CB_SETCURSEL, selected, 0);
    rememberedDrive_ = selected;
}

void CLumaFileDialog::FillTypeBox()
{
    HWND box = Item(IDC_TYPES);
    for (const auto& [caption, pattern] : filters_)
        if (!caption.empty())
            SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(caption.c_str()));
    SendMessageW(box, CB_SETCURSEL, 0, 0);
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

// ---------------------------------------------------------------- boxes

bool BoxChoice::IsConfirmed(HWND box, int notifyCode)
{
    switch (notifyCode) {
    case CBN_SELENDOK:
        endOkSeen_ = true;
        return true;
    case CBN_SELCHANGE:
        if (SendMessageW(box, CB_GETDROPPEDSTATE, 0, 0))
            return false;
        if (endOkSeen_) { // the same move, already taken
            endOkSeen_ = false;
            return false;
        }
        return true;
    default:
        endOkSeen_ = false;
        return false;
    }
}

void CLumaFileDialog::OnDriveBoxCommand(int notifyCode)
{
    HWND box = Item(IDC_DRIVES);
    int selection = static_cast<int>(SendMessageW(box, CB_GETCURSEL, 0, 0));
    if (notifyCode == CBN_SETFOCUS) {
        rememberedDrive_ = selection;
        return;
    }
    if (notifyCode == CBN_KILLFOCUS) {
        if (selection != rememberedDrive_)
            SendMessageW(box, CB_SETCURSEL, rememberedDrive_, 0);
        return;
    }
    if (!driveChoice_.IsConfirmed(box, notifyCode) || selection < 0)
        return;
    wchar_t text[MAX_PATH] = {};
    if (SendMessageW(box, CB_GETLBTEXTLEN, selection, 0) >= MAX_PATH)
        return;
    SendMessageW(box, CB_GETLBTEXT, selection, reinterpret_cast<LPARAM>(text));
    wchar_t letter = DriveLetterOfDisplayName(text);
    if (!letter)
        return;
    if (lumadlg::IsDriveReady(letter)) {
        if (ListAndEnter(std::wstring(1, letter) + L":\\", CurrentFilter(), L""))
            rememberedDrive_ = selection;
    } else {
        const wchar_t* notReady = L"ドライブの準備ができていません";
        ShowGuideUnder(IDC_DRIVES, notReady, notReady);
    }
}

void CLumaFileDialog::OnTypeBoxCommand(int notifyCode)
{
    HWND box = Item(IDC_TYPES);
    if (!typeChoice_.IsConfirmed(box, notifyCode))
        return;
    typedFilter_.clear();
    if (driveListMode_)
        return;
    std::wstring filter = CurrentFilter();
    if (filter.empty())
        return;
    ListAndEnter(currentFolder_, filter, L"");
    SetFocus(list_);
}

int CLumaFileDialog::SelectDriveInBox(wchar_t letter)
{
    HWND box = Item(IDC_DRIVES);
    wchar_t wanted = static_cast<wchar_t>(towupper(letter));
    auto letterAt = [&](int index) -> wchar_t {
        wchar_t text[MAX_PATH] = {};
        if (SendMessageW(box, CB_GETLBTEXTLEN, index, 0) >= MAX_PATH)
            return 0;
        SendMessageW(box, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
        return static_cast<wchar_t>(towupper(DriveLetterOfDisplayName(text)));
    };
    int current = static_cast<int>(SendMessageW(box, CB_GETCURSEL, 0, 0));
    if (current >= 0 && letterAt(current) == wanted)
        return current;
    int count = static_cast<int>(SendMessageW(box, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        if (letterAt(i) == wanted) {
            SendMessageW(box, CB_SETCURSEL, i, 0);
            rememberedDrive_ = i;
            return i;
        }
    }
    return -1;
}

std::wstring CLumaFileDialog::CurrentFilter() const
{
    if (!typedFilter_.empty())
        return typedFilter_;
    if (!hwnd())
        return {};
    int selection = static_cast<int>(SendDlgItemMessageW(hwnd(), IDC_TYPES, CB_GETCURSEL, 0, 0));
    // The box holds the non-empty captions in order; find the pattern of the
    // selected one.
    int index = -1;
    for (const auto& [caption, pattern] : filters_) {
        if (caption.empty())
            continue;
        if (++index == selection)
            return pattern;
    }
    return {};
}

// ---------------------------------------------------------------- OK, cancel, up

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
    items_.clear();
    store_.clear();
    store_.shrink_to_fit();
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
