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

std::optional<LRESULT> CLumaEdit::OnKey(WPARAM vk, LPARAM)
{
    SwallowCharOf(vk);
    if (vk == VK_RETURN) {
        enter_.Run(hwnd());
    } else if (vk == VK_UP) {
        keys::MoveToPreviousControl();
    } else {
        keys::MoveToNextControl();
    }
    return 0;
}
