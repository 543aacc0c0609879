// What list boxes and list views share under cursor-key operation: Enter,
// the stepping with Space and with the full-width space, Left / Right as
// Up / Down.
#include "toolkit/keys.h"
#include "toolkit/wrappers.h"

using namespace toolkit;

namespace {

// The full-width space arrives as the two characters 0x81 and 0x40 in a list
// that takes code page 932 characters; the first one is held back.
constexpr WPARAM kWideSpaceLead = 0x81;
constexpr WPARAM kWideSpaceTrail = 0x40;
constexpr WPARAM kWideSpace = 0x3000; // the same character in a UTF-16 list

} // namespace

bool CLumaListControl::Takes(WPARAM vk) const
{
    switch (vk) {
    case VK_RETURN:
        return !keys::ShiftDown();
    case VK_SPACE:
        return TakesSpace();
    case VK_LEFT:
    case VK_RIGHT:
        return true;
    default:
        return false;
    }
}

void CLumaListControl::StepWithSpace(LPARAM lParam)
{
    int count = ItemCount();
    if (count <= 0)
        return;
    int current = CurrentItem();
    if (!keys::ShiftDown()) {
        if (current >= count - 1)
            MoveTo(0);
        else
            DefaultProc(WM_KEYDOWN, VK_DOWN, lParam);
    } else {
        if (current == 0 && count >= 2)
            MoveTo(count - 1);
        else
            keys::InjectPress(VK_UP, keys::kMarkedScanCode);
    }
}

void CLumaListControl::StepWithWideSpace()
{
    int count = ItemCount();
    if (count <= 0)
        return;
    int current = CurrentItem();
    if (!keys::ShiftDown()) {
        if (current >= count - 1) {
            MoveTo(0);
            AfterWideSpaceWrap(true);
        } else {
            keys::InjectPress(VK_DOWN);
        }
    } else {
        if (current == 0 && count >= 2) {
            MoveTo(count - 1);
            AfterWideSpaceWrap(false);
        } else {
            keys::InjectPress(VK_UP);
        }
    }
}

std::optional<LRESULT> CLumaListControl::OnKey(WPARAM vk, LPARAM lParam)
{
    SwallowCharOf(vk);
    switch (vk) {
    case VK_RETURN:
        enter_.Run(hwnd());
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
    return 0;
}

std::optional<LRESULT> CLumaListControl::OnAnyKeyDown(WPARAM vk, LPARAM lParam)
{
    if (keys::ScanCode(lParam) != keys::kMarkedScanCode)
        return std::nullopt;
    LRESULT result = 0;
    keys::WithoutShift([&] { result = DefaultProc(WM_KEYDOWN, vk, lParam); });
    return result;
}

LRESULT CLumaListControl::OnChar(WPARAM ch, LPARAM lParam)
{
    if (!WideSpaceWhileOff() && !OperationOn())
        return DefaultProc(WM_CHAR, ch, lParam);
    bool& leadSeen = WideSpaceLeadSeen();
    if (ch == kWideSpaceLead) {
        leadSeen = true;
        return 0;
    }
    bool pair = leadSeen && ch == kWideSpaceTrail;
    leadSeen = false;
    if (pair || ch == kWideSpace)
        StepWithWideSpace();
    else
        DefaultProc(WM_CHAR, ch, lParam);
    return 0;
}
