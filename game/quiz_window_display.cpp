// The main window's controls, their layout and colours, the display styles
// and the two lamps.
#include "game/quiz_window.h"

#include <string>

#include "game/fonts.h"
#include "game/logic/texts.h"
#include "win/message_loop.h"
#include "win/registry.h"

namespace game {

namespace {

COLORREF ToColorRef(const Rgb& c)
{
    return RGB(c.r, c.g, c.b);
}

void FillRect(HDC dc, const RECT& r, COLORREF color)
{
    SetDCBrushColor(dc, color);
    ::FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

HWND MakeControl(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, DWORD exStyle = 0)
{
    return CreateWindowExW(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, parent, nullptr,
                           reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)), nullptr);
}

void SetFont(HWND control, const win::UniqueFont& font)
{
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), FALSE);
}

} // namespace

RECT QuizWindow::Pixels(const layout::Twips& t) const
{
    int left = layout::ToPixels(t.left, dpi_), top = layout::ToPixels(t.top, dpi_);
    return {left, top, left + layout::ToPixels(t.width, dpi_), top + layout::ToPixels(t.height, dpi_)};
}

void QuizWindow::CreateControls()
{
    dpi_ = ScreenDpi();
    questionFont_ = MakeFont(FontPitch::Fixed, layout::kQuestionPoints, FontSizing::Cell);
    mes1Font_ = MakeFont(FontPitch::Proportional, layout::kMes1Points, FontSizing::Cell);
    mes1DigitFont_ = MakeFont(FontPitch::Fixed, layout::kMes1Points, FontSizing::Cell);
    mes2Font_ = MakeFont(FontPitch::Proportional, layout::kMes2Points, FontSizing::Cell);
    mes2DigitFont_ = MakeFont(FontPitch::Fixed, layout::kMes2Points, FontSizing::Cell);

    // Tab order: the question box, then the choices.
    textQ_ = MakeControl(hwnd(), L"EDIT", L"", WS_TABSTOP | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL);
    selA_ = MakeControl(hwnd(), L"LISTBOX", L"", WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT);
    textMesBox_ = MakeControl(hwnd(), L"EDIT", texts::kStartupText, ES_MULTILINE | ES_READONLY);
    for (HWND edit : {textQ_, textMesBox_}) {
        SetFont(edit, questionFont_);
        SendMessageW(edit, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
    }
    SetFont(selA_, questionFont_);

    Mes1Captions mes1 = InitialMes1Captions();
    for (int i = 0; i < kMes1Count; ++i) {
        mes1_[static_cast<size_t>(i)] = MakeControl(hwnd(), L"STATIC", mes1[static_cast<size_t>(i)].c_str(),
                                                    SS_CENTER | SS_NOPREFIX);
        SetFont(mes1_[static_cast<size_t>(i)], i == 1 ? mes1DigitFont_ : mes1Font_);
    }
    Mes2Captions mes2 = InitialMes2Captions();
    for (int i = 0; i < kMes2Count; ++i) {
        mes2_[static_cast<size_t>(i)] = MakeControl(hwnd(), L"STATIC", mes2[static_cast<size_t>(i)].c_str(),
                                                    SS_CENTER | SS_NOPREFIX);
        SetFont(mes2_[static_cast<size_t>(i)], i == kMes2NumberIndex ? mes2DigitFont_ : mes2Font_);
    }
    LayOut();
    ApplyStyleColors();
}

void QuizWindow::LayOut()
{
    auto place = [](HWND control, const RECT& r) {
        MoveWindow(control, r.left, r.top, r.right - r.left, r.bottom - r.top, FALSE);
    };
    place(textQ_, Pixels(layout::kTextQ));
    place(selA_, Pixels(layout::kSelA));
    place(textMesBox_, Pixels(layout::kTextMesBox));
    for (int i = 0; i < kMes1Count; ++i)
        place(mes1_[static_cast<size_t>(i)], Pixels(layout::kMes1[i]));
    for (int i = 0; i < kMes2Count; ++i)
        place(mes2_[static_cast<size_t>(i)], Pixels(layout::kMes2[i]));
}

void QuizWindow::SetStyle(int Index)
{
    if (Index < 0 || Index >= kStyleCount)
        Index = 0;
    win::WriteUserString(kSettingsKey, kViewStyleValue, std::to_wstring(Index));
    win::DoEvents();
    for (int i = 0; i < kStyleCount; ++i)
        CheckMenuItem(menu_.get(), static_cast<UINT>(mnuViewStyleID0 + i), MF_BYCOMMAND | MF_UNCHECKED);
    CheckMenuItem(menu_.get(), static_cast<UINT>(mnuViewStyleID0 + Index), MF_BYCOMMAND | MF_CHECKED);
    style_ = Index;
    ApplyStyleColors();
}

void QuizWindow::ApplyStyleColors()
{
    const DisplayStyle& s = StyleColors(style_);
    lampBorder_ = {ToColorRef(s.lampBorder), ToColorRef(s.lampBorder)};
    lampBrush_.reset(CreateSolidBrush(ToColorRef(s.lampBack)));
    questionBrush_.reset(CreateSolidBrush(ToColorRef(s.questionBack)));
    answerBrush_.reset(CreateSolidBrush(ToColorRef(s.answerBack)));
    if (hwnd())
        RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void QuizWindow::SetLampBorder(int lamp, COLORREF color)
{
    if (lamp < 0 || lamp > 1)
        return;
    lampBorder_[static_cast<size_t>(lamp)] = color;
    RECT r = Pixels(lamp == 0 ? layout::kShape1 : layout::kShape2);
    InvalidateRect(hwnd(), &r, FALSE);
}

void QuizWindow::Paint(HDC dc)
{
    const DisplayStyle& s = StyleColors(style_);
    RECT client;
    GetClientRect(hwnd(), &client);
    FillRect(dc, client, ToColorRef(s.windowBack));
    FillRect(dc, Pixels(layout::kLabel2), ToColorRef(s.questionPanel));
    FillRect(dc, Pixels(layout::kLabel3), ToColorRef(s.answerPanel));

    int corner = layout::ToPixels(layout::kShape1.width, dpi_) / 3;
    const layout::Twips* shapes[] = {&layout::kShape1, &layout::kShape2};
    for (size_t i = 0; i < 2; ++i) {
        win::UniquePen pen(CreatePen(PS_INSIDEFRAME, layout::kShapeBorderWidth, lampBorder_[i]));
        win::UniqueBrush fill(CreateSolidBrush(ToColorRef(s.lampFill)));
        win::SelectObjectGuard penGuard(dc, pen.get());
        win::SelectObjectGuard brushGuard(dc, fill.get());
        RECT r = Pixels(*shapes[i]);
        RoundRect(dc, r.left, r.top, r.right, r.bottom, corner, corner);
    }
}

LRESULT QuizWindow::ControlColor(HDC dc, HWND control)
{
    const DisplayStyle& s = StyleColors(style_);
    SetBkMode(dc, OPAQUE);
    for (int i = 0; i < kMes1Count; ++i)
        if (control == mes1_[static_cast<size_t>(i)]) {
            SetTextColor(dc, ToColorRef(s.mes1Fore));
            SetBkColor(dc, ToColorRef(s.lampBack));
            return reinterpret_cast<LRESULT>(lampBrush_.get());
        }
    for (int i = 0; i < kMes2Count; ++i)
        if (control == mes2_[static_cast<size_t>(i)]) {
            SetTextColor(dc, ToColorRef(s.mes2Fore));
            SetBkColor(dc, ToColorRef(s.lampBack));
            return reinterpret_cast<LRESULT>(lampBrush_.get());
        }
    if (control == textQ_) {
        SetTextColor(dc, ToColorRef(s.questionFore));
        SetBkColor(dc, ToColorRef(s.questionBack));
        return reinterpret_cast<LRESULT>(questionBrush_.get());
    }
    // The choices and the start-up text in their place.
    SetTextColor(dc, ToColorRef(s.answerFore));
    SetBkColor(dc, ToColorRef(s.answerBack));
    return reinterpret_cast<LRESULT>(answerBrush_.get());
}

void QuizWindow::Mes1Disp(int MonNo)
{
    Mes1Captions captions = QuestionNumberCaptions(MonNo);
    for (int i = 0; i < kMes1Count; ++i)
        SetWindowTextW(mes1_[static_cast<size_t>(i)], captions[static_cast<size_t>(i)].c_str());
}

void QuizWindow::Mes2DispS(const std::wstring& str)
{
    Mes2Captions captions = SpreadCaptions(str);
    for (int i = 0; i < kMes2Count; ++i)
        SetWindowTextW(mes2_[static_cast<size_t>(i)], captions[static_cast<size_t>(i)].c_str());
}

void QuizWindow::Mes2Disp(int MonNo)
{
    Mes2Captions captions = NeedCaptions(MonNo);
    for (int i = 0; i < kMes2Count; ++i)
        SetWindowTextW(mes2_[static_cast<size_t>(i)], captions[static_cast<size_t>(i)].c_str());
}

} // namespace game
