// The form of a path that a program speaking code page 932 receives.
//
// A path goes out as it is when the code page carries it unchanged.
// Otherwise each component the code page cannot carry is replaced by its
// short (8.3) name, which opens the same item; the other components keep
// their real names. A component without such a name (short names switched
// off on its volume, or an item that does not exist yet) leaves no form
// that opens the item: the path must then be refused, never handed out
// changed, since a changed path names no file or another one.
//
// The code page and the file system are passed in, so the choice needs no
// Windows header and can be tried with stand-ins (win/path_names.h gives
// the real ones).
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace ansi_path {

enum class Form {
    Exact, // the path as it is
    Short, // short names for the components the code page cannot carry
    None,  // no form opens the item
};

struct Choice {
    Form form = Form::None;
    std::wstring path; // empty for Form::None
};

// True when code page 932 carries the text unchanged.
using CanEncode = std::function<bool(std::wstring_view text)>;
// The short form of an existing path as the file system gives it (only its
// last component is used), or "" when the lookup fails.
using ShortPathOf = std::function<std::wstring(const std::wstring& path)>;

// Components are separated by "\" or "/"; separators, a drive and a
// trailing separator are kept as they are.
Choice Choose(std::wstring_view path, const CanEncode& canEncode, const ShortPathOf& shortPathOf);

} // namespace ansi_path
