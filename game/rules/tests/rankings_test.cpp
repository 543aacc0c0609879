#include "game/rules/rankings.h"

#include <gtest/gtest.h>

namespace rules {
namespace {

// "漢" in code page 932.
const std::string kKanji = "\x8A\xBF";

std::string Repeat(const std::string& s, int n)
{
    std::string out;
    for (int i = 0; i < n; ++i)
        out += s;
    return out;
}

TEST(Rankings, TenStrKeepsFourColumnsBeforeThePointSign)
{
    EXPECT_EQ(TenStr(500), u" 500点");
    EXPECT_EQ(TenStr(40), u"  40点");
    EXPECT_EQ(TenStr(0), u"   0点");
    EXPECT_EQ(TenStr(2000), u"2000点");
}

TEST(Rankings, DefaultTables)
{
    const RankTable relaxed = DefaultTable(Mode::Relaxed);
    const RankTable quick = DefaultTable(Mode::QuickPress);
    const char16_t* relaxedNames[] = {u"ピンキー", u"ケイ", u"エリカ", u"イチロー", u"ポチ"};
    const char16_t* quickNames[] = {u"ブルー", u"電光石火", u"乙女", u"ミンク", u"ガリ勉くん"};
    for (int p = 0; p < kPlaces; ++p) {
        EXPECT_EQ(relaxed[p], (RankEntry{relaxedNames[p], 500 - 100 * p}));
        EXPECT_EQ(quick[p], (RankEntry{quickNames[p], 500 - 100 * p}));
    }
}

TEST(Rankings, PlacementPutsTiesAbove)
{
    const RankTable table = DefaultTable(Mode::Relaxed);
    EXPECT_EQ(RankPlace(table, 1000), 1);
    EXPECT_EQ(RankPlace(table, 500), 1);
    EXPECT_EQ(RankPlace(table, 499), 2);
    EXPECT_EQ(RankPlace(table, 300), 3);
    EXPECT_EQ(RankPlace(table, 100), 5);
    EXPECT_EQ(RankPlace(table, 99), std::nullopt);
    EXPECT_EQ(RankPlace(table, -20), std::nullopt);
}

TEST(Rankings, NewEntryMovesTheRestDown)
{
    RankTable table = DefaultTable(Mode::Relaxed);
    InsertAt(table, 1, {u"たろう", 500});
    EXPECT_EQ(table[0], (RankEntry{u"たろう", 500}));
    EXPECT_EQ(table[1], (RankEntry{u"ピンキー", 500}));
    EXPECT_EQ(table[4], (RankEntry{u"イチロー", 200}));

    RankTable last = DefaultTable(Mode::QuickPress);
    InsertAt(last, 5, {u"x", 100});
    EXPECT_EQ(last[3], (RankEntry{u"ミンク", 200}));
    EXPECT_EQ(last[4], (RankEntry{u"x", 100})); // ガリ勉くん dropped out
}

TEST(Rankings, EnterRankingAsksForANameOnlyWhenTheScoreEnters)
{
    RankTable table = DefaultTable(Mode::Relaxed);
    int asked = 0;
    auto ask = [&] {
        ++asked;
        return std::u16string(u"はなこ");
    };
    EXPECT_EQ(EnterRanking(table, Mode::Relaxed, 99, ask), std::nullopt);
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(table, DefaultTable(Mode::Relaxed));

    auto entry = EnterRanking(table, Mode::Relaxed, 100, ask);
    ASSERT_TRUE(entry);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(entry->place, 5);
    EXPECT_EQ(entry->message, u"じっくり挑戦\r\n第5位 はなこ  100点");
    EXPECT_EQ(table[4], (RankEntry{u"はなこ", 100}));
    EXPECT_EQ(table[3], (RankEntry{u"イチロー", 200}));

    RankTable quick = DefaultTable(Mode::QuickPress);
    entry = EnterRanking(quick, Mode::QuickPress, 1500, ask);
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->message, u"はや押し挑戦\r\n第1位 はなこ 1500点");
    EXPECT_EQ(quick[1], (RankEntry{u"ブルー", 500}));
}

TEST(Rankings, FixedWidthNamesAreTwelveBytes)
{
    EXPECT_EQ(FixedWidthName("ab"), "ab          ");
    EXPECT_EQ(FixedWidthName(""), "          "); // an empty name gives the ten spaces alone
    EXPECT_EQ(FixedWidthName("\x83\x7C\x83\x60"), "\x83\x7C\x83\x60        "); // ポチ
    EXPECT_EQ(FixedWidthName("ABCDEFGHIJKL"), "ABCDEFGHIJKL");
    EXPECT_EQ(FixedWidthName("ABCDEFGHIJKLMN"), "ABCDEFGHIJKL");
    // Seven kanji, 14 bytes: six are kept.
    EXPECT_EQ(FixedWidthName(Repeat(kKanji, 7)), Repeat(kKanji, 6));
    // A cut through the seventh double-byte character drops its lead byte.
    EXPECT_EQ(FixedWidthName("A" + Repeat(kKanji, 6)), "A" + Repeat(kKanji, 5));
    EXPECT_EQ(FixedWidthName("ABCDEFGHIJK" + kKanji), "ABCDEFGHIJK");
    // Already in the fixed form: unchanged.
    EXPECT_EQ(FixedWidthName(FixedWidthName("ab")), "ab          ");
}

TEST(Rankings, StoredScoresThatAreNotNumbersReadAsZero)
{
    EXPECT_EQ(ParseScore(u"500"), 500);
    EXPECT_EQ(ParseScore(u" 42 "), 42);
    EXPECT_EQ(ParseScore(u"-5"), -5);
    EXPECT_EQ(ParseScore(u"+7"), 7);
    EXPECT_EQ(ParseScore(u"2147483647"), 2147483647);
    EXPECT_EQ(ParseScore(u"-2147483648"), -2147483647 - 1);
    EXPECT_EQ(ParseScore(u"2147483648"), 0);
    EXPECT_EQ(ParseScore(u"99999999999999999999999"), 0);
    EXPECT_EQ(ParseScore(u"abc"), 0);
    EXPECT_EQ(ParseScore(u"12a"), 0);
    EXPECT_EQ(ParseScore(u"1 2"), 0);
    EXPECT_EQ(ParseScore(u"-"), 0);
    EXPECT_EQ(ParseScore(u""), 0);
    EXPECT_EQ(ParseScore(u"   "), 0);
    EXPECT_EQ(ParseScore(u"５００"), 0);
}

TEST(Rankings, RankingCommandText)
{
    RankTable relaxed = DefaultTable(Mode::Relaxed);
    relaxed[0] = {u"たろう      ", 1000};
    const std::u16string expected =
        u"ランキング\r\n"
        u"じっくり挑戦・ベストファイブ\r\n"
        u"  第1位 たろう       1000点\r\n"
        u"  第2位 ケイ  400点\r\n"
        u"  第3位 エリカ  300点\r\n"
        u"  第4位 イチロー  200点\r\n"
        u"  第5位 ポチ  100点\r\n"
        u"はや押し挑戦・ベストファイブ\r\n"
        u"  第1位 ブルー  500点\r\n"
        u"  第2位 電光石火  400点\r\n"
        u"  第3位 乙女  300点\r\n"
        u"  第4位 ミンク  200点\r\n"
        u"  第5位 ガリ勉くん  100点\r\n"
        u"Escapeキーでランキングを終了します\r\n";
    EXPECT_EQ(RankingText(relaxed, DefaultTable(Mode::QuickPress)), expected);
}

} // namespace
} // namespace rules
