// The list's texts and rules without a window: sizes and dates, paths,
// hidden extensions, the caller's filter string and extension filters. The
// sort orders and the order of the entries are checked in the dialog's own
// tests, against the platform's comparison.
#include "dialogs/core/filter.h"
#include "dialogs/core/format.h"
#include "dialogs/core/paths.h"

#include <gtest/gtest.h>

namespace lumadlg {
namespace {

TEST(Format, SizesRoundAtOneHundredBytesAndDatesHaveTwoForms)
{
    const std::pair<std::uint32_t, const wchar_t*> sizes[] = {
        {0, L"0KB"}, {1123, L"1KB"}, {1124, L"2KB"}, {999 * 1024, L"999KB"}, {12345 * 1024 + 99, L"12,345KB"},
        {0xFFFFFFFFu, L"4,194,304KB"}};
    for (auto [bytes, text] : sizes)
        EXPECT_EQ(FormatSize(bytes), text) << bytes;
    EXPECT_EQ(FormatListDate({2024, 3, 5, 9, 7}), L"24/03/05 9:07");
    EXPECT_EQ(FormatListDate({2009, 12, 31, 23, 59}), L"09/12/31 23:59");
    EXPECT_EQ(FormatSpokenDate({2024, 3, 5, 9, 7}), L"2024年3月5日 9時7分");
}

TEST(Paths, ParentsLastComponentsAndExtensions)
{
    const std::wstring deep = L"C:\\" + std::wstring(130, L'あ') + L"\\x"; // a last backslash past byte 260
    const std::pair<std::wstring, std::wstring> parents[] = {
        {L"C:\\a\\b\\", L"C:\\a\\"}, {L"C:\\a", L"C:\\"}, {L"C:\\", L"C:"}, {L"C:", L"C:"}, {deep, L""}};
    for (const auto& [path, parent] : parents)
        EXPECT_EQ(ParentFolder(path), parent);
    EXPECT_EQ(LastComponent(L"C:\\quiz\\data\\"), L"data");
    EXPECT_EQ(LastComponent(deep), L"");
    EXPECT_EQ(Cp932Length(L"aｱあ"), 4u);
    for (auto [name, shown] : {std::pair{L"quiz.zlq", L"quiz"}, {L"a.b.c", L"a.b"}, {L".profile", L".profile"},
                               {L"README", L"README"}})
        EXPECT_EQ(WithoutExtension(name), shown);
}

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

TEST(Paths, FilterPatternsAndExtensionLists)
{
    EXPECT_EQ(MakeFileFilter(L"*.*").kind, FileFilter::Kind::All);
    EXPECT_EQ(MakeFileFilter(L"*.zlq").kind, FileFilter::Kind::Pattern);
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
    EXPECT_EQ(MakeFileFilter(many).extensions.size(), 10u) << "ten extensions at most";
}

} // namespace
} // namespace lumadlg
