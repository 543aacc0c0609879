// The best-five tables: where a score enters (a tie above the stored one),
// what a damaged stored score reads as, the 12-byte names, and the sheets of
// the tools menu (rankings and quiz information).
#include "game/rules/quiz_info.h"
#include "game/rules/rankings.h"

#include <vector>

#include <gtest/gtest.h>

namespace rules {
namespace {

TEST(Rankings, EntersAtTheFirstPlaceItReachesAndAsksForANameOnlyThen)
{
    int asked = 0;
    auto ask = [&] { return ++asked, std::u16string(u"はなこ"); };
    // Scores 500 400 300 200 100: a tie enters above.
    const std::pair<int, std::optional<int>> places[] = {{1000, 1}, {500, 1}, {499, 2}, {100, 5}, {99, std::nullopt}, {-20, std::nullopt}};
    for (const auto& [score, place] : places) {
        RankTable table = DefaultTable(Mode::Relaxed);
        const RankTable before = table;
        const auto entry = EnterRanking(table, Mode::Relaxed, score, ask);
        ASSERT_EQ(entry.has_value(), place.has_value()) << score;
        if (!entry) {
            EXPECT_EQ(table, before);
            continue;
        }
        EXPECT_EQ(entry->place, *place);
        // The entry goes in; the places below move down and the fifth drops out.
        const auto p = static_cast<std::size_t>(*place - 1);
        for (std::size_t k = 0; k < 5; ++k)
            EXPECT_EQ(table[k], k < p ? before[k] : k > p ? before[k - 1] : RankEntry{u"はなこ", score}) << score << k;
    }
    EXPECT_EQ(asked, 4);
    RankTable quick = DefaultTable(Mode::QuickPress);
    EXPECT_EQ(EnterRanking(quick, Mode::QuickPress, 1500, ask)->message, u"はや押し挑戦\r\n第1位 はなこ 1500点");
    RankTable zeros{};
    EXPECT_EQ(EnterRanking(zeros, Mode::Relaxed, 40, ask)->message, u"じっくり挑戦\r\n第1位 はなこ   40点");
}

TEST(Rankings, StoredScoresThatAreNotNumbersReadAsZero)
{
    const std::pair<const char16_t*, int> cases[] = {
        {u"500", 500}, {u" 42 ", 42}, {u"-5", -5}, {u"+7", 7}, {u"2147483647", 2147483647},
        {u"-2147483648", -2147483647 - 1}, {u"2147483648", 0}, {u"99999999999999999999999", 0},
        {u"12a", 0}, {u"1 2", 0}, {u"-", 0}, {u"", 0}, {u"   ", 0}, {u"５００", 0}};
    for (const auto& [text, score] : cases)
        EXPECT_EQ(ParseScore(text), score) << testing::PrintToString(std::u16string(text));
}

TEST(Rankings, NamesAreTwelveBytesWithoutASplitCharacter)
{
    const std::string kanji = "\x8A\xBF"; // 漢
    const std::pair<std::string, std::string> cases[] = {
        {"ab", "ab          "}, {"", "          "}, {"ABCDEFGHIJKLMN", "ABCDEFGHIJKL"},
        {"A" + kanji + kanji + kanji + kanji + kanji + kanji, "A" + kanji + kanji + kanji + kanji + kanji},
        {"ABCDEFGHIJK" + kanji, "ABCDEFGHIJK"}, {"ab          ", "ab          "}};
    for (const auto& [name, fixed] : cases)
        EXPECT_EQ(FixedWidthName(name), fixed) << name;
}

TEST(Rankings, SheetsOfTheToolsMenu)
{
    RankTable relaxed = DefaultTable(Mode::Relaxed);
    relaxed[0] = {u"たろう      ", 1000};
    const std::u16string text = RankingText(relaxed, DefaultTable(Mode::QuickPress));
    EXPECT_TRUE(text.starts_with(u"ランキング\r\nじっくり挑戦・ベストファイブ\r\n  第1位 たろう       1000点\r\n  第2位 ケイ  400点\r\n"));
    EXPECT_NE(text.find(u"  第5位 ポチ  100点\r\nはや押し挑戦・ベストファイブ\r\n  第1位 ブルー  500点\r\n"), std::u16string::npos);
    EXPECT_TRUE(text.ends_with(u"  第5位 ガリ勉くん  100点\r\nEscapeキーでランキングを終了します\r\n"));

    // Every genre gets a line, its name cut to eight characters.
    const std::vector<GenreSummary> genres{{u"歴史", 12}, {u"一二三四五六七八九十", 3}, {u"", 0}};
    EXPECT_EQ(QuizInfoText(u"sample.zlq", genres, 15),
              u"【ファイル名】sample.zlq\r\n【ジャンル】\r\n　歴史　12問\r\n　一二三四五六七八　3問\r\n　　0問\r\n合計15問のクイズです");
}

} // namespace
} // namespace rules
