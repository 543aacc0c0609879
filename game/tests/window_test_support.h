// Helpers of the game's in-process window tests: what the game said, acting
// on a modal window once it is shown, the main window loaded.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "game/logic/styles.h"
#include "game/program_state.h"
#include "game/quiz_window.h"
#include "tests/support/transcript_reader.h"
#include "win/registry.h"

namespace game::testing {

using Lines = std::vector<std::wstring>;

// The stored display style: set (or removed, for nullopt) before a test.
inline void StoreViewStyle(const std::optional<std::wstring>& value)
{
    if (value)
        win::WriteUserString(kSettingsKey, kViewStyleValue, *value);
    else
        win::RegKey::Create(HKEY_CURRENT_USER, kSettingsKey).DeleteValue(kViewStyleValue);
}

// A transcript's entries, one string per line, from line `from` on.
inline Lines Said(const testsupport::ScopedTranscript& t, size_t from = 0)
{
    Lines all = testsupport::SaidLines(t.Path());
    return Lines(all.begin() + static_cast<std::ptrdiff_t>(std::min(from, all.size())), all.end());
}

inline size_t Count(const Lines& said, const std::wstring& line)
{
    return static_cast<size_t>(std::count(said.begin(), said.end(), line));
}

// What the message window speaks for a text it shows.
inline std::wstring Message(const std::wstring& text) { return L"voice Speak 0 " + text + L"\xF8F2"; }

// Runs an action, once, on a window of the class that the test's thread
// shows (a modal one: the test waits in its loop), if it is given one; a
// watchdog closes the window after ten seconds, so a hang fails the test.
class WhenShown {
public:
    WhenShown(std::function<void(HWND)> action, std::wstring className)
        : className_(std::move(className)), action_(std::move(action)), deadline_(GetTickCount() + 10000)
    {
        current_ = this;
        timer_ = SetTimer(nullptr, 0, 30, &WhenShown::Tick);
    }
    ~WhenShown() { KillTimer(nullptr, timer_), current_ = nullptr; }
    bool Ran() const { return ran_; }
    bool TimedOut() const { return timedOut_; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        WhenShown* self = current_;
        HWND w = self ? FindWindowW(self->className_.c_str(), nullptr) : nullptr;
        if (!w || !IsWindowVisible(w) || GetWindowThreadProcessId(w, nullptr) != GetCurrentThreadId())
            return;
        if (!self->ran_) {
            self->ran_ = true;
            if (self->action_)
                self->action_(w);
        } else if (static_cast<LONG>(GetTickCount() - self->deadline_) > 0) {
            self->timedOut_ = true;
            PostMessageW(w, WM_CLOSE, 0, 0);
        }
    }

    static inline WhenShown* current_ = nullptr;
    std::wstring className_;
    std::function<void(HWND)> action_;
    DWORD deadline_;
    UINT_PTR timer_ = 0;
    bool ran_ = false, timedOut_ = false;
};

// Runs an action on the first window of the class that the test's thread
// activates, from within the activation: what the action posts comes ahead of
// the window's timer ticks (a timer ticks only when no posted message waits),
// so a key sent this way never races the window's own time.
class OnActivate {
public:
    OnActivate(std::wstring className, std::function<void(HWND)> action)
        : className_(std::move(className)), action_(std::move(action))
    {
        current_ = this;
        hook_ = SetWindowsHookExW(WH_CBT, &OnActivate::Hook, nullptr, GetCurrentThreadId());
    }
    ~OnActivate() { UnhookWindowsHookEx(hook_), current_ = nullptr; }
    bool Ran() const { return ran_; }

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam)
    {
        wchar_t cls[32] = {};
        OnActivate* self = current_;
        if (self && !self->ran_ && code == HCBT_ACTIVATE && GetClassNameW(reinterpret_cast<HWND>(wParam), cls, 32) &&
            self->className_ == cls) {
            self->ran_ = true;
            self->action_(reinterpret_cast<HWND>(wParam));
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static inline OnActivate* current_ = nullptr;
    std::wstring className_;
    std::function<void(HWND)> action_;
    HHOOK hook_ = nullptr;
    bool ran_ = false;
};

// The main window loaded, hidden, in the standard style.
class GameWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        StoreViewStyle(L"0");
        QuizAbort = false;
        ASSERT_TRUE(window.Load(GetModuleHandleW(nullptr)));
    }
    void Command(int id) { SendMessageW(window.hwnd(), WM_COMMAND, MAKEWPARAM(id, 0), 0); }
    void Key(HWND to, UINT key) { PostMessageW(to, WM_KEYDOWN, key, 1), win::DoEvents(); }
    Lines Said(size_t from = 0) const { return testing::Said(transcript, from); }

    testsupport::ScopedTranscript transcript; // before the window: it speaks at load
    QuizWindow window;
};

} // namespace game::testing
