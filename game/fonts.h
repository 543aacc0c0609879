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

// How a size in points is taken.
enum class FontSizing {
    // The character cell (one line) is that high: text laid out for the
    // classic faces, whose line is exactly one em, keeps its lines and
    // columns in a face with taller lines.
    Cell,
    // The em is that high: text that sizes its box to itself.
    Em,
};

// A font of the chosen face, size in points at the screen's resolution.
win::UniqueFont MakeFont(FontPitch pitch, double points, FontSizing sizing, bool bold = false);

// The screen's resolution in dots per inch, vertically.
int ScreenDpi();

} // namespace game
