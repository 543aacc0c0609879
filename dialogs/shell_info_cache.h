// The shell's type names and small icons of list entries, looked up once
// per extension (and once for all folders) and kept for a dialog's run:
// a folder of thousands of files of a few kinds costs a few lookups. Icons
// of a kind are asked for by attributes alone, touching no file (asking
// about a file can take as long as reading its folder); files of the kinds
// that carry icons of their own (programs, shortcuts, icons ...) have theirs
// looked up one by one. Type names that a listing's reading asked ahead
// (type_names_ahead.h) are taken from it.
#pragma once

#include <windows.h>

#include <cstddef>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "dialogs/core/file_item.h"
#include "dialogs/type_names_ahead.h"

namespace lumadlg {

class ShellInfoCache {
public:
    void Clear();

    // The type names the current listing's reading asked ahead; replaces
    // the last listing's.
    void UseTypeNamesAhead(std::unique_ptr<TypeNamesAhead> ahead);

    // The type name of a file or folder found in `folder` (with its "\"),
    // as a number in TypeNames(): entries of one kind share it.
    std::size_t TypeIndex(const FileItem& item, const std::wstring& folder);
    const std::wstring& TypeName(const FileItem& item, const std::wstring& folder)
    {
        return typeNames_[TypeIndex(item, folder)];
    }
    const std::vector<std::wstring>& TypeNames() const { return typeNames_; }

    // The small-icon index of a file or folder found in `folder`, -1 when
    // the shell has none. Looked up anew for the files of HasOwnIcon.
    int Icon(const FileItem& item, const std::wstring& folder);
    static bool HasOwnIcon(const FileItem& item);
    // The small-icon index of every folder.
    int FolderIcon();

private:
    int IconOfKind(std::wstring kind, const std::wstring& name, bool folder);

    std::unordered_map<std::wstring, std::size_t> typeOfKind_;
    std::vector<std::wstring> typeNames_;
    std::unordered_map<std::wstring, int> iconOfKind_;
    std::unique_ptr<TypeNamesAhead> typeNamesAhead_;
};

} // namespace lumadlg
