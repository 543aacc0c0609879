// List views under cursor-key operation (the keys are in list_control.cpp).
// Ctrl+Space stays the list view's own; while the operation is off, list
// views keep all the platform's keys and characters.
#include "toolkit/keys.h"
#include "toolkit/wrappers.h"

#include <commctrl.h>

using namespace toolkit;

int CLumaListView::ItemCount() const
{
    return ListView_GetItemCount(hwnd());
}

int CLumaListView::CurrentItem() const
{
    return ListView_GetNextItem(hwnd(), -1, LVNI_FOCUSED);
}

// Moves the selection and the focus from the focused item to `index` and
// scrolls it into view.
void CLumaListView::MoveTo(int index)
{
    int focused = ListView_GetNextItem(hwnd(), -1, LVNI_FOCUSED);
    if (focused >= 0)
        ListView_SetItemState(hwnd(), focused, 0, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_SetItemState(hwnd(), index, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_EnsureVisible(hwnd(), index, FALSE);
}

bool CLumaListView::TakesSpace() const
{
    return !keys::CtrlDown();
}

// One flag serves all list views.
bool& CLumaListView::WideSpaceLeadSeen()
{
    static bool seen = false;
    return seen;
}
