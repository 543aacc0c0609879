#include "game/rules/quiz_info.h"

#include <vector>

#include <gtest/gtest.h>

namespace rules {
namespace {

TEST(QuizInfo, SheetListsEveryGenreWithNamesCutToEightCharacters)
{
    const std::vector<GenreSummary> genres{
        {u"歴史", 12},
        {u"一二三四五六七八九十", 3}, // ten characters: cut to eight
        {u"ABCDEFGHIJ", 1},
        {u"", 0},
        {u"理科", 0},
        {u"音楽", 4},
        {u"", 0},
        {u"スポーツ", 5},
    };
    const std::u16string expected =
        u"【ファイル名】sample.zlq\r\n"
        u"【ジャンル】\r\n"
        u"　歴史　12問\r\n"
        u"　一二三四五六七八　3問\r\n"
        u"　ABCDEFGH　1問\r\n"
        u"　　0問\r\n"
        u"　理科　0問\r\n"
        u"　音楽　4問\r\n"
        u"　　0問\r\n"
        u"　スポーツ　5問\r\n"
        u"合計25問のクイズです";
    EXPECT_EQ(QuizInfoText(u"sample.zlq", genres, 25), expected);
}

} // namespace
} // namespace rules
