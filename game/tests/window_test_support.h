// Helpers for the game's in-process window tests.
#pragma once

#include <windows.h>

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

} // namespace game::testing
