#include "win/path_names.h"

#include <windows.h>

#include "win/cp932.h"

namespace win {

namespace {

// One of the two lookups, which share their calling pattern: a first call
// for the size, a second for the text.
using PathLookup = DWORD(WINAPI*)(LPCWSTR, LPWSTR, DWORD);

std::wstring LookUp(PathLookup lookup, const std::wstring& path)
{
    DWORD size = lookup(path.c_str(), nullptr, 0);
    if (size == 0)
        return {};
    std::wstring out(size, L'\0');
    DWORD length = lookup(path.c_str(), out.data(), size);
    if (length == 0 || length >= size)
        return {};
    out.resize(length);
    return out;
}

} // namespace

std::wstring ShortPathName(const std::wstring& path)
{
    return LookUp(&GetShortPathNameW, path);
}

std::wstring LongPathName(const std::wstring& path)
{
    std::wstring longPath = LookUp(&GetLongPathNameW, path);
    return longPath.empty() ? path : longPath;
}

ansi_path::Choice ChooseAnsiPath(std::wstring_view path)
{
    return ansi_path::Choose(path, &cp932::CanEncode, &ShortPathName);
}

std::optional<std::string> AnsiPath(std::wstring_view path)
{
    ansi_path::Choice choice = ChooseAnsiPath(path);
    if (choice.form == ansi_path::Form::None)
        return std::nullopt;
    return cp932::FromWideExact(choice.path);
}

} // namespace win
