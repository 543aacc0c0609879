// Path text helpers of the file dialog. Paths are the platform's UTF-16
// text; the byte limits count bytes of their code page 932 form.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace lumadlg {

// Bytes of the code page 932 form of text: one for ASCII and half-width
// katakana (and the phrase marker), two for every other character.
std::size_t Cp932Length(std::wstring_view text);

// path with one "\" appended when it does not end in one.
std::wstring WithBackslash(std::wstring_view path);

// True when the folder ends in ":\", a drive's root.
bool IsRootFolder(std::wstring_view folder);

// The parent of a folder: one trailing "\" removed, then everything up to
// and including the last "\"; a last "\" at byte 260 or later gives "";
// without any "\" left, the path without its trailing "\" ("C:\" -> "C:").
std::wstring ParentFolder(std::wstring_view path);

// The path with its "." components dropped and each ".." taking away the
// component before it, never the drive's root: "C:\a\.\b\..\c" ->
// "C:\a\c", "C:\..\a" -> "C:\a". A trailing "\" stays.
std::wstring WithoutDotComponents(std::wstring_view path);

// The last component of a folder (its text after the last "\", ignoring one
// trailing "\"); "" when the folder is 260 bytes or longer.
std::wstring LastComponent(std::wstring_view folder);

// The base name without its extension (the last "." and what follows), or
// the whole name when that base would be empty.
std::wstring WithoutExtension(std::wstring_view name);

// The extension of a file name from its last "." on, or "".
std::wstring_view ExtensionOf(std::wstring_view name);

// How a listing picks its files from a filter.
struct FileFilter {
    enum class Kind { All, Extensions, Pattern } kind = Kind::All;
    std::vector<std::wstring> extensions; // Kind::Extensions: up to 10, with their dot
    std::wstring pattern;                 // Kind::Pattern: searched for as given
};

// No filter, "*.*" or "": all files. A filter with ";" or ",": the
// extensions of its pieces whose second character is "." (at most 10).
// Anything else: a search pattern.
FileFilter MakeFileFilter(std::wstring_view filter);

// True when the file's extension is one of the filter's, ignoring case.
bool MatchesExtensions(const FileFilter& filter, std::wstring_view fileName);

} // namespace lumadlg
