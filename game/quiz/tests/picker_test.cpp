// Question picking and answer order: no question twice in a game until all
// were asked, each draw of the random source used as the game's sequence
// expects, and a source that misbehaves never hangs or overruns the game.
#include "game/quiz/picker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

namespace {

// Hands out the given values in turn, over and over, counting its draws.
struct Sequence {
    std::vector<double> values;
    int draws = 0;
    quiz::RandomSource Source()
    {
        return [this] { return values[static_cast<std::size_t>(draws++) % values.size()]; };
    }
};

TEST(QuestionPicker, AsksEveryQuestionOnceThenStartsOver)
{
    // For 3 questions 0.5 -> 1, 0.9 -> 2, 0.1 -> 0; draws of asked ones are skipped.
    Sequence seq{{0.5, 0.5, 0.9, 0.5, 0.1, 0.1, 0.5}};
    quiz::QuestionPicker picker(seq.Source());
    std::vector<int> picks;
    for (int i = 0; i < 5; ++i)
        picks.push_back(picker.Pick(3));
    EXPECT_EQ(picks, (std::vector<int>{1, 2, 0, 0, 1}));
    picker.ResetForNewGame();
    EXPECT_EQ(picker.UsedQ(), (std::vector<bool>{false, false, false}));
    EXPECT_EQ(picker.Pick(0), -1);
}

TEST(QuestionPicker, NoRepeatsWithinAGameWhateverTheSource)
{
    // Seeded sources, a large quiz that grows the table, a source stuck on one value.
    Sequence stuck{{0.5}};
    const std::pair<quiz::RandomSource, int> cases[] = {
        {quiz::MakeSeededRandom(1), 25}, {quiz::MakeSeededRandom(7), 25}, {quiz::MakeSeededRandom(3), 6000}, {stuck.Source(), 4}};
    for (const auto& [source, n] : cases) {
        quiz::QuestionPicker picker(source);
        for (int game = 0; game < 2; ++game, picker.ResetForNewGame()) {
            std::set<int> asked;
            for (int i = 0; i < std::min(n, 100); ++i) {
                const int q = picker.Pick(n);
                ASSERT_TRUE(q >= 0 && q < n) << q;
                EXPECT_TRUE(asked.insert(q).second) << "question " << q << " of " << n << " came twice";
            }
        }
        EXPECT_EQ(picker.UsedQ().size(), static_cast<std::size_t>(n));
    }
    Sequence bad{{0.9999999, 1.0, -0.5, std::nan(""), INFINITY}};
    for (int expected : {4, 0, 0, 0, 0})
        EXPECT_EQ(quiz::RandomBelow(bad.Source(), 5), expected);
}

TEST(AnsRandom, AlwaysAPermutationWithTheCorrectAnswerAnywhere)
{
    std::set<int> correctAt;
    auto random = quiz::MakeSeededRandom(42);
    for (int round = 0; round < 200; ++round) {
        std::array<int, 5> order = quiz::AnsRandom(round % 60, random);
        correctAt.insert(static_cast<int>(std::find(order.begin(), order.end(), 0) - order.begin()));
        std::sort(order.begin(), order.end());
        ASSERT_EQ(order, (std::array<int, 5>{0, 1, 2, 3, 4})) << round;
    }
    EXPECT_EQ(correctAt, (std::set<int>{0, 1, 2, 3, 4}));
}

TEST(AnsRandom, MakesSecondsPlusElevenSwapsRedrawingEqualPairs)
{
    // Draws alternating 0.0 and 0.5 swap entries 0 and 2, two draws a swap.
    for (int seconds : {0, 59}) {
        Sequence seq{{0.0, 0.5}};
        const std::array<int, 5> order = quiz::AnsRandom(seconds, seq.Source());
        EXPECT_EQ(seq.draws, 2 * (seconds + 11));
        EXPECT_EQ(order, seconds % 2 == 0 ? (std::array<int, 5>{2, 1, 0, 3, 4}) : (std::array<int, 5>{0, 1, 2, 3, 4}));
    }
    // The second entry is drawn again while it equals the first.
    Sequence repeat{{0.0, 0.0, 0.0, 0.2}};
    EXPECT_EQ(quiz::AnsRandom(0, repeat.Source()), (std::array<int, 5>{1, 0, 2, 3, 4}));
    EXPECT_EQ(repeat.draws, 4 * 11);
}

} // namespace
