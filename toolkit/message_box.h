// The library's speaking message box and input box: modal dialogs from the
// library's own resources whose controls the control assistant takes over.
// Every text is code page 932. Each call owns its dialog for the duration of
// the call; the owner is the thread's active window.
#pragma once

#include <windows.h>

// Button ids of the message box, and the results of SpeakMessageBoxEx.
inline constexpr int kLumaMessageButton1 = 9005;
inline constexpr int kLumaMessageButton2 = 9006;
inline constexpr int kLumaMessageButton3 = 9007;

// A message box following the platform's type bits: button set 0-5 (bits
// 0-3), icon and beep (0x10 hand, 0x20 question, 0x30 exclamation, 0x40
// asterisk), 0x100 / 0x200 second / third button default. A non-zero
// timeoutMs presses the default button after that many milliseconds.
// Returns the platform's command id of the button (IDOK, IDCANCEL, IDABORT,
// IDRETRY, IDIGNORE, IDYES, IDNO), or 0 when no box could be shown (also for
// a null text or a button set above 5). Lines of text are separated by "\n".
int SpeakMessageBox(const char* text, const char* caption, UINT type, UINT timeoutMs);

// The same box with one to three button captions of the caller's choosing,
// each cut to 15 bytes; button3 counts only when button2 is given, and an
// empty caption hides its button and those after it. Only the icon bits and
// up of type are used. Escape chooses the first button whose caption is
// "ｷｬﾝｾﾙ" or "キャンセル". Returns 9005, 9006 or 9007, or 0 when no box
// could be shown (also for a null text or button1). An empty button1 gives
// the standard box of one, two or three buttons (button sets 0, 1 and 3 of
// SpeakMessageBox) for the number of captions given, with its results.
int SpeakMessageBoxEx(const char* text, const char* caption, const char* button1, const char* button2,
                      const char* button3, UINT type);

// A one-line entry box. On OK returns 1, and buffer is zeroed over all
// bufferSize bytes and receives the entry, trimmed of blanks at both ends and
// cut to bufferSize - 1 bytes without splitting a double-byte character. On
// cancel returns 2 and leaves buffer alone. With requireText non-zero an
// entry of blanks only is refused with a guide message. Returns 0 without a
// box for a null buffer or a bufferSize below 1.
int SpeakInputBox(const char* prompt, const char* caption, const char* initialText, char* buffer, int bufferSize,
                  int requireText);
