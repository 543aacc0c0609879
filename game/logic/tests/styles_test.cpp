#include "game/logic/styles.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

namespace game {
namespace {

TEST(Styles, KeyColoursOfEachStyle)
{
    // One row per style: window, question back/fore, answer back/fore, lamp fill.
    EXPECT_EQ(StyleColors(0).windowBack, (Rgb{128, 128, 128}));
    EXPECT_EQ(StyleColors(0).questionBack, (Rgb{112, 16, 16}));
    EXPECT_EQ(StyleColors(0).questionFore, (Rgb{255, 255, 192}));
    EXPECT_EQ(StyleColors(0).answerBack, (Rgb{0, 96, 0}));
    EXPECT_EQ(StyleColors(0).answerFore, (Rgb{255, 224, 192}));
    EXPECT_EQ(StyleColors(0).mes1Fore, (Rgb{192, 255, 255}));
    EXPECT_EQ(StyleColors(0).mes2Fore, (Rgb{255, 192, 192}));

    EXPECT_EQ(StyleColors(1).lampBorder, (Rgb{64, 64, 64}));
    EXPECT_EQ(StyleColors(1).answerFore, (Rgb{192, 192, 192}));
    EXPECT_EQ(StyleColors(1).questionFore, (Rgb{255, 255, 255}));

    EXPECT_EQ(StyleColors(2).windowBack, (Rgb{192, 192, 192}));
    EXPECT_EQ(StyleColors(2).answerBack, (Rgb{240, 240, 240}));
    EXPECT_EQ(StyleColors(2).lampFill, (Rgb{208, 208, 208}));

    EXPECT_EQ(StyleColors(3).windowBack, (Rgb{214, 227, 254}));
    EXPECT_EQ(StyleColors(3).questionFore, (Rgb{96, 96, 176}));
    EXPECT_EQ(StyleColors(3).answerPanel, (Rgb{192, 192, 255}));
    EXPECT_EQ(StyleColors(3).mes1Fore, (Rgb{128, 128, 255}));
    EXPECT_EQ(StyleColors(3).mes2Fore, (Rgb{255, 128, 128}));
}

TEST(Styles, LampLabelsBlendWithTheLampAndTheQuestionWithItsPanel)
{
    for (int i = 0; i < kStyleCount; ++i) {
        const DisplayStyle& s = StyleColors(i);
        EXPECT_EQ(s.lampBack, s.lampFill) << i;
        EXPECT_EQ(s.questionBack, s.questionPanel) << i;
        // Text stands out from its background in every style.
        EXPECT_NE(s.questionFore, s.questionBack) << i;
        EXPECT_NE(s.answerFore, s.answerBack) << i;
        EXPECT_NE(s.mes1Fore, s.lampBack) << i;
    }
}

TEST(Styles, StylesDiffer)
{
    std::set<std::tuple<int, int, int>> windows;
    for (int i = 0; i < kStyleCount; ++i) {
        const Rgb& q = StyleColors(i).questionBack;
        windows.insert({q.r, q.g, q.b});
    }
    EXPECT_EQ(windows.size(), 4u);
}

TEST(Styles, OutOfRangeIndexGivesStandard)
{
    EXPECT_EQ(&StyleColors(-1), &StyleColors(0));
    EXPECT_EQ(&StyleColors(4), &StyleColors(0));
}

TEST(ParseViewStyle, StoredDigits)
{
    EXPECT_EQ(ParseViewStyle(L"0"), 0);
    EXPECT_EQ(ParseViewStyle(L"1"), 1);
    EXPECT_EQ(ParseViewStyle(L"2"), 2);
    EXPECT_EQ(ParseViewStyle(L"3"), 3);
    EXPECT_EQ(ParseViewStyle(L" 2 "), 2);
    EXPECT_EQ(ParseViewStyle(L"02"), 2);
}

TEST(ParseViewStyle, MissingBadOrOutOfRangeGivesZero)
{
    EXPECT_EQ(ParseViewStyle(std::nullopt), 0);
    EXPECT_EQ(ParseViewStyle(L""), 0);
    EXPECT_EQ(ParseViewStyle(L"abc"), 0);
    EXPECT_EQ(ParseViewStyle(L"2x"), 0);
    EXPECT_EQ(ParseViewStyle(L"-1"), 0);
    EXPECT_EQ(ParseViewStyle(L"4"), 0);
    EXPECT_EQ(ParseViewStyle(L"99999999999999999999"), 0);
    EXPECT_EQ(ParseViewStyle(L"２"), 0);
}

} // namespace
} // namespace game
