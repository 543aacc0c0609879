#include "game/rules/mark.h"

namespace rules {

MarkBox MarkBoxFor(bool right, int windowWidth, int windowHeight)
{
    const int size = windowHeight * (right ? 9 : 8) / 10;
    return {windowWidth / 2 - size / 2, windowHeight / 2 - size / 2, size};
}

Rgb CrossColour(bool softStyle)
{
    return softStyle ? Rgb{0, 192, 192} : Rgb{128, 128, 255};
}

MarkStep TickMark(bool cancelled, int& ticks)
{
    if (cancelled)
        return {.close = true, .toggle = false};
    ticks += 1;
    if (ticks < kMarkTicks)
        return {.close = false, .toggle = true};
    return {.close = true, .toggle = false};
}

} // namespace rules
