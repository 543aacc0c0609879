// The worker behind speech::PlayTone (engine.h): cues wait in a short queue
// and a worker thread plays them one after the other through the wave-out
// device, which it opens while there is something to play. Wave-file
// playback (PlaySound) is left alone for the game's own sounds.
#pragma once

namespace speech {

// Waits until every queued cue has been played (or dropped for want of a
// device), at most timeoutMs. True when the player is idle.
bool WaitForTones(unsigned long timeoutMs);

} // namespace speech
