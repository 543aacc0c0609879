// One entry of the file dialog's list.
#pragma once

#include <cstdint>
#include <string>

namespace lumadlg {

enum class ItemKind {
    File,
    Folder,
    Drive,
    UpEntry,     // "上のフォルダへ": the parent folder
    DrivesEntry, // "ドライブ選択へ": the drive list
};

// Marks a folder, a drive or a special entry in `size`.
inline constexpr std::uint32_t kNoSize = 0xFFFFFFFF;

struct FileItem {
    ItemKind kind = ItemKind::File;
    std::wstring name;      // as found, a drive's display name, or a special name
    std::wstring folder;    // where it was found, with a trailing "\"; empty for drives and special entries
    std::wstring typeName;  // the shell's type name, fetched on first use
    bool typeFetched = false;
    std::uint32_t size = 0; // low 32 bits of the file size; kNoSize for anything but a file
    std::uint64_t lastWrite = 0; // file time as found
    int icon = -1;          // the system small-icon index once known

    bool IsSpecial() const { return kind == ItemKind::UpEntry || kind == ItemKind::DrivesEntry; }
    bool IsFile() const { return kind == ItemKind::File; }
    // Folders, drives and special entries all sort with the folders.
    bool IsFolderLike() const { return kind != ItemKind::File; }
};

} // namespace lumadlg
