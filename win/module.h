// The module (program or DLL) that code belongs to, and its folder.
#pragma once

#include <windows.h>

#include <string>

namespace win {

// The module that contains this function's caller's code: the DLL when
// called from inside a DLL, the program otherwise.
HMODULE CurrentModule();

// Full path of a module's file (null: the program).
std::wstring ModulePath(HMODULE module);

// Folder of a module's file, without a trailing backslash.
std::wstring ModuleFolder(HMODULE module);

} // namespace win
