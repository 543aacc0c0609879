// Running the dialog library's file dialog from the game.
#pragma once

#include <windows.h>

#include <string>

namespace game {

// What the file dialog is opened with. Empty texts are handed to the library
// as null pointers, so that it uses its own defaults.
struct FileDialogSettings {
    std::wstring Filter;   // "caption|pattern|...||"
    std::wstring FileName; // initial name in the name box
    std::wstring InitDir;  // starting folder
    std::wstring DefExt;   // extension added to a typed name without one
    std::wstring Title;    // window title; empty keeps the dialog's own
    HWND Owner = nullptr;
    bool SaveMode = false;
};

// Runs the file dialog of LUMADLG.DLL (loaded from the program's folder on
// first use) and returns the full path the player chose. Returns an empty
// path when the player cancelled, when the library or one of its functions
// is missing, or when the dialog could not be run.
std::wstring ShowFileDialog(const FileDialogSettings& settings);

} // namespace game
