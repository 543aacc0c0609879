// Where the main window's controls sit, in twips (1/1440 inch), and the
// conversion to pixels at the screen's resolution.
#pragma once

namespace game::layout {

struct Twips {
    int left, top, width, height;
};

inline constexpr int kClientWidth = 9480;
inline constexpr int kClientHeight = 6495;

inline constexpr Twips kLabel1 = {0, 0, 9495, 7695};     // background of the window
inline constexpr Twips kLabel2 = {1553, 240, 6375, 2655}; // panel behind the question
inline constexpr Twips kTextQ = {1853, 330, 5775, 2535};
inline constexpr Twips kLabel3 = {240, 3240, 9015, 3015}; // panel behind the choices
inline constexpr Twips kSelA = {1080, 3480, 7335, 2505};
inline constexpr Twips kShape1 = {300, 255, 1095, 2625};  // left lamp
inline constexpr Twips kShape2 = {8115, 255, 1095, 2640}; // right lamp
inline constexpr int kShapeBorderWidth = 3;               // pixels

inline constexpr Twips kMes1[3] = {{570, 630, 555, 555}, {570, 1230, 555, 555}, {570, 1845, 555, 555}};
inline constexpr Twips kMes2[8] = {
    {8655, 450, 465, 435},  {8655, 930, 465, 435},  {8685, 1410, 405, 435}, {8685, 1890, 405, 435},
    {8190, 690, 435, 435},  {8235, 1170, 345, 435}, {8175, 1650, 435, 435}, {8175, 2130, 465, 435},
};

// The start-up text sits where the choices will be: it is laid out for the
// same 14 full-width characters a line.
inline constexpr Twips kTextMesBox = kSelA;

// Font sizes in points.
inline constexpr double kQuestionPoints = 24;
inline constexpr double kMes1Points = 27.75;
inline constexpr double kMes2Points = 21.75;
inline constexpr double kMessagePoints = 48;

// Message window geometry, in twips.
inline constexpr int kMessageMargin = 320;     // window size beyond the text
inline constexpr int kMessagePanelInset = 30;  // panel position
inline constexpr int kMessagePanelShrink = 40; // panel size below the window's
inline constexpr int kMessageTextOffset = 80;  // text position within the panel
inline constexpr int kMessageShadeOffset = 40; // shadow beyond the text

// Twips to pixels at dotsPerInch, rounded to the nearest pixel.
constexpr int ToPixels(int twips, int dotsPerInch)
{
    long long scaled = static_cast<long long>(twips) * dotsPerInch;
    return static_cast<int>(scaled >= 0 ? (scaled + 720) / 1440 : -((-scaled + 720) / 1440));
}

// Points to pixels (a font's em height) at dotsPerInch.
constexpr int PointsToPixels(double points, int dotsPerInch)
{
    return static_cast<int>(points * dotsPerInch / 72.0 + 0.5);
}

} // namespace game::layout
