// The cues of PlayTone: one of their own for each use, short enough for it,
// and synthesized at the stated pitch, loud, unclipped and without clicks.
#include "speech/tone_cues.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

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

} // namespace
