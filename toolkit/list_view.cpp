// List views: Enter goes to the Enter handler or moves on, Space steps the
// focus with wrap-around, Left / Right become Up / Down.
#include "toolkit/keys.h"
#include "toolkit/wrappers.h"

#include <commctrl.h>

using namespace toolkit;

namespace {

// The full-width space as two characters (see list_box.cpp); one flag
// serves all list views.
bool wideSpaceLeadSeen = false;

constexpr WPARAM kWideSpaceLead = 0x81;
constexpr WPARAM kWideSpaceTrail = 0x40;
constexpr WPARAM kWideSpace = 0x3000;

} // namespace

bool CLumaListView::Takes(WPARAM vk) const
{
    switch (vk) {
    case VK_RETURN:
        return !keys::ShiftDown();
    case VK_SPACE:
        return !keys::CtrlDown();
    case VK_LEFT:
    case VK_RIGHT:
        return true;
    default:
        return false;
    }
}

// Moves the selection and the focus from the focused item to `index` and
// scrolls it into view.
void CLumaListView::SelectAndFocus(int index)
{
    int focused = ListView_GetNextItem(hwnd(), -1, LVNI_FOCUSED);
    if (focused >= 0)
        ListView_SetItemState(hwnd(), focused, 0, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_SetItemState(hwnd(), index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_EnsureVisible(hwnd(), index, FALSE);
}

void CLumaListView::StepWithSpace(LPARAM lParam)
{
    int count = ListView_GetItemCount(hwnd());
    if (count <= 0)
        return;
    int focused = ListView_GetNextItem(hwnd(), -1, LVNI_FOCUSED);
    if (!keys::ShiftDown()) {
        if (focused >= count - 1)
            SelectAndFocus(0);
        else
            DefaultProc(WM_KEYDOWN, VK_DOWN, lParam);
    } else {
        if (focused == 0 && count > 1)
            SelectAndFocus(count - 1);
        else
            keys::InjectPress(VK_UP, keys::kMarkedScanCode);
    }
}

void CLumaListView::StepWithWideSpace()
{
    int count = ListView_GetItemCount(hwnd());
    if (count <= 0)
        return;
    int focused = ListView_GetNextItem(hwnd(), -1, LVNI_FOCUSED);
    if (!keys::ShiftDown()) {
        if (focused >= count - 1)
            SelectAndFocus(0);
        else
            keys::InjectPress(VK_DOWN);
    } else {
        if (focused == 0 && count >= 2)
            SelectAndFocus(count - 1);
        else
            keys::InjectPress(VK_UP);
    }
}

void CLumaListView::OnKeyDown(WPARAM vk, LPARAM lParam)
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

void CLumaListView::OnChar(WPARAM ch, LPARAM lParam)
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

LRESULT CLumaListView::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam)
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
        if (!OperationOn()) // list views keep the platform's keys while the operation is off
            break;
        OnChar(wParam, lParam);
        return 0;
    default:
        break;
    }
    return DefaultProc(msg, wParam, lParam);
}
