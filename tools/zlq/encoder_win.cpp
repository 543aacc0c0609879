// Code page 932 conversion through the Windows conversion functions.
#include "tools/zlq/encoder.h"

#include <windows.h>

#include "win/cp932.h"

namespace zlq {

CharEncoder Cp932Encoder()
{
    return [](std::string_view utf8Char) -> std::optional<std::string> {
        const int size = static_cast<int>(utf8Char.size());
        const int n = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8Char.data(), size, nullptr, 0);
        if (n <= 0)
            return std::nullopt;
        std::wstring wide(static_cast<std::size_t>(n), L'\0');
        MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8Char.data(), size, wide.data(), n);
        if (!cp932::CanEncode(wide))
            return std::nullopt;
        return cp932::FromWide(wide);
    };
}

} // namespace zlq
