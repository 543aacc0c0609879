#include "game/logic/lamps.h"

#include <gtest/gtest.h>

namespace game {
namespace {

TEST(Lamps, InitialCaptions)
{
    EXPECT_EQ(InitialMes1Captions(), (Mes1Captions{L"第", L"　", L"問"}));
    EXPECT_EQ(InitialMes2Captions(), (Mes2Captions{L"合", L"格", L"ま", L"で", L"あ", L"と", L"　", L"問"}));
}

TEST(Lamps, QuestionNumber)
{
    EXPECT_EQ(QuestionNumberCaptions(3), (Mes1Captions{L"第", L"３", L"問"}));
    EXPECT_EQ(QuestionNumberCaptions(5), (Mes1Captions{L"第", L"５", L"問"}));
    // Zero leaves the lamp empty.
    EXPECT_EQ(QuestionNumberCaptions(0), Mes1Captions{});
}

TEST(Lamps, SpreadPutsOneCharacterPerLabel)
{
    // The right column (0-3) reads 合格まで, the left one (4-7) あと３問.
    EXPECT_EQ(SpreadCaptions(L"ステ｜ジクリア　"),
              (Mes2Captions{L"ス", L"テ", L"｜", L"ジ", L"ク", L"リ", L"ア", L"　"}));
}

TEST(Lamps, SpreadOfShortTextLeavesTheRestEmpty)
{
    EXPECT_EQ(SpreadCaptions(L"ab"), (Mes2Captions{L"a", L"b", L"", L"", L"", L"", L"", L""}));
    EXPECT_EQ(SpreadCaptions(L""), Mes2Captions{});
}

TEST(Lamps, SpreadOfLongTextKeepsTheFirstEight)
{
    EXPECT_EQ(SpreadCaptions(L"123456789"), (Mes2Captions{L"1", L"2", L"3", L"4", L"5", L"6", L"7", L"8"}));
}

TEST(Lamps, NeedShowsTheNumberInTheSeventhLabel)
{
    EXPECT_EQ(NeedCaptions(3), (Mes2Captions{L"合", L"格", L"ま", L"で", L"あ", L"と", L"３", L"問"}));
    EXPECT_EQ(NeedCaptions(0)[kMes2NumberIndex], L"０");
}

} // namespace
} // namespace game
