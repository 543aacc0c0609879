#include "game/quiz/picker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>
#include <vector>

namespace {

// A source that hands out the given values in turn, over and over, and
// counts its draws.
struct Sequence {
    std::vector<double> values;
    std::size_t next = 0;
    int draws = 0;
    quiz::RandomSource Source()
    {
        return [this] {
            ++draws;
            double r = values[next];
            next = (next + 1) % values.size();
            return r;
        };
    }
};

TEST(QuestionPicker, AsksEveryQuestionOnceThenStartsOver)
{
    // Draw values for a 3-question quiz: 0.5 -> 1, 0.9 -> 2, 0.1 -> 0.
    Sequence seq{{0.5, 0.5, 0.9, 0.5, 0.1, 0.1, 0.5}};
    quiz::QuestionPicker picker(seq.Source());
    std::vector<int> picks;
    for (int i = 0; i < 5; ++i)
        picks.push_back(picker.Pick(3));

    // The first three are the three questions; draws of used ones are skipped.
    EXPECT_EQ(std::vector<int>(picks.begin(), picks.begin() + 3), (std::vector<int>{1, 2, 0}));
    // Then all three are available again, including the one asked last.
    EXPECT_EQ(picks[3], 0);
    EXPECT_EQ(picks[4], 1);
    EXPECT_EQ(picker.UsedQ(), (std::vector<bool>{true, true, false}));
}

TEST(QuestionPicker, NoRepeatsWithinAGameOfTheFullQuiz)
{
    for (std::uint32_t seed : {1u, 7u, 12345u}) {
        quiz::QuestionPicker picker(quiz::MakeSeededRandom(seed));
        for (int game = 0; game < 3; ++game) {
            picker.ResetForNewGame();
            std::set<int> asked;
            for (int i = 0; i < 25; ++i) {
                int q = picker.Pick(25);
                ASSERT_GE(q, 0);
                ASSERT_LT(q, 25);
                EXPECT_TRUE(asked.insert(q).second) << "question " << q << " came twice, seed " << seed;
            }
        }
    }
}

TEST(QuestionPicker, NewGameForgetsTheQuestionsAsked)
{
    Sequence seq{{0.0}};
    quiz::QuestionPicker picker(seq.Source());
    EXPECT_EQ(picker.Pick(4), 0);
    picker.ResetForNewGame();
    EXPECT_EQ(picker.Pick(4), 0);
}

TEST(QuestionPicker, LargeQuizzesAndEdgeCases)
{
    quiz::QuestionPicker picker(quiz::MakeSeededRandom(3));
    EXPECT_EQ(picker.Pick(0), -1);
    EXPECT_EQ(picker.Pick(-5), -1);

    // Beyond 4001 questions the table grows with the quiz.
    const int n = 6000;
    std::set<int> asked;
    for (int i = 0; i < 100; ++i)
        asked.insert(picker.Pick(n));
    EXPECT_EQ(asked.size(), 100u);
    EXPECT_EQ(picker.UsedQ().size(), static_cast<std::size_t>(n));

    // A source stuck on one value still yields each question once.
    Sequence stuck{{0.5}};
    quiz::QuestionPicker stubborn(stuck.Source());
    std::set<int> all;
    for (int i = 0; i < 4; ++i)
        all.insert(stubborn.Pick(4));
    EXPECT_EQ(all, (std::set<int>{0, 1, 2, 3}));
}

TEST(RandomBelow, StaysInRange)
{
    Sequence seq{{0.0, 0.2, 0.9999999, 1.0, -0.5, std::nan(""), std::numeric_limits<double>::infinity()}};
    auto source = seq.Source();
    EXPECT_EQ(quiz::RandomBelow(source, 5), 0);
    EXPECT_EQ(quiz::RandomBelow(source, 5), 1);
    EXPECT_EQ(quiz::RandomBelow(source, 5), 4);
    for (int i = 0; i < 4; ++i) {
        int v = quiz::RandomBelow(source, 5);
        EXPECT_TRUE(v >= 0 && v < 5) << v;
    }
}

TEST(AnsRandom, AlwaysAPermutationAndTheCorrectAnswerGoesAnywhere)
{
    std::set<int> correctAt;
    auto random = quiz::MakeSeededRandom(42);
    for (int round = 0; round < 200; ++round) {
        std::array<int, 5> order = quiz::AnsRandom(round % 60, random);
        std::array<int, 5> sorted = order;
        std::sort(sorted.begin(), sorted.end());
        ASSERT_EQ(sorted, (std::array<int, 5>{0, 1, 2, 3, 4})) << "round " << round;
        correctAt.insert(static_cast<int>(std::find(order.begin(), order.end(), 0) - order.begin()));
    }
    EXPECT_EQ(correctAt, (std::set<int>{0, 1, 2, 3, 4}));
}

TEST(AnsRandom, MakesSecondsPlusElevenSwaps)
{
    // Draws alternate 0.0 and 0.5 (entries 0 and 2), so no draw is repeated
    // for d: every swap takes two draws.
    for (int seconds : {0, 59}) {
        Sequence seq{{0.0, 0.5}};
        std::array<int, 5> order = quiz::AnsRandom(seconds, seq.Source());
        EXPECT_EQ(seq.draws, 2 * (seconds + 11));
        // An odd number of swaps of entries 0 and 2 leaves them exchanged.
        const bool odd = (seconds + 11) % 2 == 1;
        EXPECT_EQ(order, odd ? (std::array<int, 5>{2, 1, 0, 3, 4}) : (std::array<int, 5>{0, 1, 2, 3, 4}));
    }

    // d is drawn again while it equals c.
    Sequence repeat{{0.0, 0.0, 0.0, 0.2}};
    std::array<int, 5> order = quiz::AnsRandom(0, repeat.Source());
    EXPECT_EQ(repeat.draws, 4 * 11);
    EXPECT_EQ(order, (std::array<int, 5>{1, 0, 2, 3, 4}));
}

} // namespace
