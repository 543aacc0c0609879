#include "game/fonts.h"

#include <initializer_list>

#include "game/logic/layout.h"

namespace game {

namespace {

int CALLBACK FoundFace(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found)
{
    *reinterpret_cast<bool*>(found) = true;
    return 0; // one is enough
}

} // namespace

int ScreenDpi()
{
    win::WindowDC dc(nullptr);
    int dpi = dc ? GetDeviceCaps(dc.get(), LOGPIXELSY) : 0;
    return dpi > 0 ? dpi : 96;
}

bool HasJapaneseFace(const std::wstring& face)
{
    if (face.empty() || face.size() >= LF_FACESIZE)
        return false;
    win::WindowDC dc(nullptr);
    LOGFONTW lf = {};
    lf.lfCharSet = SHIFTJIS_CHARSET;
    face.copy(lf.lfFaceName, LF_FACESIZE - 1);
    bool found = false;
    EnumFontFamiliesExW(dc.get(), &lf, FoundFace, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

std::wstring ChooseFace(FontPitch pitch)
{
    static const std::wstring fixed = [] {
        for (const wchar_t* face : {L"ＭＳ ゴシック", L"MS Gothic", L"Noto Sans Mono CJK JP", L"Noto Sans CJK JP",
                                    L"IPAGothic", L"VL Gothic", L"Takao Gothic"})
            if (HasJapaneseFace(face))
                return std::wstring(face);
        return std::wstring();
    }();
    static const std::wstring proportional = [] {
        for (const wchar_t* face : {L"ＭＳ Ｐゴシック", L"MS PGothic", L"Noto Sans CJK JP", L"IPAPGothic",
                                    L"VL PGothic", L"Takao PGothic", L"Noto Sans Mono CJK JP"})
            if (HasJapaneseFace(face))
                return std::wstring(face);
        return std::wstring();
    }();
    return pitch == FontPitch::Fixed ? fixed : proportional;
}

win::UniqueFont MakeFont(FontPitch pitch, double points, bool bold)
{
    LOGFONTW lf = {};
    lf.lfHeight = -layout::PointsToPixels(points, ScreenDpi());
    lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    lf.lfCharSet = SHIFTJIS_CHARSET;
    lf.lfQuality = CLEARTYPE_QUALITY;
    lf.lfPitchAndFamily = static_cast<BYTE>((pitch == FontPitch::Fixed ? FIXED_PITCH : VARIABLE_PITCH) | FF_MODERN);
    std::wstring face = ChooseFace(pitch);
    face.copy(lf.lfFaceName, LF_FACESIZE - 1);
    return win::UniqueFont(CreateFontIndirectW(&lf));
}

} // namespace game
