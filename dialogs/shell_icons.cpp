#include "dialogs/shell_icons.h"

#include <shellapi.h>

#include "win/cp932.h"

namespace lumadlg {

HIMAGELIST SystemSmallIcons()
{
    // Asked for by attributes alone, so no file is touched.
    SHFILEINFOW info = {};
    return reinterpret_cast<HIMAGELIST>(SHGetFileInfoW(L"*.bmp", FILE_ATTRIBUTE_NORMAL, &info, sizeof info,
                                                       SHGFI_USEFILEATTRIBUTES | SHGFI_SYSICONINDEX |
                                                           SHGFI_SMALLICON));
}

int SmallIconIndex(const std::wstring& path)
{
    SHFILEINFOW info = {};
    if (!SHGetFileInfoW(path.c_str(), 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON))
        return -1;
    return info.iIcon;
}

int SmallIconIndexOfKind(const std::wstring& name, bool folder)
{
    SHFILEINFOW info = {};
    if (!SHGetFileInfoW(name.c_str(), folder ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL, &info, sizeof info,
                        SHGFI_USEFILEATTRIBUTES | SHGFI_SYSICONINDEX | SHGFI_SMALLICON))
        return -1;
    return info.iIcon;
}

std::wstring ShellTypeName(const std::wstring& path)
{
    SHFILEINFOW info = {};
    if (!SHGetFileInfoW(path.c_str(), 0, &info, sizeof info, SHGFI_TYPENAME))
        return {};
    return cp932::CutToBytes(info.szTypeName, 79);
}

} // namespace lumadlg
