#include "win/window.h"

namespace win {

Window::~Window()
{
    if (hwnd_ && IsWindow(hwnd_)) {
        // The window outlives nothing of ours: detach before destroying so
        // that no message reaches a half-destroyed object.
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

bool Window::RegisterClass(HINSTANCE instance, const wchar_t* className, UINT classStyle, HBRUSH background,
                           HICON icon, const wchar_t* cursor)
{
    WNDCLASSEXW existing = {sizeof existing};
    if (GetClassInfoExW(instance, className, &existing))
        return true;
    WNDCLASSEXW wc = {sizeof wc};
    wc.style = classStyle;
    wc.lpfnWndProc = &Window::StaticProc;
    wc.hInstance = instance;
    wc.hCursor = cursor ? LoadCursorW(nullptr, cursor) : nullptr;
    wc.hbrBackground = background;
    wc.hIcon = icon;
    wc.hIconSm = icon;
    wc.lpszClassName = className;
    return RegisterClassExW(&wc) != 0;
}

bool Window::Create(HINSTANCE instance, const wchar_t* className, const wchar_t* title, DWORD style, DWORD exStyle,
                    int x, int y, int width, int height, HWND parent, HMENU menuOrId)
{
    return CreateWindowExW(exStyle, className, title, style, x, y, width, height, parent, menuOrId, instance, this) !=
           nullptr;
}

LRESULT Window::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    return DefaultProc(msg, wParam, lParam);
}

LRESULT Window::DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcW(hwnd_, msg, wParam, lParam);
}

LRESULT CALLBACK Window::StaticProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    Window* self = nullptr;
    if (msg == WM_NCCREATE) {
        self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    if (!self)
        return DefWindowProcW(hwnd, msg, wParam, lParam);

    LRESULT result = 0;
    try {
        result = self->HandleMessage(msg, wParam, lParam);
    } catch (...) {
        result = DefWindowProcW(hwnd, msg, wParam, lParam);
    }
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        try {
            self->OnFinalDestroy();
        } catch (...) {
        }
    }
    return result;
}

std::wstring GetText(HWND hwnd)
{
    int n = GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<size_t>(n) + 1, L'\0');
    n = GetWindowTextW(hwnd, text.data(), n + 1);
    text.resize(static_cast<size_t>(n > 0 ? n : 0));
    return text;
}

void CenterOn(HWND window, HWND owner)
{
    RECT wr;
    GetWindowRect(window, &wr);
    MONITORINFO mi = {sizeof mi};
    GetMonitorInfoW(MonitorFromWindow(owner ? owner : window, MONITOR_DEFAULTTONEAREST), &mi);
    RECT area = mi.rcWork;
    RECT around = area;
    if (owner && IsWindowVisible(owner))
        GetWindowRect(owner, &around);
    int w = wr.right - wr.left, h = wr.bottom - wr.top;
    int x = around.left + ((around.right - around.left) - w) / 2;
    int y = around.top + ((around.bottom - around.top) - h) / 2;
    if (x + w > area.right) x = area.right - w;
    if (y + h > area.bottom) y = area.bottom - h;
    if (x < area.left) x = area.left;
    if (y < area.top) y = area.top;
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace win
