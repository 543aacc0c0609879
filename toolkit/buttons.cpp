// Push buttons, radio buttons and check boxes under cursor-key operation.
#include "toolkit/keys.h"
#include "toolkit/wrappers.h"

using namespace toolkit;

namespace {

// Space becomes Right (Shift+Space: Left), which the dialog manager turns
// into a move to the next (previous) button of the group; Up / Down move to
// the previous / next control; Enter moves on.
void MoveLikeAButton(HWND button, WPARAM vk)
{
    if (vk == VK_SPACE)
        keys::DialogKey(button, keys::ShiftDown() ? VK_LEFT : VK_RIGHT);
    else if (vk == VK_UP)
        keys::MoveToPreviousControl();
    else
        keys::MoveToNextControl();
}

} // namespace

// Push button: Up / Down and Space move as above. Enter presses it as usual.
bool CLumaPushButton::Takes(WPARAM vk) const
{
    return vk == VK_SPACE || vk == VK_UP || vk == VK_DOWN;
}

std::optional<LRESULT> CLumaPushButton::OnKey(WPARAM vk, LPARAM)
{
    SwallowCharOf(vk);
    MoveLikeAButton(hwnd(), vk);
    return 0;
}

// Radio button: Enter moves to the next control without pressing anything;
// Space becomes Right (Shift+Space: Left), moving the choice within the
// group; Up / Down move to the previous / next control.
bool CLumaRadioButton::Takes(WPARAM vk) const
{
    return (vk == VK_RETURN && !keys::ShiftDown()) || vk == VK_SPACE || vk == VK_UP || vk == VK_DOWN;
}

std::optional<LRESULT> CLumaRadioButton::OnKey(WPARAM vk, LPARAM)
{
    SwallowCharOf(vk);
    MoveLikeAButton(hwnd(), vk);
    return 0;
}

// Check box: Enter moves to the next control; Up / Down move to the previous
// / next control; Left and Right become Space, on key-down and on key-up, so
// that the box toggles.
bool CLumaCheckBox::Takes(WPARAM vk) const
{
    return (vk == VK_RETURN && !keys::ShiftDown()) || vk == VK_UP || vk == VK_DOWN || vk == VK_LEFT ||
           vk == VK_RIGHT;
}

std::optional<LRESULT> CLumaCheckBox::OnKey(WPARAM vk, LPARAM lParam)
{
    if (vk == VK_LEFT || vk == VK_RIGHT)
        return DefaultProc(WM_KEYDOWN, VK_SPACE, lParam);
    SwallowCharOf(vk);
    if (vk == VK_UP)
        keys::MoveToPreviousControl();
    else
        keys::MoveToNextControl();
    return 0;
}

LRESULT CLumaCheckBox::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_KEYUP && OperationOn() && (wParam == VK_LEFT || wParam == VK_RIGHT))
        return DefaultProc(WM_KEYUP, VK_SPACE, lParam);
    return CLumaControl::HandleMessage(msg, wParam, lParam);
}
