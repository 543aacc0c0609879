// Shift-JIS bytes: a double-byte character is never split, nor found in its
// trail byte, and a caller's buffer is zero-filled and never overrun.
#include "win/sjis.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

// "アイ" in code page 932, and a character whose trail byte is "|" (0x7C).
const std::string kAi = "\x83\x41\x83\x43";
const std::string kMinus = "\x81\x7C";

TEST(Sjis, CutsKeepWholeCharacters)
{
    // Lead bytes are 0x81-0x9F and 0xE0-0xFC; half-width katakana are single.
    for (int b : {0x81, 0x9F, 0xE0, 0xFC})
        EXPECT_TRUE(sjis::IsLeadByte(static_cast<char>(b))) << b;
    for (int b : {0x7C, 0x80, 0xA0, 0xB1, 0xDF, 0xFD})
        EXPECT_FALSE(sjis::IsLeadByte(static_cast<char>(b))) << b;
    const struct {
        std::string text;
        size_t bytes;
        std::string cut;
    } cases[] = {
        {kAi, 4, kAi}, {kAi, 3, "\x83\x41"}, {kAi, 1, ""}, {"a" + kAi, 2, "a"}, {"abc", 2, "ab"}, {"", 5, ""},
        {"\xB1\xB2\xB3", 2, "\xB1\xB2"},
        {"a\x83", 2, "a\x83"}, // a lead byte at the very end stands alone
    };
    for (const auto& c : cases)
        EXPECT_EQ(sjis::CutToBytes(c.text, c.bytes), c.cut) << testing::PrintToString(c.text) << " to " << c.bytes;
}

TEST(Sjis, FindSkipsTrailBytesThatLookLikeTheCharacter)
{
    const std::string s = kMinus + "|x|";
    EXPECT_EQ(sjis::FindChar(s, '|'), 2u);
    EXPECT_EQ(sjis::FindChar(s, '|', 3), 4u);
    EXPECT_EQ(sjis::FindChar(kMinus, '|'), std::string::npos);
    EXPECT_EQ(sjis::FindChar("", '|'), std::string::npos);
}

TEST(Sjis, CopyToBufferZeroFillsAndCutsWithoutSplitting)
{
    // Into a buffer of 5 bytes, poisoned beyond: room for 4 bytes and the NUL.
    const struct {
        std::string text;
        std::string written;
    } cases[] = {{"ab" + kAi, std::string("ab\x83\x41\0", 5)},
                 {"abc" + kAi, std::string("abc\0\0", 5)}, // the lead byte would be the 4th: dropped
                 {"", std::string(5, '\0')}};
    for (const auto& c : cases) {
        char buf[6];
        std::memset(buf, 0xCC, sizeof buf);
        sjis::CopyToBuffer(c.text, buf, 5);
        EXPECT_EQ(std::string(buf, 6), c.written + "\xCC") << testing::PrintToString(c.text);
    }
    // No room, or no buffer: nothing written, no crash.
    char buf[2] = {'\xCC', '\xCC'};
    sjis::CopyToBuffer("abc", buf, 1);
    sjis::CopyToBuffer("abc", buf + 1, 0);
    sjis::CopyToBuffer("abc", buf + 1, -4);
    sjis::CopyToBuffer("abc", nullptr, 10);
    EXPECT_EQ(std::string(buf, 2), std::string("\0\xCC", 2));
    EXPECT_EQ(sjis::FromCString(nullptr), "");
}

} // namespace
