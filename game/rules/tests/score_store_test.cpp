// The best-five tables in the settings store, per quiz file name and mode:
// all twenty values written back, and a damaged or missing value costing
// that value alone.
#include "game/rules/score_store.h"

#include <gtest/gtest.h>

#include "win/registry.h"

namespace rules {
namespace {

const wchar_t kQuiz[] = L"RulesTestA.zlq";

class ScoreStore : public testing::Test {
protected:
    void SetUp() override { TearDown(); }
    void TearDown() override { ASSERT_TRUE(win::DeleteUserTree(ScoreKeyPath(kQuiz))); }
    static std::optional<std::wstring> Stored(const std::wstring& name) { return win::ReadUserString(ScoreKeyPath(kQuiz), name); }
    static void Store(const wchar_t* name, const wchar_t* value) { ASSERT_TRUE(win::WriteUserString(ScoreKeyPath(kQuiz), name, value)); }
};

TEST_F(ScoreStore, EntriesAreKeptPerQuizFileAndMode)
{
    // A fresh quiz has the default tables; reading writes nothing.
    Rankings rankings = GetScore(kQuiz);
    EXPECT_EQ(Stored(L"NameE1"), std::nullopt);
    ASSERT_TRUE(EnterRanking(rankings.quickPress, Mode::QuickPress, 1200, [] { return std::u16string(u"はやい"); }));
    ASSERT_TRUE(SetScore(kQuiz, rankings));
    for (const auto& [name, value] : {std::pair{L"NameT1", L"はやい      "}, {L"ScoreT1", L"1200"}, {L"NameT5", L"ミンク      "},
             {L"ScoreT5", L"200"}, {L"NameE5", L"ポチ        "}, {L"ScoreE5", L"100"}})
        EXPECT_EQ(Stored(name), value);
    EXPECT_EQ(GetScore(kQuiz).quickPress, rankings.quickPress);
    EXPECT_EQ(GetScore(L"RulesTestB.zlq").quickPress[0].name, u"ブルー      ");
}

TEST_F(ScoreStore, DamagedValuesCostOnlyThemselves)
{
    for (const auto& [name, value] : {std::pair{L"ScoreE2", L"abc"}, {L"ScoreE3", L"250"}, {L"NameE3", L"じろう"},
             {L"ScoreT1", L""}, {L"NameE1", L"a           "}, {L"NameT1", L"a           "}, {L"NameT2", L"一二三四五ｱｲｳ"}})
        Store(name, value);
    // Relaxed names lose their trailing spaces before getting the ten back; names are 12 bytes of code page 932.
    Rankings next = GetScore(kQuiz);
    EXPECT_EQ(next.relaxed, (RankTable{{{u"a          ", 500}, {u"ケイ        ", 0}, {u"じろう      ", 250},
                                        {u"イチロー    ", 200}, {u"ポチ        ", 100}}}));
    EXPECT_EQ(next.quickPress[0], (RankEntry{u"a           ", 0}));
    EXPECT_EQ(next.quickPress[1], (RankEntry{u"一二三四五ｱｲ", 400}));

    // The next game takes the damaged place and the store is mended; the
    // zero moves down with its name.
    ASSERT_EQ(EnterRanking(next.relaxed, Mode::Relaxed, 260, [] { return std::u16string(u"さぶろう"); })->place, 2);
    ASSERT_TRUE(SetScore(kQuiz, next));
    for (const auto& [name, value] : {std::pair{L"ScoreE2", L"260"}, {L"NameE3", L"ケイ        "}, {L"ScoreE3", L"0"}, {L"ScoreE4", L"250"}})
        EXPECT_EQ(Stored(name), value);
}

} // namespace
} // namespace rules
