#include "speech/reader_router.h"

#include <windows.h>

#include <utility>

#include "speech/phrases.h"

namespace speech {

namespace {

constexpr unsigned long long kRecheckMs = 1000;

// Routes that cannot tell by a failing call that their reader is gone, or
// that a better one has come.
bool LookedAtAgain(Route route)
{
    return route == Route::Uia || route == Route::Sapi || route == Route::Silent;
}

void Note(std::wstring* why, const std::wstring& reason)
{
    if (!why)
        return;
    if (!why->empty())
        *why += L"; ";
    *why += reason;
}

} // namespace

std::wstring ReaderText(std::wstring_view text)
{
    std::wstring joined;
    for (const std::wstring& phrase : SplitPhrases(text))
        joined += (joined.empty() ? L"" : L" ") + phrase;
    return joined;
}

ReaderRouter::ReaderRouter(std::shared_ptr<NvdaClient> nvda) : nvda_(std::move(nvda)) {}

Route ReaderRouter::Choose(Route first, std::wstring* why)
{
    if (first <= Route::Nvda) {
        if (!nvda_->Load()) {
            Note(why, L"nvda: no " + nvda_->Where());
        } else if (unsigned long error = nvda_->TestIfRunning(); error != ERROR_SUCCESS) {
            Note(why, L"nvda: " + nvda_->Where() + L" answers " + std::to_wstring(error) + L", NVDA does not run");
        } else {
            Note(why, L"nvda: " + nvda_->Where() + L" answers that NVDA runs");
            return Route::Nvda;
        }
    }
    if (first <= Route::Jaws) {
        if (!JawsClient::IsRunning()) {
            Note(why, L"jaws: no JAWS main window (class JFWUI2)");
        } else if (!jaws_.Connect()) {
            Note(why, L"jaws: JAWS runs, but its automation object FreedomSci.JawsApi cannot be made");
        } else {
            Note(why, L"jaws: JAWS runs and its automation object answers");
            return Route::Jaws;
        }
    }
    if (first <= Route::Uia) {
        if (!UiaNotifier::ScreenReaderFlag()) {
            Note(why, L"uia: the system's screen-reader flag is off");
        } else if (!uia_.Bound()) {
            Note(why, L"uia: the screen-reader flag is on, but uiautomationcore.dll has no UiaRaiseNotificationEvent");
        } else if (!uia_.Listened()) {
            Note(why, L"uia: the screen-reader flag is on, but no UI Automation client listens");
        } else {
            Note(why, L"uia: the screen-reader flag is on; UI Automation notifications go to it");
            return Route::Uia;
        }
    }
    if (engine_.IsSilent()) {
        Note(why, L"sapi: SAPI cannot speak here");
        return Route::Silent;
    }
    Note(why, L"sapi: SAPI speaks");
    return Route::Sapi;
}

Route ReaderRouter::Current()
{
    const unsigned long long now = GetTickCount64();
    if (!chosen_ || (LookedAtAgain(current_) && now - checkedAt_ >= kRecheckMs)) {
        current_ = Choose(Route::Nvda, nullptr);
        checkedAt_ = now;
        chosen_ = true;
    }
    return current_;
}

Route ReaderRouter::Next(Route failed)
{
    current_ = Choose(static_cast<Route>(static_cast<int>(failed) + 1), nullptr);
    checkedAt_ = GetTickCount64();
    return current_;
}

bool ReaderRouter::Deliver(Route route, std::wstring_view text, bool interrupt, bool braille)
{
    const std::wstring said = ReaderText(text);
    switch (route) {
    case Route::Nvda:
        if (interrupt && nvda_->CancelSpeech() != ERROR_SUCCESS)
            return false;
        if (said.empty())
            return true;
        if (nvda_->SpeakText(said) != ERROR_SUCCESS)
            return false;
        // NVDA answers even without a braille display; its answer here
        // changes nothing for the speech.
        if (braille)
            nvda_->BrailleMessage(said);
        return true;
    case Route::Jaws:
        if (said.empty())
            return !interrupt || jaws_.Stop();
        return jaws_.Say(said, interrupt);
    case Route::Uia:
        return said.empty() || uia_.Notify(said, interrupt);
    case Route::Sapi:
    case Route::Silent:
        break;
    }
    if (interrupt)
        engine_.Stop();
    engine_.Speak(text);
    return true;
}

bool ReaderRouter::Silence(Route route)
{
    switch (route) {
    case Route::Nvda:
        return nvda_->CancelSpeech() == ERROR_SUCCESS;
    case Route::Jaws:
        return jaws_.Stop();
    case Route::Uia:
        // A notification cannot be called back; the next interrupting one
        // supersedes it.
        return true;
    case Route::Sapi:
    case Route::Silent:
        break;
    }
    engine_.Stop();
    return true;
}

void ReaderRouter::Speak(std::wstring_view text, bool interrupt, bool braille, const Handed& handed)
{
    for (Route route = Current();; route = Next(route)) {
        handed(route);
        if (Deliver(route, text, interrupt, braille))
            return;
    }
}

void ReaderRouter::Stop(const Handed& handed)
{
    for (Route route = Current();; route = Next(route)) {
        handed(route);
        if (Silence(route))
            return;
    }
}

std::wstring ReaderRouter::Describe()
{
    std::wstring why;
    const Route route = Choose(Route::Nvda, &why);
    return L"speech route " + std::wstring(RouteName(route)) + L" (" + why + L")";
}

} // namespace speech
