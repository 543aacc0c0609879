// Small text helpers of the game's main window.
#pragma once

#include <string>
#include <string_view>

namespace quiz {

// str with one backslash appended unless it already ends with one (an empty
// string gets one too): joins a folder with a file name.
std::wstring AddYen(std::wstring_view str);

// The longest start of str whose Shift-JIS form has at most sizeZ bytes; a
// double-byte character is never split. sizeZ below 0 gives "".
std::wstring LeftZ(std::wstring_view str, int sizeZ);

} // namespace quiz
