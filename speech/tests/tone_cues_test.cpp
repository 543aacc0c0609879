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
    const std::vector<std::int16_t> s = speech::SynthesizeCue({{1000, 100}, {0, 20}, {500, 100}});
    ASSERT_EQ(s.size(), static_cast<std::size_t>(speech::kToneSampleRate * 220 / 1000));
    const std::size_t firstEnd = s.size() * 100 / 220, pauseEnd = s.size() * 120 / 220;
    // Sign changes, two per period.
    const auto crossings = [&](std::size_t from, std::size_t to) {
        int n = 0;
        for (std::size_t i = from + 1; i < to; ++i)
            n += (s[i - 1] < 0) != (s[i] < 0);
        return n;
    };
    EXPECT_NEAR(crossings(0, firstEnd), 200, 4);
    EXPECT_NEAR(crossings(pauseEnd, s.size()), 100, 4);
    EXPECT_TRUE(std::all_of(s.begin() + firstEnd, s.begin() + pauseEnd, [](int v) { return v == 0; }));
    // Loud enough to hear, never clipping, fading in and out without a click.
    const auto [low, high] = std::minmax_element(s.begin(), s.end());
    EXPECT_GT(std::max(-*low, +*high), 8000);
    EXPECT_LT(std::max(-*low, +*high), 32000);
    for (std::size_t edge : {std::size_t{0}, firstEnd - 1, pauseEnd, s.size() - 1})
        EXPECT_LT(std::abs(s[edge]), 500) << "sample " << edge;
}

} // namespace
