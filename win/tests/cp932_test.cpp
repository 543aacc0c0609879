#include "win/cp932.h"

#include <gtest/gtest.h>

namespace {

TEST(Cp932, RoundTripsJapaneseText)
{
    const std::wstring text = L"カルミオ 問題数１２　ﾃｽﾄ abc";
    std::string bytes = cp932::FromWide(text);
    EXPECT_EQ(bytes.substr(0, 2), "\x83\x4A"); // カ
    EXPECT_EQ(cp932::ToWide(bytes), text);
    EXPECT_EQ(cp932::ByteLength(text), bytes.size());
    EXPECT_EQ(cp932::ByteLength(L"ﾃｽﾄ"), 3u);
    EXPECT_EQ(cp932::ByteLength(L"テスト"), 6u);
}

TEST(Cp932, MarkerIsByte254BothWays)
{
    EXPECT_EQ(cp932::ToWide("\xFE"), std::wstring(1, cp932::kMarker));
    EXPECT_EQ(cp932::FromWide(std::wstring(L"あ") + cp932::kMarker), "\x82\xA0\xFE");
}

TEST(Cp932, CutNeverSplitsADoubleByteCharacter)
{
    EXPECT_EQ(cp932::CutToBytes(L"あいう", 5), L"あい");
    EXPECT_EQ(cp932::CutToBytes(L"aあい", 2), L"a");
    EXPECT_EQ(cp932::CutToBytes(L"abc", 12), L"abc");
    EXPECT_EQ(cp932::CutToBytes(L"ｱｲｳｴ", 3), L"ｱｲｳ");
}

TEST(Cp932, TellsWhatCodePage932CannotHold)
{
    EXPECT_TRUE(cp932::CanEncode(L"日本語ＡＢＣ①"));
    EXPECT_FALSE(cp932::CanEncode(L"한국어"));
    EXPECT_FALSE(cp932::CanEncode(L"\U0001F600"));
    EXPECT_EQ(cp932::FromWide(L"a한b"), "a?b");
}

TEST(Cp932, NullAndEmptyInput)
{
    EXPECT_EQ(cp932::ToWide(static_cast<const char*>(nullptr)), L"");
    EXPECT_EQ(cp932::ToWide(std::string_view()), L"");
    EXPECT_EQ(cp932::FromWide(L""), "");
}

} // namespace
