#include "dialogs/folder_reader.h"

#include <algorithm>
#include <iterator>
#include <numeric>

#include "dialogs/core/paths.h"
#include "dialogs/core/sort.h"
#include "dialogs/name_ranks.h"
#include "win/handles.h"

namespace lumadlg {

namespace {

std::uint64_t FileTimeValue(const FILETIME& t)
{
    return (static_cast<std::uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime;
}

win::UniqueFind FindFirst(const std::wstring& pattern, WIN32_FIND_DATAW& found)
{
    // Basic information (no short names) in large fetches: the fastest
    // search the system offers.
    return win::UniqueFind(FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr,
                                            FIND_FIRST_EX_LARGE_FETCH));
}

FileItem FileOf(const WIN32_FIND_DATAW& found)
{
    FileItem item;
    item.kind = ItemKind::File;
    item.name = found.cFileName;
    item.size = found.nFileSizeLow;
    item.lastWrite = FileTimeValue(found.ftLastWriteTime);
    return item;
}

// The records in the order of their names (ranks), the special entries,
// folders and files each apart; ties in the order found.
void OrderByName(FolderContents& contents)
{
    std::vector<EntryKey> keys(contents.records.size());
    for (std::size_t i = 0; i < keys.size(); ++i)
        keys[i] = KeyOf(contents.records[i], kSortName, contents.nameRanks[i], 0);
    std::vector<std::uint32_t> order(keys.size());
    std::iota(order.begin(), order.end(), 0u);
    SortByKeys(order, keys);
    std::vector<FileItem> records;
    std::vector<std::uint32_t> ranks;
    records.reserve(order.size());
    ranks.reserve(order.size());
    for (std::uint32_t i : order) {
        records.push_back(std::move(contents.records[i]));
        ranks.push_back(contents.nameRanks[i]);
    }
    contents.records = std::move(records);
    contents.nameRanks = std::move(ranks);
}

} // namespace

FolderContents ReadFolder(const FolderQuery& query, const std::atomic<bool>& stop,
                          const std::function<void(bool found)>& searched,
                          const std::function<void(std::wstring_view name)>& fileFound)
{
    FolderContents contents;
    WIN32_FIND_DATAW found;
    win::UniqueFind find = FindFirst(query.folder + L"*.*", found);
    if (searched)
        searched(static_cast<bool>(find));
    if (!find)
        return contents;
    contents.searched = true;

    const FileFilter filter = query.foldersOnly ? FileFilter{} : MakeFileFilter(query.filter);
    const bool searchFilesApart = !query.foldersOnly && filter.kind == FileFilter::Kind::Pattern;
    const bool root = IsRootFolder(query.folder);
    std::vector<FileItem>& records = contents.records; // the special entry and the folders
    std::vector<FileItem> files;                       // files of the same search, kept for after the folders
    records.reserve(1024);
    if (root) {
        FileItem drives;
        drives.kind = ItemKind::DrivesEntry;
        drives.name = kDrivesEntryName;
        drives.size = kNoSize;
        records.push_back(std::move(drives));
    }

    do {
        if (stop)
            return contents;
        std::wstring_view name = found.cFileName;
        if (query.rules.Excludes(found.dwFileAttributes))
            continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (name == L"." || (name == L".." && root) || records.size() >= query.maxEntries)
                continue;
            FileItem item;
            item.size = kNoSize;
            item.lastWrite = FileTimeValue(found.ftLastWriteTime);
            if (name == L"..") {
                item.kind = ItemKind::UpEntry;
                item.name = kUpEntryName;
            } else {
                item.kind = ItemKind::Folder;
                item.name = name;
            }
            records.push_back(std::move(item));
        } else if (!query.foldersOnly && !searchFilesApart && files.size() < query.maxEntries) {
            if (filter.kind == FileFilter::Kind::Extensions && !MatchesExtensions(filter, name))
                continue;
            files.push_back(FileOf(found));
            if (fileFound)
                fileFound(name);
        }
    } while (FindNextFileW(find.get(), &found));
    find.reset();

    // Folders come first: the files fill the room they leave.
    contents.firstFile = static_cast<int>(records.size());
    const std::size_t room = query.maxEntries - std::min(records.size(), query.maxEntries);
    if (files.size() > room)
        files.erase(files.begin() + static_cast<std::ptrdiff_t>(room), files.end());
    if (searchFilesApart) {
        win::UniqueFind patternFind = FindFirst(query.folder + filter.pattern, found);
        if (patternFind) {
            do {
                if (stop)
                    return contents;
                if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || query.rules.Excludes(found.dwFileAttributes))
                    continue;
                if (files.size() >= room)
                    break;
                files.push_back(FileOf(found));
                if (fileFound)
                    fileFound(found.cFileName);
            } while (FindNextFileW(patternFind.get(), &found));
        }
    }
    records.reserve(records.size() + files.size());
    std::move(files.begin(), files.end(), std::back_inserter(records));
    files = {};

    contents.nameRanks = NameRanks(
        records.size(), [&](std::size_t i) -> std::wstring_view { return records[i].name; }, query.locale);
    OrderByName(contents);
    return contents;
}

} // namespace lumadlg
