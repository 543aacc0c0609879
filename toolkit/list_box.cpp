// List boxes under cursor-key operation (the keys are in list_control.cpp).
// The full-width space steps a list box also while the operation is off.
#include "toolkit/keys.h"
#include "toolkit/wrappers.h"

using namespace toolkit;

int CLumaListBox::ItemCount() const
{
    return static_cast<int>(SendMessageW(hwnd(), LB_GETCOUNT, 0, 0));
}

int CLumaListBox::CurrentItem() const
{
    return static_cast<int>(SendMessageW(hwnd(), LB_GETCARETINDEX, 0, 0));
}

// Makes `index` the selected item, the way the list's selection works: a
// multiple- or extended-selection list moves its caret and selection there,
// other lists change their current selection. The parent is told.
void CLumaListBox::MoveTo(int index)
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

// One flag serves all list boxes.
bool& CLumaListBox::WideSpaceLeadSeen()
{
    static bool seen = false;
    return seen;
}

// A wrap with the full-width space is followed by an arrow key against the
// direction of travel, which leaves the list at its end.
void CLumaListBox::AfterWideSpaceWrap(bool forward)
{
    keys::InjectPress(forward ? VK_UP : VK_DOWN);
}
