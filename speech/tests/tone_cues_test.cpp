// The cues of PlayTone: one of their own for each use, short, and
// synthesized at the stated pitch without clicks.
#include "speech/tone_cues.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <numeric>

namespace {

struct Use {
    int a, b, c;
};
const Use kUses[] = {{50, 0, 0}, {50, 10, 0}, {10, 1, 0}, {10, 2, 0}, {10, 3, 0}, {500, 3, 0}};

int LengthMs(const std::vector<speech::ToneStep>& steps)
{
    return std::accumulate(steps.begin(), steps.end(), 0,
                           [](int sum, const speech::ToneStep& s) { return sum + s.ms; });
}

TEST(ToneCues, EachUseHasACueOfItsOwn)
{
    for (std::size_t i = 0; i < std::size(kUses); ++i) {
        auto cue = speech::CueFor(kUses[i].a, kUses[i].b, kUses[i].c);
        for (std::size_t j = i + 1; j < std::size(kUses); ++j)
            EXPECT_NE(cue, speech::CueFor(kUses[j].a, kUses[j].b, kUses[j].c))
                << "uses " << i << " and " << j << " sound alike";
        // Unknown triples share one plain beep, which no use may sound like.
        EXPECT_NE(cue, speech::CueFor(1, 2, 3)) << "use " << i;
    }
}

TEST(ToneCues, CuesAreShortEnoughForTheirUse)
{
    // The countdown ticks once a second and the wrap cue comes in fours.
    for (const Use& use : kUses) {
        int ms = LengthMs(speech::CueFor(use.a, use.b, use.c));
        EXPECT_GT(ms, 0);
        EXPECT_LT(ms, use.a == 500 ? 1000 : 300) << use.a << "," << use.b;
    }
    EXPECT_LT(2 * LengthMs(speech::CueFor(50, 0, 0)) + 2 * LengthMs(speech::CueFor(50, 10, 0)), 400);
}

TEST(ToneCues, SynthesizesTheStepsAtTheirPitch)
{
    const std::vector<speech::ToneStep> steps = {{1000, 100}, {0, 20}, {500, 100}};
    std::vector<std::int16_t> samples = speech::SynthesizeCue(steps);
    ASSERT_EQ(samples.size(), static_cast<std::size_t>(speech::kToneSampleRate * 220 / 1000));

    // Sign changes in a step: two per period.
    auto crossings = [&](std::size_t from, std::size_t to) {
        int n = 0;
        for (std::size_t i = from + 1; i < to; ++i)
            n += (samples[i - 1] < 0) != (samples[i] < 0);
        return n;
    };
    const std::size_t firstEnd = samples.size() * 100 / 220;
    const std::size_t pauseEnd = samples.size() * 120 / 220;
    EXPECT_NEAR(crossings(0, firstEnd), 200, 4);
    EXPECT_NEAR(crossings(pauseEnd, samples.size()), 100, 4);
    for (std::size_t i = firstEnd; i < pauseEnd; ++i)
        ASSERT_EQ(samples[i], 0) << "pause sample " << i;

    // Loud enough to hear, never clipping, fading in and out without a click.
    int peak = 0;
    for (std::int16_t s : samples)
        peak = std::max(peak, std::abs(static_cast<int>(s)));
    EXPECT_GT(peak, 8000);
    EXPECT_LT(peak, 32000);
    for (std::size_t edge : {std::size_t{0}, firstEnd - 1, pauseEnd, samples.size() - 1})
        EXPECT_LT(std::abs(static_cast<int>(samples[edge])), 500) << "sample " << edge;
}

} // namespace
