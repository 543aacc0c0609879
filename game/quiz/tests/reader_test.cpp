#include "game/quiz/reader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "game/quiz/tests/quiz_file_builder.h"

namespace {

using quiz::ReadError;
using quiz::testing::QuizFileBytes;

quiz::ReadResult ReadBytes(const std::string& bytes)
{
    std::istringstream in(bytes);
    return quiz::ReadQuiz(in);
}

TEST(QuizReader, QuestionsBelongToTheGenresInOrder)
{
    // Counts 3, 0, 2: records 9-11 are genre 1, records 12-13 genre 3; the
    // record after them is not part of the quiz.
    quiz::ReadResult r = ReadBytes(QuizFileBytes({3, 0, 2}, 6));
    ASSERT_EQ(r.error, ReadError::None);
    EXPECT_EQ(r.quiz.counts, (std::array<int, 8>{3, 0, 2, 0, 0, 0, 0, 0}));
    ASSERT_EQ(r.quiz.questions.size(), 5u);
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(r.quiz.questions[k].text, "q" + std::to_string(k));
        EXPECT_EQ(r.quiz.questions[k].answers[0], "a" + std::to_string(k) + "-0");
        EXPECT_EQ(r.quiz.questions[k].answers[4], "a" + std::to_string(k) + "-4");
    }
    EXPECT_EQ(r.quiz.genres[0].name, "g1" + std::string(14, ' '));
    EXPECT_EQ(r.quiz.genres[7].name, "g8" + std::string(14, ' '));
}

TEST(QuizReader, NegativeCountsCountAsZero)
{
    quiz::ReadResult r = ReadBytes(QuizFileBytes({-1, 2, -32768, 1}, 3));
    ASSERT_EQ(r.error, ReadError::None);
    EXPECT_EQ(r.quiz.genres[0].count, -1);
    EXPECT_EQ(r.quiz.counts, (std::array<int, 8>{0, 2, 0, 1, 0, 0, 0, 0}));
    ASSERT_EQ(r.quiz.questions.size(), 3u);
    EXPECT_EQ(r.quiz.questions[0].text, "q0"); // record 9 belongs to genre 2
}

TEST(QuizReader, RecordsPastTheEndDoNotExist)
{
    // Counts promise 3 + 4 questions; the file holds 4 and half of a fifth.
    std::string bytes = QuizFileBytes({3, 4}, 5);
    bytes.resize(bytes.size() - 128);
    quiz::ReadResult r = ReadBytes(bytes);
    ASSERT_EQ(r.error, ReadError::None);
    EXPECT_EQ(r.quiz.counts, (std::array<int, 8>{3, 1, 0, 0, 0, 0, 0, 0}));
    ASSERT_EQ(r.quiz.questions.size(), 4u);
    EXPECT_EQ(r.quiz.questions[3].text, "q3");

    // Counts that promise the most a file can hold, over no questions at all.
    r = ReadBytes(QuizFileBytes({32767, 32767, 32767, 32767, 32767, 32767, 32767, 32767}, 0));
    ASSERT_EQ(r.error, ReadError::None);
    EXPECT_TRUE(r.quiz.questions.empty());
    EXPECT_EQ(r.quiz.counts, (std::array<int, 8>{}));
}

TEST(QuizReader, QuizWithoutQuestionsLoads)
{
    quiz::ReadResult r = ReadBytes(QuizFileBytes({}, 2));
    ASSERT_EQ(r.error, ReadError::None);
    EXPECT_TRUE(r.quiz.questions.empty());
    EXPECT_EQ(r.quiz.counts, (std::array<int, 8>{}));
}

TEST(QuizReader, FileShorterThanTheGenreRecordsIsNoQuiz)
{
    std::string bytes = QuizFileBytes({1}, 0);
    ASSERT_EQ(bytes.size(), 8 * quiz::kRecordSize);
    EXPECT_EQ(ReadBytes(bytes.substr(0, bytes.size() - 1)).error, ReadError::NotQuizFile);
    EXPECT_EQ(ReadBytes(bytes.substr(0, 300)).error, ReadError::NotQuizFile);
    EXPECT_EQ(ReadBytes("").error, ReadError::NotQuizFile);
}

// A stream whose source fails after `good` bytes, as a disk read error would.
class FailingBuf : public std::streambuf {
public:
    FailingBuf(std::string bytes, std::size_t good) : bytes_(std::move(bytes)), good_(good) {}

protected:
    int_type underflow() override
    {
        if (pos_ >= good_)
            throw std::runtime_error("read error");
        ch_ = bytes_[pos_++];
        setg(&ch_, &ch_, &ch_ + 1);
        return traits_type::to_int_type(ch_);
    }

private:
    std::string bytes_;
    std::size_t good_;
    std::size_t pos_ = 0;
    char ch_ = 0;
};

TEST(QuizReader, ReadErrorsAreReportedNotThrown)
{
    const std::string bytes = QuizFileBytes({3}, 3);
    for (std::size_t good : {std::size_t{100}, 8 * quiz::kRecordSize + 300}) {
        FailingBuf buf(bytes, good);
        std::istream in(&buf);
        quiz::ReadResult r = quiz::ReadQuiz(in);
        EXPECT_EQ(r.error, ReadError::CannotRead) << "failing after " << good << " bytes";
        EXPECT_TRUE(r.quiz.questions.empty());
    }
}

TEST(QuizReader, FilesOnDisk)
{
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / "quiz_reader_test";
    fs::create_directories(dir);
    const fs::path file = dir / "three.zlq";
    {
        std::ofstream out(file, std::ios::binary);
        const std::string bytes = QuizFileBytes({2, 1}, 3);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    quiz::ReadResult r = quiz::ReadQuizFile(file);
    EXPECT_EQ(r.error, ReadError::None);
    EXPECT_EQ(r.quiz.questions.size(), 3u);

    EXPECT_EQ(quiz::ReadQuizFile(dir / "missing.zlq").error, ReadError::CannotOpen);
    fs::remove_all(dir);
}

} // namespace
