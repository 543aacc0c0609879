#include "win/message_loop.h"

#include <algorithm>
#include <vector>

namespace win {

namespace {

// Filters of this thread, newest last; offered newest first so that a modal
// window's filter sees its keys before its owner's.
thread_local std::vector<MessageFilter*> t_filters;

bool IsDialogWindow(HWND hwnd)
{
    wchar_t cls[16] = {};
    return GetClassNameW(hwnd, cls, 16) > 0 && lstrcmpW(cls, L"#32770") == 0;
}

} // namespace

ScopedMessageFilter::ScopedMessageFilter(MessageFilter* filter) : filter_(filter)
{
    t_filters.push_back(filter);
}

ScopedMessageFilter::~ScopedMessageFilter()
{
    auto it = std::find(t_filters.rbegin(), t_filters.rend(), filter_);
    if (it != t_filters.rend())
        t_filters.erase(std::next(it).base());
}

bool AcceleratorFilter::PreTranslateMessage(MSG& msg)
{
    if (!accel_ || !IsWindow(window_) || !IsWindowEnabled(window_))
        return false;
    if (msg.hwnd != window_ && !IsChild(window_, msg.hwnd))
        return false;
    return TranslateAcceleratorW(window_, accel_, &msg) != 0;
}

void DispatchOne(MSG& msg)
{
    // A filter may remove itself while running, so walk a copy.
    std::vector<MessageFilter*> filters(t_filters.rbegin(), t_filters.rend());
    for (MessageFilter* f : filters)
        if (f->PreTranslateMessage(msg))
            return;
    if (msg.hwnd) {
        HWND root = GetAncestor(msg.hwnd, GA_ROOT);
        if (root && IsDialogWindow(root) && IsDialogMessageW(root, &msg))
            return;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

bool DoEvents()
{
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        DispatchOne(msg);
    }
    return true;
}

void WaitForEvents(DWORD timeoutMs)
{
    MsgWaitForMultipleObjectsEx(0, nullptr, timeoutMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
}

bool PumpUntil(const std::function<bool()>& done)
{
    while (!done()) {
        WaitForEvents();
        if (!DoEvents())
            return done();
    }
    return true;
}

int RunMessageLoop()
{
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0)
        DispatchOne(msg);
    return static_cast<int>(msg.wParam);
}

bool RunModal(HWND window, HWND owner, const std::function<bool()>& finished, int showCommand)
{
    bool ownerWasEnabled = owner && IsWindowEnabled(owner);
    if (ownerWasEnabled)
        EnableWindow(owner, FALSE);
    ShowWindow(window, showCommand);
    bool alive = PumpUntil([&] { return finished() || !IsWindow(window); });
    if (ownerWasEnabled)
        EnableWindow(owner, TRUE);
    if (owner && IsWindow(owner))
        SetActiveWindow(owner);
    if (IsWindow(window))
        DestroyWindow(window);
    return alive;
}

} // namespace win
