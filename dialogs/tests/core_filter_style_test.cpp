#include "dialogs/core/ex_style.h"
#include "dialogs/core/filter.h"

#include <gtest/gtest.h>

namespace lumadlg {
namespace {

const std::string kAll = kAllFilesCaption;

void ExpectFallback(const std::vector<FilterEntry>& f)
{
    ASSERT_EQ(f.size(), 1u);
    EXPECT_EQ(f[0].caption, kAll);
    EXPECT_EQ(f[0].pattern, "*.*");
}

TEST(Filter, CompleteListsKeepEveryPair)
{
    auto f = ParseFilter("Quiz(*.zlq)|*.zlq|Text|*.txt;*.doc||");
    ASSERT_EQ(f.size(), 2u);
    EXPECT_EQ(f[0].caption, "Quiz(*.zlq)");
    EXPECT_EQ(f[0].pattern, "*.zlq");
    EXPECT_EQ(f[1].caption, "Text");
    EXPECT_EQ(f[1].pattern, "*.txt;*.doc");
    // The end of the string ends the list like a bar does.
    EXPECT_EQ(ParseFilter("A|*.a|").size(), 1u);
}

TEST(Filter, IncompleteListsFallBackToAllFiles)
{
    ExpectFallback(ParseFilter(""));
    ExpectFallback(ParseFilter("no bar at all"));
    // A caption and its pattern followed by a caption with a closing bar:
    // two captions, one pattern.
    ExpectFallback(ParseFilter("A|*.a|B|"));
    // A caption and a pattern without a closing bar: no pattern.
    ExpectFallback(ParseFilter("A|*.a"));
    ExpectFallback(ParseFilter("A||*.a|"));
}

TEST(Filter, TextAfterTheLastPairWithoutBarIsIgnored)
{
    auto f = ParseFilter("A|*.a|third");
    ASSERT_EQ(f.size(), 1u);
    EXPECT_EQ(f[0].caption, "A");
    EXPECT_EQ(f[0].pattern, "*.a");
}

TEST(Filter, DoubleByteTrailBarDoesNotSplit)
{
    // "ー" is 0x81 0x5B, "－" (full-width minus) is 0x81 0x7C: its trail
    // byte is the bar.
    std::string caption = "Q\x81\x7CZ";
    auto f = ParseFilter(caption + "|*.zlq||");
    ASSERT_EQ(f.size(), 1u);
    EXPECT_EQ(f[0].caption, caption);
    EXPECT_EQ(f[0].pattern, "*.zlq");
}

TEST(FileStyle, MaskSelectsFieldsAndReportsWrites)
{
    FileStyleValues stored;
    stored.style = kFileMustExist;
    FileStyleValues in;
    in.style = 0x9; // multi-selection with overwrite prompt
    in.driveTypes = 3;
    EXPECT_EQ(StoreFileStyle(stored, 0x1, in), 0x1u);
    EXPECT_EQ(stored.style, 0x8u) << "multi-selection is cleared beside the overwrite prompt";
    EXPECT_EQ(stored.driveTypes, 0u) << "driveTypes was not selected";
    // The same style again changes nothing.
    EXPECT_EQ(StoreFileStyle(stored, 0x1, in), 0u);

    in.style = kMultiSelect | kFileMustNotExist;
    StoreFileStyle(stored, 0x1, in);
    EXPECT_EQ(stored.style, kFileMustNotExist);
    in.style = kMultiSelect | kCreatePrompt;
    StoreFileStyle(stored, 0x1, in);
    EXPECT_EQ(stored.style, kMultiSelect | kCreatePrompt);

    in = {kMultiSelect | kCreatePrompt, 0x8, 0x37, 0x1234};
    EXPECT_EQ(StoreFileStyle(stored, 0, in), 0xEu) << "mask 0 writes all, style unchanged";
    EXPECT_EQ(stored.driveTypes, 0x8u);
    EXPECT_EQ(stored.disabledOps, 0x37u);
    EXPECT_EQ(stored.acceptHook, 0x1234u);
    EXPECT_EQ(StoreFileStyle(stored, 0x4 | 0x8, FileStyleValues{}), 0xCu);
    EXPECT_EQ(stored.disabledOps, 0u);
    EXPECT_EQ(stored.driveTypes, 0x8u);
}

TEST(FileStyle, LoadCopiesOnlyTheSelectedFields)
{
    FileStyleValues stored{0x41, 0x2, 0x8, 0x99};
    FileStyleValues out{0xCC, 0xCC, 0xCC, 0xCC};
    LoadFileStyle(stored, 0x2, out);
    EXPECT_EQ(out.style, 0xCCu);
    EXPECT_EQ(out.driveTypes, 0x2u);
    EXPECT_EQ(out.acceptHook, 0xCCu);
    LoadFileStyle(stored, 0, out);
    EXPECT_EQ(out.style, 0x41u);
    EXPECT_EQ(out.disabledOps, 0x8u);
    EXPECT_EQ(out.acceptHook, 0x99u);
}

TEST(FolderStyle, MaskBitsIncludeTheHookBit)
{
    FolderStyleValues stored;
    FolderStyleValues in{kFolderShowHidden, 0x4, 0x55};
    EXPECT_EQ(StoreFolderStyle(stored, 0x10000, in), 0x10000u);
    EXPECT_EQ(stored.folderHook, 0x55u);
    EXPECT_EQ(stored.style, 0u);
    EXPECT_EQ(StoreFolderStyle(stored, 0, in), 0x10003u);
    EXPECT_EQ(stored.style, kFolderShowHidden);
    FolderStyleValues out{1, 1, 1};
    LoadFolderStyle(stored, 0x2, out);
    EXPECT_EQ(out.driveTypes, 0x4u);
    EXPECT_EQ(out.style, 1u);
}

} // namespace
} // namespace lumadlg
