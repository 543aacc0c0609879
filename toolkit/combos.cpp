// Combo boxes under cursor-key operation: drop-down lists, and simple or
// drop-down combos with an edit part.
#include "toolkit/keys.h"
#include "toolkit/wrappers.h"

using namespace toolkit;

namespace {

void NotifySelectionChange(HWND combo)
{
    SendMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(combo), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(combo));
}

} // namespace

// ---- Drop-down list ----

bool CLumaDropListCombo::Dropped() const
{
    return SendMessageW(hwnd(), CB_GETDROPPEDSTATE, 0, 0) != 0;
}

bool CLumaDropListCombo::Takes(WPARAM vk) const
{
    switch (vk) {
    case VK_RETURN:
        return !keys::ShiftDown() && !Dropped();
    case VK_SPACE:
    case VK_UP:
    case VK_DOWN:
    case VK_LEFT:
    case VK_RIGHT:
        return true;
    default:
        return false;
    }
}

// Opens the list, then steps its selection: Space goes down and wraps from
// the last item to the first, Shift+Space goes up and wraps from the first
// to the last. A wrap notifies the parent and eats the key.
bool CLumaDropListCombo::StepWithSpace(WPARAM& vk)
{
    if (!Dropped())
        SendMessageW(hwnd(), CB_SHOWDROPDOWN, TRUE, 0);
    LRESULT count = SendMessageW(hwnd(), CB_GETCOUNT, 0, 0);
    LRESULT sel = SendMessageW(hwnd(), CB_GETCURSEL, 0, 0);
    if (!keys::ShiftDown()) {
        if (count == CB_ERR || sel < count - 1) {
            vk = VK_DOWN;
            return false;
        }
        SendMessageW(hwnd(), CB_SETCURSEL, 0, 0);
    } else {
        if (sel != 0 || count < 2) {
            vk = VK_UP;
            return false;
        }
        SendMessageW(hwnd(), CB_SETCURSEL, static_cast<WPARAM>(count - 1), 0);
    }
    NotifySelectionChange(hwnd());
    return true;
}

std::optional<LRESULT> CLumaDropListCombo::OnKey(WPARAM vk, LPARAM lParam)
{
    switch (vk) {
    case VK_RETURN:
        SwallowCharOf(vk);
        keys::MoveToNextControl();
        return 0;
    case VK_SPACE: {
        SwallowCharOf(vk);
        WPARAM step = vk;
        if (StepWithSpace(step))
            return 0;
        return DefaultProc(WM_KEYDOWN, step, lParam);
    }
    case VK_UP:
    case VK_DOWN:
        if (Dropped())
            SendMessageW(hwnd(), CB_SHOWDROPDOWN, FALSE, 0);
        if (vk == VK_UP)
            keys::MoveToPreviousControl();
        else
            keys::MoveToNextControl();
        return 0;
    default: // Left, Right: open the list, which then takes the key
        if (!Dropped())
            SendMessageW(hwnd(), CB_SHOWDROPDOWN, TRUE, 0);
        return std::nullopt;
    }
}

// ---- Simple and drop-down combo ----

// The edit part of the combo: its messages run the combo wrapper's frame.
class CLumaEditCombo::EditPart : public win::Subclass {
public:
    explicit EditPart(CLumaEditCombo* owner) : owner_(owner) {}
    LRESULT Forward(UINT msg, WPARAM wParam, LPARAM lParam) { return DefaultProc(msg, wParam, lParam); }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override
    {
        return owner_->CLumaControl::HandleMessage(msg, wParam, lParam);
    }

private:
    CLumaEditCombo* owner_;
};

CLumaEditCombo::CLumaEditCombo(CLumaWrapperHost* assist) : CLumaControl(assist) {}

CLumaEditCombo::~CLumaEditCombo() = default;

bool CLumaEditCombo::TakeOver(HWND control)
{
    if (!Attach(control))
        return false;
    kind_ = static_cast<int>(GetWindowLongPtrW(control, GWL_STYLE) & 3);
    COMBOBOXINFO info = {sizeof info};
    if (GetComboBoxInfo(control, &info) && info.hwndItem && info.hwndItem != control) {
        edit_ = std::make_unique<EditPart>(this);
        if (!edit_->Attach(info.hwndItem))
            edit_.reset();
    }
    return true;
}

bool CLumaEditCombo::ListOpen() const
{
    return kind_ == CBS_DROPDOWN && SendMessageW(hwnd(), CB_GETDROPPEDSTATE, 0, 0) != 0;
}

bool CLumaEditCombo::Takes(WPARAM vk) const
{
    switch (vk) {
    case VK_RETURN:
        return !keys::ShiftDown() && !ListOpen();
    case VK_SPACE:
        return keys::CtrlDown();
    case VK_UP:
    case VK_DOWN:
        return !ListOpen();
    default:
        return false;
    }
}

// Ctrl+Space: selects the next item (Shift: the previous one), wrapping at
// both ends; with no selection, the first item.
void CLumaEditCombo::StepSelection()
{
    LRESULT count = SendMessageW(hwnd(), CB_GETCOUNT, 0, 0);
    LRESULT sel = SendMessageW(hwnd(), CB_GETCURSEL, 0, 0);
    LRESULT next;
    if (sel < 0) {
        if (count <= 0)
            return;
        next = 0;
    } else {
        if (count < 2)
            return;
        next = keys::ShiftDown() ? (sel + count - 1) % count : (sel + 1) % count;
    }
    SendMessageW(hwnd(), CB_SETCURSEL, static_cast<WPARAM>(next), 0);
    NotifySelectionChange(hwnd());
}

std::optional<LRESULT> CLumaEditCombo::OnKey(WPARAM vk, LPARAM)
{
    SwallowCharOf(vk);
    switch (vk) {
    case VK_RETURN:
        enter_.Run(hwnd());
        return 0;
    case VK_SPACE:
        StepSelection();
        keys::Inject(VK_DOWN, true);
        return 0;
    case VK_UP:
        keys::MoveToPreviousControl();
        return 0;
    default:
        keys::MoveToNextControl();
        return 0;
    }
}

LRESULT CLumaEditCombo::PassOn(UINT msg, WPARAM wParam, LPARAM lParam)
{
    return edit_ ? edit_->Forward(msg, wParam, lParam) : DefaultProc(msg, wParam, lParam);
}

LRESULT CLumaEditCombo::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    // Keys reach the edit part; the combo itself sees the clicks.
    CloseGuideOnInput(msg, lParam);
    return DefaultProc(msg, wParam, lParam);
}
