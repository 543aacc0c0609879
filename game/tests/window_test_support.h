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
#include "game/timing.h"
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

inline size_t Count(const Lines& said, const std::wstring& line)
{
    return static_cast<size_t>(std::count(said.begin(), said.end(), line));
}

// What the message window speaks for a text it shows.
inline std::wstring Message(const std::wstring& text) { return L"voice Speak 0 " + text + L"\xF8F2"; }

// Runs an action on the first window of the class that the test's thread
// activates. At once runs it from within the activation: what the action
// posts comes ahead of the window's timer ticks (a timer ticks only when no
// posted message waits), so a key sent this way never races the window's own
// time. Otherwise it runs once the window is up and its thread idle. Ten
// seconds after the activation a watchdog closes the window, so a hang fails
// the test.
class OnActivate {
public:
    OnActivate(std::wstring className, std::function<void(HWND)> action, bool atOnce = true)
        : className_(std::move(className)), action_(std::move(action)), atOnce_(atOnce)
    {
        current_ = this;
        hook_ = SetWindowsHookExW(WH_CBT, &OnActivate::Hook, nullptr, GetCurrentThreadId());
    }
    ~OnActivate()
    {
        UnhookWindowsHookEx(hook_);
        current_ = nullptr;
    }
    bool Ran() const { return ran_; }
    bool TimedOut() const { return timedOut_; }

private:
    static constexpr UINT_PTR kIdle = 0x7E57, kWatchdog = 0x7E58; // timer ids no window of ours uses

    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam)
    {
        wchar_t cls[32] = {};
        OnActivate* self = current_;
        HWND w = reinterpret_cast<HWND>(wParam);
        if (self && !self->ran_ && code == HCBT_ACTIVATE && GetClassNameW(w, cls, 32) && self->className_ == cls) {
            self->ran_ = true;
            SetTimer(w, kWatchdog, 10000, &OnActivate::Tick);
            if (self->atOnce_)
                self->action_(w);
            else
                SetTimer(w, kIdle, 0, &OnActivate::Tick);
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static void CALLBACK Tick(HWND w, UINT, UINT_PTR id, DWORD)
    {
        KillTimer(w, id);
        if (!current_)
            return;
        if (id == kIdle) {
            current_->action_(w);
        } else {
            current_->timedOut_ = true;
            PostMessageW(w, WM_CLOSE, 0, 0);
        }
    }

    static inline OnActivate* current_ = nullptr;
    std::wstring className_;
    std::function<void(HWND)> action_;
    bool atOnce_;
    HHOOK hook_ = nullptr;
    bool ran_ = false, timedOut_ = false;
};

// The main window loaded, hidden, in the standard style; the game's timers
// (a message window's three seconds, say) at a tenth of their length.
class GameWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        StoreViewStyle(L"0");
        QuizAbort = false;
        SetTimeScale(0.1);
        ASSERT_TRUE(window.Load(GetModuleHandleW(nullptr)));
    }
    ~GameWindowTest() override { SetTimeScale(1); }
    void Command(int id) { SendMessageW(window.hwnd(), WM_COMMAND, MAKEWPARAM(id, 0), 0); }
    void Key(HWND to, UINT key)
    {
        PostMessageW(to, WM_KEYDOWN, key, 1);
        win::DoEvents();
    }
    Lines Said(size_t from = 0) const { return transcript.Said(from); }

    testsupport::ScopedTranscript transcript; // before the window: it speaks at load
    QuizWindow window;
};

} // namespace game::testing
