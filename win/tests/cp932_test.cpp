// Code page 932 at the programs' edges, named explicitly: Japanese text and
// half-width katakana both ways, the marker as byte 254, byte counts and cuts
// that never split a double-byte character, and what it cannot hold.
#include "win/cp932.h"

#include <gtest/gtest.h>

namespace {

TEST(Cp932, ConvertsCountsAndCutsWholeCharacters)
{
    const std::wstring text = std::wstring(L"カルミオ 問題数１２　ﾃｽﾄ abc") + cp932::kMarker;
    const std::string bytes = cp932::FromWide(text);
    EXPECT_EQ(bytes.substr(0, 2), "\x83\x4A"); // カ
    EXPECT_EQ(bytes.back(), '\xFE');
    EXPECT_EQ(cp932::ToWide(bytes), text);
    EXPECT_EQ(cp932::ByteLength(text), bytes.size());
    EXPECT_EQ(cp932::ByteLength(L"ﾃｽﾄ"), 3u);
    EXPECT_EQ(cp932::ToWide(static_cast<const char*>(nullptr)), L"");
    EXPECT_EQ(cp932::CutToBytes(L"あいう", 5), L"あい");
    EXPECT_EQ(cp932::CutToBytes(L"aあい", 2), L"a");
    EXPECT_EQ(cp932::CutToBytes(L"ｱｲｳｴ", 3), L"ｱｲｳ");
    EXPECT_EQ(cp932::CutToBytes(L"abc", 12), L"abc");
}

TEST(Cp932, TellsWhatItCannotHold)
{
    EXPECT_TRUE(cp932::CanEncode(L"日本語ＡＢＣ①"));
    EXPECT_FALSE(cp932::CanEncode(L"한국어"));
    EXPECT_FALSE(cp932::CanEncode(L"\U0001F600"));
    EXPECT_EQ(cp932::FromWide(L"a한b"), "a?b"); // for text only shown or spoken
}

} // namespace
