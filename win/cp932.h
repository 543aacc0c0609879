// Conversion between the programs' UTF-16 text and the Shift-JIS (code
// page 932) text at their edges: quiz files, the dialog library's char*
// interface, the screen-reader calls.
//
// Code page 932 is named explicitly, never the system's ANSI code page, so the
// programs behave the same on a Windows set to any language.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "win/sjis.h"

namespace cp932 {

inline constexpr unsigned kCodePage = 932;

// The marker (code 254 of code page 932) as UTF-16: Windows and Wine both map
// that byte to this private-use character and back.
inline constexpr wchar_t kMarker = L'\xF8F2';

std::wstring ToWide(std::string_view bytes);
std::wstring ToWide(const char* nulTerminated); // null gives ""

// Characters code page 932 cannot hold become "?" or a look-alike: for
// text that is only shown or spoken. A path handed to another program goes
// through FromWideExact (or win::AnsiPath), never through this.
std::string FromWide(std::wstring_view text);

// The code page 932 form of text, or nothing when a character would be
// replaced or approximated on the way.
std::optional<std::string> FromWideExact(std::wstring_view text);

// True when every character of text survives the round trip unchanged.
bool CanEncode(std::wstring_view text);

// Length of text in bytes of its code page 932 form.
std::size_t ByteLength(std::wstring_view text);

// The longest prefix of text whose code page 932 form has at most maxBytes
// bytes; a double-byte character is never split.
std::wstring CutToBytes(std::wstring_view text, std::size_t maxBytes);

} // namespace cp932
