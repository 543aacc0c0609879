#include "game/logic/numerals.h"

#include <gtest/gtest.h>

namespace game {
namespace {

TEST(SKanji, NamesZeroToTen)
{
    const wchar_t* expected[] = {L"〇", L"一", L"二", L"三", L"四", L"五", L"六", L"七", L"八", L"九", L"十"};
    for (int i = 0; i <= 10; ++i)
        EXPECT_EQ(SKanji(i), expected[i]) << i;
}

TEST(SKanji, OtherValuesAreEmpty)
{
    EXPECT_EQ(SKanji(-1), L"");
    EXPECT_EQ(SKanji(11), L"");
    EXPECT_EQ(SKanji(100), L"");
}

TEST(FullWidthDigit, DigitsFollowFullWidthZero)
{
    EXPECT_EQ(FullWidthDigit(0), L"０");
    EXPECT_EQ(FullWidthDigit(1), L"１");
    EXPECT_EQ(FullWidthDigit(5), L"５");
    EXPECT_EQ(FullWidthDigit(9), L"９");
}

TEST(FullWidthDigit, LargerValuesStayDigits)
{
    EXPECT_EQ(FullWidthDigit(10), L"１０");
    EXPECT_EQ(FullWidthDigit(123), L"１２３");
    EXPECT_EQ(FullWidthDigit(-3), L"－３");
}

} // namespace
} // namespace game
