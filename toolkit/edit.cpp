// Single-line edit boxes: Enter goes to the Enter handler or moves on, Up /
// Down move to the previous / next control (with Ctrl held, an edit with an
// up-down control keeps them, so the up-down control changes the value).
#include "toolkit/keys.h"
#include "toolkit/wrappers.h"

using namespace toolkit;

bool CLumaEdit::Takes(WPARAM vk) const
{
    switch (vk) {
    case VK_RETURN:
        return !keys::ShiftDown();
    case VK_UP:
    case VK_DOWN:
        return !(spin_ && keys::CtrlDown());
    default:
        return false;
    }
}

LRESULT CLumaEdit::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    CloseGuideOnInput(msg, lParam);
    switch (msg) {
    case WM_GETDLGCODE:
        return DialogCode(wParam, lParam, OperationOn() && QueriedKeyDown(lParam) && Takes(wParam));
    case WM_KEYDOWN:
        SwallowCharOf(0);
        if (!OperationOn() || !Takes(wParam))
            break;
        SwallowCharOf(wParam);
        if (wParam == VK_RETURN) {
            if (!enter_ || !enter_(hwnd(), enterData_))
                keys::MoveToNextControl();
        } else if (wParam == VK_UP) {
            keys::MoveToPreviousControl();
        } else {
            keys::MoveToNextControl();
        }
        return 0;
    case WM_CHAR:
        if (IsSwallowed(wParam))
            return 0;
        break;
    default:
        break;
    }
    return DefaultProc(msg, wParam, lParam);
}
