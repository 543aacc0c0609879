// What the file operations of the file dialog ask the toolkit and the
// system, in the dialog's UTF-16 text: the speaking boxes (which take code
// page 932), deletion through the shell, and the facts about entries and
// drives the operations decide by.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "dialogs/core/file_op_rules.h"

namespace lumadlg::fileops {

// SpeakMessageBox: the platform's command id of the button pressed.
int Show(const Message& message);

// SpeakMessageBoxEx with the buttons given: 9005, 9006 or 9007.
int AskWithButtons(const Message& question, const DeleteButtons& buttons);

// SpeakInputBox with an empty entry refused: the name typed, as code page
// 932 bytes, or nullopt unless the user pressed OK.
std::optional<std::string> AskName(const Prompt& prompt);

// Deletes one file or folder (with its content) through the shell, with the
// flags of ShellDeleteFlags; what the shell reports.
DeleteOutcome ShellDelete(HWND owner, const std::wstring& path, std::uint32_t flags);

// The attributes of a path, or nullopt when they cannot be read.
std::optional<DWORD> AttributesOf(const std::wstring& path);

// True when the folder lies on a fixed disk, where the recycle bin is
// offered.
bool IsOnFixedDisk(const std::wstring& folder);

// Two names equal without regard to letter case, as the file system
// compares them.
bool SameNameIgnoringCase(const std::wstring& a, const std::wstring& b);

// The folder in upper case, as copies compare and build their paths.
std::wstring UpperCase(std::wstring folder);

} // namespace lumadlg::fileops
