#include "game/message_window.h"

#include <windowsx.h>

#include "game/fonts.h"
#include "game/logic/layout.h"
#include "game/program_state.h"
#include "game/timing.h"
#include "game/voice.h"
#include "game/wave.h"
#include "win/cp932.h"
#include "win/message_loop.h"

namespace game {

namespace {
constexpr wchar_t kClassName[] = L"VemoMessage";
constexpr UINT_PTR kTimer1 = 1;
constexpr UINT kTimer1Ms = 3000;
constexpr UINT kActivated = WM_APP + 1;
constexpr UINT kTextFormat = DT_LEFT | DT_NOPREFIX | DT_EXPANDTABS;
} // namespace

int MesDisp::Twips(int t) const
{
    return layout::ToPixels(t, dpi_);
}

void MesDisp::ShowModal(HWND owner)
{
    HINSTANCE instance = GetModuleHandleW(nullptr);
    if (!RegisterClass(instance, kClassName, 0, nullptr))
        return;
    if (!Create(instance, kClassName, L"", WS_POPUP, WS_EX_TOOLWINDOW, 0, 0, 0, 0, owner))
        return;
    Form_Load(owner);
    win::RunModal(hwnd(), owner, [this] { return finished_; });
}

void MesDisp::Form_Load(HWND owner)
{
    dpi_ = ScreenDpi();
    font_ = MakeFont(FontPitch::Proportional, layout::kMessagePoints);
    {
        win::WindowDC dc(hwnd());
        win::SelectObjectGuard guard(dc.get(), font_.get());
        RECT r = {0, 0, 0, 0};
        DrawTextW(dc.get(), MesText.c_str(), static_cast<int>(MesText.size()), &r, kTextFormat | DT_CALCRECT);
        textSize_ = {r.right - r.left, r.bottom - r.top};
    }
    int margin = Twips(layout::kMessageMargin);
    SetWindowPos(hwnd(), nullptr, 0, 0, textSize_.cx + margin, textSize_.cy + margin,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Form_Resize();
    win::CenterOn(hwnd(), owner);
    SetTimer(hwnd(), kTimer1, TimerMs(kTimer1Ms), nullptr);
}

void MesDisp::Form_Resize()
{
    RECT client;
    GetClientRect(hwnd(), &client);
    int inset = Twips(layout::kMessagePanelInset), shrink = Twips(layout::kMessagePanelShrink);
    panel_ = {inset, inset, inset + client.right - shrink, inset + client.bottom - shrink};
    int offset = Twips(layout::kMessageTextOffset), shade = Twips(layout::kMessageShadeOffset);
    textPos_ = {panel_.left + offset, panel_.top + offset};
    shadePos_ = {textPos_.x + shade, textPos_.y + shade};
    InvalidateRect(hwnd(), nullptr, FALSE);
}

void MesDisp::Form_Activate()
{
    for (int i = 0; i <= 100; ++i)
        win::DoEvents();
    if (closing_)
        return;
    if (!WaveFile.empty())
        PlayWaveSync(WaveFile);
    voice_.StopSpeech();
    voice_.Speak(MesText + cp932::kMarker);
    announced_ = true;
    if (closeWhenAnnounced_)
        CloseWindow();
}

// Time is up. An announcement that the activation has set going is made
// first, however slowly the events before it ran: the window closes once it
// has been spoken.
void MesDisp::Timer1_Timer()
{
    KillTimer(hwnd(), kTimer1);
    if (activated_ && !announced_)
        closeWhenAnnounced_ = true;
    else
        CloseWindow();
}

void MesDisp::CloseWindow()
{
    if (closing_)
        return;
    closing_ = true;
    KillTimer(hwnd(), kTimer1);
    voice_.WaitSpeech();
    finished_ = true;
}

void MesDisp::Paint(HDC dc)
{
    RECT client;
    GetClientRect(hwnd(), &client);
    SetDCBrushColor(dc, RGB(255, 255, 255));
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    SetDCBrushColor(dc, RGB(0, 0, 192));
    FillRect(dc, &panel_, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));

    win::SelectObjectGuard guard(dc, font_.get());
    SetBkMode(dc, TRANSPARENT);
    RECT shade = {shadePos_.x, shadePos_.y, shadePos_.x + textSize_.cx, shadePos_.y + textSize_.cy};
    SetTextColor(dc, RGB(0, 0, 0));
    DrawTextW(dc, MesText.c_str(), static_cast<int>(MesText.size()), &shade, kTextFormat);
    RECT text = {textPos_.x, textPos_.y, textPos_.x + textSize_.cx, textPos_.y + textSize_.cy};
    SetTextColor(dc, RGB(255, 255, 255));
    DrawTextW(dc, MesText.c_str(), static_cast<int>(MesText.size()), &text, kTextFormat);
}

LRESULT MesDisp::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE && !activated_) {
            activated_ = true;
            // Run the announcement once the activation itself is over.
            PostMessageW(hwnd(), kActivated, 0, 0);
        }
        return 0;
    case kActivated:
        Form_Activate();
        return 0;
    case WM_TIMER:
        if (wParam == kTimer1)
            Timer1_Timer();
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE || wParam == VK_F8) {
            QuizAbort = true;
            CloseWindow();
        }
        return 0;
    case WM_CLOSE:
        CloseWindow();
        return 0;
    case WM_SIZE:
        Form_Resize();
        return 0;
    case WM_LBUTTONDOWN: {
        POINT pt = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        RECT text = {textPos_.x, textPos_.y, textPos_.x + textSize_.cx, textPos_.y + textSize_.cy};
        if (PtInRect(&text, pt)) {
            dragStart_ = pt;
            dragging_ = true;
            SetCapture(hwnd());
        }
        return 0;
    }
    case WM_MOUSEMOVE:
        if (dragging_ && (wParam & MK_LBUTTON)) {
            shadePos_ = {textPos_.x + GET_X_LPARAM(lParam) - dragStart_.x,
                         textPos_.y + GET_Y_LPARAM(lParam) - dragStart_.y};
            InvalidateRect(hwnd(), nullptr, FALSE);
        }
        return 0;
    case WM_LBUTTONUP:
        if (dragging_) {
            dragging_ = false;
            ReleaseCapture();
        }
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        Paint(win::PaintDC(hwnd()).get());
        return 0;
    default:
        return DefaultProc(msg, wParam, lParam);
    }
}

} // namespace game
