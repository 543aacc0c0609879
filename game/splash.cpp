#include "game/splash.h"

#include <string>

#include "game/logic/texts.h"
#include "game/quiz_window.h"
#include "game/resources.h"
#include "win/cp932.h"

namespace game {

namespace {
constexpr wchar_t kClassName[] = L"VemoSplash";
constexpr UINT_PTR kTimerId = 1;
constexpr UINT kTimerMs = 1500;
} // namespace

bool Splash::Show(HINSTANCE instance)
{
    logo_.reset(static_cast<HBITMAP>(
        LoadImageW(instance, MAKEINTRESOURCEW(kLogoBitmap), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    BITMAP bm = {};
    if (logo_ && GetObjectW(logo_.get(), sizeof bm, &bm))
        logoSize_ = {bm.bmWidth, std::abs(bm.bmHeight)};
    else
        logoSize_ = {480, 270};
    if (!RegisterClass(instance, kClassName, 0, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH))))
        return false;
    RECT r = {0, 0, logoSize_.cx, logoSize_.cy};
    AdjustWindowRectEx(&r, WS_POPUP | WS_BORDER, FALSE, 0);
    if (!Create(instance, kClassName, texts::kTitle, WS_POPUP | WS_BORDER, 0, 0, 0, r.right - r.left,
                r.bottom - r.top, nullptr))
        return false;
    win::CenterOn(hwnd(), nullptr);
    SetTimer(hwnd(), kTimerId, kTimerMs, nullptr);
    ShowWindow(hwnd(), SW_SHOWNORMAL);
    SetForegroundWindow(hwnd());
    UpdateWindow(hwnd());
    return true;
}

void Splash::Form_Activate()
{
    if (greeted_)
        return;
    greeted_ = true;
    main_.Voice->StopSpeech();
    main_.Voice->Speak(std::wstring(texts::kTitle) + cp932::kMarker);
}

void Splash::Finish()
{
    if (finished_)
        return;
    finished_ = true;
    KillTimer(hwnd(), kTimerId);
    main_.Voice->WaitSpeech();
    DestroyWindow(hwnd());
    main_.Show();
}

LRESULT Splash::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE)
            Form_Activate();
        return 0;
    case WM_TIMER:
        if (wParam == kTimerId)
            Finish();
        return 0;
    case WM_CLOSE:
        // Closing the splash early only brings the main window sooner.
        Finish();
        return 0;
    case WM_PAINT: {
        win::PaintDC dc(hwnd());
        if (logo_) {
            win::UniqueMemoryDC mem(CreateCompatibleDC(dc.get()));
            win::SelectObjectGuard guard(mem.get(), logo_.get());
            BitBlt(dc.get(), 0, 0, logoSize_.cx, logoSize_.cy, mem.get(), 0, 0, SRCCOPY);
        }
        return 0;
    }
    default:
        return DefaultProc(msg, wParam, lParam);
    }
}

} // namespace game
