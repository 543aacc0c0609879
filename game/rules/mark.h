// The mark shown over the game window after each answer: a circle for a
// right answer, a cross for a wrong one, blinking for five half seconds.
#pragma once

#include "game/rules/play.h"

namespace rules {

inline constexpr int kMarkTickMs = 500;
inline constexpr int kMarkTicks = 5;
inline constexpr int kMarkLineWidth = 40; // pixels, circle outline and cross lines
inline constexpr Rgb kCircleColour{255, 0, 0};

// The square the mark is drawn in, centred in a window of the given size:
// 90 % of the window height for the circle, 80 % for the cross.
struct MarkBox {
    int left = 0, top = 0, size = 0;
    friend bool operator==(const MarkBox&, const MarkBox&) = default;
};
MarkBox MarkBoxFor(bool right, int windowWidth, int windowHeight);

// The cross is drawn in (0, 192, 192) in the soft display style, otherwise
// in (128, 128, 255).
Rgb CrossColour(bool softStyle);

// One tick of the mark window. Counts the tick and says whether to close
// the window (at the fifth tick, or at once after a cancel) or to invert the
// mark's visibility: visible, hidden, visible, hidden, visible.
struct MarkStep {
    bool close = false;
    bool toggle = false;
};
MarkStep TickMark(bool cancelled, int& ticks);

} // namespace rules
