#include "dialogs/waiting.h"

namespace lumadlg {

void WaitWithWindowsAlive(std::initializer_list<HANDLE> events, ULONGLONG slowAt, bool& told,
                          const std::function<void()>& onSlow)
{
    const DWORD count = static_cast<DWORD>(events.size());
    for (;;) {
        DWORD timeout = INFINITE;
        if (!told) {
            ULONGLONG now = GetTickCount64();
            timeout = now >= slowAt ? 0 : static_cast<DWORD>(slowAt - now);
        }
        DWORD woken = MsgWaitForMultipleObjectsEx(count, events.begin(), timeout, QS_PAINT | QS_SENDMESSAGE, 0);
        if (woken < WAIT_OBJECT_0 + count || woken == WAIT_FAILED)
            return;
        if (woken == WAIT_TIMEOUT) {
            told = true;
            if (onSlow)
                onSlow();
            continue;
        }
        // Peeking runs what other threads sent; paints are dispatched.
        MSG msg;
        while (PeekMessageW(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE))
            DispatchMessageW(&msg);
    }
}

} // namespace lumadlg
