// Reading quiz files: the text fields' decoding (Shift-JIS stored XOR 0x80,
// filled with 0x20), and a reader that takes broken, short or unreadable
// files without crashing or losing a whole question. Files on disk are read
// in the question store's tests.
#include "game/quiz/reader.h"

#include <gtest/gtest.h>

#include <numeric>
#include <sstream>
#include <stdexcept>

#include "game/quiz/tests/quiz_file_builder.h"

namespace {

using quiz::ReadError;
using quiz::testing::QuizFileBytes;
using quiz::testing::StoredField;

const std::string kA = "\x83\x41", kI = "\x83\x43", kHa = "\x82\xA0"; // ア イ あ (its trail byte stored 0x20)

std::string Times(const std::string& s, int n)
{
    return n > 0 ? s + Times(s, n - 1) : "";
}

// A fill byte (0x20, or 0x80) at a character boundary is a space; trailing
// half-width spaces go; a trail byte is kept whatever its value; a lead byte
// in the field's last byte has no trail byte and is dropped.
TEST(QuizDecode, TextFields)
{
    const std::pair<std::string, std::string> cases[] = {
        {StoredField(kA + kI + "Q b\xB1" "1", 116), kA + kI + "Q b\xB1" "1"},
        {StoredField(kA, 2) + "\x80" + StoredField(kI, 2) + "\x80\x80\x20\x80", kA + " " + kI},
        {std::string(28, '\x80'), ""},
        {StoredField(kHa + kHa + kA, 28), kHa + kHa + kA},
        {StoredField("x" + Times(kI, 13) + kA, 28), "x" + Times(kI, 13)},
        {std::string("\x02\xA0\x20\x20", 4), "\x82\x20"},
        {StoredField(kA + "  \x81\x40", 10), kA + "  \x81\x40"}, // a full-width space stays
    };
    for (const auto& [stored, text] : cases) {
        std::vector<unsigned char> bytes(stored.begin(), stored.end());
        EXPECT_EQ(quiz::DecodeField(bytes), text) << testing::PrintToString(stored);
    }
}

TEST(QuizDecode, RecordsDecodeInPlaceFieldByField)
{
    // The question ends in a lead byte: it must not borrow the answer's first byte.
    const std::string stored = quiz::testing::QuestionRecordBytes("y" + Times(kA, 57) + "\x83", {kI, "x", "", kA + kI, kHa});
    quiz::Record rec{};
    std::copy(stored.begin(), stored.end(), rec.begin());
    const quiz::DecodedQuestion d = quiz::QDecode(rec);
    EXPECT_EQ(d.text, "y" + Times(kA, 57));
    EXPECT_EQ(d.answers, (std::array<std::string, 5>{kI, "x", "", kA + kI, kHa}));
    EXPECT_EQ(rec[quiz::AnswerOffset(0)], 0x83); // plain bytes now, a fill byte as 0x00
    EXPECT_EQ(rec[255], 0x00);

    // A genre name ends at a zero byte; the reserved bytes are not read.
    rec = {};
    for (std::size_t i : {0, 1, 16, 17, 20})
        rec[i] = 'x';
    rec[quiz::kGenreCountOffset] = 2;
    EXPECT_EQ(quiz::ParseGenreRecord(rec).name, "xx");
    EXPECT_EQ(quiz::ParseGenreRecord(rec).count, 2);
}

quiz::ReadResult ReadBytes(const std::string& bytes)
{
    std::istringstream in(bytes);
    return quiz::ReadQuiz(in);
}

// Questions go to the genres in order; a negative count counts as zero; a
// file shorter than its counts promise holds only its whole records.
TEST(QuizReader, QuestionsGoToTheGenresTheirCountsGive)
{
    const struct {
        std::vector<std::int16_t> counts;
        int records;
        std::size_t cut; // bytes cut off the end
        std::array<int, 8> held;
    } cases[] = {
        {{3, 0, 2}, 6, 0, {3, 0, 2}},
        {{-1, 2, -32768, 1}, 3, 0, {0, 2, 0, 1}},
        {{3, 4}, 5, 128, {3, 1}},
        {{2, -3, 5}, 4, 1, {2, 0, 1}},
        {{300}, 2, 0, {2}},
        {{32767, 32767, 32767, 32767, 32767, 32767, 32767, 32767}, 0, 0, {}},
        {{}, 2, 0, {}},
    };
    for (const auto& c : cases) {
        const std::string bytes = QuizFileBytes(c.counts, c.records);
        const quiz::ReadResult r = ReadBytes(bytes.substr(0, bytes.size() - c.cut));
        ASSERT_EQ(r.error, ReadError::None);
        EXPECT_EQ(r.quiz.counts, c.held) << testing::PrintToString(c.counts);
        EXPECT_EQ(r.quiz.genres[0].count, c.counts.empty() ? 0 : c.counts[0]);
        const int total = std::accumulate(c.held.begin(), c.held.end(), 0);
        ASSERT_EQ(r.quiz.questions.size(), static_cast<std::size_t>(total));
        for (int k = 0; k < total; ++k) {
            EXPECT_EQ(r.quiz.questions[k].text, "q" + std::to_string(k));
            EXPECT_EQ(r.quiz.questions[k].answers[4], "a" + std::to_string(k) + "-4");
        }
        EXPECT_EQ(r.quiz.genres[7].name, "g8" + std::string(14, ' '));
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
    for (std::size_t size : {std::size_t{0}, std::size_t{300}, 8 * quiz::kRecordSize - 1})
        EXPECT_EQ(ReadBytes(bytes.substr(0, size)).error, ReadError::NotQuizFile) << size;
    for (std::size_t good : {std::size_t{100}, 8 * quiz::kRecordSize + 300}) {
        FailingBuf buf(bytes.substr(0, good));
        std::istream in(&buf);
        const quiz::ReadResult r = quiz::ReadQuiz(in);
        EXPECT_EQ(r.error, ReadError::CannotRead) << good;
        EXPECT_TRUE(r.quiz.questions.empty());
    }
}

} // namespace
