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

TEST(Sjis, CutsAndFindsWholeCharactersOnly)
{
    // Lead bytes are 0x81-0x9F and 0xE0-0xFC; half-width katakana are single.
    for (int b : {0x81, 0x9F, 0xE0, 0xFC})
        EXPECT_TRUE(sjis::IsLeadByte(static_cast<char>(b))) << b;
    for (int b : {0x80, 0xA0, 0xB1, 0xDF, 0xFD})
        EXPECT_FALSE(sjis::IsLeadByte(static_cast<char>(b))) << b;
    EXPECT_EQ(sjis::CutToBytes(kAi, 4), kAi);
    EXPECT_EQ(sjis::CutToBytes(kAi, 3), "\x83\x41");
    EXPECT_EQ(sjis::CutToBytes(kAi, 1), "");
    EXPECT_EQ(sjis::CutToBytes("a" + kAi, 2), "a");
    EXPECT_EQ(sjis::CutToBytes("\xB1\xB2\xB3", 2), "\xB1\xB2");
    EXPECT_EQ(sjis::CutToBytes("a\x83", 2), "a\x83"); // a lead byte at the very end stands alone
    EXPECT_EQ(sjis::FindChar(kMinus + "|x|", '|'), 2u);
    EXPECT_EQ(sjis::FindChar(kMinus + "|x|", '|', 3), 4u);
    EXPECT_EQ(sjis::FindChar(kMinus, '|'), std::string::npos);
}

TEST(Sjis, CopyToBufferZeroFillsAndCutsWithoutSplitting)
{
    char buf[6];
    const auto copy = [&](const std::string& text, std::ptrdiff_t size) {
        std::memset(buf, 0xCC, sizeof buf);
        sjis::CopyToBuffer(text, buf, size);
        return std::string(buf, sizeof buf);
    };
    EXPECT_EQ(copy("ab" + kAi, 5), std::string("ab\x83\x41\0\xCC", 6));
    EXPECT_EQ(copy("abc" + kAi, 5), std::string("abc\0\0\xCC", 6)); // a lead byte would be the 4th: dropped
    EXPECT_EQ(copy("abc", 1), std::string("\0\xCC\xCC\xCC\xCC\xCC", 6));
    // No room, or no buffer: nothing written, no crash.
    EXPECT_EQ(copy("abc", 0), std::string(6, '\xCC'));
    EXPECT_EQ(copy("abc", -4), std::string(6, '\xCC'));
    sjis::CopyToBuffer("abc", nullptr, 10);
    EXPECT_EQ(sjis::FromCString(nullptr), "");
}

} // namespace
