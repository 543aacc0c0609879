// The cues of PlayTone: one of their own for each use, short enough for it,
// and synthesized at the stated pitch, loud, unclipped and without clicks.
#include "speech/tone_cues.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <numeric>

namespace {

int LengthMs(int a, int b, int c)
{
    const std::vector<speech::ToneStep> steps = speech::CueFor(a, b, c);
    return std::accumulate(steps.begin(), steps.end(), 0, [](int sum, const speech::ToneStep& s) { return sum + s.ms; });
}

TEST(ToneCues, EachUseHasAShortCueOfItsOwn)
{
    // The wrap halves, the countdown (once a second), the error; (1,2,3)
    // stands for any other triple, which gets a plain beep.
    const int uses[][3] = {{50, 0, 0}, {50, 10, 0}, {10, 1, 0}, {10, 2, 0}, {10, 3, 0}, {500, 3, 0}, {1, 2, 3}};
    for (const auto& u : uses) {
        for (const auto& v : uses)
            EXPECT_TRUE(&u == &v || speech::CueFor(u[0], u[1], u[2]) != speech::CueFor(v[0], v[1], v[2]))
                << u[0] << "," << u[1] << " sounds like " << v[0] << "," << v[1];
        EXPECT_GT(LengthMs(u[0], u[1], u[2]), 0);
        EXPECT_LT(LengthMs(u[0], u[1], u[2]), u[0] == 500 ? 1000 : 300) << u[0] << "," << u[1];
    }
    // The wrap cue comes in fours.
    EXPECT_LT(2 * LengthMs(50, 0, 0) + 2 * LengthMs(50, 10, 0), 400);
}

TEST(ToneCues, SynthesizesTheStepsAtTheirPitch)
{
    const std::vector<std::int16_t> samples = speech::SynthesizeCue({{1000, 100}, {0, 20}, {500, 100}});
    ASSERT_EQ(samples.size(), static_cast<std::size_t>(speech::kToneSampleRate * 220 / 1000));
    const std::size_t firstEnd = samples.size() * 100 / 220, pauseEnd = samples.size() * 120 / 220;
    // Sign changes, two per period.
    auto crossings = [&](std::size_t from, std::size_t to) {
        int n = 0;
        for (std::size_t i = from + 1; i < to; ++i)
            n += (samples[i - 1] < 0) != (samples[i] < 0);
        return n;
    };
    EXPECT_NEAR(crossings(0, firstEnd), 200, 4);
    EXPECT_NEAR(crossings(pauseEnd, samples.size()), 100, 4);
    EXPECT_TRUE(std::all_of(samples.begin() + firstEnd, samples.begin() + pauseEnd, [](int s) { return s == 0; }));
    // Loud enough to hear, never clipping, fading in and out without a click.
    const auto [low, high] = std::minmax_element(samples.begin(), samples.end());
    EXPECT_GT(std::max(-*low, +*high), 8000);
    EXPECT_LT(std::max(-*low, +*high), 32000);
    for (std::size_t edge : {std::size_t{0}, firstEnd - 1, pauseEnd, samples.size() - 1})
        EXPECT_LT(std::abs(samples[edge]), 500) << "sample " << edge;
}

} // namespace
