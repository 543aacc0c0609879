#include "win/subclass.h"

#include <commctrl.h>

namespace win {

Subclass::~Subclass()
{
    Detach();
}

bool Subclass::Attach(HWND hwnd)
{
    if (hwnd_ || !IsWindow(hwnd))
        return false;
    if (!SetWindowSubclass(hwnd, &Subclass::Proc, reinterpret_cast<UINT_PTR>(this), reinterpret_cast<DWORD_PTR>(this)))
        return false;
    hwnd_ = hwnd;
    return true;
}

void Subclass::Detach()
{
    if (hwnd_ && IsWindow(hwnd_))
        RemoveWindowSubclass(hwnd_, &Subclass::Proc, reinterpret_cast<UINT_PTR>(this));
    hwnd_ = nullptr;
}

LRESULT Subclass::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    return DefaultProc(msg, wParam, lParam);
}

LRESULT Subclass::DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam)
{
    return DefSubclassProc(hwnd_, msg, wParam, lParam);
}

LRESULT CALLBACK Subclass::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data)
{
    auto* self = reinterpret_cast<Subclass*>(data);
    LRESULT result = 0;
    try {
        result = self->HandleMessage(msg, wParam, lParam);
    } catch (...) {
        result = DefSubclassProc(hwnd, msg, wParam, lParam);
    }
    if (msg == WM_NCDESTROY) {
        // The window is going; it takes no subclass with it.
        RemoveWindowSubclass(hwnd, &Subclass::Proc, reinterpret_cast<UINT_PTR>(self));
        self->hwnd_ = nullptr;
    }
    return result;
}

} // namespace win
