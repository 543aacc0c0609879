// The best-five tables of a quiz in the per-user settings store: section
// "Software\VB and VBA Program Settings\Vemo\<quiz file name>", string
// values NameE1..5, ScoreE1..5 (relaxed) and NameT1..5, ScoreT1..5
// (quick-press).
#pragma once

#include <string>
#include <string_view>

#include "game/rules/rankings.h"

namespace rules {

// The settings-store key of a quiz, below HKEY_CURRENT_USER. quizFileName
// is the file's name with its extension, without its folder, so files of
// one name in different folders share their tables.
std::wstring ScoreKeyPath(std::wstring_view quizFileName);

// A name in its stored, fixed-width form: the name and ten spaces cut to 12
// bytes of code page 932 without splitting a double-byte character.
std::wstring FixedWidthName(std::wstring_view name);

// Reads both tables of a quiz, with the defaults for missing values and 0
// for a score that is not a number, and brings every name to the fixed-width
// form (relaxed names first lose their trailing spaces).
Rankings GetScore(std::wstring_view quizFileName);

// Brings every name to the fixed-width form and writes all 20 values, in the
// order NameE1..5, ScoreE1..5, NameT1..5, ScoreT1..5. False when a value
// could not be written.
bool SetScore(std::wstring_view quizFileName, Rankings& rankings);

} // namespace rules
