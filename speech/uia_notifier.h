// Speech for any other screen reader: UI Automation notification events,
// raised on the caller's active window, which the running screen reader
// speaks (and brailles, where it does that with notifications). A screen
// reader runs when the system's screen-reader flag (SPI_GETSCREENREADER) is
// set and a UI Automation client listens.
//
// UiaRaiseNotificationEvent (uiautomationcoreapi.h, Windows 10 1709 and
// later), UiaHostProviderFromHwnd and UiaClientsAreListening are bound at
// run time from uiautomationcore.dll: older systems and Wine do not have the
// first.
#pragma once

#include <string>

namespace speech {

class UiaNotifier {
public:
    static bool ScreenReaderFlag();
    // True when the notification call is there to be made.
    bool Bound();
    // True when a UI Automation client (a screen reader) listens.
    bool Listened();
    // Raises the text on the caller's active window: interrupting texts ask
    // to be spoken at once, superseding earlier ones; the others to be
    // spoken in turn, all of them. False when there is no window to raise
    // it on or the call fails.
    bool Notify(const std::wstring& text, bool interrupt);

private:
    bool tried_ = false;
    void* raise_ = nullptr;
    void* hostProvider_ = nullptr;
    void* listening_ = nullptr;
};

} // namespace speech
