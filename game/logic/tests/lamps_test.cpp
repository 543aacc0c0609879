// The lamps beside the question and the numbers they show: one character a
// label, full-width digits that stay digits past 9, kanji numerals to ten.
#include "game/logic/lamps.h"
#include "game/logic/numerals.h"

#include <gtest/gtest.h>

namespace game {
namespace {

TEST(Lamps, CaptionsOneCharacterALabel)
{
    EXPECT_EQ(InitialMes1Captions(), (Mes1Captions{L"第", L"　", L"問"}));
    EXPECT_EQ(QuestionNumberCaptions(3), (Mes1Captions{L"第", L"３", L"問"}));
    EXPECT_EQ(QuestionNumberCaptions(0), Mes1Captions{});
    EXPECT_EQ(InitialMes2Captions(), (Mes2Captions{L"合", L"格", L"ま", L"で", L"あ", L"と", L"　", L"問"}));
    EXPECT_EQ(NeedCaptions(3), (Mes2Captions{L"合", L"格", L"ま", L"で", L"あ", L"と", L"３", L"問"}));
    EXPECT_EQ(SpreadCaptions(L"ab"), (Mes2Captions{L"a", L"b", L"", L"", L"", L"", L"", L""}));
    EXPECT_EQ(SpreadCaptions(L"123456789"), (Mes2Captions{L"1", L"2", L"3", L"4", L"5", L"6", L"7", L"8"}));
}

TEST(Numerals, FullWidthDigitsAndKanji)
{
    const std::pair<int, const wchar_t*> digits[] = {{0, L"０"}, {9, L"９"}, {10, L"１０"}, {123, L"１２３"}, {-3, L"－３"}};
    for (const auto& [n, text] : digits)
        EXPECT_EQ(FullWidthDigit(n), text) << n;
    const std::pair<int, const wchar_t*> kanji[] = {{0, L"〇"}, {1, L"一"}, {10, L"十"}, {-1, L""}, {11, L""}};
    for (const auto& [n, text] : kanji)
        EXPECT_EQ(SKanji(n), text) << n;
}

} // namespace
} // namespace game
