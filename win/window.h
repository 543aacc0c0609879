// Base class for the programs' own top-level and child windows.
//
// The static window procedure keeps `this` (from WM_NCCREATE) and hands every
// message to HandleMessage, the class's one message switch. Nothing thrown in
// a handler escapes into the system: it is caught and the message gets its
// default treatment.
#pragma once

#include <windows.h>

#include <string>

namespace win {

class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    // Destroys the window if it still exists.
    virtual ~Window();

    HWND hwnd() const { return hwnd_; }

    // Registers the class once per process (by name) with the shared window
    // procedure. `cursor` names a system cursor; null gives the class none.
    // Returns false when registration failed.
    static bool RegisterClass(HINSTANCE instance, const wchar_t* className, UINT classStyle = CS_HREDRAW | CS_VREDRAW,
                              HBRUSH background = nullptr, HICON icon = nullptr, const wchar_t* cursor = IDC_ARROW);

    // Creates the window of a class registered above. Returns false on failure.
    bool Create(HINSTANCE instance, const wchar_t* className, const wchar_t* title, DWORD style, DWORD exStyle,
                int x, int y, int width, int height, HWND parent, HMENU menuOrId = nullptr);

protected:
    // The class's message switch; the default is DefWindowProc.
    virtual LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam);

    // Called after WM_NCDESTROY, when the HWND is gone.
    virtual void OnFinalDestroy() {}

private:
    static LRESULT CALLBACK StaticProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
};

// Text of a window or control.
std::wstring GetText(HWND hwnd);

// Centres `window` on `owner` (or on the work area without an owner), keeping
// it inside the work area of the owner's monitor.
void CenterOn(HWND window, HWND owner);

} // namespace win
