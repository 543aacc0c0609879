// Byte-level helpers for Shift-JIS (code page 932) text.
//
// Everything here works on bytes and needs no Windows header, so the quiz
// decoder, the filter parser and the other byte algorithms built on it also
// build and run natively.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace sjis {

// Code 254 of code page 932: ends a phrase for the speech engines, which
// never pronounce it.
inline constexpr char kMarker = '\xFE';

// True when b starts a double-byte character in code page 932.
constexpr bool IsLeadByte(unsigned char b)
{
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}
constexpr bool IsLeadByte(char c) { return IsLeadByte(static_cast<unsigned char>(c)); }

// Length in bytes of the character starting at s[pos]: 2 for a lead byte
// with its trail byte present, otherwise 1 (a lead byte at the very end
// stands alone).
std::size_t CharLength(std::string_view s, std::size_t pos);

// The longest prefix of s of at most maxBytes bytes that does not split a
// double-byte character: a lead byte whose trail byte would be cut off is
// dropped with it.
std::string_view CutToBytes(std::string_view s, std::size_t maxBytes);

// Position of the first single-byte character c at or after from, skipping
// double-byte characters (whose trail byte may equal c), or npos.
std::size_t FindChar(std::string_view s, char c, std::size_t from = 0);

// Copies src into a caller's buffer of dstSize bytes: the whole buffer is
// zeroed first, then src is copied cut to dstSize - 1 bytes without splitting
// a double-byte character. A null buffer or a size below 1 is left alone.
void CopyToBuffer(std::string_view src, char* dst, std::ptrdiff_t dstSize);

// The NUL-terminated string at p, or an empty view for a null pointer.
std::string_view FromCString(const char* p);

} // namespace sjis
