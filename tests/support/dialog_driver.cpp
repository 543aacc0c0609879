#include "tests/support/dialog_driver.h"

#include <commctrl.h>

#include <algorithm>

#include <gtest/gtest.h>

#include "toolkit/keys.h"
#include "win/cp932.h"
#include "win/handles.h"
#include "win/window.h"

namespace dialogtest {

namespace {

thread_local Driver* t_driver = nullptr;
constexpr UINT kRunPending = WM_APP + 1, kPostedMarker = WM_APP + 77;
constexpr UINT_PTR kWatchdog = 1;

bool IsDialog(HWND window)
{
    wchar_t name[16] = {};
    return GetClassNameW(window, name, 16) && lstrcmpW(name, L"#32770") == 0 &&
           !(GetWindowLongW(window, GWL_STYLE) & WS_CHILD);
}

void Click(HWND box, HWND button)
{
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

} // namespace

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

Driver::Driver(UINT timeoutMs) : previous_(t_driver), timeoutMs_(timeoutMs)
{
    WNDCLASSW wc = {};
    wc.lpfnWndProc = WindowProc;
    wc.lpszClassName = L"DialogTestDriver";
    RegisterClassW(&wc);
    window_ = CreateWindowW(wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
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
    script_ = std::move(script);
    main_ = nullptr;
    stuck_.clear();
    unanswered_.clear();
    SetTimer(window_, kWatchdog, timeoutMs_, nullptr);
    int result = call();
    KillTimer(window_, kWatchdog);
    EXPECT_EQ(stuck_, "") << "dialogs that did not end in time";
    EXPECT_EQ(unanswered_, Texts{}) << "dialogs shown that no answer was queued for";
    EXPECT_TRUE(answers_.empty()) << "an answer was queued for a dialog that did not come";
    answers_.clear();
    return result;
}

Texts Driver::BoxTexts() const
{
    Texts texts;
    for (const Box& box : boxes_)
        texts.push_back(box.text);
    return texts;
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
                    return Click(box, child);
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

void Driver::Queue(HWND window, std::function<void(HWND)> action)
{
    pending_.emplace_back(window, std::move(action));
    PostMessageW(window_, kRunPending, 0, 0);
}

LRESULT CALLBACK Driver::ShowProc(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* m = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (Driver* self = t_driver; code == HC_ACTION && self) {
        if (m->message == WM_SHOWWINDOW && m->wParam && IsDialog(m->hwnd))
            self->OnShow(m->hwnd);
        if (m->message == WM_INITMENUPOPUP && !HIWORD(m->lParam)) {
            auto menu = reinterpret_cast<HMENU>(m->wParam);
            Texts items;
            for (int i = 0; i < GetMenuItemCount(menu); ++i) {
                wchar_t text[128] = {};
                GetMenuStringW(menu, static_cast<UINT>(i), text, 128, MF_BYPOSITION);
                items.push_back(std::to_wstring(GetMenuItemID(menu, i)) + L" " + text);
            }
            self->menus_.push_back(std::move(items));
            self->Queue(nullptr, [](HWND) { EndMenu(); }); // run by the menu's own loop
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void Driver::OnShow(HWND window)
{
    for (const auto& [shown, action] : pending_)
        if (shown == window)
            return;
    if (window == main_) {
        return;
    } else if (!main_) {
        main_ = window;
        if (auto script = std::move(script_))
            Queue(window, [script](HWND main) {
                script(main);
                if (IsWindowVisible(main))
                    PostMessageW(main, WM_COMMAND, IDCANCEL, 0);
            });
        script_ = nullptr;
    } else if (!answers_.empty() && (answers_.front().first.empty() || answers_.front().first == win::GetText(window))) {
        Queue(window, std::move(answers_.front().second));
        answers_.pop_front();
    } else { // closed with its last, most cautious button ("いいえ", "ｷｬﾝｾﾙ"), or cancelled
        unanswered_.push_back(win::GetText(window));
        Queue(window, [](HWND box) {
            for (int id : {9007, 9006, 9005})
                if (HWND button = GetDlgItem(box, id); button && IsWindowVisible(button))
                    return Click(box, button);
            PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
        });
    }
}

LRESULT CALLBACK Driver::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto* self = reinterpret_cast<Driver*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self && msg == kRunPending && !self->pending_.empty()) {
        auto [window, action] = std::move(self->pending_.front());
        self->pending_.pop_front();
        if (!window || IsWindow(window))
            action(window);
    } else if (self && msg == WM_TIMER && wParam == kWatchdog) {
        KillTimer(hwnd, kWatchdog);
        EndMenu();
        EnumThreadWindows(
            GetCurrentThreadId(),
            [](HWND window, LPARAM stuck) {
                if (IsDialog(window) && IsWindowVisible(window)) {
                    *reinterpret_cast<std::string*>(stuck) += " \"" + cp932::FromWide(win::GetText(window)) + "\"";
                    PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
                    EndDialog(window, IDCANCEL);
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&self->stuck_));
    } else {
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
    return 0;
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
        t_postedSeen += !msg->hwnd && msg->message == kPostedMarker;
        t_keysSeen += msg->message == WM_KEYUP && msg->wParam == VK_F24;
    }
    return CallNextHookEx(t_markerHook, code, wParam, lParam);
}

// A dialog that has ended gets no more keys: nothing is left to wait for.
bool Ended(HWND root) { return !root || !IsWindow(root) || !IsWindowVisible(root); }

bool PumpUntil(const unsigned& counter, unsigned target, HWND root)
{
    ULONGLONG deadline = GetTickCount64() + 5000;
    while (counter < target && !(root && Ended(root))) {
        MSG msg;
        if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ULONGLONG now = GetTickCount64();
            if (now >= deadline)
                return false;
            MsgWaitForMultipleObjectsEx(0, nullptr, static_cast<DWORD>(deadline - now), QS_ALLINPUT, MWMO_INPUTAVAILABLE);
            continue;
        }
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        HWND dialog = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
        if (dialog && IsDialog(dialog) && IsDialogMessageW(dialog, &msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return true;
}

// A posted marker, then the key-up of F24 injected after it (a key-down
// would close a guide window), for the dialog `root` that had the focus.
bool SettleFor(HWND root)
{
    if (!t_markerHook)
        t_markerHook = SetWindowsHookExW(WH_GETMESSAGE, MarkerHook, nullptr, GetCurrentThreadId());
    PostThreadMessageW(GetCurrentThreadId(), kPostedMarker, 0, 0);
    if (!PumpUntil(t_postedSeen, t_postedSeen + 1, root))
        return false;
    if (Ended(root))
        return true;
    toolkit::keys::Inject(VK_F24, true);
    return PumpUntil(t_keysSeen, t_keysSeen + 1, root);
}

// Wine brings the key state in line with the X server when a window gains
// the focus, which can undo a key injected just before: it is injected
// again until the state shows it.
bool Hold(WORD vk)
{
    for (int attempt = 0; attempt < 5; ++attempt) {
        toolkit::keys::Inject(vk, false);
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
    LPARAM flags = (static_cast<LPARAM>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC)) << 16) | (mods.alt ? 1 << 29 : 0) | 1;
    PostMessageW(focus, mods.alt ? WM_SYSKEYDOWN : WM_KEYDOWN, vk, flags);
    PostMessageW(focus, mods.alt ? WM_SYSKEYUP : WM_KEYUP, vk, flags | (3LL << 30));
    bool settled = SettleFor(root);
    if (mods.ctrl)
        toolkit::keys::Inject(VK_CONTROL, true);
    if (mods.shift)
        toolkit::keys::Inject(VK_SHIFT, true);
    return SettleFor(root) && settled;
}

bool Char(WPARAM ch)
{
    PostMessageW(GetFocus(), WM_CHAR, ch, 1);
    return Settle();
}

void Command(HWND dialog, int id)
{
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

// ---------------------------------------------------------------- controls

int FocusId(HWND dialog)
{
    HWND focus = GetFocus(), parent = GetParent(focus);
    if (!focus || !IsChild(dialog, focus))
        return 0;
    return GetDlgCtrlID(parent != dialog && IsChild(dialog, parent) ? parent : focus);
}

std::wstring StatusText(HWND dialog)
{
    wchar_t text[600] = {};
    SendDlgItemMessageW(dialog, 1005, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
    return text;
}

std::wstring ItemText(HWND list, int index, int column)
{
    wchar_t text[520] = {};
    ListView_GetItemText(list, index, column, text, 520);
    return text;
}

Texts ListTexts(HWND list, int column)
{
    Texts texts;
    for (int i = 0; i < ListView_GetItemCount(list); ++i)
        texts.push_back(ItemText(list, i, column));
    return texts;
}

std::wstring FocusedText(HWND list)
{
    const int index = ListView_GetNextItem(list, -1, LVNI_FOCUSED);
    return index < 0 ? L"" : ItemText(list, index);
}

bool Select(HWND list, const Texts& names, const std::wstring& focus)
{
    ListView_SetItemState(list, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    Texts texts = ListTexts(list);
    bool focused = false;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (std::find(names.begin(), names.end(), texts[i]) == names.end())
            continue;
        UINT state = LVIS_SELECTED;
        if (!focused && (focus.empty() || texts[i] == focus)) {
            state |= LVIS_FOCUSED;
            focused = true;
        }
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
    HeapFree(GetProcessHeap(), 0, name);
    return result;
}

} // namespace

// Wine starts host programs without a process to wait for: the commands end
// by making a mark file, and a change notification of the folder wakes the
// wait for it.
bool RunOnHost(const std::filesystem::path& folder, const std::string& commands)
{
    const std::filesystem::path mark = folder / L"host.done";
    std::wstring line = cp932::ToWide("/bin/sh -c \"cd '" + HostPath(folder) + "' && " + commands + " && : > host.done\"");
    STARTUPINFOW startup = {sizeof startup};
    PROCESS_INFORMATION process = {};
    if (HostPath(folder).empty() ||
        !CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    HANDLE change = FindFirstChangeNotificationW(folder.c_str(), FALSE, FILE_NOTIFY_CHANGE_FILE_NAME);
    ULONGLONG deadline = GetTickCount64() + 120000;
    while (!std::filesystem::exists(mark) && GetTickCount64() < deadline)
        if (WaitForSingleObject(change, 500) == WAIT_OBJECT_0)
            FindNextChangeNotification(change);
    FindCloseChangeNotification(change);
    return std::filesystem::remove(mark);
}

} // namespace dialogtest
