#include "game/rules/quiz_info.h"

#include "game/rules/text.h"

namespace rules {

std::u16string QuizInfoText(std::u16string_view fileName, std::span<const GenreSummary> genres, int total)
{
    std::u16string text = u"【ファイル名】" + std::u16string(fileName) + kCrLf;
    text += std::u16string(u"【ジャンル】") + kCrLf;
    for (const GenreSummary& genre : genres)
        text += u"　" + genre.name.substr(0, 8) + u"　" + Digits(genre.count) + u"問" + kCrLf;
    text += u"合計" + Digits(total) + u"問のクイズです";
    return text;
}

} // namespace rules
