// Subclassing a control as an object: SetWindowSubclass when attached,
// RemoveWindowSubclass when detached or destroyed (unless the window is
// already gone). One HandleMessage per wrapper class; DefaultProc passes a
// message on to the control.
#pragma once

#include <windows.h>

namespace win {

class Subclass {
public:
    Subclass() = default;
    Subclass(const Subclass&) = delete;
    Subclass& operator=(const Subclass&) = delete;
    virtual ~Subclass();

    // Returns false when the window could not be subclassed (or another one
    // is attached already).
    bool Attach(HWND hwnd);
    void Detach();

    HWND hwnd() const { return hwnd_; }
    bool attached() const { return hwnd_ != nullptr; }

protected:
    virtual LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultProc(UINT msg, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR data);
    HWND hwnd_ = nullptr;
};

} // namespace win
