#include "dialogs/folder/folder_drives.h"

#include <shellapi.h>

#include "dialogs/core/ex_style.h"
#include "dialogs/folder/folder_text.h"

namespace lumadlg::folderdrives {

namespace {

std::uint32_t KindBit(UINT type)
{
    switch (type) {
    case DRIVE_FIXED: return kDriveFixed;
    case DRIVE_REMOVABLE: return kDriveRemovable;
    case DRIVE_REMOTE: return kDriveNetwork;
    case DRIVE_CDROM: return kDriveCdRom;
    case DRIVE_RAMDISK: return kDriveRamDisk;
    default: return 0;
    }
}

// Suppresses the system's "insert a disk" boxes while alive.
class QuietErrors {
public:
    QuietErrors() : old_(SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX)) {}
    ~QuietErrors() { SetErrorMode(old_); }
    QuietErrors(const QuietErrors&) = delete;
    QuietErrors& operator=(const QuietErrors&) = delete;

private:
    UINT old_;
};

} // namespace

std::optional<std::vector<std::wstring>> LogicalDriveRoots()
{
    wchar_t buffer[512] = {};
    DWORD n = GetLogicalDriveStringsW(511, buffer);
    if (n == 0 || n > 511)
        return std::nullopt;
    std::vector<std::wstring> roots;
    for (const wchar_t* p = buffer; *p; p += lstrlenW(p) + 1)
        roots.emplace_back(p);
    return roots;
}

bool IsOffered(const std::wstring& root, std::uint32_t driveTypes)
{
    UINT type = GetDriveTypeW(root.c_str());
    if (type == DRIVE_NO_ROOT_DIR)
        return false;
    return driveTypes == 0 || (KindBit(type) & driveTypes) != 0;
}

bool IsReady(wchar_t letter)
{
    std::wstring root = std::wstring(1, letter) + L":\\";
    switch (GetDriveTypeW(root.c_str())) {
    case DRIVE_NO_ROOT_DIR: return false;
    case DRIVE_FIXED:
    case DRIVE_REMOTE:
    case DRIVE_RAMDISK: return true;
    default: {
        QuietErrors quiet;
        return GetFileAttributesW(root.c_str()) != INVALID_FILE_ATTRIBUTES;
    }
    }
}

bool HasUsableDrive(std::uint32_t driveTypes)
{
    auto roots = LogicalDriveRoots();
    if (!roots)
        return false;
    for (bool removablePass : {false, true}) {
        for (const std::wstring& root : *roots) {
            if ((GetDriveTypeW(root.c_str()) == DRIVE_REMOVABLE) != removablePass)
                continue;
            if (IsOffered(root, driveTypes) && IsReady(root[0]))
                return true;
        }
    }
    return false;
}

std::wstring DisplayName(const std::wstring& root)
{
    SHFILEINFOW info = {};
    std::wstring name;
    if (SHGetFileInfoW(root.c_str(), 0, &info, sizeof(info), SHGFI_DISPLAYNAME))
        name = info.szDisplayName;
    wchar_t letter = root.empty() ? 0 : root[0];
    if (letter >= L'a' && letter <= L'z')
        letter = static_cast<wchar_t>(letter - L'a' + L'A');
    if (DriveLetterOf(name) != letter) {
        if (!name.empty())
            name += L' ';
        name += L'(';
        name += letter;
        name += L":)";
    }
    return name;
}

int SmallIconIndex(const std::wstring& path)
{
    SHFILEINFOW info = {};
    if (!SHGetFileInfoW(path.c_str(), 0, &info, sizeof(info), SHGFI_SYSICONINDEX | SHGFI_SMALLICON))
        return -1;
    return info.iIcon;
}

HIMAGELIST SmallIconList()
{
    SHFILEINFOW info = {};
    return reinterpret_cast<HIMAGELIST>(
        SHGetFileInfoW(L"C:\\", 0, &info, sizeof(info), SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
}

} // namespace lumadlg::folderdrives
