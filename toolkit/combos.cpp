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

LRESULT CLumaDropListCombo::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    CloseGuideOnInput(msg, lParam);
    switch (msg) {
    case WM_GETDLGCODE:
        return DialogCode(wParam, lParam, OperationOn() && QueriedKeyDown(lParam) && Takes(wParam));
    case WM_KEYDOWN:
        SwallowCharOf(0);
        if (!OperationOn() || !Takes(wParam))
            break;
        switch (wParam) {
        case VK_RETURN:
            SwallowCharOf(wParam);
            keys::MoveToNextControl();
            return 0;
        case VK_SPACE: {
            SwallowCharOf(wParam);
            WPARAM vk = wParam;
            if (StepWithSpace(vk))
                return 0;
            return DefaultProc(WM_KEYDOWN, vk, lParam);
        }
        case VK_UP:
        case VK_DOWN:
            if (Dropped())
                SendMessageW(hwnd(), CB_SHOWDROPDOWN, FALSE, 0);
            if (wParam == VK_UP)
                keys::MoveToPreviousControl();
            else
                keys::MoveToNextControl();
            return 0;
        default: // Left, Right
            if (!Dropped())
                SendMessageW(hwnd(), CB_SHOWDROPDOWN, TRUE, 0);
            break;
        }
        break;
    case WM_CHAR:
        if (IsSwallowed(wParam))
            return 0;
        break;
    default:
        break;
    }
    return DefaultProc(msg, wParam, lParam);
}

// ---- Simple and drop-down combo ----

// The edit part of the combo: its messages go to the combo's wrapper.
class CLumaEditCombo::EditPart : public win::Subclass {
public:
    explicit EditPart(CLumaEditCombo* owner) : owner_(owner) {}
    LRESULT Forward(UINT msg, WPARAM wParam, LPARAM lParam) { return DefaultProc(msg, wParam, lParam); }

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override
    {
        return owner_->HandleEditMessage(msg, wParam, lParam, *this);
    }

private:
    CLumaEditCombo* owner_;
};

CLumaEditCombo::CLumaEditCombo(CLumaControlAssist* assist) : CLumaControl(assist) {}

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

LRESULT CLumaEditCombo::HandleEditMessage(UINT msg, WPARAM wParam, LPARAM lParam, win::Subclass& part)
{
    auto& edit = static_cast<EditPart&>(part);
    CloseGuideOnInput(msg, lParam);
    switch (msg) {
    case WM_GETDLGCODE: {
        LRESULT code = edit.Forward(msg, wParam, lParam);
        if (OperationOn() && QueriedKeyDown(lParam) && Takes(wParam))
            code |= DLGC_WANTMESSAGE;
        return code;
    }
    case WM_KEYDOWN:
        SwallowCharOf(0);
        if (!OperationOn() || !Takes(wParam))
            break;
        SwallowCharOf(wParam);
        switch (wParam) {
        case VK_RETURN:
            if (!enter_ || !enter_(hwnd(), enterData_))
                keys::MoveToNextControl();
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
    case WM_CHAR:
        if (IsSwallowed(wParam))
            return 0;
        break;
    default:
        break;
    }
    return edit.Forward(msg, wParam, lParam);
}

LRESULT CLumaEditCombo::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    // Keys reach the edit part; the combo itself sees the clicks.
    CloseGuideOnInput(msg, lParam);
    return DefaultProc(msg, wParam, lParam);
}
