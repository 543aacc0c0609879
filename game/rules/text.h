// Text of the game's rules.
//
// The rules build on every platform, so their text is UTF-16 in
// std::u16string: the same code units as the programs' std::wstring on
// Windows, where the window code turns one into the other by a plain copy
// (rules/wide.h).
#pragma once

#include <string>

namespace rules {

inline constexpr char16_t kCrLf[] = u"\r\n";

// Decimal digits of n, with a minus sign when negative.
std::u16string Digits(long long n);

} // namespace rules
