// The shell's small icons, shared by both dialogs' lists: the system's
// small-icon list (owned by the system, never destroyed) and the index of a
// path's icon in it.
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

} // namespace lumadlg
