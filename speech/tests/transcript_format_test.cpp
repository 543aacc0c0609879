// The transcript line format: escapes, the marker, UTF-8, and reading a line
// back.
#include "speech/transcript_format.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tr = speech::transcript;

namespace {

TEST(TranscriptFormat, JoinsFieldsWithTabsAndEndsWithLineFeed)
{
    EXPECT_EQ(tr::FormatLine({L"voice", L"StopSpeech"}), "voice\tStopSpeech\n");
    EXPECT_EQ(tr::FormatLine({L"reader", L"SetMode", L"131074", L"524544", L"0", L"0"}),
              "reader\tSetMode\t131074\t524544\t0\t0\n");
    EXPECT_EQ(tr::FormatLine({L"a", L"", L"b"}), "a\t\tb\n");
}

TEST(TranscriptFormat, EscapesControlCharactersBackslashAndMarker)
{
    EXPECT_EQ(tr::EscapeField(L"a\tb"), "a\\tb");
    EXPECT_EQ(tr::EscapeField(L"a\r\nb"), "a\\r\\nb");
    EXPECT_EQ(tr::EscapeField(L"C:\\quiz\\a.zlq"), "C:\\\\quiz\\\\a.zlq");
    EXPECT_EQ(tr::EscapeField(L"\\t"), "\\\\t"); // a backslash before a t stays two characters
    EXPECT_EQ(tr::EscapeField(L"ロード\xF8F2スタート\xF8F2"),
              "ロード<M>スタート<M>");
    // No raw tab, CR or LF can reach the file: a text cannot break a line.
    std::string line = tr::FormatLine({L"voice", L"Speak", L"0", L"x\ty\rz\n"});
    EXPECT_EQ(line.find('\r'), std::string::npos);
    EXPECT_EQ(line.find('\n'), line.size() - 1);
    EXPECT_EQ(std::count(line.begin(), line.end(), '\t'), 3);
}

TEST(TranscriptFormat, WritesUtf8)
{
    EXPECT_EQ(tr::ToUtf8(L"A\x00E9\x3042"), "A\xC3\xA9\xE3\x81\x82");
    EXPECT_EQ(tr::ToUtf8(L"\xF8F2"), "\xEF\xA3\xB2");
    // A character beyond the basic plane (a surrogate pair in UTF-16).
    EXPECT_EQ(tr::ToUtf8(tr::FromUtf8("\xF0\xA0\xAE\xB7")), "\xF0\xA0\xAE\xB7");
}

TEST(TranscriptFormat, ReplacesMalformedText)
{
    // Lone surrogates cannot be written as UTF-8.
    std::wstring lone;
    lone += static_cast<wchar_t>(0xD800);
    lone += L'x';
    EXPECT_EQ(tr::ToUtf8(lone), "\xEF\xBF\xBDx");
    // Overlong, truncated and stray continuation bytes.
    EXPECT_EQ(tr::FromUtf8("\xC0\xAF"), L"\xFFFD\xFFFD");
    EXPECT_EQ(tr::FromUtf8("a\xE3\x81"), L"a\xFFFD\xFFFD");
    EXPECT_EQ(tr::FromUtf8("\x80z"), L"\xFFFDz");
}

TEST(TranscriptFormat, ParsesWhatItWrites)
{
    const std::wstring text = L"1問目\xF8F2 C:\\a\tb\r\nc \\n <x>";
    std::vector<std::wstring> fields = tr::ParseLine(tr::FormatLine({L"voice", L"Speak", L"0", text}));
    ASSERT_EQ(fields.size(), 4u);
    EXPECT_EQ(fields[0], L"voice");
    EXPECT_EQ(fields[2], L"0");
    EXPECT_EQ(fields[3], text);
    // CRLF line ends are accepted too; an empty last field is kept.
    EXPECT_EQ(tr::ParseLine("reader\tStop\r\n"), (std::vector<std::wstring>{L"reader", L"Stop"}));
    EXPECT_EQ(tr::ParseLine("a\t"), (std::vector<std::wstring>{L"a", L""}));
    // An unknown escape keeps its backslash.
    EXPECT_EQ(tr::UnescapeField("\\q\\"), L"\\q\\");
}

TEST(TranscriptFormat, TheRouteFieldComesOffOnlyWhereALineHasOne)
{
    std::string_view route = "x";
    const std::string line = tr::FormatLine({L"reader", L"Speak", L"1", L"上へ", tr::RouteField(speech::Route::Nvda)});
    EXPECT_EQ(tr::SplitRouteField(line, &route), "reader\tSpeak\t1\t上へ");
    EXPECT_EQ(route, "[nvda]");
    EXPECT_EQ(tr::SplitRouteField("voice\tStopSpeech\t[silent]\r\n", &route), "voice\tStopSpeech");
    EXPECT_EQ(route, "[silent]");
    // A text that looks like a route, or a field that is none, stays.
    EXPECT_EQ(tr::SplitRouteField("voice\tSpeak\t0\t[nvda]x", &route), "voice\tSpeak\t0\t[nvda]x");
    EXPECT_EQ(route, "");
    EXPECT_EQ(tr::SplitRouteField("[sapi]"), "[sapi]");
    EXPECT_EQ(tr::SplitRouteField("reader\tSetMode\t1\t2\t0\t0"), "reader\tSetMode\t1\t2\t0\t0");
}

} // namespace
