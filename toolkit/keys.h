// Keyboard helpers of the control wrappers: the state of the modifier keys,
// synthetic key input, and the dialog manager's own handling of a key.
#pragma once

#include <windows.h>

namespace toolkit::keys {

// The scan code that marks an arrow key injected by a list wrapper: the list
// handles it with the Shift state cleared, so it moves the caret without
// extending a selection.
inline constexpr WORD kMarkedScanCode = 128;

// Whether the key was down when the current message was sent.
bool IsDown(int vk);
inline bool ShiftDown() { return IsDown(VK_SHIFT); }
inline bool CtrlDown() { return IsDown(VK_CONTROL); }

// Scan code of a key message's lParam.
inline UINT ScanCode(LPARAM lParam) { return static_cast<UINT>((lParam >> 16) & 0xFF); }

// Injects one key event (SendInput).
void Inject(WORD vk, bool release, WORD scanCode = 0);
// Injects a press and a release.
void InjectPress(WORD vk, WORD scanCode = 0);

// Moves the focus to the next / previous control with an injected Tab or
// Shift+Tab, whether or not the user is holding Shift.
void MoveToNextControl();
void MoveToPreviousControl();

// Hands the dialog manager a key-down of `vk` as if it had been pressed in
// `control` (for example Right, which moves within a group of buttons).
void DialogKey(HWND control, WPARAM vk);

// Runs `action` with the Shift key cleared in the thread's keyboard state,
// and puts the state back afterwards.
template <typename Action>
void WithoutShift(Action action)
{
    BYTE state[256];
    if (!GetKeyboardState(state)) {
        action();
        return;
    }
    BYTE cleared[256];
    for (int i = 0; i < 256; ++i)
        cleared[i] = state[i];
    cleared[VK_SHIFT] = cleared[VK_LSHIFT] = cleared[VK_RSHIFT] = 0;
    SetKeyboardState(cleared);
    action();
    // The action may have changed other keys' states: put back Shift only.
    BYTE after[256];
    if (GetKeyboardState(after)) {
        after[VK_SHIFT] = state[VK_SHIFT];
        after[VK_LSHIFT] = state[VK_LSHIFT];
        after[VK_RSHIFT] = state[VK_RSHIFT];
        SetKeyboardState(after);
    }
}

} // namespace toolkit::keys
