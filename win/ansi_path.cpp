#include "win/ansi_path.h"

namespace ansi_path {

namespace {

constexpr wchar_t kSeparators[] = L"\\/";

std::wstring_view LastComponent(std::wstring_view path)
{
    std::size_t separator = path.find_last_of(kSeparators);
    return separator == std::wstring_view::npos ? path : path.substr(separator + 1);
}

} // namespace

Choice Choose(std::wstring_view path, const CanEncode& canEncode, const ShortPathOf& shortPathOf)
{
    if (canEncode(path))
        return {Form::Exact, std::wstring(path)};
    std::wstring out;
    out.reserve(path.size());
    for (std::size_t start = 0;;) {
        std::size_t end = path.find_first_of(kSeparators, start);
        if (end == std::wstring_view::npos)
            end = path.size();
        std::wstring_view component = path.substr(start, end - start);
        if (canEncode(component)) {
            out += component;
        } else {
            // The short name of this component, looked up under its real
            // folders: short names belong to the folder that holds them.
            const std::wstring shortPath = shortPathOf(std::wstring(path.substr(0, end)));
            std::wstring_view shortName = LastComponent(shortPath);
            if (shortName.empty() || !canEncode(shortName))
                return {};
            out += shortName;
        }
        if (end == path.size())
            break;
        out += path[end];
        start = end + 1;
    }
    return {Form::Short, std::move(out)};
}

} // namespace ansi_path
