// Turns the UTF-8 text of a quiz source into Shift-JIS (code page 932), one
// character at a time, so that a character without a Shift-JIS form can be
// named in the error report.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace zlq {

// Shift-JIS bytes of one character given as UTF-8, or nothing when code page
// 932 cannot hold it (or maps it to another character on the way back).
using CharEncoder = std::function<std::optional<std::string>(std::string_view utf8Char)>;

// The platform's code page 932 conversion.
CharEncoder Cp932Encoder();

} // namespace zlq
