// Text rules of the folder dialog that need no window: the parent of a
// folder, joining a folder and a name, the drive letter of a drive's display
// name, and what the list's entries are.
#pragma once

#include <string>
#include <string_view>

namespace lumadlg {

// The navigation entry of the folder list besides the two special entries
// of the lists (kUpEntryName, kDrivesEntryName).
inline constexpr wchar_t kChooseEntry[] = L"このフォルダで決定";

// Going up from a folder: the folder to show and the entry to select in it.
struct FolderParent {
    std::wstring folder; // "" when nothing is left
    std::wstring leftName;
};
// Trailing backslashes removed, then cut after the last "\" ("C:\A\B" ->
// "C:\A", "C:\A" -> "C:\"); a parent other than a root loses its trailing
// "\". The name left is the part after the last "\" of the path, kept only
// for paths shorter than 260 bytes (counted in code page 932).
FolderParent ParentOfFolder(std::wstring_view path);

// folder and name with exactly one "\" between them.
std::wstring JoinFolder(std::wstring_view folder, std::wstring_view name);

// The upper-case letter after the last "(" of a drive's display name, or 0.
wchar_t DriveLetterOf(std::wstring_view displayName);

// What a list entry is. The folder list shows "上のフォルダへ" or
// "ドライブ選択へ" first, then the folders by name, and "このフォルダで決定"
// last.
enum class EntryKind { Up, ToDrives, Choose, Folder, Drive };

} // namespace lumadlg
