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

// Transcript entries joined with spaces, one string per line.
inline std::vector<std::wstring> Said(const testsupport::ScopedTranscript& t)
{
    return testsupport::SaidLines(t.Path());
}

} // namespace game::testing
