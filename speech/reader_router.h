// Speech through the player's own screen reader: each text goes to the first
// route that works, in this order:
//   1. NVDA, through its controller client beside our module, when NVDA
//      answers that it runs;
//   2. JAWS, through its automation object, when its main window exists;
//   3. any other screen reader (the system's screen-reader flag is set and a
//      UI Automation client listens), through UI Automation notification
//      events on our active window;
//   4. SAPI (silent where SAPI cannot speak).
// The route is chosen at the first call. NVDA and JAWS report a reader that
// went away by failing the call; the text then goes to the next route that
// works, and so on down to SAPI, so nothing is lost. The other routes are
// looked at again at most once a second, so that a screen reader that starts
// (or one that UI Automation spoke to and that quit) is noticed without a
// restart.
//
// Not thread-safe: the caller serialises the calls.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "speech/engine.h"
#include "speech/jaws_client.h"
#include "speech/nvda_client.h"
#include "speech/route.h"
#include "speech/uia_notifier.h"

namespace speech {

class ReaderRouter {
public:
    // Told each route a text (or a stop) is handed to: the route chosen, and
    // then each next one when a route fails.
    using Handed = std::function<void(Route)>;

    explicit ReaderRouter(std::shared_ptr<NvdaClient> nvda);
    ReaderRouter(const ReaderRouter&) = delete;
    ReaderRouter& operator=(const ReaderRouter&) = delete;

    // Speaks text; interrupt cuts off what is being said first, otherwise
    // the text is queued. braille also shows it on the braille display where
    // the route offers that (NVDA's braille message). The marker character
    // ends a phrase.
    void Speak(std::wstring_view text, bool interrupt, bool braille, const Handed& handed);
    // Silences the route in use.
    void Stop(const Handed& handed);

    // The route the next call would take, and why, as one line.
    std::wstring Describe();

    // The SAPI engine behind the last route.
    Engine& Sapi() { return engine_; }

private:
    Route Current();
    // The first route from `first` on that works now; why (when given)
    // receives the reason for each route looked at.
    Route Choose(Route first, std::wstring* why);
    // Takes the text over after `failed` failed: the next route that works.
    Route Next(Route failed);
    bool Deliver(Route route, std::wstring_view text, bool interrupt, bool braille);
    bool Silence(Route route);

    std::shared_ptr<NvdaClient> nvda_;
    JawsClient jaws_;
    UiaNotifier uia_;
    Engine engine_;
    bool chosen_ = false;
    Route current_ = Route::Sapi;
    unsigned long long checkedAt_ = 0;
};

// Text as a screen reader gets it: the phrases between markers, joined by a
// space, without the markers.
std::wstring ReaderText(std::wstring_view text);

} // namespace speech
