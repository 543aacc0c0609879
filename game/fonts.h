// The game's Japanese fonts. The window uses the classic Japanese gothic
// faces when the system has them, and otherwise a Japanese face that it has.
#pragma once

#include <windows.h>

#include <string>

#include "win/handles.h"

namespace game {

enum class FontPitch {
    Fixed,        // every character one width: the question, the choices
    Proportional, // the lamps' labels and the message window
};

// The face to use for a pitch on this system.
std::wstring ChooseFace(FontPitch pitch);

// True when the system has a font family of that name with Japanese
// characters.
bool HasJapaneseFace(const std::wstring& face);

// A font of the chosen face whose em is `points` high at the screen's
// resolution.
win::UniqueFont MakeFont(FontPitch pitch, double points, bool bold = false);

// The screen's resolution in dots per inch, vertically.
int ScreenDpi();

} // namespace game
