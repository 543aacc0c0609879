// The four display styles of the main window: colour schemes for users with
// low vision, chosen in the view menu and remembered between runs.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace game {

struct Rgb {
    unsigned char r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Colours of one style. "back" is a background, "fore" a text colour; the
// lamps have an inner fill and an outline.
struct DisplayStyle {
    Rgb lampFill;       // Shape1, Shape2
    Rgb lampBorder;     // Shape1, Shape2 outline
    Rgb lampBack;       // Mes1, Mes2 labels
    Rgb mes1Fore;
    Rgb mes2Fore;
    Rgb windowBack;     // Label1, the whole window
    Rgb questionPanel;  // Label2
    Rgb questionBack;   // TextQ
    Rgb questionFore;
    Rgb answerPanel;    // Label3
    Rgb answerBack;     // SelA
    Rgb answerFore;
};

inline constexpr int kStyleCount = 4;

// Captions of the style menu items, index 0 to 3.
inline constexpr std::array<const wchar_t*, kStyleCount> kStyleCaptions = {
    L"標準(&N)", L"ハイコントラスト(&H)", L"メタリック(&M)", L"ソフト(&S)"};

// Colours of style index (0 to 3; any other index gives style 0).
const DisplayStyle& StyleColors(int index);

// The stored style as text (decimal digits, surrounding blanks allowed) as a
// style index. A missing, non-numeric or out-of-range value gives 0.
int ParseViewStyle(const std::optional<std::wstring>& stored);

// The settings entry that keeps the style.
inline constexpr wchar_t kSettingsKey[] = L"Software\\VB and VBA Program Settings\\Vemo\\Settings";
inline constexpr wchar_t kViewStyleValue[] = L"ViewStyle";

} // namespace game
