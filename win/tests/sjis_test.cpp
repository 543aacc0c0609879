// Shift-JIS bytes: a double-byte character is never split, nor found in its
// trail byte, and a caller's buffer is zero-filled and never overrun.
// The form of a path a program of code page 932 receives: the path as it is,
// short names for just the components the code page cannot carry (looked up
// under their real folders), or none at all; never a changed path. With a
// stand-in code page and a stand-in for the file system's short names.
#include "win/ansi_path.h"
#include "win/sjis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <string>

namespace {

using ansi_path::Form;

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
}

TEST(AnsiPath, ExactShortOrNone)
{
    // The stand-in code page carries ASCII and Japanese text only.
    const auto encodable = [](std::wstring_view text) {
        return std::ranges::all_of(text, [](wchar_t c) { return c < 0x80 || (c >= 0x3000 && c <= 0x9FFF); });
    };
    // Short forms as the file system gives them: every long component
    // shortened. A path missing here does not exist; on D: short names are
    // off, and the long names come back.
    const std::map<std::wstring, std::wstring> shortNames = {
        {L"C:\\Program Files\\クイズ\\café.zlq", L"C:\\PROGRA~1\\クイズ\\CAFE~1.ZLQ"},
        {L"C:\\Données", L"C:\\DONNE~1"},
        {L"C:\\Données\\café", L"C:\\DONNE~1\\CAFE~1"},
        {L"C:\\Données\\한국어.zlq", L"C:\\DONNE~1\\___~1.ZLQ"},
        {L"C:/Données", L"C:\\DONNE~1"},
        {L"C:/Données/naïve", L"C:\\DONNE~1\\NAVE~1"},
        {L"C:\\Ésope", L"C:\\ÉSOPE~1"}, // a short form the code page cannot carry either
        {L"D:\\Données", L"D:\\Données"},
    };
    const auto shortPathOf = [&](const std::wstring& path) {
        return shortNames.contains(path) ? shortNames.at(path) : std::wstring();
    };
    const struct {
        std::wstring path;
        Form form;
        std::wstring chosen;
    } cases[] = {
        {L"C:\\クイズ\\a.zlq", Form::Exact, L"C:\\クイズ\\a.zlq"},
        {L"", Form::Exact, L""},
        // Only what the code page cannot carry is replaced, folders on the way too.
        {L"C:\\Program Files\\クイズ\\café.zlq", Form::Short, L"C:\\Program Files\\クイズ\\CAFE~1.ZLQ"},
        {L"C:\\Données\\新規.zlq", Form::Short, L"C:\\DONNE~1\\新規.zlq"},
        {L"C:\\Données\\café\\x.zlq", Form::Short, L"C:\\DONNE~1\\CAFE~1\\x.zlq"},
        {L"C:\\Données\\한국어.zlq", Form::Short, L"C:\\DONNE~1\\___~1.ZLQ"},
        // Separators of both kinds and a trailing one are kept.
        {L"C:/Données/naïve/", Form::Short, L"C:/DONNE~1/NAVE~1/"},
        // A new name, a short form the code page cannot carry, no short names.
        {L"C:\\Données\\new😀.zlq", Form::None, L""},
        {L"C:\\Ésope\\a.zlq", Form::None, L""},
        {L"D:\\Données\\a.zlq", Form::None, L""},
    };
    for (const auto& c : cases) {
        const ansi_path::Choice choice = ansi_path::Choose(c.path, encodable, shortPathOf);
        EXPECT_TRUE(choice.form == c.form && choice.path == c.chosen) << c.path << " gave " << choice.path;
    }
}

} // namespace
