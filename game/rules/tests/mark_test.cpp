#include "game/rules/mark.h"

#include <vector>

#include <gtest/gtest.h>

namespace rules {
namespace {

TEST(Mark, CircleAndCrossAreCentredSquares)
{
    EXPECT_EQ(MarkBoxFor(true, 800, 600), (MarkBox{130, 30, 540}));
    EXPECT_EQ(MarkBoxFor(false, 800, 600), (MarkBox{160, 60, 480}));
    // A window narrower than the mark: the box overhangs both sides evenly.
    EXPECT_EQ(MarkBoxFor(true, 300, 600), (MarkBox{-120, 30, 540}));
}

TEST(Mark, CrossColourFollowsTheSoftStyle)
{
    EXPECT_EQ(CrossColour(true), (Rgb{0, 192, 192}));
    EXPECT_EQ(CrossColour(false), (Rgb{128, 128, 255}));
}

TEST(Mark, BlinksFourTimesAndClosesAtTheFifthTick)
{
    int ticks = 0;
    bool visible = true;
    std::vector<bool> shown{visible};
    for (;;) {
        MarkStep step = TickMark(false, ticks);
        if (step.close)
            break;
        ASSERT_TRUE(step.toggle);
        visible = !visible;
        shown.push_back(visible);
        ASSERT_LT(ticks, 10);
    }
    EXPECT_EQ(ticks, kMarkTicks);
    EXPECT_EQ(shown, (std::vector<bool>{true, false, true, false, true}));
}

TEST(Mark, CancelClosesAtTheNextTick)
{
    int ticks = 2;
    MarkStep step = TickMark(true, ticks);
    EXPECT_TRUE(step.close);
    EXPECT_FALSE(step.toggle);
    EXPECT_EQ(ticks, 2);
}

} // namespace
} // namespace rules
