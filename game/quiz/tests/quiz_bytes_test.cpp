// The quiz as bytes: reading quiz files (files on disk are read in the
// open command's tests), and picking questions and their answers' order.
#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <set>
#include <sstream>
#include <stdexcept>

#include "game/quiz/picker.h"
#include "game/quiz/reader.h"
#include "game/quiz/tests/quiz_file_builder.h"

namespace {

using quiz::testing::QuizFileBytes;
using quiz::testing::StoredField;

const std::string kA = "\x83\x41", kI = "\x83\x43", kHa = "\x82\xA0"; // ア イ あ (its trail byte stored 0x20)

// Text fields are Shift-JIS stored XOR 0x80 and filled with 0x20.
// A fill byte (0x20, or 0x80) at a character boundary is a space; trailing
// half-width spaces go; a trail byte is kept whatever its value; a lead byte
// in the field's last byte has no trail byte and is dropped.
TEST(QuizDecode, TextFields)
{
    const std::string kI13 = kI + kI + kI + kI + kI + kI + kI + kI + kI + kI + kI + kI + kI;
    for (const auto& [stored, text] : {std::pair{StoredField(kA + kI + "Q b\xB1" "1", 116), kA + kI + "Q b\xB1" "1"},
             {StoredField(kA, 2) + "\x80" + StoredField(kI, 2) + "\x80\x80\x20\x80", kA + " " + kI},
             {std::string(28, '\x80'), ""}, {StoredField(kHa + kHa + kA, 28), kHa + kHa + kA},
             {StoredField("x" + kI13 + kA, 28), "x" + kI13},
             {std::string("\x02\xA0\x20\x20", 4), "\x82\x20"}, {StoredField(kA + "  \x81\x40", 10), kA + "  \x81\x40"}}) {
        std::vector<unsigned char> bytes(stored.begin(), stored.end());
        EXPECT_EQ(quiz::DecodeField(bytes), text) << testing::PrintToString(stored);
    }
}

// The reader takes broken, short or unreadable files without crashing or
// losing a whole question: questions go to the genres in order, a negative
// count counts as zero, a file shorter than its counts promise holds only
// its whole records.
TEST(QuizReader, QuestionsGoToTheGenresTheirCountsGive)
{
    const struct {
        std::vector<std::int16_t> counts;
        int records;
        std::size_t cut; // bytes cut off the end
        std::array<int, 8> held;
    } cases[] = {
        {{3, 0, 2}, 6, 0, {3, 0, 2}}, {{-1, 2, -32768, 1}, 3, 0, {0, 2, 0, 1}}, {{3, 4}, 5, 128, {3, 1}},
        {{2, -3, 5}, 4, 1, {2, 0, 1}}, {{300}, 2, 0, {2}}, {{}, 2, 0, {}},
        {{32767, 32767, 32767, 32767, 32767, 32767, 32767, 32767}, 0, 0, {}},
    };
    for (const auto& c : cases) {
        const std::string bytes = QuizFileBytes(c.counts, c.records);
        std::istringstream in(bytes.substr(0, bytes.size() - c.cut));
        const quiz::ReadResult r = quiz::ReadQuiz(in);
        ASSERT_EQ(r.error, quiz::ReadError::None);
        EXPECT_EQ(r.quiz.counts, c.held) << testing::PrintToString(c.counts);
        EXPECT_EQ(r.quiz.genres[0].count, c.counts.empty() ? 0 : c.counts[0]);
        EXPECT_EQ(r.quiz.genres[7].name, "g8" + std::string(14, ' '));
        const int total = std::accumulate(c.held.begin(), c.held.end(), 0);
        ASSERT_EQ(r.quiz.questions.size(), static_cast<std::size_t>(total));
        for (int k = 0; k < total; ++k)
            EXPECT_EQ(r.quiz.questions[k].text + r.quiz.questions[k].answers[4], "q" + std::to_string(k) + "a" + std::to_string(k) + "-4");
    }
}

// A stream that fails after its bytes, as a disk read error would.
struct FailingBuf : std::streambuf {
    explicit FailingBuf(std::string b) : bytes(std::move(b)) { setg(bytes.data(), bytes.data(), bytes.data() + bytes.size()); }
    int_type underflow() override { throw std::runtime_error("read error"); }
    std::string bytes;
};

TEST(QuizReader, ShortOrFailingFilesAreReportedNotThrown)
{
    const std::string bytes = QuizFileBytes({3}, 3);
    for (std::size_t size : {0, 100, 300, 8 * 256 - 1, 8 * 256 + 300}) {
        std::istringstream whole(bytes.substr(0, size));
        FailingBuf buf(bytes.substr(0, size));
        std::istream failing(&buf);
        EXPECT_EQ(quiz::ReadQuiz(whole).error, size < 8 * 256 ? quiz::ReadError::NotQuizFile : quiz::ReadError::None) << size;
        EXPECT_EQ(quiz::ReadQuiz(failing).error, quiz::ReadError::CannotRead) << size;
    }
}

// Question picking and answer order: no question twice in a game until all
// were asked, each draw of the random source used as the game's sequence
// expects, and a source that misbehaves never hangs or overruns the game.

// Hands out the given values in turn, over and over, counting its draws.
struct Sequence {
    std::vector<double> values;
    int draws = 0;
    quiz::RandomSource Source()
    {
        return [this] { return values[static_cast<std::size_t>(draws++) % values.size()]; };
    }
};

TEST(QuestionPicker, AsksEveryQuestionOnceInAGame)
{
    // For 3 questions 0.5 -> 1, 0.9 -> 2, 0.1 -> 0; draws of asked ones are skipped.
    Sequence seq{{0.5, 0.5, 0.9, 0.5, 0.1, 0.1, 0.5}};
    quiz::QuestionPicker picker(seq.Source());
    std::vector<int> picks{picker.Pick(0)};
    for (int i = 0; i < 5; ++i)
        picks.push_back(picker.Pick(3));
    EXPECT_EQ(picks, (std::vector<int>{-1, 1, 2, 0, 0, 1}));
    picker.ResetForNewGame();
    EXPECT_EQ(picker.UsedQ(), (std::vector<bool>{false, false, false}));

    // Seeded sources, a large quiz that grows the table, a source stuck on one value.
    Sequence stuck{{0.5}};
    for (const auto& [source, n] : {std::pair{quiz::MakeSeededRandom(7), 25}, {quiz::MakeSeededRandom(3), 6000}, {stuck.Source(), 4}}) {
        quiz::QuestionPicker p(source);
        for (int game = 0; game < 2; ++game, p.ResetForNewGame()) {
            std::set<int> asked;
            for (int i = 0; i < std::min(n, 100); ++i) {
                const int q = p.Pick(n);
                ASSERT_TRUE(q >= 0 && q < n && asked.insert(q).second) << "question " << q << " of " << n;
            }
        }
        EXPECT_EQ(p.UsedQ().size(), static_cast<std::size_t>(n));
    }
    Sequence bad{{0.9999999, 1.0, -0.5, std::nan(""), INFINITY}};
    for (int expected : {4, 0, 0, 0, 0})
        EXPECT_EQ(quiz::RandomBelow(bad.Source(), 5), expected);
}

TEST(AnsRandom, SecondsPlusElevenSwapsOfTwoDifferentEntries)
{
    // Draws alternating 0.0 and 0.5 swap entries 0 and 2, two draws a swap.
    for (int seconds : {0, 59}) {
        Sequence seq{{0.0, 0.5}};
        EXPECT_EQ(quiz::AnsRandom(seconds, seq.Source()), seconds % 2 ? (std::array<int, 5>{0, 1, 2, 3, 4}) : (std::array<int, 5>{2, 1, 0, 3, 4}));
        EXPECT_EQ(seq.draws, 2 * (seconds + 11));
    }
    // The second entry is drawn again while it equals the first.
    Sequence repeat{{0.0, 0.0, 0.0, 0.2}};
    EXPECT_EQ(quiz::AnsRandom(0, repeat.Source()), (std::array<int, 5>{1, 0, 2, 3, 4}));
    EXPECT_EQ(repeat.draws, 4 * 11);
}

} // namespace
