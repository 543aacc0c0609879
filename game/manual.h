// Opening the manual: in the maker's text editor where the maker's shared
// settings say it is installed, otherwise, after saying so in a message
// box, in the system's text editor.
#pragma once

#include <windows.h>

#include <string>

namespace game {

class Launcher;

// The manual's file name, in the program's folder.
inline constexpr wchar_t kManualFile[] = L"Vemo.txt";

// Where the maker's editor is, as last found in the maker's settings; empty
// until it has been found once in this run. A later opening that cannot
// read the settings keeps what was found before.
extern std::wstring EditorPath;

// Opens folder + fileName in the editor, read-only. folder must end in a
// backslash. An empty file name does nothing after the editor is looked up.
// A failure to start the editor shows a message box over owner, then the
// system's text editor is started; a failure of that one is left alone.
void DocRead(const std::wstring& fileName, const std::wstring& folder, Launcher& launcher, HWND owner);

} // namespace game
