#include "game/rules/results.h"

#include "game/rules/text.h"

namespace rules {

Message StageEndHeading()
{
    return {u"ステージ終了", u"@クリア.wav"};
}

Message StageResultMessage(int qpass, const std::function<double()>& random)
{
    if (qpass <= 0)
        return {u"おめでとう\rステージ クリアです", u"@合格.wav"};
    if (qpass == 1)
        return {u"おしい　あと１問で\rクリアでした", u"@残念.wav"};
    if (random() > 0.5)
        return {u"残念\r次回はがんばってね", u"@残念.wav"};
    return {u"残念でした\rまた挑戦してね", u"@残念.wav"};
}

Message AllCorrectBonusMessage()
{
    return {u"全問正解\r\nボーナス１００点", u""};
}

std::u16string ResultCountText(int asked, int correct)
{
    return Digits(asked) + u"問中 " + Digits(correct) + u"問を正解しました";
}

std::u16string PercentText(int asked, int correct)
{
    if (asked <= 0 || correct <= 0)
        return u"0";
    // Tenths of a percent, rounded half up, in exact integer arithmetic.
    const long long tenths = (2000LL * correct + asked) / (2LL * asked);
    std::u16string text = Digits(tenths / 10);
    if (tenths % 10 != 0)
        text += u"." + Digits(tenths % 10);
    return text;
}

std::u16string ResultRateText(int asked, int correct)
{
    return u"正解率は" + PercentText(asked, correct) + u"パーセントです";
}

std::vector<Message> FinalResultMessages(int asked, int correct)
{
    return {
        {u"みごと全ステージクリアです", u"@End1.wav"},
        {u"あなたの成績発表", u""},
        {ResultCountText(asked, correct), u""},
        {ResultRateText(asked, correct), u""},
        {u"おつかれさまでした", u"@End2.wav"},
    };
}

} // namespace rules
