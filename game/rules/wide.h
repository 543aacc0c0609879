// The rules' UTF-16 text as the Windows code's std::wstring and back: on
// Windows both hold the same 16-bit code units, so this is a plain copy.
#pragma once

#include <string>
#include <string_view>

namespace rules {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows text is UTF-16");

inline std::wstring Wide(std::u16string_view text)
{
    return std::wstring(text.begin(), text.end());
}

inline std::u16string U16(std::wstring_view text)
{
    return std::u16string(text.begin(), text.end());
}

} // namespace rules
