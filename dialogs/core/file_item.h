// One entry of the file dialog's list.
#pragma once

#include <cstdint>
#include <string>

namespace lumadlg {

enum class ItemKind : std::uint8_t {
    File,
    Folder,
    Drive,
    UpEntry,     // "上のフォルダへ": the parent folder
    DrivesEntry, // "ドライブ選択へ": the drive list
};

// The names of the special entries.
inline constexpr wchar_t kUpEntryName[] = L"上のフォルダへ";
inline constexpr wchar_t kDrivesEntryName[] = L"ドライブ選択へ";

// Marks a folder, a drive or a special entry in `size`.
inline constexpr std::uint32_t kNoSize = 0xFFFFFFFF;

// The type name and icon of an entry are the shell's, looked up when they
// are needed and kept per extension (see ShellInfoCache), not per record.
struct FileItem {
    ItemKind kind = ItemKind::File;
    std::uint32_t size = 0;      // low 32 bits of the file size; kNoSize for anything but a file
    std::uint64_t lastWrite = 0; // file time as found
    std::wstring name;           // as found, a drive's display name, or a special name
    // Where it was found, with a trailing "\". The listings leave it empty:
    // all their entries lie in the folder listed, the dialog's current
    // folder, which is kept once.
    std::wstring folder;

    bool IsSpecial() const { return kind == ItemKind::UpEntry || kind == ItemKind::DrivesEntry; }
    bool IsFile() const { return kind == ItemKind::File; }
    // Folders, drives and special entries all sort with the folders.
    bool IsFolderLike() const { return kind != ItemKind::File; }
};

} // namespace lumadlg
