#include "toolkit/wrappers.h"

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

LRESULT CLumaControl::DialogCode(WPARAM wParam, LPARAM lParam, bool want)
{
    LRESULT code = DefaultProc(WM_GETDLGCODE, wParam, lParam);
    return want ? (code | DLGC_WANTMESSAGE) : code;
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
