#include "win/sjis.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

// "アイ" in code page 932, and a character whose trail byte is "|" (0x7C).
const std::string kAi = "\x83\x41\x83\x43";
const std::string kMinus = "\x81\x7C";

TEST(SjisCut, KeepsWholeCharactersOnly)
{
    EXPECT_EQ(sjis::CutToBytes(kAi, 4), kAi);
    EXPECT_EQ(sjis::CutToBytes(kAi, 3), "\x83\x41");
    EXPECT_EQ(sjis::CutToBytes(kAi, 2), "\x83\x41");
    EXPECT_EQ(sjis::CutToBytes(kAi, 1), "");
    EXPECT_EQ(sjis::CutToBytes("a" + kAi, 2), "a");
    EXPECT_EQ(sjis::CutToBytes("abc", 2), "ab");
    EXPECT_EQ(sjis::CutToBytes("", 5), "");
}

TEST(SjisCut, HalfWidthKatakanaIsSingleByte)
{
    // 0xB1 0xB2 are two half-width katakana, not one double-byte character.
    EXPECT_EQ(sjis::CutToBytes("\xB1\xB2\xB3", 2), "\xB1\xB2");
    EXPECT_FALSE(sjis::IsLeadByte('\xB1'));
    EXPECT_TRUE(sjis::IsLeadByte('\x81'));
    EXPECT_TRUE(sjis::IsLeadByte('\xFC'));
    EXPECT_FALSE(sjis::IsLeadByte('\xFD'));
    EXPECT_FALSE(sjis::IsLeadByte('\x80'));
}

TEST(SjisCut, LoneLeadByteAtTheEndCountsAsOneByte)
{
    std::string s = "a\x83";
    EXPECT_EQ(sjis::CharLength(s, 1), 1u);
    EXPECT_EQ(sjis::CutToBytes(s, 2), s);
}

TEST(SjisFind, SkipsTrailBytesThatLookLikeTheCharacter)
{
    std::string s = kMinus + "|x|";
    EXPECT_EQ(sjis::FindChar(s, '|'), 2u);
    EXPECT_EQ(sjis::FindChar(s, '|', 3), 4u);
    EXPECT_EQ(sjis::FindChar(kMinus, '|'), std::string::npos);
    EXPECT_EQ(sjis::FindChar("", '|'), std::string::npos);
}

TEST(SjisBuffer, ZeroFillsAndCutsWithoutSplitting)
{
    char buf[6];
    std::memset(buf, 0xCC, sizeof buf);
    sjis::CopyToBuffer("ab" + kAi, buf, 5); // room for 4 bytes: "ab" and one character
    EXPECT_EQ(std::string(buf), "ab\x83\x41");
    EXPECT_EQ(buf[4], '\0');
    EXPECT_EQ(buf[5], '\xCC') << "wrote past the given size";

    std::memset(buf, 0xCC, sizeof buf);
    sjis::CopyToBuffer("abc" + kAi, buf, 5); // a lead byte would be the 4th byte: dropped
    EXPECT_EQ(std::string(buf), "abc");
    EXPECT_EQ(buf[3], '\0');

    std::memset(buf, 0xCC, sizeof buf);
    sjis::CopyToBuffer("abc", buf, 1);
    EXPECT_EQ(buf[0], '\0');
    EXPECT_EQ(buf[1], '\xCC');

    sjis::CopyToBuffer("abc", buf, 0);  // nothing written, no crash
    sjis::CopyToBuffer("abc", buf, -4);
    sjis::CopyToBuffer("abc", nullptr, 10);
    EXPECT_EQ(buf[1], '\xCC');
    EXPECT_EQ(sjis::FromCString(nullptr), "");
}

} // namespace
