// The module (program or DLL) that code belongs to, and its folder.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace win {

// The module that contains this function's caller's code: the DLL when
// called from inside a DLL, the program otherwise.
HMODULE CurrentModule();

// Full path of a module's file (null: the program).
std::wstring ModulePath(HMODULE module);

// The folder part of a file's full path, as a program names its own folder:
// without a trailing backslash, except at a drive root, which is C:\ and not
// C: (that would mean the current folder of drive C).
std::wstring FolderOf(std::wstring_view path);

// Folder of a module's file, as FolderOf gives it.
std::wstring ModuleFolder(HMODULE module);

} // namespace win
