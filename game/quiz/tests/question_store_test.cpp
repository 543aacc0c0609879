// The game's question store: a failed load leaves the quiz in play as it
// was. What a loaded store holds (UTF-16 texts, genre names, each question's
// answers through itemData) is checked by zlq's round trip, which dumps it.
#include "game/quiz/question_store.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "game/quiz/tests/quiz_file_builder.h"
#include "game/quiz/text_helpers.h"

namespace {

TEST(QuestionStore, FailedLoadLeavesTheStoreAsItWas)
{
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / L"question_store_test";
    fs::remove_all(dir);
    fs::create_directories(dir);
    std::ofstream(dir / L"good.zlq", std::ios::binary) << quiz::testing::QuizFileBytes({2}, 2);
    std::ofstream(dir / L"short.zlq", std::ios::binary) << quiz::testing::QuizFileBytes({9}, 0).substr(0, 1000);
    std::ofstream(dir / L"empty.zlq", std::ios::binary) << quiz::testing::QuizFileBytes({}, 0);
    quiz::QuestionStore store;
    ASSERT_EQ(quiz::Load_zlq(dir / L"good.zlq", store), quiz::ReadError::None);
    for (const auto& [path, error] : {std::pair{dir / L"short.zlq", quiz::ReadError::NotQuizFile},
             {dir / L"missing.zlq", quiz::ReadError::CannotOpen}, {dir, quiz::ReadError::CannotOpen}}) {
        EXPECT_EQ(quiz::Load_zlq(path, store), error);
        EXPECT_FALSE(quiz::LoadErrorMessage(error).empty());
    }
    EXPECT_EQ(store.QuizTotal, 2);
    EXPECT_EQ(store.Answer(1, 4), L"a1-4");
    // A quiz without questions is valid: it replaces the store.
    ASSERT_EQ(quiz::Load_zlq(dir / L"empty.zlq", store), quiz::ReadError::None);
    EXPECT_TRUE(store.QuizTotal == 0 && store.ListQ.empty() && store.ListA.empty());
    fs::remove_all(dir);
}

TEST(QuestionStore, AddYenJoinsFolderNames)
{
    EXPECT_EQ(quiz::AddYen(L"C:\\Games\\"), L"C:\\Games\\");
    EXPECT_EQ(quiz::AddYen(L"C:\\表"), L"C:\\表\\"); // 表 ends in byte 0x5C in Shift-JIS
    EXPECT_EQ(quiz::AddYen(L""), L"\\");
}

} // namespace
