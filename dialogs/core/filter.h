// The file-type list of a file dialog, parsed from the caller's filter
// string: "caption|pattern|caption|pattern||".
//
// Works on the Shift-JIS bytes the caller passed, so a double-byte
// character whose trail byte is "|" never splits an entry.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lumadlg {

struct FilterEntry {
    std::string caption; // Shift-JIS
    std::string pattern; // Shift-JIS
};

// The fallback pair used when the filter yields no complete list.
inline constexpr const char* kAllFilesCaption = "\x82\xb7\x82\xd7\x82\xc4\x82\xcc\x83\x74\x83\x40\x83\x43\x83\x8b(*.*)"; // すべてのファイル(*.*)
inline constexpr const char* kAllFilesPattern = "*.*";

// Captions and patterns in order. A pattern is taken only when a bar follows
// it; when the captions and patterns differ in number, or either is missing,
// the result is the single fallback pair.
std::vector<FilterEntry> ParseFilter(std::string_view filter);

} // namespace lumadlg
