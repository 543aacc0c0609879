#include "game/em_text.h"

namespace game {

int EmHeight(HDC dc)
{
    TEXTMETRICW tm = {};
    GetTextMetricsW(dc, &tm);
    return tm.tmHeight - tm.tmInternalLeading;
}

int EmOffset(HDC dc)
{
    TEXTMETRICW tm = {};
    GetTextMetricsW(dc, &tm);
    return tm.tmInternalLeading / 2;
}

void DrawEmLine(HDC dc, int left, int right, int top, std::wstring_view text, UINT align)
{
    int x = left;
    if (align & DT_CENTER) {
        SIZE size = {};
        GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
        x = left + (right - left - size.cx) / 2;
    }
    TextOutW(dc, x, top - EmOffset(dc), text.data(), static_cast<int>(text.size()));
}

std::vector<std::wstring> WrapLines(HDC dc, std::wstring_view text, int width)
{
    std::vector<std::wstring> lines;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find(L'\n', start);
        std::wstring_view paragraph = text.substr(start, end == std::wstring_view::npos ? end : end - start);
        if (!paragraph.empty() && paragraph.back() == L'\r')
            paragraph.remove_suffix(1);
        do {
            int fit = 0;
            SIZE size = {};
            GetTextExtentExPointW(dc, paragraph.data(), static_cast<int>(paragraph.size()), width, &fit, nullptr,
                                  &size);
            if (fit < 1 && !paragraph.empty())
                fit = 1; // a character wider than the box still shows
            lines.emplace_back(paragraph.substr(0, static_cast<size_t>(fit)));
            paragraph.remove_prefix(static_cast<size_t>(fit));
        } while (!paragraph.empty());
        if (end == std::wstring_view::npos)
            break;
        start = end + 1;
    }
    // A final line end starts no further line.
    if (lines.size() > 1 && lines.back().empty() && !text.empty() && text.back() == L'\n')
        lines.pop_back();
    return lines;
}

} // namespace game
