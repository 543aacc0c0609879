// The screen-reader speech library VOSKUSR.dll, bound at load time by
// ordinal alone (3, 6, 9, 13) through the import library `voskusr_import`.
// The calls carry no context; texts are NUL-terminated code page 932 strings
// that only need to live for the duration of the call.
#pragma once

#include <string_view>

// ReaderSetMode(option, value, 0): sets a reader option; the result is the
// option's earlier value, which the caller passes back later to restore it.
// ReaderSpeak(text, flag): flag 0 for announcements (queued), 1 for the
// answer to a keystroke (interrupts, and goes to the braille display too).
// ReaderSpeakEx(text, 4, 1): list and position information (interrupts and
// goes to braille too). ReaderStop(): cuts off whatever the reader is saying.
// The library speaks through the player's screen reader (SAPI when none
// runs): see speech/reader_router.h.
#include "speech/voskusr.h"

namespace reader {

// The reader mode the file dialog sets for its lifetime.
inline constexpr int kModeOption = 0x20002;
inline constexpr int kModeValue = 0x80100;

// The calls above with UTF-16 text, converted to code page 932.
int SetMode(int option, int value);           // ReaderSetMode(option, value, 0)
int Speak(std::wstring_view text, int flag);  // ReaderSpeak(text, flag)
void SpeakEx(std::wstring_view text);         // ReaderSpeakEx(text, 4, 1); an empty text is not passed
void Stop();                                  // ReaderStop()

} // namespace reader
