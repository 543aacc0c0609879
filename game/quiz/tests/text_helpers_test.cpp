#include "game/quiz/text_helpers.h"

#include <gtest/gtest.h>

namespace {

TEST(LeftZ, CutsByShiftJisBytesWithoutSplittingACharacter)
{
    EXPECT_EQ(quiz::LeftZ(L"アイウ", 6), L"アイウ");
    EXPECT_EQ(quiz::LeftZ(L"アイウ", 5), L"アイ");
    EXPECT_EQ(quiz::LeftZ(L"アイウ", 1), L"");
    EXPECT_EQ(quiz::LeftZ(L"aアb", 2), L"a");
    EXPECT_EQ(quiz::LeftZ(L"ｱｲｳ", 2), L"ｱｲ"); // half-width katakana is one byte each
    EXPECT_EQ(quiz::LeftZ(L"ab", 12), L"ab");
    EXPECT_EQ(quiz::LeftZ(L"ab", 0), L"");
    EXPECT_EQ(quiz::LeftZ(L"ab", -1), L"");
    // A ranking name padded with spaces, cut to its 12-byte width.
    EXPECT_EQ(quiz::LeftZ(L"やまだ太郎            ", 12), L"やまだ太郎  ");
    EXPECT_EQ(quiz::LeftZ(L"あいうえおかき", 12), L"あいうえおか");
    EXPECT_EQ(quiz::LeftZ(L"aあいうえおかき", 12), L"aあいうえお");
}

TEST(AddYen, AppendsOneBackslashWhenMissing)
{
    EXPECT_EQ(quiz::AddYen(L"C:\\Games"), L"C:\\Games\\");
    EXPECT_EQ(quiz::AddYen(L"C:\\Games\\"), L"C:\\Games\\");
    EXPECT_EQ(quiz::AddYen(L""), L"\\");
    EXPECT_EQ(quiz::AddYen(L"C:\\表"), L"C:\\表\\"); // 表 ends in byte 0x5C in Shift-JIS
}

} // namespace
