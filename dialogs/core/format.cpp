#include "dialogs/core/format.h"

#include <cwchar>

namespace lumadlg {

std::wstring FormatSize(std::uint32_t bytes)
{
    std::uint32_t kb = bytes >> 10;
    if ((bytes & 1023) >= 100)
        ++kb;
    if (bytes != 0 && kb == 0)
        kb = 1;

    std::wstring digits = std::to_wstring(kb);
    std::wstring text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            text += L',';
        text += digits[i];
    }
    return text + L"KB";
}

std::wstring FormatListDate(const LocalTime& t)
{
    wchar_t buf[64];
    std::swprintf(buf, 64, L"%02d/%02d/%02d %d:%02d", t.year % 100, t.month, t.day, t.hour, t.minute);
    return buf;
}

std::wstring FormatSpokenDate(const LocalTime& t)
{
    wchar_t buf[64];
    std::swprintf(buf, 64, L"%d年%d月%d日 %d時%d分", t.year, t.month, t.day, t.hour, t.minute);
    return buf;
}

std::wstring ReplaceS(std::wstring_view pattern, std::wstring_view value)
{
    std::wstring text(pattern);
    std::size_t at = text.find(L"%s");
    if (at != std::wstring::npos)
        text.replace(at, 2, value);
    return text;
}

} // namespace lumadlg
