// The drives the folder dialog offers and whether they are ready, with the
// shell's display names and small icons.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lumadlg::folderdrives {

// The logical drive roots ("C:\") in the system's order; nullopt when the
// drives cannot be read.
std::optional<std::vector<std::wstring>> LogicalDriveRoots();

// The root exists and its kind is allowed by driveTypes (0: every kind).
bool IsOffered(const std::wstring& root, std::uint32_t driveTypes);

// Fixed, network and RAM disks are ready; removable, CD-ROM and unknown
// kinds only when their root can be read, tested with the system's
// critical-error boxes suppressed.
bool IsReady(wchar_t letter);

// Some drive is offered and ready; non-removable drives are tested first,
// so that removable ones are touched only when nothing else serves.
bool HasUsableDrive(std::uint32_t driveTypes);

// The shell's display name of a root, always ending in "(X:)": one is added
// when the shell's name carries no letter in parentheses.
std::wstring DisplayName(const std::wstring& root);

// The shell's small icon index of a path (-1 when it has none), and the
// system's small icon list.
int SmallIconIndex(const std::wstring& path);
HIMAGELIST SmallIconList();

} // namespace lumadlg::folderdrives
