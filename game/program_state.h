// Variables shared by all windows of the game.
#pragma once

#include <string>

namespace game {

// The running game is to stop: set by the cancel command, by Escape or F8
// in the message and mark windows, and when the main window unloads;
// cleared when a game starts.
extern bool QuizAbort;
// The last answer was right (drives the mark window).
extern bool LastCorrect;
// Full path of the wave file played last.
extern std::wstring WavePath;
// The name typed in the name entry window.
extern std::wstring EnteredName;

} // namespace game
