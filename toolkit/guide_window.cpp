#include "toolkit/guide_window.h"

#include "win/cp932.h"
#include "win/handles.h"
#include "win/module.h"
#include "win/sjis.h"

namespace {

constexpr COLORREF kBackground = RGB(255, 255, 0);
constexpr COLORREF kTextColour = RGB(255, 0, 0);

// The class is registered once per process, with a yellow background that
// lives as long as the class, and neither icon nor cursor.
bool RegisterGuideClass()
{
    static const bool registered =
        win::Window::RegisterClass(win::CurrentModule(), CLumaGuideWnd::kClassName, CS_HREDRAW | CS_VREDRAW,
                                   CreateSolidBrush(kBackground), nullptr, nullptr);
    return registered;
}

SIZE MeasureText(HWND dialog, const std::wstring& text)
{
    SIZE size = {};
    win::WindowDC dc(dialog);
    if (!dc)
        return size;
    auto font = reinterpret_cast<HFONT>(SendMessageW(dialog, WM_GETFONT, 0, 0));
    win::SelectObjectGuard select(dc.get(), font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
    GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

} // namespace

bool CLumaGuideWnd::Show(HWND dialog, HWND anchor, std::string_view text)
{
    if (!RegisterGuideClass())
        return false;
    dialog_ = dialog;
    std::size_t newline = sjis::FindChar(text, '\n');
    std::string_view first = text.substr(0, newline);
    std::string_view second = newline == std::string_view::npos ? std::string_view() : text.substr(newline + 1);
    firstLine_ = cp932::ToWide(first);
    secondLine_ = cp932::ToWide(second);
    twoLines_ = newline != std::string_view::npos;
    secondLineLonger_ = second.size() > first.size();

    POINT at = {0, 0};
    if (anchor && IsWindow(anchor)) {
        RECT r;
        GetWindowRect(anchor, &r);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
        at = {r.left, r.bottom + 2};
    }
    if (!Create(win::CurrentModule(), kClassName, kTitle, WS_CHILD | WS_VISIBLE | WS_DISABLED, 0, at.x, at.y, 0, 0,
                dialog))
        return false;
    SetWindowPos(hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return true;
}

void CLumaGuideWnd::Close()
{
    if (hwnd())
        SendMessageW(hwnd(), WM_CLOSE, 0, 0);
}

// Sizes the window to its text: one line gets 10 pixels around it across
// and 5 above and below; two lines are measured by the line with more bytes.
void CLumaGuideWnd::OnCreate()
{
    int width, height;
    if (!twoLines_) {
        SIZE size = MeasureText(dialog_, firstLine_);
        width = size.cx + 20;
        height = size.cy + 10;
    } else {
        SIZE size = MeasureText(dialog_, secondLineLonger_ ? secondLine_ : firstLine_);
        width = size.cx + 20;
        height = 2 * size.cy + 14;
        secondLineY_ = size.cy + 9;
    }
    SetWindowPos(hwnd(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CLumaGuideWnd::OnPaint()
{
    win::PaintDC paint(hwnd());
    HDC dc = paint.get();
    RECT client;
    GetClientRect(hwnd(), &client);
    FrameRect(dc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    auto font = reinterpret_cast<HFONT>(SendMessageW(dialog_, WM_GETFONT, 0, 0));
    win::SelectObjectGuard select(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kTextColour);
    TextOutW(dc, 10, 5, firstLine_.c_str(), static_cast<int>(firstLine_.size()));
    if (twoLines_)
        TextOutW(dc, 10, secondLineY_, secondLine_.c_str(), static_cast<int>(secondLine_.size()));
}

LRESULT CLumaGuideWnd::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_CREATE:
        OnCreate();
        return 0;
    case WM_PAINT:
        OnPaint();
        return 0;
    default:
        return DefaultProc(msg, wParam, lParam);
    }
}
