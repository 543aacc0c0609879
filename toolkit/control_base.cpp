#include "toolkit/wrappers.h"

#include "toolkit/keys.h"

void EnterAction::Run(HWND control) const
{
    if (!handler_ || !handler_(control, data_))
        toolkit::keys::MoveToNextControl();
}

LRESULT CLumaControl::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam)
{
    CloseGuideOnInput(msg, lParam);
    switch (msg) {
    case WM_GETDLGCODE: {
        bool want = OperationOn() && QueriedKeyDown(lParam) && Takes(wParam);
        LRESULT code = PassOn(msg, wParam, lParam);
        return want ? (code | DLGC_WANTMESSAGE) : code;
    }
    case WM_KEYDOWN:
        SwallowCharOf(0);
        if (auto result = OnAnyKeyDown(wParam, lParam))
            return *result;
        if (!OperationOn() || !Takes(wParam))
            break;
        if (auto result = OnKey(wParam, lParam))
            return *result;
        break;
    case WM_CHAR:
        if (IsSwallowed(wParam))
            return 0;
        return OnChar(wParam, lParam);
    default:
        break;
    }
    return PassOn(msg, wParam, lParam);
}

void CLumaControl::CloseGuideOnInput(UINT msg, LPARAM lParam)
{
    switch (msg) {
    case WM_GETDLGCODE:
        if (auto* key = reinterpret_cast<const MSG*>(lParam);
            key && (key->message == WM_KEYDOWN || key->message == WM_SYSKEYDOWN))
            assist_->CloseGuide();
        break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
        assist_->CloseGuide();
        break;
    default:
        break;
    }
}

const MSG* CLumaControl::QueriedKeyDown(LPARAM lParam)
{
    auto* msg = reinterpret_cast<const MSG*>(lParam);
    return msg && msg->message == WM_KEYDOWN ? msg : nullptr;
}

void CLumaControl::SwallowCharOf(WPARAM vk)
{
    swallow_ = vk == VK_SPACE ? L' ' : vk == VK_RETURN ? L'\r' : 0;
}

bool CLumaControl::IsSwallowed(WPARAM ch)
{
    bool swallowed = swallow_ != 0 && ch == swallow_;
    swallow_ = 0;
    return swallowed;
}
