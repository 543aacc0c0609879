#include "dialogs/core/paths.h"

#include <algorithm>
#include <cwctype>

namespace lumadlg {

namespace {

// Case-insensitive comparison for ASCII and the Latin letters, enough for
// extensions.
int SimpleNoCaseCompare(std::wstring_view a, std::wstring_view b)
{
    std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        auto ca = std::towlower(static_cast<std::wint_t>(a[i]));
        auto cb = std::towlower(static_cast<std::wint_t>(b[i]));
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

} // namespace

std::size_t Cp932Length(std::wstring_view text)
{
    std::size_t n = 0;
    for (wchar_t c : text) {
        bool single = c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F) || (c >= 0xF8F0 && c <= 0xF8F3);
        n += single ? 1 : 2;
    }
    return n;
}

std::wstring WithBackslash(std::wstring_view path)
{
    std::wstring result(path);
    if (result.empty() || result.back() != L'\\')
        result += L'\\';
    return result;
}

bool IsRootFolder(std::wstring_view folder)
{
    return folder.size() >= 2 && folder.substr(folder.size() - 2) == L":\\";
}

std::wstring ParentFolder(std::wstring_view path)
{
    std::wstring_view p = path;
    if (!p.empty() && p.back() == L'\\')
        p.remove_suffix(1);
    std::size_t last = p.rfind(L'\\');
    if (last == std::wstring_view::npos)
        return std::wstring(p);
    if (Cp932Length(p.substr(0, last)) >= 260)
        return {};
    return std::wstring(p.substr(0, last + 1));
}

std::wstring WithoutDotComponents(std::wstring_view path)
{
    const std::size_t rootLength = path.size() >= 3 && path[1] == L':' && path[2] == L'\\' ? 3 : 0;
    std::vector<std::wstring_view> kept;
    for (std::wstring_view rest = path.substr(rootLength); !rest.empty();) {
        const std::size_t end = std::min(rest.find(L'\\'), rest.size());
        const std::wstring_view part = rest.substr(0, end);
        rest.remove_prefix(std::min(end + 1, rest.size()));
        if (part == L"..") {
            if (!kept.empty())
                kept.pop_back();
        } else if (part != L".") {
            kept.push_back(part);
        }
    }
    std::wstring result(path.substr(0, rootLength));
    for (std::size_t i = 0; i < kept.size(); ++i) {
        if (i > 0)
            result += L'\\';
        result += kept[i];
    }
    if (!kept.empty() && !path.empty() && path.back() == L'\\')
        result += L'\\';
    return result;
}

std::wstring LastComponent(std::wstring_view folder)
{
    if (Cp932Length(folder) >= 260)
        return {};
    std::wstring_view p = folder;
    if (!p.empty() && p.back() == L'\\')
        p.remove_suffix(1);
    std::size_t last = p.rfind(L'\\');
    return std::wstring(last == std::wstring_view::npos ? p : p.substr(last + 1));
}

std::wstring_view ExtensionOf(std::wstring_view name)
{
    std::size_t dot = name.rfind(L'.');
    return dot == std::wstring_view::npos ? std::wstring_view() : name.substr(dot);
}

std::wstring WithoutExtension(std::wstring_view name)
{
    std::size_t dot = name.rfind(L'.');
    if (dot == std::wstring_view::npos || dot == 0)
        return std::wstring(name);
    return std::wstring(name.substr(0, dot));
}

FileFilter MakeFileFilter(std::wstring_view filter)
{
    FileFilter result;
    if (filter.empty() || filter == L"*.*")
        return result;
    if (filter.find_first_of(L";,") == std::wstring_view::npos) {
        result.kind = FileFilter::Kind::Pattern;
        result.pattern = filter;
        return result;
    }
    result.kind = FileFilter::Kind::Extensions;
    std::size_t start = 0;
    while (start <= filter.size() && result.extensions.size() < 10) {
        std::size_t end = filter.find_first_of(L";,", start);
        std::wstring_view piece = filter.substr(start, end == std::wstring_view::npos ? std::wstring_view::npos
                                                                                     : end - start);
        if (piece.size() >= 2 && piece[1] == L'.')
            result.extensions.emplace_back(piece.substr(1));
        if (end == std::wstring_view::npos)
            break;
        start = end + 1;
    }
    return result;
}

bool MatchesExtensions(const FileFilter& filter, std::wstring_view fileName)
{
    std::wstring_view ext = ExtensionOf(fileName);
    if (ext.empty())
        return false;
    for (const std::wstring& e : filter.extensions)
        if (SimpleNoCaseCompare(e, ext) == 0)
            return true;
    return false;
}

} // namespace lumadlg
