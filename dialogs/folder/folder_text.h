// Text rules of the folder dialog that need no window: the parent of a
// folder, joining a folder and a name, the drive letter of a drive's display
// name, and the order of the list's entries.
#pragma once

#include <string>
#include <string_view>

namespace lumadlg {

// The navigation entries of the folder list.
inline constexpr wchar_t kUpEntry[] = L"上のフォルダへ";
inline constexpr wchar_t kDrivesEntry[] = L"ドライブ選択へ";
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

// What a list entry is. The folder list sorts by rank: "上のフォルダへ" and
// "ドライブ選択へ" first (0), folders by name (1), "このフォルダで決定" last (2).
enum class EntryKind { Up, ToDrives, Choose, Folder, Drive };
int EntryRank(EntryKind kind);

} // namespace lumadlg
