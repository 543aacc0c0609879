// One question's rules: the answer judged by display position, the choice
// list wrapping at its ends, the quick-press clock and its countdown cues,
// and the mark that blinks after each answer.
#include "game/rules/mark.h"
#include "game/rules/play.h"

#include <vector>

#include <gtest/gtest.h>

namespace rules {
namespace {

TEST(Play, RightChoiceAndWrapAtTheEnds)
{
    const std::array<int, kChoices> order{3, 1, 4, 0, 2};
    for (int p = -1; p <= kChoices; ++p) {
        EXPECT_EQ(IsRightChoice(order, p), p == 3) << p;
        if (p < 0 || p >= kChoices)
            continue;
        EXPECT_EQ(WrapSelection(ChoiceKey::Down, p), p == 4 ? std::optional<int>(0) : std::nullopt) << p;
        EXPECT_EQ(WrapSelection(ChoiceKey::Up, p), p == 0 ? std::optional<int>(4) : std::nullopt) << p;
    }
}

TEST(Play, ClockCountsDownWithThreeCuesThenEndsTheQuestion)
{
    int elapsed = 0;
    for (int tick = 1; tick <= kTimeLimit; ++tick) {
        const ClockTick t = TickClock(true, true, elapsed);
        ASSERT_EQ(elapsed, tick);
        EXPECT_EQ(t.keepRunning, tick < kTimeLimit) << tick;
        EXPECT_EQ(t.timeUp, tick == kTimeLimit) << tick;
        const int level = tick <= 4 ? 1 : tick <= 7 ? 2 : 3;
        EXPECT_EQ(t.cue, tick < kTimeLimit ? std::optional<Cue>(Cue{10, level, 0}) : std::nullopt) << tick;
    }
    // Answered: the clock stops without a cue, unless the limit came at that tick.
    elapsed = 3;
    const ClockTick answered = TickClock(true, false, elapsed);
    EXPECT_TRUE(elapsed == 4 && !answered.keepRunning && !answered.timeUp && !answered.cue);
    elapsed = 9;
    EXPECT_TRUE(TickClock(true, false, elapsed).timeUp);
    // No game runs: nothing counts.
    const ClockTick idle = TickClock(false, true, elapsed);
    EXPECT_TRUE(elapsed == 10 && !idle.keepRunning && !idle.timeUp);
}

TEST(Mark, BlinksFiveHalfSecondsOrClosesOnCancel)
{
    int ticks = 0;
    std::vector<bool> shown{true};
    for (MarkStep step; !(step = TickMark(false, ticks)).close && ticks < 10;) {
        ASSERT_TRUE(step.toggle);
        shown.push_back(!shown.back());
    }
    EXPECT_EQ(ticks, kMarkTicks);
    EXPECT_EQ(shown, (std::vector<bool>{true, false, true, false, true}));
    ticks = 2;
    const MarkStep cancelled = TickMark(true, ticks);
    EXPECT_TRUE(cancelled.close && !cancelled.toggle && ticks == 2);

    // Centred squares of 90 % (circle) and 80 % (cross) of the height.
    EXPECT_EQ(MarkBoxFor(true, 800, 600), (MarkBox{130, 30, 540}));
    EXPECT_EQ(MarkBoxFor(false, 300, 600), (MarkBox{-90, 60, 480}));
}

} // namespace
} // namespace rules
