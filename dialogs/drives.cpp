#include "dialogs/drives.h"

#include <shellapi.h>

#include "dialogs/core/ex_style.h"
#include "dialogs/core/paths.h"
#include "win/handles.h"

namespace lumadlg {

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

std::wstring RootOf(wchar_t letter) { return std::wstring(1, letter) + L":\\"; }

// Suppresses the system's critical-error boxes ("insert a disk") while alive.
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

std::vector<std::wstring> LogicalDriveRoots()
{
    std::vector<std::wstring> roots;
    wchar_t buffer[512] = {};
    DWORD n = GetLogicalDriveStringsW(511, buffer);
    if (n == 0 || n > 511)
        return roots;
    for (const wchar_t* p = buffer; *p; p += lstrlenW(p) + 1)
        roots.emplace_back(p);
    return roots;
}

bool IsDriveOffered(const std::wstring& root, std::uint32_t driveTypes)
{
    UINT type = GetDriveTypeW(root.c_str());
    if (type == DRIVE_NO_ROOT_DIR)
        return false;
    return driveTypes == 0 || (KindBit(type) & driveTypes) != 0;
}

bool IsDriveReady(wchar_t letter)
{
    std::wstring root = RootOf(letter);
    UINT type = GetDriveTypeW(root.c_str());
    switch (type) {
    case DRIVE_NO_ROOT_DIR:
        return false;
    case DRIVE_FIXED:
    case DRIVE_REMOTE:
    case DRIVE_RAMDISK:
        return true;
    default: {
        QuietErrors quiet;
        return GetFileAttributesW(root.c_str()) != INVALID_FILE_ATTRIBUTES;
    }
    }
}

std::wstring FirstUsableDrive(std::uint32_t driveTypes)
{
    std::vector<std::wstring> roots = LogicalDriveRoots();
    for (int pass = 0; pass < 2; ++pass) {
        for (const std::wstring& root : roots) {
            bool removable = GetDriveTypeW(root.c_str()) == DRIVE_REMOVABLE;
            if (removable != (pass == 1))
                continue;
            if (IsDriveOffered(root, driveTypes) && IsDriveReady(root[0]))
                return root;
        }
    }
    return {};
}

wchar_t DriveLetterOfDisplayName(const std::wstring& displayName)
{
    std::size_t paren = displayName.rfind(L'(');
    if (paren == std::wstring::npos || paren + 1 >= displayName.size())
        return 0;
    return displayName[paren + 1];
}

std::wstring DriveDisplayName(const std::wstring& root)
{
    SHFILEINFOW info = {};
    std::wstring name;
    if (SHGetFileInfoW(root.c_str(), 0, &info, sizeof info, SHGFI_DISPLAYNAME))
        name = info.szDisplayName;
    if (DriveLetterOfDisplayName(name) != root[0]) {
        std::wstring label = name.empty() ? DriveKindText(root[0]) : name;
        name = label + L" (" + root.substr(0, 2) + L")";
    }
    return name;
}

std::wstring DriveKindText(wchar_t letter)
{
    switch (GetDriveTypeW(RootOf(letter).c_str())) {
    case DRIVE_REMOVABLE: return L"リムーバブル ディスク";
    case DRIVE_FIXED: return L"ローカル ディスク";
    case DRIVE_REMOTE: return L"ネットワーク接続";
    case DRIVE_CDROM: return L"ＣＤ－ＲＯＭ";
    case DRIVE_RAMDISK: return L"ＲＡＭディスク";
    default: return {};
    }
}

bool IsDriveOnly(const std::wstring& path)
{
    return Cp932Length(path) <= 3 && path.size() >= 2 && path[1] == L':';
}

bool IsFolderUsable(const std::wstring& path, VisibilityRules rules)
{
    if (IsDriveOnly(path))
        return true;
    std::wstring pattern = WithBackslash(path) + L"*";
    WIN32_FIND_DATAW found;
    win::UniqueFind find(FindFirstFileW(pattern.c_str(), &found));
    return IsFolderUsable(path, rules, static_cast<bool>(find));
}

bool IsFolderUsable(const std::wstring& path, VisibilityRules rules, bool found)
{
    if (IsDriveOnly(path))
        return true;
    if (!found)
        return false;
    std::wstring folder = path;
    while (folder.size() > 3 && folder.back() == L'\\')
        folder.pop_back();
    DWORD attributes = GetFileAttributesW(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return false;
    return !rules.Excludes(attributes);
}

bool IsFileUsable(const std::wstring& folder, const std::wstring& name, VisibilityRules rules)
{
    std::wstring path = WithBackslash(folder) + name;
    WIN32_FIND_DATAW found;
    win::UniqueFind find(FindFirstFileW(path.c_str(), &found));
    if (!find)
        return false;
    return !rules.Excludes(found.dwFileAttributes);
}

} // namespace lumadlg
