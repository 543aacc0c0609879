#include "dialogs/activation.h"

#include <commctrl.h>

#include "dialogs/resource.h"
#include "win/module.h"

namespace lumadlg {

namespace {

// Made once per process and kept until it ends.
HANDLE LibraryContext()
{
    static HANDLE context = [] {
        ACTCTXW actx = {};
        actx.cbSize = sizeof actx;
        actx.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
        actx.hModule = win::CurrentModule();
        actx.lpResourceName = MAKEINTRESOURCEW(IDR_MANIFEST);
        return CreateActCtxW(&actx);
    }();
    return context;
}

} // namespace

ActivationScope::ActivationScope()
{
    HANDLE context = LibraryContext();
    if (context != INVALID_HANDLE_VALUE)
        active_ = ActivateActCtx(context, &cookie_) != FALSE;
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&icc);
}

ActivationScope::~ActivationScope()
{
    if (active_)
        DeactivateActCtx(0, cookie_);
}

} // namespace lumadlg
