#include "dialogs/shell_icons.h"

#include <shellapi.h>

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

} // namespace lumadlg
