#include "speech/uia_notifier.h"

#include <windows.h>
#include <oleauto.h>
#include <uiautomationcore.h>

#include "win/handles.h"

namespace speech {

namespace {

// uiautomationcore.h: NotificationKind_Other, and NotificationProcessing_All
// and _ImportantMostRecent (not in every SDK's headers yet).
constexpr int kNotificationKindOther = 4;
constexpr int kProcessingAll = 2;
constexpr int kProcessingImportantMostRecent = 1;

// Identifies our notifications to the screen reader; never shown.
constexpr wchar_t kActivityId[] = L"VOSKUSR.Speech";

using RaiseNotificationCall = HRESULT(WINAPI*)(IRawElementProviderSimple* provider, int notificationKind,
                                              int notificationProcessing, BSTR displayString, BSTR activityId);
using HostProviderCall = HRESULT(WINAPI*)(HWND hwnd, IRawElementProviderSimple** provider);
using ListeningCall = BOOL(WINAPI*)();

// The top-level window of this thread that has the focus or is active, or
// the foreground window when it is this process's.
HWND OurWindow()
{
    if (HWND focus = GetFocus())
        return GetAncestor(focus, GA_ROOT);
    if (HWND active = GetActiveWindow())
        return active;
    HWND foreground = GetForegroundWindow();
    DWORD process = 0;
    if (foreground)
        GetWindowThreadProcessId(foreground, &process);
    return process == GetCurrentProcessId() ? foreground : nullptr;
}

} // namespace

bool UiaNotifier::ScreenReaderFlag()
{
    BOOL on = FALSE;
    return SystemParametersInfoW(SPI_GETSCREENREADER, 0, &on, 0) && on;
}

bool UiaNotifier::Bound()
{
    if (!tried_) {
        tried_ = true;
        // Looked for where the program would find it when linked to it.
        if (HMODULE core = LoadLibraryW(L"uiautomationcore.dll")) {
            raise_ = reinterpret_cast<void*>(GetProcAddress(core, "UiaRaiseNotificationEvent"));
            hostProvider_ = reinterpret_cast<void*>(GetProcAddress(core, "UiaHostProviderFromHwnd"));
            listening_ = reinterpret_cast<void*>(GetProcAddress(core, "UiaClientsAreListening"));
        }
    }
    return raise_ && hostProvider_ && listening_;
}

bool UiaNotifier::Listened()
{
    return Bound() && reinterpret_cast<ListeningCall>(listening_)();
}

bool UiaNotifier::Notify(const std::wstring& text, bool interrupt)
{
    HWND window = OurWindow();
    if (!window || !Bound())
        return false;
    IRawElementProviderSimple* provider = nullptr;
    if (FAILED(reinterpret_cast<HostProviderCall>(hostProvider_)(window, &provider)) || !provider)
        return false;
    win::Bstr display(text), activity(kActivityId);
    const HRESULT hr = reinterpret_cast<RaiseNotificationCall>(raise_)(
        provider, kNotificationKindOther, interrupt ? kProcessingImportantMostRecent : kProcessingAll, display.get(),
        activity.get());
    provider->Release();
    return SUCCEEDED(hr);
}

} // namespace speech
