// Colours of the game's rules and styles as GDI colours.
#pragma once

#include <windows.h>

namespace game {

// Any colour record with r, g and b members (the styles' and the rules').
template <class Colour>
constexpr COLORREF ToColorRef(const Colour& c)
{
    return RGB(c.r, c.g, c.b);
}

} // namespace game
