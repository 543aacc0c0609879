#include "game/rules/play.h"

#include <gtest/gtest.h>

namespace rules {
namespace {

TEST(Play, StagesNeedMoreRightAnswersAsTheGameGoesOn)
{
    EXPECT_EQ(StageNeed(1), 2);
    EXPECT_EQ(StageNeed(2), 3);
    EXPECT_EQ(StageNeed(3), 3);
    EXPECT_EQ(StageNeed(4), 4);
    EXPECT_EQ(StageNeed(5), 5);
}

TEST(Play, StageIntroductions)
{
    EXPECT_EQ(StageIntroText(1), u"ステージ1\r\n5問中\r\n2問正解でクリアです");
    EXPECT_EQ(StageIntroText(2), u"ステージ2\r\n5問中\r\n3問正解でクリアです");
    EXPECT_EQ(StageIntroText(3), u"ステージ3\r\n5問中\r\n3問正解でクリアです");
    EXPECT_EQ(StageIntroText(4), u"セミファイナル\r\n5問中\r\n4問正解でクリアです");
    EXPECT_EQ(StageIntroText(5), u"ファイナルステージ\r\n5問中\r\n全問正解でクリアです");
}

TEST(Play, PointsOfBothModes)
{
    EXPECT_EQ(PointsFor(Mode::Relaxed, 0), 20);
    EXPECT_EQ(PointsFor(Mode::Relaxed, 7), 20);
    EXPECT_EQ(PointsFor(Mode::QuickPress, 0), 60);
    EXPECT_EQ(PointsFor(Mode::QuickPress, 1), 55);
    EXPECT_EQ(PointsFor(Mode::QuickPress, 3), 45);
    EXPECT_EQ(PointsFor(Mode::QuickPress, 10), 10);
}

TEST(Play, TheRightChoiceIsWhereStoredAnswerZeroIsShown)
{
    const std::array<int, kChoices> order{3, 1, 4, 0, 2};
    for (int p = 0; p < kChoices; ++p)
        EXPECT_EQ(IsRightChoice(order, p), p == 3) << "position " << p;
    EXPECT_FALSE(IsRightChoice(order, -1));
    EXPECT_FALSE(IsRightChoice(order, 5));
}

TEST(Play, ChoiceListWrapsOnlyAtItsEnds)
{
    EXPECT_EQ(WrapSelection(ChoiceKey::Down, 4), 0);
    EXPECT_EQ(WrapSelection(ChoiceKey::Up, 0), 4);
    for (int p = 0; p < 4; ++p)
        EXPECT_EQ(WrapSelection(ChoiceKey::Down, p), std::nullopt) << p;
    for (int p = 1; p < 5; ++p)
        EXPECT_EQ(WrapSelection(ChoiceKey::Up, p), std::nullopt) << p;

    ASSERT_EQ(kWrapCues.size(), 4u);
    EXPECT_EQ(kWrapCues[0], (Cue{50, 0, 0}));
    EXPECT_EQ(kWrapCues[1], (Cue{50, 10, 0}));
    EXPECT_EQ(kWrapCues[2], (Cue{50, 0, 0}));
    EXPECT_EQ(kWrapCues[3], (Cue{50, 10, 0}));
}

TEST(Play, ClockCountsDownWithThreeCuesThenEndsTheQuestion)
{
    int elapsed = 0;
    for (int tick = 1; tick <= 9; ++tick) {
        ClockTick t = TickClock(true, true, elapsed);
        EXPECT_EQ(elapsed, tick);
        EXPECT_TRUE(t.keepRunning) << tick;
        EXPECT_FALSE(t.timeUp) << tick;
        const int level = tick <= 4 ? 1 : tick <= 7 ? 2 : 3;
        EXPECT_EQ(t.cue, (Cue{10, level, 0})) << tick;
    }
    ClockTick last = TickClock(true, true, elapsed);
    EXPECT_EQ(elapsed, 10);
    EXPECT_TRUE(last.timeUp);
    EXPECT_FALSE(last.keepRunning);
    EXPECT_EQ(last.cue, std::nullopt);
    EXPECT_EQ(PointsFor(Mode::QuickPress, elapsed), 10);
}

TEST(Play, ClockStopsWhenAnsweredOrNoGameRuns)
{
    int elapsed = 3;
    ClockTick answered = TickClock(true, false, elapsed);
    EXPECT_EQ(elapsed, 4);
    EXPECT_FALSE(answered.keepRunning);
    EXPECT_FALSE(answered.timeUp);
    EXPECT_EQ(answered.cue, std::nullopt);

    ClockTick idle = TickClock(false, true, elapsed);
    EXPECT_EQ(elapsed, 4);
    EXPECT_FALSE(idle.keepRunning);
    EXPECT_FALSE(idle.timeUp);

    // The limit ends the question even when the answer came at that tick.
    elapsed = 9;
    EXPECT_TRUE(TickClock(true, false, elapsed).timeUp);

    EXPECT_EQ(CountdownCue(0), std::nullopt);
    EXPECT_EQ(CountdownCue(kTimeLimit), std::nullopt);
    EXPECT_EQ(CountdownCue(11), std::nullopt);
}

} // namespace
} // namespace rules
