// The portable parts of speech. The cues of PlayTone: one of their own for
// each use, short enough for it, and synthesized at the stated pitch, loud,
// unclipped and without clicks. The transcript's line format, which the tests
// and sighted helpers read: fields parted by tabs, escapes that keep any text
// on its line, the marker written <M>, UTF-8 (a lone surrogate replaced, never
// dropped); reading a line back gives the fields written, its route field
// only where it has one.
#include "speech/tone_cues.h"
#include "speech/transcript_format.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace tr = speech::transcript;

namespace {

int LengthMs(const int (&use)[3])
{
    int ms = 0;
    for (const speech::ToneStep& step : speech::CueFor(use[0], use[1], use[2]))
        ms += step.ms;
    return ms;
}

TEST(ToneCues, EachUseHasAShortCueOfItsOwn)
{
    // The wrap cue's halves (it comes in fours), the countdown (once a
    // second), the error; (1,2,3) stands for any other triple, a plain beep.
    const int uses[][3] = {{50, 0, 0}, {50, 10, 0}, {10, 1, 0}, {10, 2, 0}, {10, 3, 0}, {500, 3, 0}, {1, 2, 3}};
    for (const auto& u : uses) {
        for (const auto& v : uses)
            EXPECT_TRUE(&u == &v || speech::CueFor(u[0], u[1], u[2]) != speech::CueFor(v[0], v[1], v[2]))
                << u[0] << "," << u[1] << " sounds like " << v[0] << "," << v[1];
        EXPECT_GT(LengthMs(u), 0);
        EXPECT_LT(LengthMs(u), u[0] == 500 ? 1000 : 300) << u[0] << "," << u[1];
    }
    EXPECT_LT(2 * LengthMs(uses[0]) + 2 * LengthMs(uses[1]), 400);
}

TEST(ToneCues, SynthesizesTheStepsAtTheirPitch)
{
    // 100 ms at 1000 Hz, 20 ms of silence: 200 sign changes, two per period.
    const std::vector<std::int16_t> s = speech::SynthesizeCue({{1000, 100}, {0, 20}});
    ASSERT_EQ(s.size(), static_cast<std::size_t>(speech::kToneSampleRate * 120 / 1000));
    const std::size_t toneEnd = s.size() * 100 / 120;
    int crossings = 0, peak = 0;
    for (std::size_t i = 1; i < toneEnd; ++i)
        crossings += (s[i - 1] < 0) != (s[i] < 0);
    for (std::int16_t v : s)
        peak = std::max(peak, std::abs(v));
    EXPECT_NEAR(crossings, 200, 4);
    EXPECT_TRUE(std::all_of(s.begin() + toneEnd, s.end(), [](int v) { return v == 0; }));
    // Loud enough to hear, never clipping, fading in and out without a click.
    EXPECT_GT(peak, 8000);
    EXPECT_LT(peak, 32000);
    EXPECT_LT(std::abs(s[0]), 500);
    EXPECT_LT(std::abs(s[toneEnd - 1]), 500);
}

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
