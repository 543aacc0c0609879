// The transcript's line format, which the tests and sighted helpers read:
// fields parted by tabs, escapes that keep any text on its line, the marker
// written <M>, UTF-8 (a lone surrogate replaced, never dropped); reading a
// line back gives the fields written, its route field only where it has one.
#include "speech/transcript_format.h"

#include <gtest/gtest.h>

namespace tr = speech::transcript;

namespace {

using Fields = std::vector<std::wstring>;

TEST(TranscriptFormat, EscapesEveryTextOntoItsLineAndReadsItBack)
{
    const std::wstring text = L"1問目\xF8F2 C:\\a\tb\r\nc \\n <x>";
    const std::string line = tr::FormatLine({L"voice", L"Speak", L"", text, tr::RouteField(speech::Route::Nvda)});
    EXPECT_EQ(line, "voice\tSpeak\t\t1問目<M> C:\\\\a\\tb\\r\\nc \\\\n <x>\t[nvda]\n");
    std::string_view route;
    EXPECT_EQ(tr::ParseLine(tr::SplitRouteField(line, &route)), (Fields{L"voice", L"Speak", L"", text}));
    EXPECT_EQ(route, "[nvda]");
    // CRLF line ends are read too; a text that looks like a route stays.
    EXPECT_EQ(tr::ParseLine("reader\tStop\r\n"), (Fields{L"reader", L"Stop"}));
    EXPECT_EQ(tr::SplitRouteField("voice\tSpeak\t0\t[nvda]x", &route), "voice\tSpeak\t0\t[nvda]x");
    EXPECT_EQ(route, "");
}

TEST(TranscriptFormat, WritesUtf8)
{
    EXPECT_EQ(tr::ToUtf8(L"A\x00E9\x3042\xF8F2"), "A\xC3\xA9\xE3\x81\x82\xEF\xA3\xB2");
    EXPECT_EQ(tr::ToUtf8(tr::FromUtf8("\xF0\xA0\xAE\xB7")), "\xF0\xA0\xAE\xB7"); // beyond the basic plane
    EXPECT_EQ(tr::ToUtf8(std::wstring{static_cast<wchar_t>(0xD800), L'x'}), "\xEF\xBF\xBDx"); // a lone surrogate
}

} // namespace
