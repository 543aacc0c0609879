#include "dialogs/folder/folder_text.h"

#include "dialogs/core/paths.h"

namespace lumadlg {

FolderParent ParentOfFolder(std::wstring_view path)
{
    FolderParent parent;
    std::wstring_view trimmed = path;
    while (!trimmed.empty() && trimmed.back() == L'\\')
        trimmed.remove_suffix(1);
    std::size_t cut = trimmed.rfind(L'\\');
    if (cut == std::wstring_view::npos) {
        parent.folder = std::wstring(trimmed);
    } else {
        parent.folder = std::wstring(trimmed.substr(0, cut + 1));
        if (!IsRootFolder(parent.folder))
            parent.folder.pop_back();
    }
    std::size_t last = path.rfind(L'\\');
    if (last != std::wstring_view::npos && Cp932Length(path) < 260)
        parent.leftName = std::wstring(path.substr(last + 1));
    return parent;
}

std::wstring JoinFolder(std::wstring_view folder, std::wstring_view name)
{
    std::wstring joined(folder);
    if (joined.empty() || joined.back() != L'\\')
        joined += L'\\';
    joined += name;
    return joined;
}

wchar_t DriveLetterOf(std::wstring_view displayName)
{
    std::size_t open = displayName.rfind(L'(');
    if (open == std::wstring_view::npos || open + 1 >= displayName.size())
        return 0;
    wchar_t c = displayName[open + 1];
    if (c >= L'a' && c <= L'z')
        c = static_cast<wchar_t>(c - L'a' + L'A');
    return (c >= L'A' && c <= L'Z') ? c : 0;
}

} // namespace lumadlg
