#include "tests/support/dialog_driver.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include "win/cp932.h"
#include "win/handles.h"
#include "win/window.h"

namespace dialogtest {

namespace {

thread_local Driver* t_driver = nullptr;
constexpr UINT kRunPending = WM_APP + 1;
constexpr UINT kPostedMarker = WM_APP + 77;
constexpr UINT_PTR kWatchdog = 1;

bool IsDialog(HWND window)
{
    wchar_t name[16] = {};
    return GetClassNameW(window, name, 16) && lstrcmpW(name, L"#32770") == 0 &&
           !(GetWindowLongW(window, GWL_STYLE) & WS_CHILD);
}

BOOL CALLBACK EndEveryDialog(HWND window, LPARAM titles)
{
    if (IsDialog(window) && IsWindowVisible(window)) {
        *reinterpret_cast<std::string*>(titles) += " \"" + cp932::FromWide(win::GetText(window)) + "\"";
        PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
        EndDialog(window, IDCANCEL);
    }
    return TRUE;
}

void PressButton(HWND box, HWND button)
{
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

} // namespace

bool AnyDialog(HWND) { return true; }

std::function<bool(HWND)> HasList(int id)
{
    return [id](HWND window) {
        wchar_t name[64] = {};
        HWND list = GetDlgItem(window, id);
        return list && GetClassNameW(list, name, 64) && lstrcmpiW(name, WC_LISTVIEWW) == 0;
    };
}

Driver::Driver(std::function<bool(HWND)> isMain, UINT timeoutMs)
    : previous_(t_driver), timeoutMs_(timeoutMs), isMain_(std::move(isMain))
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"DialogTestDriver";
    RegisterClassW(&wc);
    window_ = CreateWindowW(wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
    SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    if (!previous_)
        hook_ = SetWindowsHookExW(WH_CALLWNDPROCRET, ShowProc, nullptr, GetCurrentThreadId());
    t_driver = this;
}

Driver::~Driver()
{
    if (hook_)
        UnhookWindowsHookEx(hook_);
    DestroyWindow(window_);
    t_driver = previous_;
}

int Driver::Run(const std::function<int()>& call, std::function<void(HWND)> script)
{
    Start(std::move(script));
    int result = call();
    Finish();
    return result;
}

void Driver::Start(std::function<void(HWND)> script)
{
    script_ = std::move(script);
    main_ = nullptr;
    timedOut_ = false;
    stuck_.clear();
    unanswered_.clear();
    SetTimer(window_, kWatchdog, timeoutMs_, nullptr);
}

void Driver::Finish()
{
    KillTimer(window_, kWatchdog);
    EXPECT_FALSE(timedOut_) << "dialogs that did not end in time:" << stuck_;
    EXPECT_EQ(unanswered_, std::vector<std::wstring>{}) << "dialogs shown that no answer was queued for";
    EXPECT_TRUE(answers_.empty()) << "an answer was queued for a dialog that did not come";
    answers_.clear();
}

void Driver::Answer(std::function<void(HWND)> answer, std::wstring title)
{
    answers_.emplace_back(std::move(title), std::move(answer));
}

void Driver::Press(std::wstring caption, std::wstring title)
{
    Answer(
        [this, caption](HWND box) {
            boxes_.push_back(LookAt(box));
            for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
                if (IsWindowVisible(child) && win::GetText(child) == caption)
                    return PressButton(box, child);
            ADD_FAILURE() << "no button " << cp932::FromWide(caption);
            PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
        },
        std::move(title));
}

void Driver::Type(std::wstring text, std::wstring title)
{
    Answer(
        [text](HWND box) {
            SetWindowTextW(FindWindowExW(box, nullptr, L"Edit", nullptr), text.c_str());
            PostMessageW(box, WM_COMMAND, IDOK, 0);
        },
        std::move(title));
}

LRESULT CALLBACK Driver::ShowProc(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* message = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    Driver* self = t_driver;
    if (code == HC_ACTION && self && message->message == WM_SHOWWINDOW && message->wParam &&
        IsDialog(message->hwnd))
        self->OnShow(message->hwnd);
    if (code == HC_ACTION && self && message->message == WM_INITMENUPOPUP && !HIWORD(message->lParam)) {
        auto menu = reinterpret_cast<HMENU>(message->wParam);
        std::vector<std::wstring> items;
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            wchar_t text[128] = {};
            GetMenuStringW(menu, static_cast<UINT>(i), text, 128, MF_BYPOSITION);
            items.push_back(std::to_wstring(GetMenuItemID(menu, i)) + L" " + text);
        }
        self->menus_.push_back(std::move(items));
        // The menu's own loop dispatches this, and the menu closes.
        self->pending_.emplace_back(nullptr, [](HWND) { EndMenu(); });
        PostMessageW(self->window_, kRunPending, 0, 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void Driver::OnShow(HWND window)
{
    if (window == main_)
        return;
    for (const auto& [shown, action] : pending_)
        if (shown == window)
            return;
    if (!main_ && isMain_(window)) {
        main_ = window;
        auto script = std::move(script_);
        script_ = nullptr;
        if (!script)
            return;
        pending_.emplace_back(window, std::move(script));
    } else if (!answers_.empty() && (answers_.front().first.empty() || answers_.front().first == win::GetText(window))) {
        pending_.emplace_back(window, std::move(answers_.front().second));
        answers_.pop_front();
    } else {
        // Closed with its last, most cautious button ("いいえ", "ｷｬﾝｾﾙ"), or cancelled.
        unanswered_.push_back(win::GetText(window));
        pending_.emplace_back(window, [](HWND box) {
            for (int id : {9007, 9006, 9005})
                if (HWND button = GetDlgItem(box, id); button && IsWindowVisible(button))
                    return PressButton(box, button);
            PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
        });
    }
    PostMessageW(window_, kRunPending, 0, 0);
}

LRESULT CALLBACK Driver::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<Driver*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self && msg == kRunPending && !self->pending_.empty()) {
        auto [window, action] = std::move(self->pending_.front());
        self->pending_.pop_front();
        if (!window || IsWindow(window))
            action(window);
        return 0;
    }
    if (self && msg == WM_TIMER && wParam == kWatchdog) {
        self->timedOut_ = true;
        KillTimer(hwnd, kWatchdog);
        EndMenu();
        EnumThreadWindows(GetCurrentThreadId(), EndEveryDialog, reinterpret_cast<LPARAM>(&self->stuck_));
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

// ---------------------------------------------------------------- keys

namespace {

thread_local HHOOK t_markerHook = nullptr;
thread_local unsigned t_postedSeen = 0, t_keysSeen = 0;

// Counts the markers any loop of the thread takes from the queue.
LRESULT CALLBACK MarkerHook(int code, WPARAM wParam, LPARAM lParam)
{
    auto* msg = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE) {
        if (!msg->hwnd && msg->message == kPostedMarker)
            ++t_postedSeen;
        else if (msg->message == WM_KEYUP && msg->wParam == VK_F24)
            ++t_keysSeen;
    }
    return CallNextHookEx(t_markerHook, code, wParam, lParam);
}

void InjectKey(WORD vk, bool release)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = release ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
}

bool Ended(HWND root) { return !root || !IsWindow(root) || !IsWindowVisible(root); }

// Pumps, through the keyboard navigation of the dialog a message is for,
// until `counter` passes `target`, or the window that had the focus has
// gone (a dialog that ended gets no more keys).
bool PumpUntil(const unsigned& counter, unsigned target, HWND root)
{
    ULONGLONG deadline = GetTickCount64() + 5000;
    while (counter < target && !(root && Ended(root))) {
        MSG msg;
        if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ULONGLONG now = GetTickCount64();
            if (now >= deadline)
                return false;
            MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(deadline - now), QS_ALLINPUT,
                                        MWMO_INPUTAVAILABLE);
            continue;
        }
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
        if (root && IsDialog(root) && IsDialogMessageW(root, &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return true;
}

// Settles the keys meant for the dialog `root`, which had the focus.
bool SettleFor(HWND root)
{
    if (!t_markerHook)
        t_markerHook = SetWindowsHookExW(WH_GETMESSAGE, MarkerHook, nullptr, GetCurrentThreadId());
    PostThreadMessageW(GetCurrentThreadId(), kPostedMarker, 0, 0);
    if (!PumpUntil(t_postedSeen, t_postedSeen + 1, root))
        return false;
    if (Ended(root))
        return true; // nothing left to take the keys
    // Only a key-up: a key-down would close a guide window.
    InjectKey(VK_F24, true);
    return PumpUntil(t_keysSeen, t_keysSeen + 1, root);
}

// Holds a modifier with an injected key. Wine brings the key state in line
// with the X server when a window gains the focus, which can undo a key
// injected just before: it is injected again until the state shows it.
bool Hold(WORD vk)
{
    for (int attempt = 0; attempt < 5; ++attempt) {
        InjectKey(vk, false);
        if (!Settle())
            return false;
        if (GetKeyState(vk) & 0x8000)
            return true;
    }
    return false;
}

} // namespace

bool Settle() { return SettleFor(GetAncestor(GetFocus(), GA_ROOT)); }

bool Press(WORD vk, Mods mods)
{
    if ((mods.shift && !Hold(VK_SHIFT)) || (mods.ctrl && !Hold(VK_CONTROL)))
        return false;
    HWND focus = GetFocus(), root = GetAncestor(focus, GA_ROOT);
    LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC)) << 16;
    PostMessageW(focus, WM_KEYDOWN, vk, 1 | scan);
    PostMessageW(focus, WM_KEYUP, vk, 1 | scan | (1LL << 30) | (1LL << 31));
    bool settled = SettleFor(root);
    if (mods.ctrl)
        InjectKey(VK_CONTROL, true);
    if (mods.shift)
        InjectKey(VK_SHIFT, true);
    return SettleFor(root) && settled;
}

bool PressAlt(WORD vk)
{
    HWND focus = GetFocus();
    PostMessageW(focus, WM_SYSKEYDOWN, vk, 1 | (1 << 29));
    PostMessageW(focus, WM_SYSKEYUP, vk, 0xC0000001 | (1 << 29));
    return Settle();
}

bool Char(WPARAM ch)
{
    PostMessageW(GetFocus(), WM_CHAR, ch, 1);
    return Settle();
}

void SendKey(HWND window, WORD vk, bool ctrl)
{
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    BYTE saved = keys[VK_CONTROL];
    keys[VK_CONTROL] = ctrl ? 0x80 : 0;
    SetKeyboardState(keys);
    SendMessageW(window, WM_KEYDOWN, vk, 0);
    GetKeyboardState(keys);
    keys[VK_CONTROL] = saved;
    SetKeyboardState(keys);
}

void Command(HWND dialog, int id)
{
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

// ---------------------------------------------------------------- controls

int FocusId(HWND dialog)
{
    HWND focus = GetFocus();
    if (!focus || !IsChild(dialog, focus))
        return 0;
    HWND parent = GetParent(focus);
    return GetDlgCtrlID(parent != dialog && IsChild(dialog, parent) ? parent : focus);
}

RECT ChildRect(HWND parent, HWND child)
{
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

Box LookAt(HWND box)
{
    Box seen{win::GetText(box)};
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t name[16] = {};
        GetClassNameW(child, name, 16);
        std::wstring text = win::GetText(child);
        if (lstrcmpiW(name, L"Static") == 0 && text.size() > seen.text.size())
            seen.text = text;
        if (lstrcmpiW(name, L"Button") == 0 && IsWindowVisible(child))
            seen.buttons.push_back(text);
    }
    return seen;
}

std::wstring StatusText(HWND dialog)
{
    wchar_t text[600] = {};
    SendDlgItemMessageW(dialog, 1005, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
    return text;
}

std::vector<std::wstring> ListTexts(HWND list, int column)
{
    std::vector<std::wstring> texts;
    int count = ListView_GetItemCount(list);
    for (int i = 0; i < count; ++i) {
        wchar_t text[520] = {};
        ListView_GetItemText(list, i, column, text, 520);
        texts.emplace_back(text);
    }
    return texts;
}

std::wstring FocusedText(HWND list)
{
    int index = ListView_GetNextItem(list, -1, LVNI_FOCUSED);
    wchar_t text[520] = {};
    if (index >= 0)
        ListView_GetItemText(list, index, 0, text, 520);
    return text;
}

bool Select(HWND list, const std::vector<std::wstring>& names, const std::wstring& focus)
{
    ListView_SetItemState(list, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    std::vector<std::wstring> texts = ListTexts(list);
    bool focused = false;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        UINT state = 0;
        for (const auto& name : names)
            state |= texts[i] == name ? LVIS_SELECTED : 0;
        if (state && !focused && (focus.empty() || texts[i] == focus)) {
            state |= LVIS_FOCUSED;
            focused = true;
        }
        if (state)
            ListView_SetItemState(list, static_cast<int>(i), state, LVIS_SELECTED | LVIS_FOCUSED);
    }
    return focused;
}

std::optional<FileId> FileIdOf(const std::wstring& path)
{
    // Backup semantics let a folder be opened too.
    win::UniqueFile file(CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                     nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION info = {};
    if (!file || !GetFileInformationByHandle(file.get(), &info))
        return std::nullopt;
    return FileId{info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
}

std::optional<FileId> FileIdOf(const std::string& cp932Path) { return FileIdOf(cp932::ToWide(cp932Path)); }

// ---------------------------------------------------------------- the host

namespace {

std::string HostPath(const std::filesystem::path& path)
{
    using Function = char*(CDECL*)(const wchar_t*);
    auto hostName = reinterpret_cast<Function>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    char* name = hostName ? hostName(path.c_str()) : nullptr;
    std::string result = name ? name : "";
    if (name)
        HeapFree(GetProcessHeap(), 0, name);
    return result;
}

// Runs a shell command of the host and waits (two minutes at most) for the
// file `mark` it makes last: Wine starts host programs without a process to
// wait for. A change notification of the folder wakes the wait.
bool RunOnHost(const std::string& command, const std::filesystem::path& mark, bool markGone = false)
{
    std::wstring line = L"/bin/sh -c \"" + cp932::ToWide(command) + L"\"";
    STARTUPINFOW startup = {sizeof startup};
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    HANDLE change = FindFirstChangeNotificationW(mark.parent_path().c_str(), FALSE, FILE_NOTIFY_CHANGE_FILE_NAME);
    ULONGLONG deadline = GetTickCount64() + 120000;
    bool done = false;
    while (!(done = std::filesystem::exists(mark) != markGone) && GetTickCount64() < deadline)
        if (WaitForSingleObject(change, 500) == WAIT_OBJECT_0)
            FindNextChangeNotification(change);
    FindCloseChangeNotification(change);
    return done;
}

std::string Quoted(const std::wstring& name) { return " '" + cp932::FromWide(name) + "'"; }

} // namespace

bool MakeOnHost(const testsupport::ScopedTempFolder& tree, const std::vector<std::wstring>& folders,
                const std::vector<std::wstring>& files)
{
    std::string root = HostPath(tree.Path());
    if (root.empty())
        return false;
    std::string command = "cd '" + root + "'";
    for (const std::wstring& folder : folders)
        command += " && mkdir" + Quoted(folder);
    for (const std::wstring& file : files)
        command += " && touch" + Quoted(file);
    bool made = RunOnHost(command + " && : > host.made", tree / L"host.made");
    std::filesystem::remove(tree / L"host.made");
    return made;
}

ManyEntries::ManyEntries(const testsupport::ScopedTempFolder& tree, const std::wstring& name, int folders,
                         int files)
{
    // Under Wine, /dev/shm is Z:\dev\shm.
    std::filesystem::path base = L"Z:\\dev\\shm";
    host_ = "/dev/shm";
    if (!std::filesystem::is_directory(base)) {
        base = tree.Path();
        host_ = HostPath(base);
    }
    if (host_.empty())
        return;
    std::string leaf = tree.Path().filename().string() + "-" + cp932::FromWide(name);
    host_ += "/" + leaf;
    path_ = base / leaf;
    std::string command = "rm -rf '" + host_ + "' && mkdir '" + host_ + "' && cd '" + host_ + "' && ";
    command += "seq -f folder%05g 1 " + std::to_string(folders) + " | xargs mkdir && ";
    command += "seq -f file%05g.dat 1 " + std::to_string(files) + " | xargs touch && ";
    made_ = RunOnHost(command + ": > '" + host_ + ".made'", base / (leaf + ".made"));
}

ManyEntries::~ManyEntries()
{
    if (!host_.empty())
        RunOnHost("rm -rf '" + host_ + "' && rm -f '" + host_ + ".made'",
                  path_.parent_path() / (path_.filename().wstring() + L".made"), true);
}

} // namespace dialogtest
