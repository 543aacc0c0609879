// The caller's filter string and style records, without a window.
#include "dialogs/core/ex_style.h"
#include "dialogs/core/filter.h"

#include <gtest/gtest.h>

namespace lumadlg {
namespace {

// Pairs of caption and pattern end at a double bar or the string's end; a
// list that leaves a caption without its pattern falls back to all files.
// A bar that is the trail byte of "－" (0x81 0x7C) splits nothing.
TEST(Filter, PairsOrTheFallback)
{
    const struct {
        std::string text;
        std::vector<std::string> pairs; // caption, pattern, ...
    } rows[] = {
        {"Quiz(*.zlq)|*.zlq|Text|*.txt;*.doc||", {"Quiz(*.zlq)", "*.zlq", "Text", "*.txt;*.doc"}},
        {"A|*.a|", {"A", "*.a"}},
        {"A|*.a|third", {"A", "*.a"}},
        {"Q\x81\x7CZ|*.zlq||", {"Q\x81\x7CZ", "*.zlq"}},
        {"", {kAllFilesCaption, "*.*"}},
        {"no bar at all", {kAllFilesCaption, "*.*"}},
        {"A|*.a|B|", {kAllFilesCaption, "*.*"}},
        {"A|*.a", {kAllFilesCaption, "*.*"}},
        {"A||*.a|", {kAllFilesCaption, "*.*"}},
    };
    for (const auto& row : rows) {
        std::vector<std::string> pairs;
        for (const FilterEntry& f : ParseFilter(row.text)) {
            pairs.push_back(f.caption);
            pairs.push_back(f.pattern);
        }
        EXPECT_EQ(pairs, row.pairs) << row.text;
    }
}

TEST(Styles, TheMaskSelectsTheFieldsAndWritesAreReported)
{
    FileStyleValues stored{kFileMustExist};
    EXPECT_EQ(StoreFileStyle(stored, 0x1, {kMultiSelect | kFileMustNotExist}), 0x1u);
    EXPECT_EQ(stored.style, kFileMustNotExist) << "multi-selection is cleared beside it";
    EXPECT_EQ(StoreFileStyle(stored, 0x1, {kMultiSelect | kFileMustNotExist}), 0u) << "nothing changed";
    StoreFileStyle(stored, 0x1, {kMultiSelect | kCreatePrompt});
    EXPECT_EQ(stored.style, kMultiSelect | kCreatePrompt);
    EXPECT_EQ(StoreFileStyle(stored, 0, {0x4, 0x8, 0x37, 0x1234}), 0xFu);
    EXPECT_EQ(StoreFileStyle(stored, 0x4 | 0x8, FileStyleValues{}), 0xCu);
    FileStyleValues out{0xCC, 0xCC, 0xCC, 0xCC};
    LoadFileStyle(stored, 0x2, out);
    EXPECT_EQ(out.style, 0xCCu);
    EXPECT_EQ(out.driveTypes, 0x8u);
    FolderStyleValues folder;
    EXPECT_EQ(StoreFolderStyle(folder, 0x10000, {kFolderShowHidden, 0x4, 0x55}), 0x10000u);
    EXPECT_EQ(folder.style, 0u);
    EXPECT_EQ(folder.folderHook, 0x55u);
}

} // namespace
} // namespace lumadlg
