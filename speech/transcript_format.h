// How a transcript line is made and read back: UTF-8, fields separated by a
// tab, with backslash, tab, CR and LF escaped and the marker written <M>.
// A line of a call that reached a speech route ends in one more field, the
// route in brackets ("[nvda]", "[jaws]", "[uia]", "[sapi]", "[silent]").
//
// Needs no Windows header: the writer in the programs and the readers in the
// tests share it, and it is tested natively too.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "speech/route.h"

namespace speech::transcript {

// The marker character as the programs hold it in UTF-16 text.
inline constexpr wchar_t kMarkerChar = L'\xF8F2';
// How the marker is written in a transcript line.
inline constexpr std::string_view kMarkerText = "<M>";

// UTF-8 form of wide text (UTF-16 on Windows, UTF-32 elsewhere). A lone
// surrogate or a value beyond Unicode becomes U+FFFD.
std::string ToUtf8(std::wstring_view text);
// Wide form of UTF-8 text; malformed bytes become U+FFFD.
std::wstring FromUtf8(std::string_view text);

// One field as written: UTF-8 with the escapes applied.
std::string EscapeField(std::wstring_view field);
// One written field back as text: the escapes undone, <M> turned back into
// the marker. An unknown escape keeps its backslash.
std::wstring UnescapeField(std::string_view field);

// A whole line, fields escaped and joined by tabs, ending in LF.
std::string FormatLine(std::initializer_list<std::wstring_view> fields);
// A line (with or without its line end) split into unescaped fields.
std::vector<std::wstring> ParseLine(std::string_view line);

// The last field of a line that records its route: "[nvda]" and so on.
std::wstring RouteField(Route route);
// A line without its route field; route (when given) receives the field, or
// nothing when the line has none. Lines without one come back unchanged.
std::string_view SplitRouteField(std::string_view line, std::string_view* route = nullptr);

} // namespace speech::transcript
