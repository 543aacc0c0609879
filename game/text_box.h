// The question box and the start-up text: a read-only multi-line text box
// whose lines are one em high (em_text.h), so that a 24-point box laid out
// for five lines shows five lines of 24-point type in any Japanese face.
//
// It keeps its text as the window text (WM_SETTEXT, WM_GETTEXT), takes the
// focus when it has WS_TABSTOP, tells its parent EN_SETFOCUS and
// EN_KILLFOCUS as an edit control does, and asks the parent for its colours
// with WM_CTLCOLOREDIT.
#pragma once

#include <windows.h>

namespace game {

// Registers the class (once) and makes a text box child of parent.
HWND CreateTextBox(HWND parent, DWORD style, const wchar_t* text);

} // namespace game
