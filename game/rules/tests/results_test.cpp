#include "game/rules/results.h"

#include <gtest/gtest.h>

namespace rules {
namespace {

TEST(Results, StageResultByAnswersStillNeededDrawingOnlyForAConsolation)
{
    int draws = 0;
    auto drawing = [&draws](double r) {
        return [&draws, r] {
            ++draws;
            return r;
        };
    };
    EXPECT_EQ(StageResultMessage(0, drawing(0.9)), (Message{u"おめでとう\rステージ クリアです", u"@合格.wav"}));
    // One short: always the same text, and nothing drawn.
    for (double r : {0.0, 0.5, 0.99})
        EXPECT_EQ(StageResultMessage(1, drawing(r)), (Message{u"おしい　あと１問で\rクリアでした", u"@残念.wav"}));
    EXPECT_EQ(draws, 0);

    const Message first{u"残念\r次回はがんばってね", u"@残念.wav"};
    const Message second{u"残念でした\rまた挑戦してね", u"@残念.wav"};
    EXPECT_EQ(StageResultMessage(2, drawing(0.51)), first);
    EXPECT_EQ(StageResultMessage(3, drawing(0.99)), first);
    EXPECT_EQ(StageResultMessage(2, drawing(0.5)), second);
    EXPECT_EQ(StageResultMessage(5, drawing(0.0)), second);
    EXPECT_EQ(draws, 4) << "one number for each consolation";
}

TEST(Results, StageHeadingAndBonus)
{
    EXPECT_EQ(StageEndHeading(), (Message{u"ステージ終了", u"@クリア.wav"}));
    EXPECT_EQ(AllCorrectBonusMessage(), (Message{u"全問正解\r\nボーナス１００点", u""}));
}

TEST(Results, PercentageRoundedToOneDecimalWithoutTrailingZeros)
{
    EXPECT_EQ(PercentText(25, 21), u"84");
    EXPECT_EQ(PercentText(25, 25), u"100");
    EXPECT_EQ(PercentText(3, 2), u"66.7");
    EXPECT_EQ(PercentText(8, 1), u"12.5");
    EXPECT_EQ(PercentText(3, 1), u"33.3");
    EXPECT_EQ(PercentText(16, 1), u"6.3");  // 6.25: a half rounds up
    EXPECT_EQ(PercentText(7, 1), u"14.3");
    EXPECT_EQ(PercentText(25, 0), u"0");
    EXPECT_EQ(PercentText(0, 0), u"0");     // nothing asked: no division
}

TEST(Results, FinalResultsInOrder)
{
    const std::vector<Message> messages = FinalResultMessages(25, 21);
    const std::vector<Message> expected{
        {u"みごと全ステージクリアです", u"@End1.wav"},
        {u"あなたの成績発表", u""},
        {u"25問中 21問を正解しました", u""},
        {u"正解率は84パーセントです", u""},
        {u"おつかれさまでした", u"@End2.wav"},
    };
    EXPECT_EQ(messages, expected);
    EXPECT_EQ(ResultCountText(25, 25), u"25問中 25問を正解しました");
    EXPECT_EQ(ResultRateText(25, 25), u"正解率は100パーセントです");
    EXPECT_EQ(ResultRateText(3, 2), u"正解率は66.7パーセントです");
}

} // namespace
} // namespace rules
