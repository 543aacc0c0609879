#include "game/logic/numerals.h"

#include <array>

namespace game {

std::wstring SKanji(int iss)
{
    static constexpr std::array<const wchar_t*, 11> kNumerals = {
        L"〇", L"一", L"二", L"三", L"四", L"五", L"六", L"七", L"八", L"九", L"十"};
    if (iss < 0 || iss > 10)
        return {};
    return kNumerals[static_cast<size_t>(iss)];
}

std::wstring FullWidthDigit(int n)
{
    constexpr wchar_t kZero = L'\xFF10'; // "０"
    if (n >= 0 && n <= 9)
        return std::wstring(1, static_cast<wchar_t>(kZero + n));
    std::wstring text;
    long long v = n;
    if (v < 0) {
        text = L"－";
        v = -v;
    }
    std::wstring digits;
    do {
        digits.insert(digits.begin(), static_cast<wchar_t>(kZero + v % 10));
        v /= 10;
    } while (v > 0);
    return text + digits;
}

} // namespace game
