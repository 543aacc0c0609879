#include "game/voice.h"

#include <windows.h>

#include <string>

#include "game/logic/styles.h"
#include "speech/transcript.h"
#include "speech/transcript_format.h"
#include "win/module.h"
#include "win/registry.h"
#include "win/window.h"

namespace game {

namespace {

constexpr unsigned long long kRecheckMs = 1000;
constexpr wchar_t kNoticeClass[] = L"VemoVoiceNotice";
constexpr UINT kDroppedMessage = WM_APP + 1;

std::wstring Number(int n)
{
    return std::to_wstring(n);
}

bool IsSapi(speech::Route route)
{
    return route == speech::Route::Sapi || route == speech::Route::Silent;
}

} // namespace

// A message-only window on the game's thread: NVDA's speaking thread posts
// to it when NVDA failed to speak texts, so that they go to the next route
// at once and not only at the game's next call.
class Voice::DropNotice : public win::Window {
public:
    explicit DropNotice(Voice& voice) : voice_(voice)
    {
        const HINSTANCE instance = win::CurrentModule();
        if (RegisterClass(instance, kNoticeClass, 0))
            Create(instance, kNoticeClass, L"", 0, 0, 0, 0, 0, 0, HWND_MESSAGE);
    }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override
    {
        if (msg != kDroppedMessage)
            return DefaultProc(msg, wParam, lParam);
        voice_.TakeBackDropped();
        return 0;
    }

private:
    Voice& voice_;
};

SpeechSetting ParseSpeechSetting(const std::optional<std::wstring>& value)
{
    if (value == L"1")
        return SpeechSetting::Sapi;
    if (value == L"2")
        return SpeechSetting::ScreenReader;
    return SpeechSetting::Automatic;
}

Voice::Voice()
    : Voice(ParseSpeechSetting(win::ReadUserValueText(kSettingsKey, kSpeechValue)), win::ModuleFolder(nullptr))
{
}

Voice::Voice(SpeechSetting setting, const std::wstring& folder)
    : setting_(setting), nvda_(std::make_shared<speech::NvdaClient>(folder)), reader_(nvda_)
{
}

Voice::~Voice() = default;

void Voice::Choose()
{
    const bool marks = setting_ != SpeechSetting::Sapi && !ssmlRefused_ && nvda_->OffersSsml() &&
                       nvda_->TestIfRunning() == ERROR_SUCCESS;
    if (marks)
        way_ = Way::Marked;
    else
        way_ = setting_ == SpeechSetting::ScreenReader ? Way::Reader : Way::Sapi;
    checkedAt_ = GetTickCount64();
    chosen_ = true;
}

Voice::Way Voice::Current()
{
    TakeBackDropped();
    const bool lookAgain = setting_ != SpeechSetting::Sapi && way_ != Way::Marked &&
                           GetTickCount64() - checkedAt_ >= kRecheckMs;
    if (!chosen_ || lookAgain)
        Choose();
    return way_;
}

speech::Route Voice::RouteOf(Way way)
{
    switch (way) {
    case Way::Marked: return speech::Route::Nvda;
    case Way::Reader: return readerRoute_;
    case Way::Sapi: break;
    }
    return reader_.Sapi().IsSilent() ? speech::Route::Silent : speech::Route::Sapi;
}

speech::MarkedSpeech& Voice::Marked()
{
    if (!marked_) {
        notice_ = std::make_unique<DropNotice>(*this);
        const HWND notice = notice_->hwnd();
        marked_ = std::make_unique<speech::MarkedSpeech>(nvda_, [notice] {
            if (notice)
                PostMessageW(notice, kDroppedMessage, 0, 0);
        });
    }
    return *marked_;
}

void Voice::TakeBackDropped()
{
    if (!marked_)
        return;
    const std::vector<std::wstring> texts = marked_->TakeDropped();
    if (texts.empty())
        return;
    if (marked_->LastError() == RPC_S_UNKNOWN_IF)
        ssmlRefused_ = true;
    // NVDA is looked at again after a second, like any other route.
    way_ = setting_ == SpeechSetting::ScreenReader ? Way::Reader : Way::Sapi;
    checkedAt_ = GetTickCount64();
    markedChars_ = 0;
    for (const std::wstring& text : texts)
        SpeakOn(way_, text, 0);
}

void Voice::SpeakOn(Way way, std::wstring_view text, int flag)
{
    auto write = [&](speech::Route route) {
        speech::transcript::Write({L"voice", L"Speak", Number(flag), text, speech::transcript::RouteField(route)});
    };
    switch (way) {
    case Way::Marked:
        write(speech::Route::Nvda);
        Marked().Speak(text);
        markedChars_ += static_cast<unsigned long>(text.size());
        return;
    case Way::Reader:
        reader_.Speak(text, false, false, [&](speech::Route route) {
            readerRoute_ = route;
            write(route);
        });
        return;
    case Way::Sapi:
        write(RouteOf(way));
        reader_.Sapi().Speak(text);
        return;
    }
}

void Voice::Speak(std::wstring_view text, int flag)
{
    SpeakOn(Current(), text, flag);
}

void Voice::StopSpeech()
{
    const Way way = Current();
    auto write = [](speech::Route route) {
        speech::transcript::Write({L"voice", L"StopSpeech", speech::transcript::RouteField(route)});
    };
    switch (way) {
    case Way::Marked:
        write(speech::Route::Nvda);
        Marked().Stop();
        markedChars_ = 0;
        return;
    case Way::Reader:
        reader_.Stop([&](speech::Route route) {
            readerRoute_ = route;
            write(route);
        });
        return;
    case Way::Sapi:
        write(RouteOf(way));
        reader_.Sapi().Stop();
        return;
    }
}

void Voice::SetMode(int value)
{
    speech::transcript::Write({L"voice", L"SetMode", Number(value)});
    mode_ = value;
}

void Voice::WaitSpeech()
{
    const Way way = Current();
    speech::transcript::Write({L"voice", L"WaitSpeech", speech::transcript::RouteField(RouteOf(way))});
    if (way == Way::Marked) {
        Marked().Wait(speech::WaitLimitMs(markedChars_));
        markedChars_ = 0;
        // Texts NVDA failed to speak meanwhile went to the next route.
        TakeBackDropped();
        if (way_ == Way::Marked)
            return;
    }
    // The screen-reader routes cannot report the end of speech.
    if (IsSapi(RouteOf(way_)))
        reader_.Sapi().Wait();
}

void Voice::Sound(int a, int b, int c)
{
    speech::transcript::Write({L"voice", L"Sound", Number(a), Number(b), Number(c)});
    speech::PlayTone(a, b, c);
}

} // namespace game
