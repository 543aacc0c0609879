// The names the file system gives a path: its short (8.3) form, its long
// form, and the form a program speaking code page 932 receives.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "win/ansi_path.h"

namespace win {

// The short form of an existing path; "" when it cannot be found. Where a
// volume keeps no short names, components come back unchanged.
std::wstring ShortPathName(const std::wstring& path);

// The long form of an existing path (short components replaced by the
// real names); the path itself when it cannot be found.
std::wstring LongPathName(const std::wstring& path);

// ansi_path::Choose with code page 932 and the file system's short names.
ansi_path::Choice ChooseAnsiPath(std::wstring_view path);

// The code page 932 bytes of that choice: a path that opens the same item,
// or nothing when there is none.
std::optional<std::string> AnsiPath(std::wstring_view path);

} // namespace win
