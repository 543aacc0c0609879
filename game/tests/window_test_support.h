// Helpers for the game's in-process window tests.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "game/logic/styles.h"
#include "tests/support/transcript_reader.h"
#include "win/registry.h"

namespace game::testing {

// The stored display style: set (or removed, for nullopt) before a test.
inline void StoreViewStyle(const std::optional<std::wstring>& value)
{
    if (value)
        win::WriteUserString(kSettingsKey, kViewStyleValue, *value);
    else
        win::RegKey::Create(HKEY_CURRENT_USER, kSettingsKey).DeleteValue(kViewStyleValue);
}

inline std::optional<std::wstring> StoredViewStyle()
{
    return win::ReadUserString(kSettingsKey, kViewStyleValue);
}

// Transcript entries joined with spaces, one string per line, for
// readable comparisons.
inline std::vector<std::wstring> Said(const testsupport::ScopedTranscript& t)
{
    std::vector<std::wstring> lines;
    for (const auto& fields : t.Entries()) {
        std::wstring line;
        for (const auto& f : fields)
            line += (line.empty() ? L"" : L" ") + f;
        lines.push_back(line);
    }
    return lines;
}

// Runs `action` once on the first visible window of a class (the message
// window unless told otherwise), from a thread timer of the test's own
// thread, so that a modal window can be driven while it runs.
class WhileShown {
public:
    explicit WhileShown(std::function<void(HWND)> action, const wchar_t* windowClass = L"VemoMessage")
        : action_(std::move(action)), class_(windowClass)
    {
        current_ = this;
        timer_ = SetTimer(nullptr, 0, 50, &WhileShown::Tick);
    }
    ~WhileShown()
    {
        KillTimer(nullptr, timer_);
        current_ = nullptr;
    }
    bool Ran() const { return ran_; }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        WhileShown* self = current_;
        if (!self || self->ran_)
            return;
        HWND w = FindWindowW(self->class_, nullptr);
        if (w && IsWindowVisible(w)) {
            self->ran_ = true;
            self->action_(w);
        }
    }
    static inline WhileShown* current_ = nullptr;
    std::function<void(HWND)> action_;
    const wchar_t* class_;
    UINT_PTR timer_ = 0;
    bool ran_ = false;
};

} // namespace game::testing
