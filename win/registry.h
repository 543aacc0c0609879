// Registry keys and values, with the per-user helpers the programs use.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

#include "win/handles.h"

namespace win {

class RegKey {
public:
    RegKey() = default;

    // Opens an existing key; the result is empty (false) on failure.
    static RegKey Open(HKEY root, std::wstring_view path, REGSAM access = KEY_READ);
    // Opens the key, creating it and its parents when missing.
    static RegKey Create(HKEY root, std::wstring_view path, REGSAM access = KEY_READ | KEY_WRITE);

    explicit operator bool() const { return static_cast<bool>(key_); }
    HKEY get() const { return key_.get(); }

    // A REG_SZ or REG_EXPAND_SZ value, without its terminating NUL.
    std::optional<std::wstring> ReadString(std::wstring_view name) const;
    // A REG_DWORD value.
    std::optional<DWORD> ReadDword(std::wstring_view name) const;
    // The value as text: a string yields its text, a 32-bit number its
    // decimal text, any other type or a missing value nothing.
    std::optional<std::wstring> ReadValueText(std::wstring_view name) const;
    // Reads at most *size bytes of raw data; *size receives the length.
    bool ReadBytes(std::wstring_view name, void* data, DWORD* size, DWORD* type = nullptr) const;

    bool WriteString(std::wstring_view name, std::wstring_view value) const;
    bool WriteDword(std::wstring_view name, DWORD value) const;
    bool DeleteValue(std::wstring_view name) const;

private:
    explicit RegKey(HKEY key) : key_(key) {}
    UniqueKey key_;
};

// Per-user (HKEY_CURRENT_USER) helpers: each opens the key, does its one job
// and closes the key again.
std::optional<std::wstring> ReadUserValueText(std::wstring_view path, std::wstring_view name);
std::optional<std::wstring> ReadUserString(std::wstring_view path, std::wstring_view name);
std::optional<DWORD> ReadUserDword(std::wstring_view path, std::wstring_view name);
bool WriteUserString(std::wstring_view path, std::wstring_view name, std::wstring_view value);
bool WriteUserDword(std::wstring_view path, std::wstring_view name, DWORD value);
// Removes a per-user key with everything below it; true when it is gone.
bool DeleteUserTree(std::wstring_view path);

} // namespace win
