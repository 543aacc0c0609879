// The length of the game's timed waits (window timers). A game runs at the
// pace its players know; a scale below 1 shortens every timer alike, so that
// a copy of the game built for automated runs can play a whole game in
// seconds. The program itself never changes the scale.
#pragma once

#include <windows.h>

namespace game {

// Sets the scale for the rest of the process (1 = real time). Values at or
// below 0, or above 1, give real time.
void SetTimeScale(double scale);

// ms at the current scale, never below 1.
UINT TimerMs(UINT ms);

// Rounds of letting pending events run (a short pause) at the current
// scale, never below 1.
int EventRounds(int rounds);

} // namespace game
