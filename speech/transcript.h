// The speech transcript: when the environment variable SPEECH_TRANSCRIPT
// names a file, every call of a speech component is appended to it as one
// UTF-8 line and flushed at once, so that a test, or a sighted helper, can
// read what a blind player hears while the program runs.
//
// Line format: fields separated by a tab; in text, backslash, tab, CR and LF
// are written \\, \t, \r, \n, and the marker character is written <M>.
// Calls that reached a speech route end in the route (see
// transcript_format.h), written here as [route]:
//
//   voice  Speak  <flag>  <text>  [route]     reader SetMode <option> <value> <reserved> <result>
//   voice  StopSpeech  [route]                reader Speak   <flag>  <text>  [route]
//   voice  WaitSpeech  [route]                reader SpeakEx <a> <b> <text>  [route]
//   voice  SetMode  <value>                   reader Stop  [route]
//   voice  Sound  <a>  <b>  <c>               wave   <async|sync>  <file name without folder>
//   beep   <message box type, hex>
//
// A text that a route failed to speak is written again with the route that
// took it over.
#pragma once

#include <initializer_list>
#include <string_view>

namespace speech::transcript {

// True when SPEECH_TRANSCRIPT is set (read afresh on every call).
bool Enabled();

// Appends one line made of the given fields. Safe to call from several
// modules of one process (the game and the DLLs each have their own copy of
// this code) and from several threads: lines never mix.
void Write(std::initializer_list<std::wstring_view> fields);

} // namespace speech::transcript
