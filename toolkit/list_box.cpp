// List boxes: Space steps the caret with wrap-around, Left / Right become
// Up / Down, Enter moves on. The full-width space steps the list too, also
// while the operation is off.
#include "toolkit/keys.h"
#include "toolkit/wrappers.h"

using namespace toolkit;

namespace {

// The full-width space arrives as the two characters 0x81 and 0x40 in a list
// box that takes code page 932 characters; the first one is held back here.
// One flag serves all list boxes.
bool wideSpaceLeadSeen = false;

constexpr WPARAM kWideSpaceLead = 0x81;
constexpr WPARAM kWideSpaceTrail = 0x40;
constexpr WPARAM kWideSpace = 0x3000; // the same character in a UTF-16 list box

} // namespace

bool CLumaListBox::Takes(WPARAM vk) const
{
    switch (vk) {
    case VK_RETURN:
        return !keys::ShiftDown();
    case VK_SPACE:
    case VK_LEFT:
    case VK_RIGHT:
        return true;
    default:
        return false;
    }
}

// Makes `index` the selected item, the way the list's selection works: a
// multiple- or extended-selection list moves its caret and selection there,
// other lists change their current selection. The parent is told.
void CLumaListBox::Select(int index)
{
    LONG_PTR style = GetWindowLongPtrW(hwnd(), GWL_STYLE);
    if (style & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) {
        LRESULT caret = SendMessageW(hwnd(), LB_GETCARETINDEX, 0, 0);
        if (caret >= 0)
            SendMessageW(hwnd(), LB_SETSEL, FALSE, caret);
        SendMessageW(hwnd(), LB_SETSEL, TRUE, index);
        SendMessageW(hwnd(), LB_SETCARETINDEX, static_cast<WPARAM>(index), FALSE);
    } else {
        SendMessageW(hwnd(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }
    SendMessageW(GetParent(hwnd()), WM_COMMAND, MAKEWPARAM(Id(), LBN_SELCHANGE), reinterpret_cast<LPARAM>(hwnd()));
}

void CLumaListBox::StepWithSpace(LPARAM lParam)
{
    int count = static_cast<int>(SendMessageW(hwnd(), LB_GETCOUNT, 0, 0));
    if (count <= 0)
        return;
    int caret = static_cast<int>(SendMessageW(hwnd(), LB_GETCARETINDEX, 0, 0));
    if (!keys::ShiftDown()) {
        if (caret != count - 1)
            DefaultProc(WM_KEYDOWN, VK_DOWN, lParam);
        else
            Select(0);
    } else {
        if (caret != 0 || count < 2)
            keys::InjectPress(VK_UP, keys::kMarkedScanCode);
        else
            Select(count - 1);
    }
}

void CLumaListBox::StepWithWideSpace()
{
    int count = static_cast<int>(SendMessageW(hwnd(), LB_GETCOUNT, 0, 0));
    if (count <= 0)
        return;
    int caret = static_cast<int>(SendMessageW(hwnd(), LB_GETCARETINDEX, 0, 0));
    if (!keys::ShiftDown()) {
        if (caret == count - 1) {
            Select(0);
            keys::InjectPress(VK_UP);
        } else {
            keys::InjectPress(VK_DOWN);
        }
    } else {
        if (caret == 0 && count >= 2) {
            Select(count - 1);
            keys::InjectPress(VK_DOWN);
        } else {
            keys::InjectPress(VK_UP);
        }
    }
}

void CLumaListBox::OnKeyDown(WPARAM vk, LPARAM lParam)
{
    SwallowCharOf(vk);
    switch (vk) {
    case VK_RETURN:
        if (!enter_ || !enter_(hwnd(), enterData_))
            keys::MoveToNextControl();
        break;
    case VK_SPACE:
        StepWithSpace(lParam);
        break;
    case VK_LEFT:
        DefaultProc(WM_KEYDOWN, VK_UP, lParam);
        break;
    default: // Right
        DefaultProc(WM_KEYDOWN, VK_DOWN, lParam);
        break;
    }
}

void CLumaListBox::OnChar(WPARAM ch, LPARAM lParam)
{
    if (ch == kWideSpaceLead) {
        wideSpaceLeadSeen = true;
        return;
    }
    bool pair = wideSpaceLeadSeen && ch == kWideSpaceTrail;
    wideSpaceLeadSeen = false;
    if (pair || ch == kWideSpace)
        StepWithWideSpace();
    else
        DefaultProc(WM_CHAR, ch, lParam);
}

LRESULT CLumaListBox::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    CloseGuideOnInput(msg, lParam);
    switch (msg) {
    case WM_GETDLGCODE:
        return DialogCode(wParam, lParam, OperationOn() && QueriedKeyDown(lParam) && Takes(wParam));
    case WM_KEYDOWN:
        SwallowCharOf(0);
        if (keys::ScanCode(lParam) == keys::kMarkedScanCode) {
            LRESULT result = 0;
            keys::WithoutShift([&] { result = DefaultProc(msg, wParam, lParam); });
            return result;
        }
        if (!OperationOn() || !Takes(wParam))
            break;
        OnKeyDown(wParam, lParam);
        return 0;
    case WM_CHAR:
        if (IsSwallowed(wParam))
            return 0;
        OnChar(wParam, lParam);
        return 0;
    default:
        break;
    }
    return DefaultProc(msg, wParam, lParam);
}
