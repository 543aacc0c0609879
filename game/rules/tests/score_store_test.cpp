#include "game/rules/score_store.h"

#include <gtest/gtest.h>

#include "game/rules/wide.h"
#include "win/registry.h"

namespace rules {
namespace {

const wchar_t kQuiz[] = L"RulesTestA.zlq";
const wchar_t kOtherQuiz[] = L"RulesTestB.zlq";

class ScoreStore : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(win::DeleteUserTree(ScoreKeyPath(kQuiz)));
        ASSERT_TRUE(win::DeleteUserTree(ScoreKeyPath(kOtherQuiz)));
    }
    void TearDown() override
    {
        win::DeleteUserTree(ScoreKeyPath(kQuiz));
        win::DeleteUserTree(ScoreKeyPath(kOtherQuiz));
    }

    static std::optional<std::wstring> Stored(const wchar_t* quiz, const wchar_t* name)
    {
        return win::ReadUserString(ScoreKeyPath(quiz), name);
    }
    static void Store(const wchar_t* quiz, const wchar_t* name, const wchar_t* value)
    {
        ASSERT_TRUE(win::WriteUserString(ScoreKeyPath(quiz), name, value));
    }
};

TEST_F(ScoreStore, FixedWidthNamesCountCodePage932Bytes)
{
    EXPECT_EQ(FixedWidthName(L"ポチ"), L"ポチ        ");
    EXPECT_EQ(FixedWidthName(L"一二三四五六七"), L"一二三四五六");
    EXPECT_EQ(FixedWidthName(L"ABCDEFGHIJKL"), L"ABCDEFGHIJKL");
    EXPECT_EQ(FixedWidthName(L"ABCDEFGHIJK漢"), L"ABCDEFGHIJK");
    EXPECT_EQ(FixedWidthName(L"ｱｲｳ"), L"ｱｲｳ         "); // half-width kana: one byte each
}

TEST_F(ScoreStore, FreshQuizHasTheDefaultTablesInFixedWidthForm)
{
    const Rankings rankings = GetScore(kQuiz);
    const RankTable relaxed = DefaultTable(Mode::Relaxed);
    const RankTable quick = DefaultTable(Mode::QuickPress);
    for (int p = 0; p < kPlaces; ++p) {
        EXPECT_EQ(rankings.relaxed[p].name, U16(FixedWidthName(Wide(relaxed[p].name))));
        EXPECT_EQ(rankings.relaxed[p].score, relaxed[p].score);
        EXPECT_EQ(rankings.quickPress[p].name, U16(FixedWidthName(Wide(quick[p].name))));
        EXPECT_EQ(rankings.quickPress[p].score, quick[p].score);
    }
    EXPECT_EQ(rankings.relaxed[0].name, u"ピンキー    ");
    EXPECT_EQ(rankings.quickPress[4].name, u"ガリ勉くん  ");
    // Reading writes nothing.
    EXPECT_EQ(Stored(kQuiz, L"NameE1"), std::nullopt);
}

TEST_F(ScoreStore, NewEntryIsStoredInBothTablesForm)
{
    Rankings rankings = GetScore(kQuiz);
    auto entry = EnterRanking(rankings.Of(Mode::Relaxed), Mode::Relaxed, 500, [] { return std::u16string(u"たろう"); });
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->message, u"じっくり挑戦\r\n第1位 たろう  500点");
    ASSERT_TRUE(SetScore(kQuiz, rankings));

    EXPECT_EQ(Stored(kQuiz, L"NameE1"), L"たろう      ");
    EXPECT_EQ(Stored(kQuiz, L"ScoreE1"), L"500");
    EXPECT_EQ(Stored(kQuiz, L"NameE2"), L"ピンキー    ");
    EXPECT_EQ(Stored(kQuiz, L"ScoreE2"), L"500");
    EXPECT_EQ(Stored(kQuiz, L"NameE5"), L"イチロー    ");
    EXPECT_EQ(Stored(kQuiz, L"ScoreE5"), L"200");
    // The quick-press table is written too, unchanged.
    EXPECT_EQ(Stored(kQuiz, L"NameT5"), L"ガリ勉くん  ");
    EXPECT_EQ(Stored(kQuiz, L"ScoreT5"), L"100");

    const Rankings again = GetScore(kQuiz);
    EXPECT_EQ(again.relaxed, rankings.relaxed);
    EXPECT_EQ(again.quickPress, GetScore(kOtherQuiz).quickPress);
}

TEST_F(ScoreStore, TablesAreKeptPerQuizFileAndPerMode)
{
    Rankings first = GetScore(kQuiz);
    ASSERT_TRUE(EnterRanking(first.Of(Mode::QuickPress), Mode::QuickPress, 1200, [] { return std::u16string(u"はやい"); }));
    ASSERT_TRUE(SetScore(kQuiz, first));

    Rankings second = GetScore(kOtherQuiz);
    ASSERT_TRUE(EnterRanking(second.Of(Mode::Relaxed), Mode::Relaxed, 300, [] { return std::u16string(u"ゆっくり"); }));
    ASSERT_TRUE(SetScore(kOtherQuiz, second));

    const Rankings a = GetScore(kQuiz);
    const Rankings b = GetScore(kOtherQuiz);
    const Rankings fresh = GetScore(L"RulesTestNone.zlq");
    EXPECT_EQ(a.quickPress[0], (RankEntry{u"はやい      ", 1200}));
    EXPECT_EQ(a.relaxed, fresh.relaxed);
    EXPECT_EQ(b.relaxed[2], (RankEntry{u"ゆっくり    ", 300}));
    EXPECT_EQ(b.relaxed[3], (RankEntry{u"エリカ      ", 300}));
    EXPECT_EQ(b.quickPress, fresh.quickPress);
}

TEST_F(ScoreStore, ScoreThatIsNotANumberReadsAsZeroAndTheRestStays)
{
    Store(kQuiz, L"ScoreE2", L"abc");
    Store(kQuiz, L"ScoreE3", L"250");
    Store(kQuiz, L"NameE3", L"じろう");
    Store(kQuiz, L"ScoreT1", L"");
    const Rankings rankings = GetScore(kQuiz);
    EXPECT_EQ(rankings.relaxed[1], (RankEntry{u"ケイ        ", 0}));
    EXPECT_EQ(rankings.relaxed[2], (RankEntry{u"じろう      ", 250}));
    EXPECT_EQ(rankings.relaxed[0].score, 500); // missing: default
    EXPECT_EQ(rankings.quickPress[0].score, 0);

    // The damaged place can be taken by the next game, and the store mended.
    Rankings next = rankings;
    auto entry = EnterRanking(next.Of(Mode::Relaxed), Mode::Relaxed, 260, [] { return std::u16string(u"さぶろう"); });
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->place, 2);
    ASSERT_TRUE(SetScore(kQuiz, next));
    EXPECT_EQ(Stored(kQuiz, L"ScoreE2"), L"260");
    // Placement trusts the order of the table: the zero moves down with its
    // name, below the new entry.
    EXPECT_EQ(Stored(kQuiz, L"NameE3"), L"ケイ        ");
    EXPECT_EQ(Stored(kQuiz, L"ScoreE3"), L"0");
    EXPECT_EQ(Stored(kQuiz, L"ScoreE4"), L"250");
}

TEST_F(ScoreStore, OnlyRelaxedNamesLoseTrailingSpacesWhenRead)
{
    // A one-byte name padded to twelve: the relaxed table reads it back as
    // the name and ten spaces, the quick-press table keeps all twelve bytes.
    Store(kQuiz, L"NameE1", L"a           ");
    Store(kQuiz, L"NameT1", L"a           ");
    Store(kQuiz, L"NameE2", L"ABCDEFGHIJKLMNOP   ");
    Store(kQuiz, L"NameT2", L"一二三四五六七八");
    const Rankings rankings = GetScore(kQuiz);
    EXPECT_EQ(rankings.relaxed[0].name, u"a          ");
    EXPECT_EQ(rankings.quickPress[0].name, u"a           ");
    EXPECT_EQ(rankings.relaxed[1].name, u"ABCDEFGHIJKL");
    EXPECT_EQ(rankings.quickPress[1].name, u"一二三四五六");
}

TEST_F(ScoreStore, RankingTextShowsTheStoredTables)
{
    Store(kQuiz, L"NameT3", L"ミドリ");
    Store(kQuiz, L"ScoreT3", L"333");
    const Rankings rankings = GetScore(kQuiz);
    const std::u16string text = RankingText(rankings.relaxed, rankings.quickPress);
    EXPECT_NE(text.find(u"  第1位 ピンキー      500点\r\n"), std::u16string::npos);
    EXPECT_NE(text.find(u"  第3位 ミドリ        333点\r\n"), std::u16string::npos);
}

} // namespace
} // namespace rules
