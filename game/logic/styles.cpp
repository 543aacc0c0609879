#include "game/logic/styles.h"

namespace game {

namespace {

// Rows: lamp fill, lamp border, lamp back, Mes1 fore, Mes2 fore, window,
// question panel, question back, question fore, answer panel, answer back,
// answer fore.
constexpr std::array<DisplayStyle, kStyleCount> kStyles = {{
    // 0 標準
    {{0, 0, 128}, {0, 128, 0}, {0, 0, 128}, {192, 255, 255}, {255, 192, 192}, {128, 128, 128},
     {112, 16, 16}, {112, 16, 16}, {255, 255, 192}, {0, 128, 128}, {0, 96, 0}, {255, 224, 192}},
    // 1 ハイコントラスト
    {{0, 0, 0}, {64, 64, 64}, {0, 0, 0}, {255, 255, 255}, {255, 255, 255}, {128, 128, 128},
     {0, 0, 0}, {0, 0, 0}, {255, 255, 255}, {0, 0, 0}, {0, 0, 0}, {192, 192, 192}},
    // 2 メタリック
    {{208, 208, 208}, {0, 128, 0}, {208, 208, 208}, {0, 0, 0}, {0, 0, 0}, {192, 192, 192},
     {224, 224, 224}, {224, 224, 224}, {0, 0, 0}, {224, 224, 224}, {240, 240, 240}, {0, 0, 0}},
    // 3 ソフト
    {{255, 255, 192}, {0, 128, 0}, {255, 255, 192}, {128, 128, 255}, {255, 128, 128}, {214, 227, 254},
     {192, 255, 192}, {192, 255, 192}, {96, 96, 176}, {192, 192, 255}, {128, 128, 255}, {255, 255, 255}},
}};

bool IsBlank(wchar_t c)
{
    return c == L' ' || c == L'\t' || c == L'\x3000';
}

} // namespace

const DisplayStyle& StyleColors(int index)
{
    if (index < 0 || index >= kStyleCount)
        index = 0;
    return kStyles[static_cast<size_t>(index)];
}

int ParseViewStyle(const std::optional<std::wstring>& stored)
{
    if (!stored)
        return 0;
    std::wstring_view text = *stored;
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    if (text.empty() || text.size() > 4)
        return 0;
    int value = 0;
    for (wchar_t c : text) {
        if (c < L'0' || c > L'9')
            return 0;
        value = value * 10 + (c - L'0');
    }
    return value < kStyleCount ? value : 0;
}

} // namespace game
