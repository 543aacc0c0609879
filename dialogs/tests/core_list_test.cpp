#include "dialogs/core/format.h"
#include "dialogs/core/paths.h"
#include "dialogs/core/sort.h"

#include <gtest/gtest.h>

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

FileItem File(std::wstring name, std::uint32_t size, std::uint64_t time, std::wstring type = L"")
{
    FileItem f;
    f.kind = ItemKind::File;
    f.name = std::move(name);
    f.size = size;
    f.lastWrite = time;
    f.typeName = std::move(type);
    return f;
}
FileItem Folder(std::wstring name, std::uint64_t time = 0)
{
    FileItem f;
    f.kind = ItemKind::Folder;
    f.name = std::move(name);
    f.size = kNoSize;
    f.lastWrite = time;
    return f;
}

class Sorting : public ::testing::Test {
protected:
    void SetUp() override
    {
        FileItem up;
        up.kind = ItemKind::UpEntry;
        up.name = L"上のフォルダへ";
        up.size = kNoSize;
        items_ = {File(L"b.txt", 300, 5, L"Text"), Folder(L"Zeta", 1), File(L"A.zlq", 100, 7, L"Quiz"),
                  up, Folder(L"alpha", 9), File(L"c.TXT", 200, 5, L"Text")};
    }
    std::vector<std::wstring> Sorted(std::uint32_t order)
    {
        std::vector<FileItem*> p;
        for (auto& i : items_)
            p.push_back(&i);
        SortItems(p, order, SimpleNoCaseCompare, [this](FileItem& f) {
            f.typeFetched = true;
            ++fetched_;
        });
        std::vector<std::wstring> names;
        for (auto* i : p)
            names.push_back(i->name);
        return names;
    }
    std::vector<FileItem> items_;
    int fetched_ = 0;
};

TEST_F(Sorting, NameAndSizeInBothDirections)
{
    EXPECT_EQ(Sorted(MakeSortOrder(kSortName, kAscending)),
              (std::vector<std::wstring>{L"上のフォルダへ", L"alpha", L"Zeta", L"A.zlq", L"b.txt", L"c.TXT"}));
    EXPECT_EQ(Sorted(MakeSortOrder(kSortSize, kAscending)),
              (std::vector<std::wstring>{L"上のフォルダへ", L"alpha", L"Zeta", L"A.zlq", L"c.TXT", L"b.txt"}));
    // Sorting by size twice: files largest first, then folders, the special
    // entry still on top.
    EXPECT_EQ(Sorted(MakeSortOrder(kSortSize, kDescending)),
              (std::vector<std::wstring>{L"上のフォルダへ", L"b.txt", L"c.TXT", L"A.zlq", L"Zeta", L"alpha"}));
}

TEST_F(Sorting, TypeFetchesMissingNamesThenByName)
{
    EXPECT_EQ(Sorted(MakeSortOrder(kSortType, kAscending)),
              (std::vector<std::wstring>{L"上のフォルダへ", L"alpha", L"Zeta", L"A.zlq", L"b.txt", L"c.TXT"}));
    EXPECT_EQ(fetched_, 3) << "each file's type fetched once";
    EXPECT_EQ(Sorted(MakeSortOrder(kSortType, kAscending)).size(), 6u);
    EXPECT_EQ(fetched_, 3) << "fetched types are kept";
}

TEST_F(Sorting, DateNewestFirstEqualDatesKeepTheirPlaces)
{
    EXPECT_EQ(Sorted(MakeSortOrder(kSortDate, kAscending)),
              (std::vector<std::wstring>{L"上のフォルダへ", L"alpha", L"Zeta", L"A.zlq", L"b.txt", L"c.TXT"}));
    EXPECT_EQ(Sorted(MakeSortOrder(kSortDate, kDescending)),
              (std::vector<std::wstring>{L"上のフォルダへ", L"b.txt", L"c.TXT", L"A.zlq", L"Zeta", L"alpha"}));
}

TEST_F(Sorting, CompareRules)
{
    FileItem& b = items_[0];
    FileItem& up = items_[3];
    FileItem& c = items_[5];
    auto cmp = [&](FileItem& x, FileItem& y, std::uint32_t o) {
        return CompareItems(x, y, o, SimpleNoCaseCompare, nullptr);
    };
    EXPECT_EQ(cmp(up, b, MakeSortOrder(kSortName, kDescending)), -1);
    EXPECT_EQ(cmp(b, up, MakeSortOrder(kSortName, kDescending)), 1);
    // Equal dates: a before b ascending, equal descending.
    EXPECT_EQ(cmp(b, c, MakeSortOrder(kSortDate, kAscending)), -1);
    EXPECT_EQ(cmp(c, b, MakeSortOrder(kSortDate, kAscending)), -1);
    EXPECT_EQ(cmp(b, c, MakeSortOrder(kSortDate, kDescending)), 0);
    EXPECT_EQ(cmp(b, c, MakeSortOrder(7, kAscending)), 0);
    EXPECT_EQ(cmp(b, items_[1], MakeSortOrder(kSortName, kDescending)), -1) << "files before folders descending";
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
