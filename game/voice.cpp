#include "game/voice.h"

#include <string>

#include "speech/transcript.h"

namespace game {

namespace {
std::wstring Number(int n)
{
    return std::to_wstring(n);
}
} // namespace

void Voice::Speak(std::wstring_view text, int flag)
{
    speech::transcript::Write({L"voice", L"Speak", Number(flag), text});
    engine_.Speak(text);
}

void Voice::StopSpeech()
{
    speech::transcript::Write({L"voice", L"StopSpeech"});
    engine_.Stop();
}

void Voice::SetMode(int value)
{
    speech::transcript::Write({L"voice", L"SetMode", Number(value)});
    mode_ = value;
}

void Voice::WaitSpeech()
{
    speech::transcript::Write({L"voice", L"WaitSpeech"});
    engine_.Wait();
}

void Voice::Sound(int a, int b, int c)
{
    speech::transcript::Write({L"voice", L"Sound", Number(a), Number(b), Number(c)});
    speech::PlayTone(a, b, c);
}

} // namespace game
