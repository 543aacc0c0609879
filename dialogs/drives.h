// Drives and file-system tests the dialogs share: which drives a dialog
// offers, whether a drive is ready, and whether a folder or file may be
// shown under the dialog's hidden and read-only rules.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace lumadlg {

// The logical drive roots ("C:\") in the system's order.
std::vector<std::wstring> LogicalDriveRoots();

// The root exists and its kind is allowed by driveTypes (0: every kind).
bool IsDriveOffered(const std::wstring& root, std::uint32_t driveTypes);

// Fixed, network and RAM disks are ready without a test; removable, CD-ROM
// and unknown kinds are tested with the system's error boxes suppressed.
bool IsDriveReady(wchar_t letter);

// The first root, non-removable drives before removable ones, that is both
// offered and ready; "" when there is none.
std::wstring FirstUsableDrive(std::uint32_t driveTypes);

// The drive letter of a shell display name: the character after its last
// "(", or 0.
wchar_t DriveLetterOfDisplayName(const std::wstring& displayName);

// The shell's display name of a drive root, with the letter in parentheses
// (one is made up when the shell gives none).
std::wstring DriveDisplayName(const std::wstring& root);

// The spoken kind of the drive of a letter, "" for other kinds.
std::wstring DriveKindText(wchar_t letter);

// Attribute rules: read-only entries are excluded with hideReadOnly, hidden
// ones unless showHidden.
struct VisibilityRules {
    bool hideReadOnly = false;
    bool showHidden = false;
    bool Excludes(DWORD attributes) const
    {
        if (hideReadOnly && (attributes & FILE_ATTRIBUTE_READONLY))
            return true;
        return !showHidden && (attributes & FILE_ATTRIBUTE_HIDDEN);
    }
    bool operator==(const VisibilityRules&) const = default;
};

// A drive ("X:" or "X:\") is usable without a test; any other folder must
// contain at least one entry and not be excluded by the rules.
bool IsFolderUsable(const std::wstring& path, VisibilityRules rules);
// The same for a folder whose search was made already: `found` tells
// whether it found anything.
bool IsFolderUsable(const std::wstring& path, VisibilityRules rules, bool found);
// A drive ("X:" or "X:\"), usable without a test.
bool IsDriveOnly(const std::wstring& path);
// The file exists and is not excluded by the rules.
bool IsFileUsable(const std::wstring& folder, const std::wstring& name, VisibilityRules rules);

} // namespace lumadlg
