#include "game/rules/rankings.h"

#include <climits>

#include "game/rules/text.h"
#include "win/sjis.h"

namespace rules {

RankTable DefaultTable(Mode mode)
{
    if (mode == Mode::QuickPress)
        return {{{u"ブルー", 500}, {u"電光石火", 400}, {u"乙女", 300}, {u"ミンク", 200}, {u"ガリ勉くん", 100}}};
    return {{{u"ピンキー", 500}, {u"ケイ", 400}, {u"エリカ", 300}, {u"イチロー", 200}, {u"ポチ", 100}}};
}

std::u16string ModeName(Mode mode)
{
    return mode == Mode::QuickPress ? u"はや押し挑戦" : u"じっくり挑戦";
}

std::u16string TenStr(int n)
{
    const std::u16string padded = u"     " + Digits(n);
    return padded.substr(padded.size() - 4) + u"点";
}

int ParseScore(std::u16string_view text)
{
    std::size_t begin = text.find_first_not_of(u' ');
    if (begin == std::u16string_view::npos)
        return 0;
    std::size_t end = text.find_last_not_of(u' ') + 1;
    std::u16string_view s = text.substr(begin, end - begin);

    bool negative = false;
    if (s.front() == u'+' || s.front() == u'-') {
        negative = s.front() == u'-';
        s.remove_prefix(1);
    }
    if (s.empty())
        return 0;
    long long value = 0;
    for (char16_t c : s) {
        if (c < u'0' || c > u'9')
            return 0;
        value = value * 10 + (c - u'0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            return 0;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX || value < INT_MIN)
        return 0;
    return static_cast<int>(value);
}

std::string FixedWidthName(std::string_view cp932Name)
{
    const std::string padded = std::string(cp932Name) + std::string(10, ' ');
    return std::string(sjis::CutToBytes(padded, kNameBytes));
}

std::optional<int> RankPlace(const RankTable& table, int score)
{
    for (int p = 0; p < kPlaces; ++p) {
        if (score >= table[static_cast<std::size_t>(p)].score)
            return p + 1;
    }
    return std::nullopt;
}

void InsertAt(RankTable& table, int place, RankEntry entry)
{
    if (place < 1 || place > kPlaces)
        return;
    const auto at = static_cast<std::size_t>(place - 1);
    for (std::size_t k = kPlaces - 1; k > at; --k)
        table[k] = table[k - 1];
    table[at] = std::move(entry);
}

std::u16string RankResultText(Mode mode, int place, std::u16string_view name, int score)
{
    return ModeName(mode) + kCrLf + u"第" + Digits(place) + u"位 " + std::u16string(name) + u" " + TenStr(score);
}

namespace {

void AppendTable(std::u16string& text, const RankTable& table)
{
    for (int p = 1; p <= kPlaces; ++p) {
        const RankEntry& entry = table[static_cast<std::size_t>(p - 1)];
        text += u"  第" + Digits(p) + u"位 " + entry.name + u" " + TenStr(entry.score) + kCrLf;
    }
}

} // namespace

std::u16string RankingText(const RankTable& relaxed, const RankTable& quickPress)
{
    std::u16string text = std::u16string(u"ランキング") + kCrLf;
    text += std::u16string(u"じっくり挑戦・ベストファイブ") + kCrLf;
    AppendTable(text, relaxed);
    text += std::u16string(u"はや押し挑戦・ベストファイブ") + kCrLf;
    AppendTable(text, quickPress);
    text += std::u16string(u"Escapeキーでランキングを終了します") + kCrLf;
    return text;
}

std::optional<RankingEntry> EnterRanking(RankTable& table, Mode mode, int score,
                                         const std::function<std::u16string()>& askName)
{
    const std::optional<int> place = RankPlace(table, score);
    if (!place)
        return std::nullopt;
    std::u16string name = askName ? askName() : std::u16string();
    RankingEntry result{*place, RankResultText(mode, *place, name, score)};
    InsertAt(table, *place, {std::move(name), score});
    return result;
}

} // namespace rules
