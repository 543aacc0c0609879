// The extended style values of the two dialogs and the mask rules by which
// the callers read and write them.
#pragma once

#include <cstdint>

namespace lumadlg {

// File dialog style bits.
enum : std::uint32_t {
    kMultiSelect = 0x1,
    kCreatePrompt = 0x2,
    kFileMustExist = 0x4,
    kOverwritePrompt = 0x8,
    kFileMustNotExist = 0x10,
    kHideReadOnly = 0x20,
    kShowHidden = 0x40,
    kFocusList = 0x80,
    kHideExtension = 0x100,
};

// Drive kinds of driveTypes.
enum : std::uint32_t {
    kDriveFixed = 0x1,
    kDriveRemovable = 0x2,
    kDriveNetwork = 0x4,
    kDriveCdRom = 0x8,
    kDriveRamDisk = 0x10,
};

// File operations of disabledOps.
enum : std::uint32_t {
    kOpCopyFiles = 0x1,
    kOpDeleteFiles = 0x2,
    kOpRenameFiles = 0x4,
    kOpCreateFolders = 0x8,
    kOpDeleteFolders = 0x10,
    kOpRenameFolders = 0x20,
    kAllFileOps = 0x37,
};

// Folder dialog style bits.
enum : std::uint32_t {
    kFolderHideReadOnly = 0x10000,
    kFolderShowHidden = 0x20000,
    kFolderNoCreate = 0x40000,
};

// The four values behind the file dialog's extended style record.
struct FileStyleValues {
    std::uint32_t style = 0;
    std::uint32_t driveTypes = 0;
    std::uint32_t disabledOps = 0;
    std::uintptr_t acceptHook = 0;
};

// Stores the fields `mask` selects (0: all four) and returns the result
// bits: 0x1 when the stored style changed, 0x2, 0x4, 0x8 for each of
// driveTypes, disabledOps and acceptHook written. A multi-selection style
// that also asks about or refuses existing files loses its multi-selection
// bit.
unsigned StoreFileStyle(FileStyleValues& stored, std::uint32_t mask, const FileStyleValues& from);
// Copies the fields `mask` selects (0: all four) into `to`.
void LoadFileStyle(const FileStyleValues& stored, std::uint32_t mask, FileStyleValues& to);

// The three values behind the folder dialog's extended style record.
struct FolderStyleValues {
    std::uint32_t style = 0;
    std::uint32_t driveTypes = 0;
    std::uintptr_t folderHook = 0;
};

// Mask bits 0x1 style, 0x2 driveTypes, 0x10000 folderHook; 0 means all.
// Returns the sum of the bits of the fields stored.
unsigned StoreFolderStyle(FolderStyleValues& stored, std::uint32_t mask, const FolderStyleValues& from);
void LoadFolderStyle(const FolderStyleValues& stored, std::uint32_t mask, FolderStyleValues& to);

} // namespace lumadlg
