// Drawing text in lines exactly one em high.
//
// The main window's boxes are laid out for the classic Japanese gothic
// faces, whose line is one em: a 24-point box of five lines is five ems
// high. Faces with taller lines (the CJK faces found on other systems) would
// show fewer lines, or smaller type when sized to the line. These helpers
// keep the type at its full size and the layout's lines by drawing each line
// with a pitch of one em, the glyphs' em box centred in it.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

namespace game {

// The em height, in pixels, of the font selected into dc.
int EmHeight(HDC dc);

// How far the em box starts below the top of a line of the font selected
// into dc: half of what the line has beyond the em.
int EmOffset(HDC dc);

// Draws one line of text at `top` within left..right (align: DT_LEFT or
// DT_CENTER), its em box starting at top. Colours and background mode are
// the DC's.
void DrawEmLine(HDC dc, int left, int right, int top, std::wstring_view text, UINT align);

// Breaks text into lines at CR LF (or LF) and where the next character
// would pass `width` pixels in the font selected into dc.
std::vector<std::wstring> WrapLines(HDC dc, std::wstring_view text, int width);

} // namespace game
