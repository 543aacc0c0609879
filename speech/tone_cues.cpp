#include "speech/tone_cues.h"

#include <algorithm>
#include <cmath>

namespace speech {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kAmplitude = 0.35 * 32767; // well below full scale
constexpr int kFadeMs = 4;

} // namespace

std::vector<ToneStep> CueFor(int a, int b, int c)
{
    if (c == 0) {
        if (a == 50 && b == 0)
            return {{1568, 35}, {2093, 35}};
        if (a == 50 && b == 10)
            return {{2093, 35}, {1568, 35}};
        if (a == 10 && b == 1)
            return {{880, 60}};
        if (a == 10 && b == 2)
            return {{1175, 60}, {0, 40}, {1175, 60}};
        if (a == 10 && b == 3)
            return {{1760, 50}, {0, 30}, {1760, 50}, {0, 30}, {1760, 50}};
        if (a == 500 && b == 3)
            return {{330, 150}, {247, 150}, {196, 250}};
    }
    return {{1000, 80}};
}

std::vector<std::int16_t> SynthesizeCue(const std::vector<ToneStep>& steps)
{
    std::vector<std::int16_t> samples;
    for (const ToneStep& step : steps) {
        const int count = std::max(0, step.ms) * kToneSampleRate / 1000;
        if (step.frequency <= 0) {
            samples.insert(samples.end(), static_cast<std::size_t>(count), 0);
            continue;
        }
        const int fade = std::min(count / 2, kFadeMs * kToneSampleRate / 1000);
        for (int i = 0; i < count; ++i) {
            double gain = 1.0;
            if (fade > 0) {
                if (i < fade)
                    gain = static_cast<double>(i) / fade;
                else if (count - 1 - i < fade)
                    gain = static_cast<double>(count - 1 - i) / fade;
            }
            double value = std::sin(2 * kPi * step.frequency * i / kToneSampleRate);
            samples.push_back(static_cast<std::int16_t>(std::lround(kAmplitude * gain * value)));
        }
    }
    return samples;
}

} // namespace speech
