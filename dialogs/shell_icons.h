// The shell's small icons and type names, shared by both dialogs' lists:
// the system's small-icon list (owned by the system, never destroyed), the
// index of a path's icon in it, and a file's type name.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

namespace lumadlg {

// The system's small-icon list, or null.
HIMAGELIST SystemSmallIcons();

// The small-icon index of a file, folder or drive root; -1 when the shell
// has none.
int SmallIconIndex(const std::wstring& path);

// The small-icon index that a file of that name (its extension), or a
// folder, has by its kind, asked by attributes alone: no file is touched.
int SmallIconIndexOfKind(const std::wstring& name, bool folder);

// The shell's type name of a file or folder, cut to 79 bytes in code page
// 932; "" when the shell has none. Callable from any thread with COM.
std::wstring ShellTypeName(const std::wstring& path);

} // namespace lumadlg
