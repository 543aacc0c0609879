#include "game/rules/progress.h"

#include <vector>

#include <gtest/gtest.h>

namespace rules {
namespace {

// Plays one stage the way the game loop does: each question is asked, then
// judged with the given stored answer (0 is right) after `elapsed` seconds.
std::vector<GameProgress::Answer> PlayStage(GameProgress& game, const std::vector<int>& answers, int elapsed = 0)
{
    std::vector<GameProgress::Answer> results;
    for (std::size_t i = 0; i < answers.size(); ++i) {
        game.AskQuestion();
        results.push_back(game.Judge(answers[i], elapsed));
        const bool more = game.NextQuestion();
        EXPECT_EQ(more, i + 1 < static_cast<std::size_t>(kQuestionsPerStage)) << "after question " << i + 1;
    }
    return results;
}

TEST(GameProgress, NewGameStartsAtStageOne)
{
    GameProgress game(Mode::Relaxed);
    EXPECT_EQ(game.Stage(), 1);
    EXPECT_EQ(game.Question(), 1);
    EXPECT_EQ(game.Need(), 2);
    EXPECT_EQ(game.TotalAsked(), 0);
    EXPECT_EQ(game.Score(), 0);
    EXPECT_EQ(game.StageIntro(), (Message{u"ステージ1\r\n5問中\r\n2問正解でクリアです", u"@ステージ.wav"}));
}

TEST(GameProgress, StageClearedEarlyStillAsksEveryQuestion)
{
    GameProgress game(Mode::Relaxed);
    auto answers = PlayStage(game, {0, 0, 0, 2, 0});
    EXPECT_FALSE(answers[0].stageCleared);
    EXPECT_TRUE(answers[1].stageCleared);
    EXPECT_FALSE(answers[2].stageCleared); // Need stays at 0 after the clear
    EXPECT_FALSE(answers[3].right);
    EXPECT_EQ(answers[3].points, 0);
    EXPECT_EQ(game.Need(), 0);
    EXPECT_EQ(game.Question(), 5);
    EXPECT_EQ(game.StageCorrect(), 4);
    EXPECT_EQ(game.TotalAsked(), 5);
    EXPECT_EQ(game.TotalCorrect(), 4);
    EXPECT_EQ(game.Score(), 80);
    EXPECT_EQ(game.AllCorrectBonus(), std::nullopt);
    EXPECT_EQ(game.EndStage(), GameProgress::StageEnd::NextStage);
    EXPECT_EQ(game.Stage(), 2);
    EXPECT_EQ(game.Question(), 1);
    EXPECT_EQ(game.Need(), 3);
    EXPECT_EQ(game.StageCorrect(), 0);
}

TEST(GameProgress, StageOneFailedEndsTheGame)
{
    GameProgress game(Mode::Relaxed);
    PlayStage(game, {1, 2, 0, 3, 4});
    EXPECT_EQ(game.Need(), 1); // QPass of the stage-end message
    EXPECT_EQ(game.EndStage(), GameProgress::StageEnd::Failed);
    EXPECT_EQ(game.Stage(), 1);
    EXPECT_EQ(game.Score(), 20);
}

TEST(GameProgress, AllRightToTheEndWithEveryBonus)
{
    GameProgress game(Mode::Relaxed);
    for (int stage = 1; stage <= kStages; ++stage) {
        ASSERT_EQ(game.Stage(), stage);
        PlayStage(game, {0, 0, 0, 0, 0});
        auto bonus = game.AllCorrectBonus();
        ASSERT_TRUE(bonus);
        EXPECT_EQ(bonus->text, u"全問正解\r\nボーナス１００点");
        EXPECT_EQ(game.AllCorrectBonus(), std::nullopt); // once per stage
        EXPECT_EQ(game.EndStage(),
                  stage < kStages ? GameProgress::StageEnd::NextStage : GameProgress::StageEnd::AllCleared);
    }
    EXPECT_EQ(game.TotalAsked(), 25);
    EXPECT_EQ(game.TotalCorrect(), 25);
    EXPECT_EQ(game.Score(), 25 * 20 + 5 * 100);
}

TEST(GameProgress, FinalStageFailedBySingleWrongAnswer)
{
    GameProgress game(Mode::Relaxed);
    for (int stage = 1; stage < kStages; ++stage) {
        PlayStage(game, {0, 0, 0, 0, 1});
        ASSERT_EQ(game.EndStage(), GameProgress::StageEnd::NextStage);
    }
    EXPECT_EQ(game.StageIntro().text, u"ファイナルステージ\r\n5問中\r\n全問正解でクリアです");
    PlayStage(game, {0, 0, 4, 0, 0});
    EXPECT_EQ(game.Need(), 1);
    EXPECT_EQ(game.AllCorrectBonus(), std::nullopt);
    EXPECT_EQ(game.EndStage(), GameProgress::StageEnd::Failed);
    EXPECT_EQ(game.TotalAsked(), 25);
    EXPECT_EQ(game.TotalCorrect(), 4 * 4 + 4);
    EXPECT_EQ(game.Score(), 20 * 20);
}

TEST(GameProgress, QuickPressScoresByTheClock)
{
    GameProgress game(Mode::QuickPress);
    game.AskQuestion();
    EXPECT_EQ(game.Judge(0, 0).points, 60);
    game.AskQuestion();
    EXPECT_EQ(game.Judge(0, 3).points, 45);
    game.AskQuestion();
    EXPECT_EQ(game.Judge(0, kTimeLimit).points, 10); // right answer selected at the limit
    game.AskQuestion();
    EXPECT_EQ(game.Judge(2, 1).points, 0);
    game.AskQuestion();
    EXPECT_EQ(game.Judge(0, 9).points, 15);
    EXPECT_EQ(game.Score(), 60 + 45 + 10 + 15);
    EXPECT_EQ(game.AllCorrectBonus(), std::nullopt);
}

TEST(GameProgress, QuickPressBonusGoesToTheQuickPressScore)
{
    GameProgress game(Mode::QuickPress);
    PlayStage(game, {0, 0, 0, 0, 0}, 2);
    ASSERT_TRUE(game.AllCorrectBonus());
    EXPECT_EQ(game.Score(), 5 * 50 + 100);
}

} // namespace
} // namespace rules
