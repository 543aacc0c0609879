#include "game/text_box.h"

#include <string>

#include "game/em_text.h"
#include "win/handles.h"
#include "win/window.h"

namespace game {

namespace {

constexpr wchar_t kClassName[] = L"VemoTextBox";

void Notify(HWND hwnd, WORD code)
{
    HWND parent = GetParent(hwnd);
    if (parent)
        SendMessageW(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), code), reinterpret_cast<LPARAM>(hwnd));
}

void Paint(HWND hwnd, HDC dc)
{
    RECT client;
    GetClientRect(hwnd, &client);
    HWND parent = GetParent(hwnd);
    auto brush = reinterpret_cast<HBRUSH>(
        SendMessageW(parent, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(hwnd)));
    FillRect(dc, &client, brush ? brush : GetSysColorBrush(COLOR_WINDOW));
    auto font = reinterpret_cast<HFONT>(GetPropW(hwnd, L"VemoFont"));
    win::SelectObjectGuard guard(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    int em = EmHeight(dc);
    int y = 0;
    for (const std::wstring& line : WrapLines(dc, win::GetText(hwnd), client.right)) {
        if (y >= client.bottom)
            break;
        DrawEmLine(dc, 0, client.right, y, line, DT_LEFT);
        y += em;
    }
    if (GetFocus() == hwnd)
        DrawFocusRect(dc, &client);
}

LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg) {
    case WM_SETFONT:
        SetPropW(hwnd, L"VemoFont", reinterpret_cast<HANDLE>(wParam));
        if (LOWORD(lParam))
            InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(GetPropW(hwnd, L"VemoFont"));
    case WM_SETTEXT: {
        LRESULT r = DefWindowProcW(hwnd, msg, wParam, lParam);
        InvalidateRect(hwnd, nullptr, TRUE);
        return r;
    }
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS;
    case WM_LBUTTONDOWN:
        if (GetWindowLongW(hwnd, GWL_STYLE) & WS_TABSTOP)
            SetFocus(hwnd);
        return 0;
    case WM_SETFOCUS:
        InvalidateRect(hwnd, nullptr, FALSE);
        Notify(hwnd, EN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        InvalidateRect(hwnd, nullptr, FALSE);
        Notify(hwnd, EN_KILLFOCUS);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        Paint(hwnd, win::PaintDC(hwnd).get());
        return 0;
    case WM_NCDESTROY:
        RemovePropW(hwnd, L"VemoFont");
        break;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

} // namespace

HWND CreateTextBox(HWND parent, DWORD style, const wchar_t* text)
{
    auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE));
    WNDCLASSEXW wc = {sizeof wc};
    if (!GetClassInfoExW(instance, kClassName, &wc)) {
        wc.lpfnWndProc = Proc;
        wc.hInstance = instance;
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = kClassName;
        RegisterClassExW(&wc);
    }
    return CreateWindowExW(0, kClassName, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, parent, nullptr, instance,
                           nullptr);
}

} // namespace game
