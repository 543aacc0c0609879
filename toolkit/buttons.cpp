// Push buttons, radio buttons and check boxes under cursor-key operation.
#include "toolkit/keys.h"
#include "toolkit/wrappers.h"

using namespace toolkit;

// Push button: Up / Down move to the previous / next control; Space becomes
// Right (Shift+Space: Left), which the dialog manager turns into a move to
// the next (previous) button of the group. Enter presses it as usual.
bool CLumaPushButton::Takes(WPARAM vk) const
{
    return vk == VK_SPACE || vk == VK_UP || vk == VK_DOWN;
}

LRESULT CLumaPushButton::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam)
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
        if (wParam == VK_SPACE)
            keys::DialogKey(hwnd(), keys::ShiftDown() ? VK_LEFT : VK_RIGHT);
        else if (wParam == VK_UP)
            keys::MoveToPreviousControl();
        else
            keys::MoveToNextControl();
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

// Radio button: Enter moves to the next control without pressing anything;
// Space becomes Right (Shift+Space: Left), moving the choice within the
// group; Up / Down move to the previous / next control.
bool CLumaRadioButton::Takes(WPARAM vk) const
{
    return (vk == VK_RETURN && !keys::ShiftDown()) || vk == VK_SPACE || vk == VK_UP || vk == VK_DOWN;
}

LRESULT CLumaRadioButton::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam)
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
        if (wParam == VK_SPACE)
            keys::DialogKey(hwnd(), keys::ShiftDown() ? VK_LEFT : VK_RIGHT);
        else if (wParam == VK_UP)
            keys::MoveToPreviousControl();
        else
            keys::MoveToNextControl();
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

// Check box: Enter moves to the next control; Up / Down move to the previous
// / next control; Left and Right become Space, on key-down and on key-up, so
// that the box toggles.
bool CLumaCheckBox::Takes(WPARAM vk) const
{
    return (vk == VK_RETURN && !keys::ShiftDown()) || vk == VK_UP || vk == VK_DOWN || vk == VK_LEFT ||
           vk == VK_RIGHT;
}

LRESULT CLumaCheckBox::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    CloseGuideOnInput(msg, lParam);
    switch (msg) {
    case WM_GETDLGCODE:
        return DialogCode(wParam, lParam, OperationOn() && QueriedKeyDown(lParam) && Takes(wParam));
    case WM_KEYDOWN:
        SwallowCharOf(0);
        if (!OperationOn() || !Takes(wParam))
            break;
        if (wParam == VK_LEFT || wParam == VK_RIGHT)
            return DefaultProc(WM_KEYDOWN, VK_SPACE, lParam);
        SwallowCharOf(wParam);
        if (wParam == VK_UP)
            keys::MoveToPreviousControl();
        else
            keys::MoveToNextControl();
        return 0;
    case WM_KEYUP:
        if (OperationOn() && (wParam == VK_LEFT || wParam == VK_RIGHT))
            return DefaultProc(WM_KEYUP, VK_SPACE, lParam);
        break;
    case WM_CHAR:
        if (IsSwallowed(wParam))
            return 0;
        break;
    default:
        break;
    }
    return DefaultProc(msg, wParam, lParam);
}
