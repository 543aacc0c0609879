// The main window's file-system helper: the parts of a path.
#pragma once

#include <string>
#include <string_view>

namespace game {

class FileSystem {
public:
    // The file-name part of a path ("C:\\q\\a.zlq" gives "a.zlq").
    std::wstring GetFileName(const std::wstring& path) const;
};

} // namespace game
