// The main window's controls, their layout and colours, the display styles
// and the two lamps.
#include "game/quiz_window.h"

#include <string>

#include "game/color.h"
#include "game/em_text.h"
#include "game/fonts.h"
#include "game/logic/texts.h"
#include "game/text_box.h"
#include "win/message_loop.h"
#include "win/registry.h"

namespace game {

namespace {

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

// A lamp label draws itself: new text needs a new paint.
void SetCaption(HWND label, const std::wstring& text)
{
    SetWindowTextW(label, text.c_str());
    InvalidateRect(label, nullptr, FALSE);
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
    // Full-size type in lines one em high (em_text.h).
    questionFont_ = MakeFont(FontPitch::Fixed, layout::kQuestionPoints);
    mes1Font_ = MakeFont(FontPitch::Proportional, layout::kMes1Points);
    mes1DigitFont_ = MakeFont(FontPitch::Fixed, layout::kMes1Points);
    mes2Font_ = MakeFont(FontPitch::Proportional, layout::kMes2Points);
    mes2DigitFont_ = MakeFont(FontPitch::Fixed, layout::kMes2Points);

    // Tab order: the question box, then the choices.
    textQ_ = CreateTextBox(hwnd(), WS_TABSTOP, L"");
    selA_ = MakeControl(hwnd(), L"LISTBOX", L"",
                        WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS);
    textMesBox_ = CreateTextBox(hwnd(), 0, texts::kStartupText);
    SetFont(textQ_, questionFont_);
    SetFont(textMesBox_, questionFont_);
    SetFont(selA_, questionFont_);
    SendMessageW(selA_, LB_SETITEMHEIGHT, 0, layout::PointsToPixels(layout::kQuestionPoints, ScreenDpi()));

    Mes1Captions mes1 = InitialMes1Captions();
    for (int i = 0; i < kMes1Count; ++i) {
        mes1_[static_cast<size_t>(i)] = MakeControl(hwnd(), L"STATIC", mes1[static_cast<size_t>(i)].c_str(),
                                                    SS_OWNERDRAW);
        SetFont(mes1_[static_cast<size_t>(i)], i == 1 ? mes1DigitFont_ : mes1Font_);
    }
    Mes2Captions mes2 = InitialMes2Captions();
    for (int i = 0; i < kMes2Count; ++i) {
        mes2_[static_cast<size_t>(i)] = MakeControl(hwnd(), L"STATIC", mes2[static_cast<size_t>(i)].c_str(),
                                                    SS_OWNERDRAW);
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

void QuizWindow::DrawItem(const DRAWITEMSTRUCT& item)
{
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    auto font = reinterpret_cast<HFONT>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0));
    win::SelectObjectGuard guard(dc, font);
    if (item.CtlType == ODT_STATIC) {
        // A lamp label: one character, centred in its label.
        LRESULT brush = ControlColor(dc, item.hwndItem);
        ::FillRect(dc, &r, reinterpret_cast<HBRUSH>(brush));
        SetBkMode(dc, TRANSPARENT);
        int top = r.top + (r.bottom - r.top - EmHeight(dc)) / 2;
        DrawEmLine(dc, r.left, r.right, top, win::GetText(item.hwndItem), DT_CENTER);
        return;
    }
    // A choice; the selected one in the colours swapped.
    if (item.itemID == static_cast<UINT>(-1))
        return;
    const DisplayStyle& s = StyleColors(style_);
    bool selected = (item.itemState & ODS_SELECTED) != 0;
    COLORREF back = ToColorRef(selected ? s.answerFore : s.answerBack);
    COLORREF fore = ToColorRef(selected ? s.answerBack : s.answerFore);
    FillRect(dc, r, back);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, fore);
    LRESULT length = SendMessageW(item.hwndItem, LB_GETTEXTLEN, item.itemID, 0);
    std::wstring text(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
    LRESULT got = SendMessageW(item.hwndItem, LB_GETTEXT, item.itemID, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(got > 0 ? got : 0));
    DrawEmLine(dc, r.left, r.right, r.top + (r.bottom - r.top - EmHeight(dc)) / 2, text, DT_LEFT);
    if (item.itemState & ODS_FOCUS)
        DrawFocusRect(dc, &r);
}

void QuizWindow::Mes1Disp(int MonNo)
{
    Mes1Captions captions = QuestionNumberCaptions(MonNo);
    for (int i = 0; i < kMes1Count; ++i)
        SetCaption(mes1_[static_cast<size_t>(i)], captions[static_cast<size_t>(i)]);
}

void QuizWindow::Mes2DispS(const std::wstring& str)
{
    Mes2Captions captions = SpreadCaptions(str);
    for (int i = 0; i < kMes2Count; ++i)
        SetCaption(mes2_[static_cast<size_t>(i)], captions[static_cast<size_t>(i)]);
}

void QuizWindow::Mes2Disp(int MonNo)
{
    Mes2Captions captions = NeedCaptions(MonNo);
    for (int i = 0; i < kMes2Count; ++i)
        SetCaption(mes2_[static_cast<size_t>(i)], captions[static_cast<size_t>(i)]);
}

} // namespace game
