// The best-five tables in the settings store, per quiz file name and mode:
// all twenty values written back, and a damaged or missing value costing
// that value alone.
#include "game/rules/score_store.h"

#include <gtest/gtest.h>

#include "game/rules/wide.h"
#include "win/registry.h"

namespace rules {
namespace {

const wchar_t kQuiz[] = L"RulesTestA.zlq";
const wchar_t kOther[] = L"RulesTestB.zlq";

class ScoreStore : public testing::Test {
protected:
    void SetUp() override { TearDown(); }
    void TearDown() override
    {
        for (const wchar_t* quiz : {kQuiz, kOther})
            ASSERT_TRUE(win::DeleteUserTree(ScoreKeyPath(quiz)));
    }
    static std::optional<std::wstring> Stored(const wchar_t* name) { return win::ReadUserString(ScoreKeyPath(kQuiz), name); }
    static void Store(const wchar_t* name, const wchar_t* value)
    {
        ASSERT_TRUE(win::WriteUserString(ScoreKeyPath(kQuiz), name, value));
    }
};

TEST_F(ScoreStore, EntriesAreKeptPerQuizFileAndMode)
{
    // A fresh quiz has the default tables, names in their fixed width, and reading writes nothing.
    Rankings rankings = GetScore(kQuiz);
    EXPECT_EQ(rankings.relaxed[0], (RankEntry{u"ピンキー    ", 500}));
    EXPECT_EQ(rankings.quickPress[4], (RankEntry{u"ガリ勉くん  ", 100}));
    EXPECT_EQ(Stored(L"NameE1"), std::nullopt);

    ASSERT_TRUE(EnterRanking(rankings.quickPress, Mode::QuickPress, 1200, [] { return std::u16string(u"はやい"); }));
    ASSERT_TRUE(SetScore(kQuiz, rankings));
    for (const wchar_t* stem : {L"NameE", L"ScoreE", L"NameT", L"ScoreT"})
        for (int p = 1; p <= 5; ++p)
            EXPECT_NE(Stored((stem + std::to_wstring(p)).c_str()), std::nullopt) << stem << p;
    EXPECT_EQ(Stored(L"NameT1"), L"はやい      ");
    EXPECT_EQ(Stored(L"ScoreT1"), L"1200");
    EXPECT_EQ(Stored(L"NameT5"), L"ミンク      ");

    const Rankings again = GetScore(kQuiz);
    EXPECT_EQ(again.quickPress, rankings.quickPress);
    EXPECT_EQ(again.relaxed, GetScore(kOther).relaxed);
    EXPECT_EQ(GetScore(kOther).quickPress[0], (RankEntry{u"ブルー      ", 500}));
}

TEST_F(ScoreStore, DamagedValuesCostOnlyThemselves)
{
    Store(L"ScoreE2", L"abc");
    Store(L"ScoreE3", L"250");
    Store(L"NameE3", L"じろう");
    Store(L"ScoreT1", L"");
    Store(L"NameE1", L"a           "); // relaxed names lose trailing spaces, then get the ten back
    Store(L"NameT1", L"a           ");
    Store(L"NameT2", L"一二三四五六七八");
    const Rankings rankings = GetScore(kQuiz);
    EXPECT_EQ(rankings.relaxed[0], (RankEntry{u"a          ", 500}));
    EXPECT_EQ(rankings.relaxed[1], (RankEntry{u"ケイ        ", 0}));
    EXPECT_EQ(rankings.relaxed[2], (RankEntry{u"じろう      ", 250}));
    EXPECT_EQ(rankings.quickPress[0], (RankEntry{u"a           ", 0}));
    EXPECT_EQ(rankings.quickPress[1], (RankEntry{u"一二三四五六", 400}));

    // The next game takes the damaged place and the store is mended; the
    // zero moves down with its name.
    Rankings next = rankings;
    ASSERT_EQ(EnterRanking(next.relaxed, Mode::Relaxed, 260, [] { return std::u16string(u"さぶろう"); })->place, 2);
    ASSERT_TRUE(SetScore(kQuiz, next));
    EXPECT_EQ(Stored(L"ScoreE2"), L"260");
    EXPECT_EQ(Stored(L"NameE3"), L"ケイ        ");
    EXPECT_EQ(Stored(L"ScoreE3"), L"0");
    EXPECT_EQ(Stored(L"ScoreE4"), L"250");
}

TEST(ScoreStoreNames, FixedWidthCountsCodePage932Bytes)
{
    EXPECT_EQ(FixedWidthName(L"ABCDEFGHIJK漢"), L"ABCDEFGHIJK");
    EXPECT_EQ(FixedWidthName(L"ｱｲｳ"), L"ｱｲｳ         "); // half-width kana: one byte each
}

} // namespace
} // namespace rules
