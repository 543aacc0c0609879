#include "toolkit/keys.h"

namespace toolkit::keys {

bool IsDown(int vk)
{
    return (GetKeyState(vk) & 0x8000) != 0;
}

void Inject(WORD vk, bool release, WORD scanCode)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = scanCode ? scanCode : static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = release ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
}

void InjectPress(WORD vk, WORD scanCode)
{
    Inject(vk, false, scanCode);
    Inject(vk, true, scanCode);
}

void MoveToNextControl()
{
    if (ShiftDown()) {
        // A held Shift would turn the Tab backwards: lift it around the Tab.
        Inject(VK_SHIFT, true);
        InjectPress(VK_TAB);
        Inject(VK_SHIFT, false);
    } else {
        InjectPress(VK_TAB);
    }
}

void MoveToPreviousControl()
{
    if (ShiftDown()) {
        InjectPress(VK_TAB);
    } else {
        Inject(VK_SHIFT, false);
        InjectPress(VK_TAB);
        Inject(VK_SHIFT, true);
    }
}

void DialogKey(HWND control, WPARAM vk)
{
    HWND dialog = GetParent(control);
    if (!dialog)
        return;
    MSG msg = {};
    msg.hwnd = control;
    msg.message = WM_KEYDOWN;
    msg.wParam = vk;
    msg.lParam = 1 | (static_cast<LPARAM>(MapVirtualKeyW(static_cast<UINT>(vk), MAPVK_VK_TO_VSC)) << 16);
    msg.time = GetMessageTime();
    IsDialogMessageW(dialog, &msg);
}

} // namespace toolkit::keys
