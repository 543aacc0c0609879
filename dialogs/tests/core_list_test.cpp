#include "dialogs/core/entry_table.h"
#include "dialogs/core/format.h"
#include "dialogs/core/paths.h"
#include "dialogs/core/sort.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace lumadlg {
namespace {

TEST(FormatSize, RoundsAtOneHundredBytesAndGroupsDigits)
{
    EXPECT_EQ(FormatSize(0), L"0KB");
    EXPECT_EQ(FormatSize(50), L"1KB");
    EXPECT_EQ(FormatSize(1123), L"1KB");
    EXPECT_EQ(FormatSize(1124), L"2KB");
    EXPECT_EQ(FormatSize(1048576), L"1,024KB");
    EXPECT_EQ(FormatSize(1206 * 1024), L"1,206KB");
    EXPECT_EQ(FormatSize(12345 * 1024 + 99), L"12,345KB");
    EXPECT_EQ(FormatSize(999 * 1024), L"999KB");
    EXPECT_EQ(FormatSize(0xFFFFFFFFu), L"4,194,304KB");
}

TEST(FormatDate, ListAndSpokenForms)
{
    LocalTime t{2024, 3, 5, 9, 7};
    EXPECT_EQ(FormatListDate(t), L"24/03/05 9:07");
    EXPECT_EQ(FormatSpokenDate(t), L"2024年3月5日 9時7分");
    LocalTime u{2009, 12, 31, 23, 59};
    EXPECT_EQ(FormatListDate(u), L"09/12/31 23:59");
}

TEST(SortOrder, SameKeyTogglesOnlyFromAscending)
{
    EXPECT_EQ(OrderForKey(0, kSortSize), MakeSortOrder(kSortSize, kAscending));
    EXPECT_EQ(OrderForKey(MakeSortOrder(kSortSize, kAscending), kSortSize), MakeSortOrder(kSortSize, kDescending));
    EXPECT_EQ(OrderForKey(MakeSortOrder(kSortSize, kDescending), kSortSize), MakeSortOrder(kSortSize, kAscending));
    EXPECT_EQ(OrderForKey(MakeSortOrder(kSortName, kAscending), kSortSize), MakeSortOrder(kSortSize, kAscending));
}

TEST(SortOrder, NextKeyCyclesWithNames)
{
    std::uint32_t order = 0;
    std::vector<std::wstring> spoken;
    for (int i = 0; i < 5; ++i) {
        unsigned key = NextSortKey(order);
        order = OrderForKey(order, key);
        spoken.push_back(SortKeyName(key));
    }
    EXPECT_EQ(spoken, (std::vector<std::wstring>{L"名前順", L"サイズ順", L"種類順", L"日時順", L"名前順"}));
    EXPECT_EQ(SortKeyName(9), L"ソート");
}

FileItem Entry(ItemKind kind, std::wstring name, std::uint32_t size = kNoSize, std::uint64_t written = 0)
{
    FileItem f;
    f.kind = kind;
    f.name = std::move(name);
    f.size = size;
    f.lastWrite = written;
    return f;
}

std::vector<std::wstring> Names(const EntryTable& table)
{
    std::vector<std::wstring> names;
    for (int i = 0; i < table.Count(); ++i)
        names.push_back(table.At(i)->name);
    return names;
}

TEST(EntryTable, SortingBySizeTwiceTurnsEverythingButTheSpecialEntry)
{
    EntryTable table;
    table.Assign({Entry(ItemKind::File, L"b.txt", 300), Entry(ItemKind::Folder, L"Zeta"),
                  Entry(ItemKind::File, L"A.zlq", 100), Entry(ItemKind::UpEntry, L"上のフォルダへ"),
                  Entry(ItemKind::Folder, L"alpha"), Entry(ItemKind::File, L"c.TXT", 200)},
                 {2, 5, 0, 6, 1, 3}, 0);
    table.Sort(MakeSortOrder(kSortSize, kAscending));
    EXPECT_EQ(Names(table), (std::vector<std::wstring>{L"上のフォルダへ", L"alpha", L"Zeta", L"A.zlq", L"c.TXT", L"b.txt"}));
    table.Sort(MakeSortOrder(kSortSize, kDescending));
    EXPECT_EQ(Names(table), (std::vector<std::wstring>{L"上のフォルダへ", L"b.txt", L"c.TXT", L"A.zlq", L"Zeta", L"alpha"}));
}

TEST(EntryTable, RanksShareEqualValues)
{
    std::vector<int> values = {30, 10, 30, 20, 10};
    auto ranks = RanksOf(values.size(), [&](std::size_t a, std::size_t b) {
        return values[a] < values[b] ? -1 : (values[a] > values[b] ? 1 : 0);
    });
    EXPECT_EQ(ranks, (std::vector<std::uint32_t>{2, 0, 2, 1, 0}));
}

// The list's comparison of two entries in ascending direction, as the
// sort order of the list defines it; ranks stand for the names.
struct Compared {
    FileItem item;
    std::uint32_t nameRank;
    std::uint32_t typeRank;
};

int CompareAscending(const Compared& a, const Compared& b, unsigned key)
{
    auto cmp = [](auto x, auto y) { return x < y ? -1 : (x > y ? 1 : 0); };
    if (key < kSortName || key > kSortDate)
        return 0;
    bool aFolder = a.item.IsFolderLike(), bFolder = b.item.IsFolderLike();
    if (aFolder != bFolder)
        return aFolder ? -1 : 1;
    switch (key) {
    case kSortSize:
        return aFolder ? cmp(a.nameRank, b.nameRank) : cmp(a.item.size, b.item.size);
    case kSortType:
        if (aFolder || a.typeRank == b.typeRank)
            return cmp(a.nameRank, b.nameRank);
        return cmp(a.typeRank, b.typeRank);
    case kSortDate:
        return cmp(b.item.lastWrite, a.item.lastWrite); // the newest first
    default:
        return cmp(a.nameRank, b.nameRank);
    }
}

// Sorting by keys and turning a sorted list round give what a stable sort
// by the comparison gives, from whatever order the list was in: on many
// entries that tie in every way, through every change of key and direction.
TEST(EntryTable, SortsAsAStableSortByTheComparison)
{
    std::uint32_t seed = 12345;
    auto next = [&](std::uint32_t n) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) % n;
    };
    std::vector<Compared> entries;
    entries.push_back({Entry(ItemKind::UpEntry, L"上のフォルダへ"), 0, 0});
    for (int i = 0; i < 300; ++i) {
        bool file = next(3) != 0;
        FileItem item = Entry(file ? ItemKind::File : ItemKind::Folder, L"e" + std::to_wstring(i),
                              file ? next(4) * 100 : kNoSize, 1000 + next(5));
        entries.push_back({item, next(40), file ? next(3) : 0});
    }
    std::vector<FileItem> records;
    std::vector<std::uint32_t> nameRanks, typeRanks;
    for (const Compared& e : entries) {
        records.push_back(e.item);
        nameRanks.push_back(e.nameRank);
        typeRanks.push_back(e.typeRank);
    }
    EntryTable table;
    table.Assign(records, nameRanks, 0);
    table.SetTypeRanks(typeRanks);
    std::vector<Compared> expected = entries;

    std::uint32_t recorded = 0;
    for (int step = 0; step < 60; ++step) {
        unsigned key = 1 + next(4);
        recorded = OrderForKey(recorded, key);
        bool descending = DirectionOf(recorded) == kDescending;
        std::stable_sort(expected.begin(), expected.end(), [&](const Compared& a, const Compared& b) {
            if (a.item.IsSpecial() || b.item.IsSpecial())
                return a.item.IsSpecial() && !b.item.IsSpecial();
            int r = CompareAscending(a, b, key);
            return descending ? r > 0 : r < 0;
        });
        table.Sort(recorded);
        std::vector<std::wstring> names;
        for (const Compared& e : expected)
            names.push_back(e.item.name);
        ASSERT_EQ(Names(table), names) << "step " << step << ", key " << key << (descending ? " descending" : "");
    }
}

TEST(Paths, ParentFolderAndLastComponent)
{
    EXPECT_EQ(ParentFolder(L"C:\\a\\b\\"), L"C:\\a\\");
    EXPECT_EQ(ParentFolder(L"C:\\a\\b"), L"C:\\a\\");
    EXPECT_EQ(ParentFolder(L"C:\\a"), L"C:\\");
    EXPECT_EQ(ParentFolder(L"C:\\"), L"C:");
    EXPECT_EQ(ParentFolder(L"C:"), L"C:");
    std::wstring deep = L"C:\\" + std::wstring(130, L'あ') + L"\\x";
    EXPECT_EQ(ParentFolder(deep), L"") << "a last backslash at byte 260 or later";
    EXPECT_EQ(LastComponent(L"C:\\quiz\\data\\"), L"data");
    EXPECT_EQ(LastComponent(L"C:\\quiz\\data"), L"data");
    EXPECT_EQ(LastComponent(deep), L"");
    EXPECT_TRUE(IsRootFolder(L"D:\\"));
    EXPECT_FALSE(IsRootFolder(L"D:\\x"));
    EXPECT_EQ(Cp932Length(L"aｱあ"), 4u);
}

TEST(Paths, HiddenExtension)
{
    EXPECT_EQ(WithoutExtension(L"quiz.zlq"), L"quiz");
    EXPECT_EQ(WithoutExtension(L"a.b.c"), L"a.b");
    EXPECT_EQ(WithoutExtension(L".profile"), L".profile");
    EXPECT_EQ(WithoutExtension(L"README"), L"README");
}

TEST(Paths, FileFilterKinds)
{
    EXPECT_EQ(MakeFileFilter(L"").kind, FileFilter::Kind::All);
    EXPECT_EQ(MakeFileFilter(L"*.*").kind, FileFilter::Kind::All);
    auto p = MakeFileFilter(L"*.zlq");
    EXPECT_EQ(p.kind, FileFilter::Kind::Pattern);
    EXPECT_EQ(p.pattern, L"*.zlq");

    auto e = MakeFileFilter(L"*.txt;x.doc,zlq; *.bmp,*.ZLQ");
    ASSERT_EQ(e.kind, FileFilter::Kind::Extensions);
    EXPECT_EQ(e.extensions, (std::vector<std::wstring>{L".txt", L".doc", L".ZLQ"}));
    EXPECT_TRUE(MatchesExtensions(e, L"Quiz.zlq"));
    EXPECT_TRUE(MatchesExtensions(e, L"a.TXT"));
    EXPECT_FALSE(MatchesExtensions(e, L"a.bmp"));
    EXPECT_FALSE(MatchesExtensions(e, L"txt"));

    std::wstring many;
    for (int i = 0; i < 12; ++i)
        many += L"*.e" + std::to_wstring(i) + L";";
    EXPECT_EQ(MakeFileFilter(many).extensions.size(), 10u);
}

} // namespace
} // namespace lumadlg
