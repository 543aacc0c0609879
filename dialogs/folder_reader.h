// Reading a folder for a list: the search, the entries it keeps, and their
// first order, by name. Needs no window, so it can run on any thread.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "dialogs/core/file_item.h"
#include "dialogs/drives.h"

namespace lumadlg {

// What to read.
struct FolderQuery {
    std::wstring folder;      // with its trailing "\"
    std::wstring filter;      // the listing's filter (see MakeFileFilter); files are left out with foldersOnly
    VisibilityRules rules;    // which hidden and read-only entries are left out
    bool foldersOnly = false; // the folder dialog lists folders alone
    std::size_t maxEntries = std::numeric_limits<std::size_t>::max();
    LCID locale = LOCALE_USER_DEFAULT; // whose comparison of names orders them

    bool operator==(const FolderQuery&) const = default;
};

// What a reading found.
struct FolderContents {
    bool searched = false; // the search of the folder found anything at all
    // In the order of names: "ドライブ選択へ" at a root, then "上のフォルダへ"
    // (both special entries), then the folders, then the files; the
    // entries that the comparison of names holds equal in the order found.
    std::vector<FileItem> records;
    std::vector<std::uint32_t> nameRanks; // of each record's name
    int firstFile = 0;                    // entries before the first file
};

// Reads the folder: its folders first, then its files, with "." left out,
// ".." as "上のフォルダへ" (except at a root, which gets "ドライブ選択へ"
// first instead), at most maxEntries entries, folders before files. Gives
// up (with what it found so far) when `stop` is set. `searched`, when
// given, learns as soon as the folder's search began whether it found
// anything; `fileFound`, when given, learns the name of each file kept, as
// it is found.
FolderContents ReadFolder(const FolderQuery& query, const std::atomic<bool>& stop,
                          const std::function<void(bool found)>& searched = {},
                          const std::function<void(std::wstring_view name)>& fileFound = {});

} // namespace lumadlg
