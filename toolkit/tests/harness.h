// Helpers of the toolkit's tests: the WindowOperation setting, message
// pumping that waits for the dialog's own signals, synthetic keys, and a
// runner that drives a modal box from inside its message loop.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/window_operation.h"

namespace tktest {

using testsupport::ScopedWindowOperation;

// Runs the thread's messages through `dialog`'s keyboard navigation until
// done() holds or the watchdog (timeoutMs) fires. Returns done().
bool PumpUntil(HWND dialog, const std::function<bool()>& done, DWORD timeoutMs = 5000);

// Lets every message posted so far, and every key injected so far
// (including those injected while handling them), be handled: a posted
// marker, then an injected key-up of F24 that arrives after all of them.
bool Settle(HWND dialog);

// Posts a key press (key-down, key-up) to the focused window and settles.
// Shift / Ctrl are held with injected keys for the press when asked.
struct Mods {
    bool shift = false;
    bool ctrl = false;
};
bool Press(HWND dialog, WORD vk, Mods mods = {});
// Posts a character message to the focused window and settles.
bool Char(HWND dialog, WPARAM ch);

// The id of the focused control (0 when none or not in the dialog).
int FocusId(HWND dialog);

// A child window of `parent` with the class name, or null.
HWND FindChildOfClass(HWND parent, const wchar_t* className);
// The texts of a window's children (for a standard message box).
std::vector<std::wstring> ChildTexts(HWND parent);

// Runs `call`, which opens a modal dialog on this thread. When that dialog
// is shown, `script` runs inside its message loop with the dialog's
// handle; any dialog shown while the script runs goes to `nested` (run from
// that dialog's own loop). A watchdog ends the box with kWatchdogResult
// after timeoutMs. Returns what `call` returned.
inline constexpr int kWatchdogResult = -77;
struct ModalRun {
    std::function<void(HWND)> script;
    std::function<void(HWND)> nested;
    DWORD timeoutMs = 10000;
};
int RunModal(const ModalRun& run, const std::function<int()>& call);
// True when the last RunModal saw its dialog activated.
bool DialogWasShown();

// A rectangle of a child in its parent's client coordinates.
RECT ChildRect(HWND parent, HWND child);

} // namespace tktest
