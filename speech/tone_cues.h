// The short synthesized cues of PlayTone: which tones make each cue, and
// their samples.
//
// Needs no Windows header; tested natively too.
#pragma once

#include <cstdint>
#include <vector>

namespace speech {

// One piece of a cue: a sine tone, or a pause when frequency is 0.
struct ToneStep {
    int frequency; // Hz
    int ms;
    friend bool operator==(const ToneStep&, const ToneStep&) = default;
};

// The cue for a triple of PlayTone:
//   (50,0,0), (50,10,0)         the two halves of the wrap cue: a quick high
//                               blip going up, then one going down;
//   (10,1,0), (10,2,0), (10,3,0) the countdown, higher and more insistent as
//                               time runs out;
//   (500,3,0)                   the error: a low falling buzz.
// Any other triple gives a plain short beep.
std::vector<ToneStep> CueFor(int a, int b, int c);

inline constexpr int kToneSampleRate = 22050;

// 16-bit mono samples of the steps at kToneSampleRate. Each tone fades in
// and out over a few milliseconds so that it starts and ends without a click.
std::vector<std::int16_t> SynthesizeCue(const std::vector<ToneStep>& steps);

} // namespace speech
