// The display styles: every style keeps its text readable and its lamp
// labels blended with the lamp, and a stored style that is missing, damaged
// or out of range falls back to the standard one.
#include "game/logic/styles.h"

#include <gtest/gtest.h>

namespace game {
namespace {

TEST(Styles, TextStandsOutAndLabelsBlendInEveryStyle)
{
    for (int i = 0; i < kStyleCount; ++i) {
        const DisplayStyle& s = StyleColors(i);
        EXPECT_EQ(s.lampBack, s.lampFill) << i;
        EXPECT_EQ(s.questionBack, s.questionPanel) << i;
        EXPECT_NE(s.questionFore, s.questionBack) << i;
        EXPECT_NE(s.answerFore, s.answerBack) << i;
        EXPECT_NE(s.mes1Fore, s.lampBack) << i;
        EXPECT_NE(s.mes2Fore, s.lampBack) << i;
        EXPECT_NE(s.questionBack, StyleColors((i + 1) % kStyleCount).questionBack) << i;
    }
    EXPECT_EQ(&StyleColors(-1), &StyleColors(0));
    EXPECT_EQ(&StyleColors(kStyleCount), &StyleColors(0));
}

TEST(Styles, StoredStyle)
{
    EXPECT_EQ(ParseViewStyle(std::nullopt), 0);
    const std::pair<const wchar_t*, int> cases[] = {
        {L"3", 3}, {L" 2 ", 2}, {L"02", 2}, {L"", 0}, {L"abc", 0}, {L"2x", 0},
        {L"-1", 0}, {L"4", 0}, {L"99999999999999999999", 0}, {L"２", 0}};
    for (const auto& [text, style] : cases)
        EXPECT_EQ(ParseViewStyle(text), style) << testing::PrintToString(std::wstring(text));
}

} // namespace
} // namespace game
