#include "game/quiz/question_store.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "game/quiz/tests/quiz_file_builder.h"

namespace {

namespace fs = std::filesystem;
using quiz::ReadError;

class QuizFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() / L"question_store_test";
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::wstring Write(const std::wstring& name, const std::string& bytes)
    {
        fs::path p = dir_ / name;
        std::ofstream out(p, std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return p.wstring();
    }

    fs::path dir_;
};

TEST_F(QuizFiles, StoreHoldsQuestionsAnswersAndItemData)
{
    // Counts 3, 0, 2: QuizTotal 5; question k's answers start at 5 x k.
    quiz::QuestionStore store;
    ASSERT_EQ(quiz::Load_zlq(Write(L"q.zlq", quiz::testing::QuizFileBytes({3, 0, 2}, 5)), store), ReadError::None);
    EXPECT_EQ(store.QuizTotal, 5);
    EXPECT_EQ(store.GenreCount, (std::array<std::int32_t, 8>{3, 0, 2, 0, 0, 0, 0, 0}));
    ASSERT_EQ(store.ListQ.size(), 5u);
    ASSERT_EQ(store.ListA.size(), 25u);
    for (int k = 0; k < 5; ++k) {
        const std::wstring n = std::to_wstring(k);
        EXPECT_EQ(store.ListQ[k].itemData, 5 * k);
        EXPECT_EQ(store.ListQ[k].text, L"q" + n);
        EXPECT_EQ(store.ListA[5 * k], L"a" + n + L"-0");
        EXPECT_EQ(store.Answer(k, 3), L"a" + n + L"-3");
    }
}

TEST_F(QuizFiles, TextsAreConvertedFromShiftJis)
{
    std::string file;
    file += quiz::testing::GenreRecordBytes("\x97\xf0\x8e\x6a", 1); // 歴史
    for (int g = 1; g < 8; ++g)
        file += quiz::testing::GenreRecordBytes("", 0);
    file += quiz::testing::QuestionRecordBytes(
        "\x93\xfa\x96\x7b\x82\xcc\x8e\xf1\x93\x73\x82\xcd\x81\x48", // 日本の首都は？
        {"\x93\x8c\x8b\x9e", "\x91\xe5\x8d\xe3", "\x8b\x9e\x93\x73", "\x96\xbc\x8c\xc3\x89\xae",
         "\x95\x9f\x89\xaa"}); // 東京 大阪 京都 名古屋 福岡
    quiz::QuestionStore store;
    ASSERT_EQ(quiz::Load_zlq(Write(L"日本.zlq", file), store), ReadError::None);
    EXPECT_EQ(store.GenreName[0], L"歴史\x3000\x3000\x3000\x3000\x3000\x3000        ");
    EXPECT_EQ(store.GenreName[1], std::wstring(8, L'\x3000') + std::wstring(8, L' '));
    ASSERT_EQ(store.ListQ.size(), 1u);
    EXPECT_EQ(store.ListQ[0].text, L"日本の首都は？");
    const std::vector<std::wstring> answers{L"東京", L"大阪", L"京都", L"名古屋", L"福岡"};
    ASSERT_EQ(store.ListA.size(), answers.size());
    for (std::size_t k = 0; k < answers.size(); ++k)
        EXPECT_EQ(store.ListA[k], answers[k]) << k;
}

TEST(TextList, EntriesStayApartAndPastTheEndThrows)
{
    quiz::TextList list;
    list.push_back(L"東京");
    list.push_back(L"");
    list.push_back(L"大阪");
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0], L"東京");
    EXPECT_EQ(list[1], L"");
    EXPECT_EQ(list[2], L"大阪");
    EXPECT_THROW(list.at(3), std::out_of_range);

    // A copy holds its own texts.
    quiz::TextList copy = list;
    list.truncate(1);
    list.push_back(L"京都");
    EXPECT_EQ(list[1], L"京都");
    EXPECT_EQ(copy[1], L"");
    EXPECT_EQ(copy[2], L"大阪");
    EXPECT_THROW(list.at(2), std::out_of_range);
    list.truncate(5);
    EXPECT_EQ(list.size(), 2u);
    list.clear();
    EXPECT_TRUE(list.empty());
}

TEST(GenreNames, SpacesAmongTheFirstEightCharactersBecomeFullWidth)
{
    EXPECT_EQ(quiz::GenreDisplayName("\x93\xfa\x96\x7b \x8e\x6a"), // 日本 史
              L"日本\x3000史\x3000\x3000\x3000\x3000        ");
    EXPECT_EQ(quiz::GenreDisplayName("ABCDEFGH IJ     "), L"ABCDEFGH IJ     ");
    EXPECT_EQ(quiz::GenreDisplayName("A B"), L"A\x3000" L"B\x3000\x3000\x3000\x3000\x3000        ");
}

TEST_F(QuizFiles, FailedLoadLeavesTheStoreAsItWas)
{
    quiz::QuestionStore store;
    ASSERT_EQ(quiz::Load_zlq(Write(L"good.zlq", quiz::testing::QuizFileBytes({2}, 2)), store), ReadError::None);

    std::string shortFile = quiz::testing::QuizFileBytes({9}, 0).substr(0, 1000);
    EXPECT_EQ(quiz::Load_zlq(Write(L"short.zlq", shortFile), store), ReadError::NotQuizFile);
    EXPECT_EQ(quiz::Load_zlq((dir_ / L"missing.zlq").wstring(), store), ReadError::CannotOpen);
    EXPECT_EQ(quiz::Load_zlq(dir_.wstring(), store), ReadError::CannotOpen); // a folder

    EXPECT_EQ(store.QuizTotal, 2);
    ASSERT_EQ(store.ListQ.size(), 2u);
    EXPECT_EQ(store.ListQ[1].text, L"q1");

    // A quiz without questions replaces it: it is a valid, empty quiz.
    ASSERT_EQ(quiz::Load_zlq(Write(L"empty.zlq", quiz::testing::QuizFileBytes({}, 0)), store), ReadError::None);
    EXPECT_EQ(store.QuizTotal, 0);
    EXPECT_TRUE(store.ListQ.empty());
    EXPECT_TRUE(store.ListA.empty());
}

TEST_F(QuizFiles, TruncatedFileCountsOnlyWholeRecords)
{
    std::string bytes = quiz::testing::QuizFileBytes({2, -3, 5}, 4);
    bytes.resize(bytes.size() - 1);
    quiz::QuestionStore store;
    ASSERT_EQ(quiz::Load_zlq(Write(L"cut.zlq", bytes), store), ReadError::None);
    EXPECT_EQ(store.GenreCount, (std::array<std::int32_t, 8>{2, 0, 1, 0, 0, 0, 0, 0}));
    EXPECT_EQ(store.QuizTotal, 3);
    EXPECT_EQ(store.ListQ.size(), 3u);
    EXPECT_EQ(store.ListA.size(), 15u);
}

TEST(LoadErrorMessage, EveryFailureHasAMessage)
{
    EXPECT_TRUE(quiz::LoadErrorMessage(ReadError::None).empty());
    for (ReadError e : {ReadError::CannotOpen, ReadError::CannotRead, ReadError::NotQuizFile})
        EXPECT_FALSE(quiz::LoadErrorMessage(e).empty());
}

} // namespace
