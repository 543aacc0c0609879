// Numbers as the game shows and speaks them.
#pragma once

#include <string>

namespace game {

// The kanji numeral of 0 to 10 ("〇" to "十"); any other value gives "".
std::wstring SKanji(int iss);

// The full-width digit shown in a lamp: "０" to "９" for 0 to 9. The lamps
// are one character wide and the game never needs more, but a larger or
// negative value still shows its whole number in full-width characters
// rather than a character that is no digit.
std::wstring FullWidthDigit(int n);

} // namespace game
