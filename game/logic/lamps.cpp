#include "game/logic/lamps.h"

#include "game/logic/numerals.h"

namespace game {

namespace {
constexpr wchar_t kNeedText[] = L"合格まであと　問";
}

Mes1Captions InitialMes1Captions()
{
    return {L"第", L"　", L"問"};
}

Mes2Captions InitialMes2Captions()
{
    return SpreadCaptions(kNeedText);
}

Mes1Captions QuestionNumberCaptions(int n)
{
    if (n == 0)
        return {};
    return {L"第", FullWidthDigit(n), L"問"};
}

Mes2Captions SpreadCaptions(std::wstring_view text)
{
    Mes2Captions captions;
    for (size_t i = 0; i < captions.size() && i < text.size(); ++i)
        captions[i] = std::wstring(1, text[i]);
    return captions;
}

Mes2Captions NeedCaptions(int n)
{
    Mes2Captions captions = SpreadCaptions(kNeedText);
    captions[kMes2NumberIndex] = FullWidthDigit(n);
    return captions;
}

} // namespace game
