#include "harness.h"

#include "win/registry.h"

#include <gtest/gtest.h>

namespace tktest {

namespace {

constexpr UINT kPostedMarker = WM_APP + 77;

void InjectKey(WORD vk, bool release)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = release ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
}

void DispatchThrough(HWND dialog, MSG& msg)
{
    if (dialog && IsWindow(dialog) && IsDialogMessageW(dialog, &msg))
        return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

// A dialog that has ended (hidden by EndDialog, or gone) gets no more
// input: there is nothing left to wait for.
bool Ended(HWND dialog)
{
    return dialog && (!IsWindow(dialog) || !IsWindowVisible(dialog));
}

// Pumps until `seen` says a message is the awaited one (it is dispatched
// too) or the time is up.
bool PumpFor(HWND dialog, const std::function<bool(const MSG&)>& seen, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(msg.wParam));
                return false;
            }
            bool found = seen(msg);
            if (msg.hwnd || msg.message != kPostedMarker)
                DispatchThrough(dialog, msg);
            if (found)
                return true;
        }
        if (Ended(dialog))
            return true;
        DWORD elapsed = GetTickCount() - start;
        if (elapsed >= timeoutMs)
            return false;
        MsgWaitForMultipleObjectsEx(0, nullptr, timeoutMs - elapsed, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
}

} // namespace

bool PumpUntil(HWND dialog, const std::function<bool()>& done, DWORD timeoutMs)
{
    if (done())
        return true;
    PumpFor(dialog, [&](const MSG&) { return false; }, 0);
    DWORD start = GetTickCount();
    while (!done() && !Ended(dialog)) {
        DWORD elapsed = GetTickCount() - start;
        if (elapsed >= timeoutMs)
            return false;
        PumpFor(dialog, [&](const MSG&) { return done(); }, timeoutMs - elapsed);
    }
    return true;
}

namespace {

// Counts the markers that any message loop of the thread has taken from the
// queue, a nested modal loop included.
thread_local HHOOK markerHook = nullptr;
thread_local unsigned postedSeen = 0;
thread_local unsigned keysSeen = 0;

LRESULT CALLBACK MarkerHook(int code, WPARAM wParam, LPARAM lParam)
{
    auto* msg = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE) {
        if (!msg->hwnd && msg->message == kPostedMarker)
            ++postedSeen;
        else if (msg->message == WM_KEYUP && msg->wParam == VK_F24)
            ++keysSeen;
    }
    return CallNextHookEx(markerHook, code, wParam, lParam);
}

} // namespace

bool Settle(HWND dialog)
{
    if (!markerHook)
        markerHook = SetWindowsHookExW(WH_GETMESSAGE, MarkerHook, nullptr, GetCurrentThreadId());
    unsigned posted = postedSeen + 1;
    PostThreadMessageW(GetCurrentThreadId(), kPostedMarker, 0, 0);
    if (!PumpUntil(dialog, [&] { return postedSeen >= posted; }))
        return false;
    // Only a key-up: a key-down would close a guide window.
    unsigned keys = keysSeen + 1;
    InjectKey(VK_F24, true);
    return PumpUntil(dialog, [&] { return keysSeen >= keys; });
}

// Holds a modifier with an injected key-down. Wine brings the key state in
// line with the X server when a window gains the focus, which can undo a key
// injected just before: the key is injected again until the state shows it.
bool Hold(HWND dialog, WORD vk)
{
    for (int attempt = 0; attempt < 5; ++attempt) {
        InjectKey(vk, false);
        if (!Settle(dialog))
            return false;
        if (GetKeyState(vk) & 0x8000)
            return true;
    }
    return false;
}

bool Press(HWND dialog, WORD vk, Mods mods)
{
    if (mods.shift && !Hold(dialog, VK_SHIFT))
        return false;
    if (mods.ctrl && !Hold(dialog, VK_CONTROL))
        return false;
    HWND focus = GetFocus();
    LPARAM scan = static_cast<LPARAM>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC)) << 16;
    PostMessageW(focus, WM_KEYDOWN, vk, 1 | scan);
    PostMessageW(focus, WM_KEYUP, vk, 1 | scan | (1LL << 30) | (1LL << 31));
    bool settled = Settle(dialog);
    if (mods.ctrl)
        InjectKey(VK_CONTROL, true);
    if (mods.shift)
        InjectKey(VK_SHIFT, true);
    return Settle(dialog) && settled;
}

bool Char(HWND dialog, WPARAM ch)
{
    PostMessageW(GetFocus(), WM_CHAR, ch, 1);
    return Settle(dialog);
}

int FocusId(HWND dialog)
{
    HWND focus = GetFocus();
    if (!focus || !IsChild(dialog, focus))
        return 0;
    // The edit part of a combo box counts as the combo box.
    HWND parent = GetParent(focus);
    if (parent != dialog && IsChild(dialog, parent))
        focus = parent;
    return GetDlgCtrlID(focus);
}

HWND FindChildOfClass(HWND parent, const wchar_t* className)
{
    return FindWindowExW(parent, nullptr, className, nullptr);
}

std::vector<std::wstring> ChildTexts(HWND parent)
{
    std::vector<std::wstring> texts;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t text[512] = {};
        GetWindowTextW(child, text, 512);
        texts.emplace_back(text);
    }
    return texts;
}

RECT ChildRect(HWND parent, HWND child)
{
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

namespace {

struct ModalState {
    const ModalRun* run = nullptr;
    HWND dialog = nullptr;
    std::vector<HWND> seen;
    bool shown = false;
    HHOOK hook = nullptr;
    UINT_PTR watchdog = 0;
    HWND pendingNested = nullptr;
};
thread_local ModalState state;

void CALLBACK StartScript(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    HWND dialog = state.dialog;
    if (state.run && state.run->script && IsWindow(dialog)) {
        try {
            state.run->script(dialog);
        } catch (...) {
            ADD_FAILURE() << "the test script threw";
        }
    }
}

void CALLBACK StartNested(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    HWND dialog = state.pendingNested;
    if (state.run && state.run->nested && IsWindow(dialog))
        state.run->nested(dialog);
}

void CALLBACK Watchdog(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    state.watchdog = 0;
    ADD_FAILURE() << "watchdog: the dialog did not end in time";
    for (auto it = state.seen.rbegin(); it != state.seen.rend(); ++it)
        if (IsWindow(*it))
            EndDialog(*it, kWatchdogResult);
}

// A dialog is driven once it is on the screen: the modal loop shows it only
// after its initialisation (which may already have activated it).
LRESULT CALLBACK ShowHook(int code, WPARAM wParam, LPARAM lParam)
{
    auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == WM_WINDOWPOSCHANGED &&
        (reinterpret_cast<const WINDOWPOS*>(call->lParam)->flags & SWP_SHOWWINDOW)) {
        HWND hwnd = call->hwnd;
        wchar_t cls[32] = {};
        GetClassNameW(hwnd, cls, 32);
        bool known = false;
        for (HWND h : state.seen)
            known = known || h == hwnd;
        if (!known && lstrcmpW(cls, L"#32770") == 0 && !(GetWindowLongW(hwnd, GWL_STYLE) & WS_CHILD)) {
            state.seen.push_back(hwnd);
            if (!state.dialog) {
                state.dialog = hwnd;
                state.shown = true;
                SetTimer(nullptr, 0, 0, StartScript);
            } else {
                state.pendingNested = hwnd;
                SetTimer(nullptr, 0, 0, StartNested);
            }
        }
    }
    return CallNextHookEx(state.hook, code, wParam, lParam);
}

} // namespace

int RunModal(const ModalRun& run, const std::function<int()>& call)
{
    state = ModalState{};
    state.run = &run;
    state.hook = SetWindowsHookExW(WH_CALLWNDPROCRET, ShowHook, nullptr, GetCurrentThreadId());
    state.watchdog = SetTimer(nullptr, 0, run.timeoutMs, Watchdog);
    int result = call();
    if (state.watchdog)
        KillTimer(nullptr, state.watchdog);
    UnhookWindowsHookEx(state.hook);
    bool shown = state.shown;
    state = ModalState{};
    state.shown = shown;
    return result;
}

bool DialogWasShown()
{
    return state.shown;
}

} // namespace tktest
