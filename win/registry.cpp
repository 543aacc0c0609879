#include "win/registry.h"

#include <vector>

namespace win {

namespace {
std::wstring Z(std::wstring_view s) { return std::wstring(s); } // NUL-terminated copy
} // namespace

RegKey RegKey::Open(HKEY root, std::wstring_view path, REGSAM access)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(root, Z(path).c_str(), 0, access, &key) != ERROR_SUCCESS)
        return RegKey();
    return RegKey(key);
}

RegKey RegKey::Create(HKEY root, std::wstring_view path, REGSAM access)
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(root, Z(path).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return RegKey();
    return RegKey(key);
}

bool RegKey::ReadBytes(std::wstring_view name, void* data, DWORD* size, DWORD* type) const
{
    if (!key_)
        return false;
    return RegQueryValueExW(key_.get(), Z(name).c_str(), nullptr, type, static_cast<BYTE*>(data), size) ==
           ERROR_SUCCESS;
}

std::optional<std::wstring> RegKey::ReadString(std::wstring_view name) const
{
    DWORD type = 0, size = 0;
    if (!ReadBytes(name, nullptr, &size, &type) || (type != REG_SZ && type != REG_EXPAND_SZ))
        return std::nullopt;
    // The value may change between the two reads; retry until it fits.
    std::vector<wchar_t> buf;
    for (;;) {
        buf.assign(size / sizeof(wchar_t) + 1, L'\0');
        DWORD got = static_cast<DWORD>(buf.size() * sizeof(wchar_t));
        LSTATUS rc = RegQueryValueExW(key_.get(), Z(name).c_str(), nullptr, &type,
                                      reinterpret_cast<BYTE*>(buf.data()), &got);
        if (rc == ERROR_MORE_DATA) {
            size = got;
            continue;
        }
        if (rc != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ))
            return std::nullopt;
        std::wstring text(buf.data(), got / sizeof(wchar_t));
        // A stored string normally ends in NUL; it is not part of the text.
        if (auto nul = text.find(L'\0'); nul != std::wstring::npos)
            text.resize(nul);
        return text;
    }
}

std::optional<DWORD> RegKey::ReadDword(std::wstring_view name) const
{
    DWORD type = 0, value = 0, size = sizeof value;
    if (!ReadBytes(name, &value, &size, &type) || type != REG_DWORD || size != sizeof value)
        return std::nullopt;
    return value;
}

std::optional<std::wstring> RegKey::ReadValueText(std::wstring_view name) const
{
    if (auto text = ReadString(name))
        return text;
    if (auto number = ReadDword(name))
        return std::to_wstring(*number);
    return std::nullopt;
}

bool RegKey::WriteString(std::wstring_view name, std::wstring_view value) const
{
    if (!key_)
        return false;
    std::wstring v(value);
    return RegSetValueExW(key_.get(), Z(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(v.c_str()),
                          static_cast<DWORD>((v.size() + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

bool RegKey::WriteDword(std::wstring_view name, DWORD value) const
{
    if (!key_)
        return false;
    return RegSetValueExW(key_.get(), Z(name).c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                          sizeof value) == ERROR_SUCCESS;
}

bool RegKey::DeleteValue(std::wstring_view name) const
{
    return key_ && RegDeleteValueW(key_.get(), Z(name).c_str()) == ERROR_SUCCESS;
}

std::optional<std::wstring> ReadUserValueText(std::wstring_view path, std::wstring_view name)
{
    return RegKey::Open(HKEY_CURRENT_USER, path).ReadValueText(name);
}

std::optional<std::wstring> ReadUserString(std::wstring_view path, std::wstring_view name)
{
    return RegKey::Open(HKEY_CURRENT_USER, path).ReadString(name);
}

std::optional<DWORD> ReadUserDword(std::wstring_view path, std::wstring_view name)
{
    return RegKey::Open(HKEY_CURRENT_USER, path).ReadDword(name);
}

bool WriteUserString(std::wstring_view path, std::wstring_view name, std::wstring_view value)
{
    return RegKey::Create(HKEY_CURRENT_USER, path, KEY_SET_VALUE).WriteString(name, value);
}

bool WriteUserDword(std::wstring_view path, std::wstring_view name, DWORD value)
{
    return RegKey::Create(HKEY_CURRENT_USER, path, KEY_SET_VALUE).WriteDword(name, value);
}

bool DeleteUserTree(std::wstring_view path)
{
    LSTATUS rc = RegDeleteTreeW(HKEY_CURRENT_USER, Z(path).c_str());
    return rc == ERROR_SUCCESS || rc == ERROR_FILE_NOT_FOUND;
}

} // namespace win
