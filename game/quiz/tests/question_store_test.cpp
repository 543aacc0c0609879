// The game's path helper for folder names. A failed load leaving the quiz in
// play as it was is checked by the open command's tests; what a loaded store
// holds (UTF-16 texts, genre names, each question's answers through itemData)
// by zlq's round trip, which dumps it.
#include <gtest/gtest.h>

#include "game/quiz/text_helpers.h"

namespace {

TEST(TextHelpers, AddYenJoinsFolderNames)
{
    EXPECT_EQ(quiz::AddYen(L"C:\\Games\\"), L"C:\\Games\\");
    EXPECT_EQ(quiz::AddYen(L"C:\\表"), L"C:\\表\\"); // 表 ends in byte 0x5C in Shift-JIS
    EXPECT_EQ(quiz::AddYen(L""), L"\\");
}

} // namespace
