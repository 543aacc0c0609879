#include "game/mark_window.h"

#include "game/color.h"
#include "game/program_state.h"
#include "game/timing.h"
#include "win/message_loop.h"

namespace game {

namespace {

constexpr wchar_t kClassName[] = L"VemoMark";
constexpr UINT_PTR kTimer1 = 1;

} // namespace

COLORREF MaruBatsu::MarkColor() const
{
    return ToColorRef(right_ ? rules::kCircleColour : rules::CrossColour(softStyle_));
}

void MaruBatsu::ShowModal(HWND owner)
{
    HINSTANCE instance = GetModuleHandleW(nullptr);
    if (!RegisterClass(instance, kClassName, 0, nullptr))
        return;
    RECT r = {0, 0, 0, 0};
    if (owner)
        GetWindowRect(owner, &r);
    if (!Create(instance, kClassName, L"", WS_POPUP, WS_EX_TOOLWINDOW, r.left, r.top, r.right - r.left,
                r.bottom - r.top, owner))
        return;
    Form_Load(owner);
    // The blinking starts as the window appears, so that it closes on time
    // even when another program keeps the activation.
    SetTimer(hwnd(), kTimer1, TimerMs(rules::kMarkTickMs), nullptr);
    win::RunModal(hwnd(), owner, [this] { return finished_; });
}

void MaruBatsu::Form_Load(HWND owner)
{
    ticks_ = 0;
    // A still picture of the game window (its whole window image, origin at
    // its top-left corner). Should the copy fail, the mark is drawn on black.
    RECT r;
    GetWindowRect(hwnd(), &r);
    pictureSize_ = {r.right - r.left, r.bottom - r.top};
    if (owner) {
        HDC source = GetWindowDC(owner);
        if (source) {
            win::UniqueMemoryDC memory(CreateCompatibleDC(source));
            picture_.reset(CreateCompatibleBitmap(source, pictureSize_.cx, pictureSize_.cy));
            if (memory && picture_) {
                win::SelectObjectGuard guard(memory.get(), picture_.get());
                BitBlt(memory.get(), 0, 0, pictureSize_.cx, pictureSize_.cy, source, 0, 0, SRCCOPY);
            }
            ReleaseDC(owner, source);
        }
    }
    Form_Resize();
    markVisible_ = true;
}

void MaruBatsu::Form_Resize()
{
    RECT client;
    GetClientRect(hwnd(), &client);
    box_ = rules::MarkBoxFor(right_, client.right, client.bottom);
    InvalidateRect(hwnd(), nullptr, FALSE);
}

void MaruBatsu::Timer1_Timer()
{
    const rules::MarkStep step = rules::TickMark(QuizAbort, ticks_);
    if (step.close) {
        CloseWindow();
        return;
    }
    if (step.toggle) {
        markVisible_ = !markVisible_;
        blinks_ += 1;
        InvalidateRect(hwnd(), nullptr, FALSE);
    }
}

void MaruBatsu::CloseWindow()
{
    KillTimer(hwnd(), kTimer1);
    finished_ = true;
}

void MaruBatsu::Paint(HDC dc)
{
    RECT client;
    GetClientRect(hwnd(), &client);
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    if (picture_) {
        win::UniqueMemoryDC memory(CreateCompatibleDC(dc));
        if (memory) {
            win::SelectObjectGuard guard(memory.get(), picture_.get());
            BitBlt(dc, 0, 0, pictureSize_.cx, pictureSize_.cy, memory.get(), 0, 0, SRCCOPY);
        }
    }
    if (!markVisible_)
        return;
    const RECT box = {box_.left, box_.top, box_.left + box_.size, box_.top + box_.size};
    if (right_) {
        // The outline lies inside the box, as wide as the mark's lines.
        win::UniquePen pen(CreatePen(PS_INSIDEFRAME, rules::kMarkLineWidth, MarkColor()));
        win::SelectObjectGuard penGuard(dc, pen.get());
        win::SelectObjectGuard brushGuard(dc, GetStockObject(NULL_BRUSH));
        Ellipse(dc, box.left, box.top, box.right, box.bottom);
    } else {
        win::UniquePen pen(CreatePen(PS_SOLID, rules::kMarkLineWidth, MarkColor()));
        win::SelectObjectGuard penGuard(dc, pen.get());
        MoveToEx(dc, box.left, box.top, nullptr);
        LineTo(dc, box.right, box.bottom);
        MoveToEx(dc, box.left, box.bottom, nullptr);
        LineTo(dc, box.right, box.top);
    }
}

LRESULT MaruBatsu::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_TIMER:
        if (wParam == kTimer1)
            Timer1_Timer();
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE || wParam == VK_F8)
            QuizAbort = true;
        return 0;
    case WM_SIZE:
        Form_Resize();
        return 0;
    case WM_CLOSE:
        // Only its own timer closes the window.
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
