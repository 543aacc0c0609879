// A game played through without windows: answers still needed, stage ends,
// the score of both modes with the all-correct bonus, and the messages that
// end a stage and the game.
#include "game/rules/progress.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace rules {
namespace {

struct Outcome {
    GameProgress::StageEnd end;
    int stage, asked, correct, score;
    friend bool operator==(const Outcome&, const Outcome&) = default;
};
void PrintTo(const Outcome& o, std::ostream* os)
{
    *os << "end " << static_cast<int>(o.end) << " stage " << o.stage << " asked " << o.asked << " correct "
        << o.correct << " score " << o.score;
}

// Plays stages as the game loop does: each digit is the stored answer chosen
// (0 is right), judged after `elapsed` seconds. Checks the needed count and
// the stage-clear flag at every answer, and the bonus at every stage end.
Outcome Play(GameProgress& game, const std::vector<std::string>& stages, int elapsed)
{
    for (const std::string& answers : stages) {
        const int stage = game.Stage();
        EXPECT_EQ(game.Question(), 1);
        int right = 0;
        for (std::size_t i = 0; i < answers.size(); ++i) {
            game.AskQuestion();
            const GameProgress::Answer a = game.Judge(answers[i] - '0', elapsed);
            right += a.right;
            EXPECT_EQ(a.right, answers[i] == '0');
            EXPECT_EQ(a.points, a.right ? PointsFor(game.GetMode(), elapsed) : 0);
            EXPECT_EQ(a.stageCleared, a.right && right == StageNeed(stage)) << stage << answers;
            EXPECT_EQ(game.Need(), std::max(StageNeed(stage) - right, 0));
            EXPECT_EQ(game.NextQuestion(), i + 1 < 5);
        }
        EXPECT_EQ(game.StageCorrect(), right);
        EXPECT_EQ(game.AllCorrectBonus().has_value(), right == 5);
        EXPECT_EQ(game.AllCorrectBonus(), std::nullopt); // once a stage
        const GameProgress::StageEnd end = game.EndStage();
        if (end != GameProgress::StageEnd::NextStage)
            return {end, game.Stage(), game.TotalAsked(), game.TotalCorrect(), game.Score()};
        EXPECT_EQ(game.Stage(), stage + 1);
    }
    return {GameProgress::StageEnd::NextStage, game.Stage(), game.TotalAsked(), game.TotalCorrect(), game.Score()};
}

TEST(GameProgress, WholeGames)
{
    using E = GameProgress::StageEnd;
    const std::vector<std::string> allRight(5, "00000");
    const struct {
        Mode mode;
        int elapsed;
        std::vector<std::string> stages;
        Outcome outcome;
    } games[] = {
        {Mode::Relaxed, 7, {"12034"}, {E::Failed, 1, 5, 1, 20}},
        {Mode::Relaxed, 0, {"00020", "00001", "10000", "00030", "00400"}, {E::Failed, 5, 25, 20, 400}},
        {Mode::Relaxed, 0, allRight, {E::AllCleared, 5, 25, 25, 25 * 20 + 5 * 100}},
        {Mode::QuickPress, 0, {"00000", "01001"}, {E::NextStage, 3, 10, 8, 8 * 60 + 100}},
        {Mode::QuickPress, 3, {"00000", "00000", "00000", "00000", "00001"}, {E::Failed, 5, 25, 24, 24 * 45 + 400}},
        {Mode::QuickPress, kTimeLimit, allRight, {E::AllCleared, 5, 25, 25, 25 * 10 + 5 * 100}},
    };
    for (const auto& g : games) {
        GameProgress game(g.mode);
        EXPECT_EQ(Play(game, g.stages, g.elapsed), g.outcome);
    }
}

TEST(GameProgress, StageIntroductions)
{
    GameProgress game(Mode::Relaxed);
    EXPECT_EQ(game.StageIntro(), (Message{u"ステージ1\r\n5問中\r\n2問正解でクリアです", u"@ステージ.wav"}));
    Play(game, {"00000", "00000", "00000"}, 0);
    EXPECT_EQ(game.StageIntro().text, u"セミファイナル\r\n5問中\r\n4問正解でクリアです");
    Play(game, {"00000"}, 0);
    EXPECT_EQ(game.StageIntro().text, u"ファイナルステージ\r\n5問中\r\n全問正解でクリアです");
    EXPECT_EQ(StageIntroText(2), u"ステージ2\r\n5問中\r\n3問正解でクリアです");
    EXPECT_EQ(PointsFor(Mode::QuickPress, 1), 55);
}

TEST(Results, StageResultDrawsOnlyToPickAConsolation)
{
    int draws = 0;
    auto drawing = [&draws](double r) {
        return [&draws, r] { return ++draws, r; };
    };
    EXPECT_EQ(StageResultMessage(0, drawing(0.9)), (Message{u"おめでとう\rステージ クリアです", u"@合格.wav"}));
    EXPECT_EQ(StageResultMessage(1, drawing(0.9)), (Message{u"おしい　あと１問で\rクリアでした", u"@残念.wav"}));
    EXPECT_EQ(draws, 0);
    const Message first{u"残念\r次回はがんばってね", u"@残念.wav"};
    const Message second{u"残念でした\rまた挑戦してね", u"@残念.wav"};
    EXPECT_EQ(StageResultMessage(2, drawing(0.51)), first);
    EXPECT_EQ(StageResultMessage(5, drawing(0.5)), second);
    EXPECT_EQ(draws, 2);
}

TEST(Results, FinalResultsWithThePercentageRounded)
{
    const std::vector<Message> messages = FinalResultMessages(25, 21);
    ASSERT_EQ(messages.size(), 5u);
    EXPECT_EQ(messages[0], (Message{u"みごと全ステージクリアです", u"@End1.wav"}));
    EXPECT_EQ(messages[2].text, u"25問中 21問を正解しました");
    EXPECT_EQ(messages[3].text, u"正解率は84パーセントです");
    EXPECT_EQ(messages[4], (Message{u"おつかれさまでした", u"@End2.wav"}));
    // One decimal, halves up, no trailing zeros; nothing asked divides nothing.
    const std::pair<std::pair<int, int>, std::u16string> percents[] = {
        {{25, 25}, u"100"}, {{3, 2}, u"66.7"}, {{8, 1}, u"12.5"}, {{16, 1}, u"6.3"}, {{25, 0}, u"0"}, {{0, 0}, u"0"}};
    for (const auto& [counts, text] : percents)
        EXPECT_EQ(PercentText(counts.first, counts.second), text) << counts.first << " " << counts.second;
}

} // namespace
} // namespace rules
