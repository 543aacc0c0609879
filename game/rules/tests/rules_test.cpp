// The rules of the game, played without windows: one question's clock, whole
// games with the answers each stage needs and the score of both modes, the
// messages that end a stage and a game, and the best-five tables.
#include <string>
#include <tuple>
#include <vector>

#include "game/rules/progress.h"
#include "game/rules/quiz_info.h"
#include "game/rules/rankings.h"

#include <gtest/gtest.h>

namespace rules {
namespace {

TEST(Play, ClockCountsDownWithThreeCuesThenEndsTheQuestion)
{
    int elapsed = 0;
    for (int tick = 1; tick <= kTimeLimit; ++tick) {
        const ClockTick t = TickClock(true, true, elapsed);
        const int level = tick <= 4 ? 1 : tick <= 7 ? 2 : 3;
        EXPECT_TRUE(elapsed == tick && t.keepRunning == (tick < kTimeLimit) && t.timeUp == (tick == kTimeLimit)) << tick;
        EXPECT_EQ(t.cue, tick < kTimeLimit ? std::optional<Cue>(Cue{10, level, 0}) : std::nullopt) << tick;
    }
    // Answered, the clock stops without a cue unless the limit comes; with no game nothing counts.
    elapsed = 3;
    const ClockTick answered = TickClock(true, false, elapsed);
    EXPECT_TRUE(elapsed == 4 && !answered.keepRunning && !answered.timeUp && !answered.cue);
    elapsed = 9;
    EXPECT_TRUE(TickClock(true, false, elapsed).timeUp);
    const ClockTick idle = TickClock(false, true, elapsed);
    EXPECT_TRUE(elapsed == 10 && !idle.keepRunning && !idle.timeUp);
}

using enum GameProgress::StageEnd;
using Outcome = std::tuple<GameProgress::StageEnd, int, int, int, int>; // end, stage, asked, right, score

// Plays stages as the game loop does, each digit the stored answer chosen (0
// is right), checking every answer on the way.
Outcome Play(GameProgress& game, const std::vector<std::string>& stages, int elapsed)
{
    GameProgress::StageEnd end = NextStage;
    for (const std::string& answers : stages) {
        const int stage = game.Stage(), need = StageNeed(stage);
        int right = 0;
        for (std::size_t i = 0; i < answers.size(); ++i) {
            game.AskQuestion();
            const GameProgress::Answer a = game.Judge(answers[i] - '0', elapsed);
            right += answers[i] == '0';
            EXPECT_EQ(a.points, answers[i] == '0' ? PointsFor(game.GetMode(), elapsed) : 0);
            EXPECT_EQ(a.stageCleared, answers[i] == '0' && right == need) << stage << answers;
            EXPECT_EQ(game.Need(), std::max(need - right, 0));
            EXPECT_EQ(game.NextQuestion(), i < 4);
        }
        EXPECT_EQ(game.AllCorrectBonus().has_value(), right == 5) << stage << answers;
        EXPECT_EQ(game.AllCorrectBonus(), std::nullopt); // once a stage
        if ((end = game.EndStage()) != NextStage)
            break;
    }
    return {end, game.Stage(), game.TotalAsked(), game.TotalCorrect(), game.Score()};
}

TEST(GameProgress, WholeGames)
{
    const std::vector<std::string> allRight(5, "00000");
    const struct {
        Mode mode;
        int elapsed;
        std::vector<std::string> stages;
        Outcome outcome;
    } games[] = {
        {Mode::Relaxed, 7, {"12034"}, {Failed, 1, 5, 1, 20}},
        {Mode::Relaxed, 0, {"00020", "00001", "10000", "00030", "00400"}, {Failed, 5, 25, 20, 400}},
        {Mode::Relaxed, 0, allRight, {AllCleared, 5, 25, 25, 25 * 20 + 5 * 100}},
        {Mode::QuickPress, 0, {"00000", "01001"}, {NextStage, 3, 10, 8, 8 * 60 + 100}},
        {Mode::QuickPress, 3, {"00000", "00000", "00000", "00000", "00001"}, {Failed, 5, 25, 24, 24 * 45 + 400}},
        {Mode::QuickPress, kTimeLimit, allRight, {AllCleared, 5, 25, 25, 25 * 10 + 5 * 100}},
    };
    for (const auto& g : games) {
        GameProgress game(g.mode);
        EXPECT_EQ(Play(game, g.stages, g.elapsed), g.outcome) << g.stages[0];
    }
    GameProgress game(Mode::Relaxed);
    EXPECT_EQ(game.StageIntro(), (Message{u"ステージ1\r\n5問中\r\n2問正解でクリアです", u"@ステージ.wav"}));
    EXPECT_EQ(StageIntroText(4) + StageIntroText(5), u"セミファイナル\r\n5問中\r\n4問正解でクリアです"
                                                     u"ファイナルステージ\r\n5問中\r\n全問正解でクリアです");
}

TEST(Results, StageAndFinalResults)
{
    // One random number is drawn only to pick between two consolations.
    int draws = 0;
    auto drawing = [&draws](double r) { return [&draws, r] { return ++draws, r; }; };
    EXPECT_EQ(StageResultMessage(0, drawing(0.9)), (Message{u"おめでとう\rステージ クリアです", u"@合格.wav"}));
    EXPECT_EQ(StageResultMessage(1, drawing(0.9)).text, u"おしい　あと１問で\rクリアでした");
    EXPECT_EQ(draws, 0);
    EXPECT_EQ(StageResultMessage(2, drawing(0.51)), (Message{u"残念\r次回はがんばってね", u"@残念.wav"}));
    EXPECT_EQ(StageResultMessage(5, drawing(0.5)), (Message{u"残念でした\rまた挑戦してね", u"@残念.wav"}));
    EXPECT_EQ(draws, 2);

    const std::vector<Message> results = FinalResultMessages(25, 21);
    EXPECT_EQ(results.at(2).text + results.at(3).text, u"25問中 21問を正解しました正解率は84パーセントです");
    // One decimal, halves up, no trailing zeros; nothing asked divides nothing.
    for (const auto& [asked, right, text] : {std::tuple{25, 25, u"100"}, {3, 2, u"66.7"}, {8, 1, u"12.5"}, {16, 1, u"6.3"}, {0, 0, u"0"}})
        EXPECT_EQ(PercentText(asked, right), text) << asked << "/" << right;
}

// The best-five tables: where a score enters (a tie above the stored one),
// what a damaged stored score reads as, the 12-byte names, and the sheets of
// the tools menu (rankings and quiz information).
TEST(Rankings, EntersAtTheFirstPlaceItReachesAndAsksForANameOnlyThen)
{
    int asked = 0;
    auto ask = [&] { return ++asked, std::u16string(u"はなこ"); };
    // Against 500 400 300 200 100; the places below move down, the fifth drops out.
    for (const auto& [score, place] : {std::pair{1000, 1}, {500, 1}, {499, 2}, {100, 5}, {99, 0}, {-20, 0}}) {
        const RankTable before = DefaultTable(Mode::Relaxed);
        RankTable table = before;
        const auto entry = EnterRanking(table, Mode::Relaxed, score, ask);
        EXPECT_EQ(entry ? entry->place : 0, place) << score;
        for (int k = 0; k < 5; ++k)
            EXPECT_EQ(table[k], (k + 1 < place || !place ? before[k] : k + 1 > place ? before[k - 1] : RankEntry{u"はなこ", score}));
    }
    EXPECT_EQ(asked, 4);
    RankTable zeros{};
    EXPECT_EQ(EnterRanking(zeros, Mode::QuickPress, 1500, ask)->message, u"はや押し挑戦\r\n第1位 はなこ 1500点");
    EXPECT_EQ(EnterRanking(zeros, Mode::Relaxed, 40, ask)->message, u"じっくり挑戦\r\n第2位 はなこ   40点");
}

TEST(Rankings, StoredScoresAndNames)
{
    // A score that is not a 32-bit number reads as 0.
    for (const auto& [text, score] : {std::pair<const char16_t*, int>{u" 42 ", 42}, {u"-5", -5}, {u"+7", 7},
             {u"-2147483648", -2147483647 - 1}, {u"2147483648", 0}, {u"99999999999999999999", 0}, {u"12a", 0},
             {u"1 2", 0}, {u"-", 0}, {u"", 0}, {u"５００", 0}})
        EXPECT_EQ(ParseScore(text), score) << testing::PrintToString(std::u16string(text));
    // A name is 12 bytes of code page 932, padded with spaces, never a half character.
    const std::string kanji = "\x8A\xBF"; // 漢
    for (const auto& [name, fixed] : {std::pair<std::string, std::string>{"ab", "ab          "}, {"", "          "},
             {"ABCDEFGHIJKLMN", "ABCDEFGHIJKL"}, {"ABCDEFGHIJK" + kanji, "ABCDEFGHIJK"},
             {"A" + kanji + kanji + kanji + kanji + kanji + kanji, "A" + kanji + kanji + kanji + kanji + kanji}})
        EXPECT_EQ(FixedWidthName(name), fixed) << name;
}

TEST(Rankings, SheetsOfTheToolsMenu)
{
    RankTable relaxed = DefaultTable(Mode::Relaxed);
    relaxed[0] = {u"たろう      ", 1000};
    const std::u16string text = RankingText(relaxed, DefaultTable(Mode::QuickPress));
    EXPECT_TRUE(text.starts_with(u"ランキング\r\nじっくり挑戦・ベストファイブ\r\n  第1位 たろう       1000点\r\n  第2位 ケイ  400点\r\n"));
    EXPECT_TRUE(text.ends_with(u"  第5位 ポチ  100点\r\nはや押し挑戦・ベストファイブ\r\n  第1位 ブルー  500点\r\n  第2位 電光石火  400点\r\n"
                               u"  第3位 乙女  300点\r\n  第4位 ミンク  200点\r\n  第5位 ガリ勉くん  100点\r\nEscapeキーでランキングを終了します\r\n"));
    // Every genre gets a line, its name cut to eight characters.
    const std::vector<GenreSummary> genres{{u"歴史", 12}, {u"一二三四五六七八九十", 3}, {u"", 0}};
    EXPECT_EQ(QuizInfoText(u"sample.zlq", genres, 15),
              u"【ファイル名】sample.zlq\r\n【ジャンル】\r\n　歴史　12問\r\n　一二三四五六七八　3問\r\n　　0問\r\n合計15問のクイズです");
}

} // namespace
} // namespace rules
