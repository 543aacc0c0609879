// The user's WindowOperation setting, which decides whether the speaking
// controls take over keys, held at a value for a test and removed again
// afterwards, also when the test ends early.
#pragma once

#include <windows.h>

#include <optional>

#include "win/registry.h"

namespace testsupport {

class ScopedWindowOperation {
public:
    // nullopt: the setting is absent.
    explicit ScopedWindowOperation(std::optional<DWORD> value)
    {
        Clear();
        if (value)
            win::WriteUserDword(kSettingsKey, kValue, *value);
    }
    ~ScopedWindowOperation() { Clear(); }
    ScopedWindowOperation(const ScopedWindowOperation&) = delete;
    ScopedWindowOperation& operator=(const ScopedWindowOperation&) = delete;

private:
    static constexpr wchar_t kSettingsKey[] = L"Software\\VXN\\System Global\\Settings";
    static constexpr wchar_t kValue[] = L"WindowOperation";

    static void Clear() { win::RegKey::Open(HKEY_CURRENT_USER, kSettingsKey, KEY_SET_VALUE).DeleteValue(kValue); }
};

} // namespace testsupport
