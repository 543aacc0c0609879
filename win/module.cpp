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

std::wstring ModuleFolder(HMODULE module)
{
    std::wstring path = ModulePath(module);
    auto slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

} // namespace win
