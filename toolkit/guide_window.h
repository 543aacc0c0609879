// The guide window: a small yellow window with a black frame and red text
// of one or two lines, placed 2 pixels under the control it concerns. It is
// a disabled child of the dialog, so it never takes the focus or input.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "win/window.h"

class CLumaGuideWnd : public win::Window {
public:
    // The class name and the window title.
    static constexpr const wchar_t* kClassName = L"ZUB_GuideClass";
    static constexpr const wchar_t* kTitle = L"ZUB_GuideWnd";

    // Shows `text` (code page 932; a "\n" starts the second line) in the
    // dialog's font under `anchor`, a control of `dialog`.
    bool Show(HWND dialog, HWND anchor, std::string_view text);
    // Sends the window the close request.
    void Close();

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void OnCreate();
    void OnPaint();

    HWND dialog_ = nullptr;
    std::wstring firstLine_;
    std::wstring secondLine_;
    bool secondLineLonger_ = false; // measured by its bytes
    bool twoLines_ = false;
    int secondLineY_ = 0;
};
