// The game's question store: a failed load leaves the quiz in play as it
// was. What a loaded store holds (UTF-16 texts, genre names, each question's
// answers through itemData) is checked by zlq's round trip, which dumps
// the store (tools/zlq/tests).
#include "game/quiz/question_store.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "game/quiz/tests/quiz_file_builder.h"
#include "game/quiz/text_helpers.h"

namespace {

namespace fs = std::filesystem;
using quiz::ReadError;
using quiz::testing::QuizFileBytes;

TEST(QuestionStore, FailedLoadLeavesTheStoreAsItWas)
{
    const fs::path dir = fs::temp_directory_path() / L"question_store_test";
    fs::remove_all(dir);
    fs::create_directories(dir);
    auto write = [&](const wchar_t* name, const std::string& bytes) {
        std::ofstream(dir / name, std::ios::binary) << bytes;
        return (dir / name).wstring();
    };
    quiz::QuestionStore store;
    ASSERT_EQ(quiz::Load_zlq(write(L"good.zlq", QuizFileBytes({2}, 2)), store), ReadError::None);
    const std::pair<std::wstring, ReadError> failures[] = {
        {write(L"short.zlq", QuizFileBytes({9}, 0).substr(0, 1000)), ReadError::NotQuizFile},
        {(dir / L"missing.zlq").wstring(), ReadError::CannotOpen},
        {dir.wstring(), ReadError::CannotOpen},
    };
    for (const auto& [path, error] : failures) {
        EXPECT_EQ(quiz::Load_zlq(path, store), error);
        EXPECT_FALSE(quiz::LoadErrorMessage(error).empty());
    }
    EXPECT_EQ(store.QuizTotal, 2);
    ASSERT_EQ(store.ListQ.size(), 2u);
    EXPECT_EQ(store.Answer(1, 4), L"a1-4");

    // A quiz without questions is valid: it replaces the store.
    ASSERT_EQ(quiz::Load_zlq(write(L"empty.zlq", QuizFileBytes({}, 0)), store), ReadError::None);
    EXPECT_EQ(store.QuizTotal, 0);
    EXPECT_TRUE(store.ListQ.empty() && store.ListA.empty());
    fs::remove_all(dir);
}

TEST(QuestionStore, AddYenJoinsFolderNames)
{
    EXPECT_EQ(quiz::AddYen(L"C:\\Games\\"), L"C:\\Games\\");
    EXPECT_EQ(quiz::AddYen(L"C:\\表"), L"C:\\表\\"); // 表 ends in byte 0x5C in Shift-JIS
    EXPECT_EQ(quiz::AddYen(L""), L"\\");
}

} // namespace
