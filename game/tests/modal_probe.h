// Acting on a modal window of the test's own thread once it is shown: a
// thread timer looks for a visible top-level window of a class (and caption,
// when one is given) and runs the action on it, once. A watchdog closes the window if nothing
// else has after the time-out, so that a hanging test fails instead of
// blocking the run.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace game::testing {

class WhenShown {
public:
    // The game's message window, whatever its caption.
    explicit WhenShown(std::function<void(HWND)> action, std::wstring className = L"VemoMessage")
        : WhenShown(std::move(className), L"", std::move(action))
    {
    }
    WhenShown(std::wstring className, std::wstring caption, std::function<void(HWND)> action,
              DWORD timeoutMs = 10000)
        : className_(std::move(className)), caption_(std::move(caption)), action_(std::move(action)),
          deadline_(GetTickCount() + timeoutMs)
    {
        current_ = this;
        timer_ = SetTimer(nullptr, 0, 30, &WhenShown::Tick);
    }
    ~WhenShown()
    {
        KillTimer(nullptr, timer_);
        current_ = nullptr;
    }
    WhenShown(const WhenShown&) = delete;
    WhenShown& operator=(const WhenShown&) = delete;

    bool Ran() const { return ran_; }
    bool TimedOut() const { return timedOut_; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        WhenShown* self = current_;
        if (!self)
            return;
        HWND w = FindWindowW(self->className_.c_str(), self->caption_.empty() ? nullptr : self->caption_.c_str());
        bool shown = w && IsWindowVisible(w) && GetWindowThreadProcessId(w, nullptr) == GetCurrentThreadId();
        if (shown && !self->ran_) {
            self->ran_ = true;
            self->action_(w);
        } else if (shown && static_cast<LONG>(GetTickCount() - self->deadline_) > 0) {
            self->timedOut_ = true;
            PostMessageW(w, WM_CLOSE, 0, 0);
        }
    }

    static inline WhenShown* current_ = nullptr;
    std::wstring className_, caption_;
    std::function<void(HWND)> action_;
    DWORD deadline_;
    UINT_PTR timer_ = 0;
    bool ran_ = false;
    bool timedOut_ = false;
};

// The text of a standard message box, and its OK button pressed.
inline std::wstring MessageBoxText(HWND box)
{
    wchar_t text[256] = {};
    GetDlgItemTextW(box, 0xFFFF, text, 256);
    return text;
}

inline void PressOk(HWND box)
{
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

} // namespace game::testing
