#include "win/module.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace win {

HMODULE CurrentModule()
{
    return reinterpret_cast<HMODULE>(&__ImageBase);
}

std::wstring ModulePath(HMODULE module)
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD n = GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0)
            return {};
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

std::wstring FolderOf(std::wstring_view path)
{
    auto slash = path.find_last_of(L"\\/");
    if (slash == std::wstring_view::npos)
        return {};
    std::wstring folder(path.substr(0, slash));
    if (folder.size() == 2 && folder[1] == L':')
        folder += L'\\';
    return folder;
}

std::wstring ModuleFolder(HMODULE module)
{
    return FolderOf(ModulePath(module));
}

} // namespace win
