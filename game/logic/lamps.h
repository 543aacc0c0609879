// Captions of the two lamps beside the question. Each lamp is a column of
// one-character labels read top to bottom: the left lamp shows "第", the
// question number and "問"; the right lamp shows "合格まであと", the number of
// right answers the stage still needs, and "問".
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace game {

inline constexpr int kMes1Count = 3;
inline constexpr int kMes2Count = 8;
// The label of the right lamp that holds the number.
inline constexpr int kMes2NumberIndex = 6;

using Mes1Captions = std::array<std::wstring, kMes1Count>;
using Mes2Captions = std::array<std::wstring, kMes2Count>;

// Captions of the lamps as the window is created.
Mes1Captions InitialMes1Captions();
Mes2Captions InitialMes2Captions();

// Left lamp for question number n: "第", its full-width digit, "問";
// n == 0 leaves all three labels empty.
Mes1Captions QuestionNumberCaptions(int n);

// Right lamp showing text: label i holds character i of text, or nothing
// when text is shorter.
Mes2Captions SpreadCaptions(std::wstring_view text);

// Right lamp for n answers still needed: "合格まであと" n "問".
Mes2Captions NeedCaptions(int n);

} // namespace game
