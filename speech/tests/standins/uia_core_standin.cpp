// A stand-in for uiautomationcore.dll, loaded in place of the system's
// through a DLL override: UiaRaiseNotificationEvent records each event in
// the speech transcript ("uia Notification <kind> <processing> <text>
// <activity id> <window class>"), UiaHostProviderFromHwnd hands out a
// provider that only knows its window (all the events need), and a client
// always listens.
#include <windows.h>
#include <uiautomationcore.h>

#include <string>

#include "speech/transcript.h"

namespace {

// One provider for whichever window was asked for last: each notification
// asks for it just before it is raised. It lives as long as the DLL.
class HostProvider final : public IRawElementProviderSimple {
public:
    HWND window = nullptr;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override
    {
        *out = iid == IID_IUnknown || iid == IID_IRawElementProviderSimple ? this : nullptr;
        return *out ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    // Never asked for by the events: only our own calls get the provider.
    HRESULT STDMETHODCALLTYPE get_ProviderOptions(ProviderOptions*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetPatternProvider(PATTERNID, IUnknown**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetPropertyValue(PROPERTYID, VARIANT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE get_HostRawElementProvider(IRawElementProviderSimple**) override { return E_NOTIMPL; }
};

HostProvider g_provider;

} // namespace

extern "C" HRESULT __stdcall UiaHostProviderFromHwnd(HWND window, IRawElementProviderSimple** provider)
{
    if (!provider || !IsWindow(window))
        return E_INVALIDARG;
    g_provider.window = window;
    *provider = &g_provider;
    return S_OK;
}

extern "C" BOOL __stdcall UiaClientsAreListening()
{
    return TRUE;
}

extern "C" HRESULT __stdcall UiaRaiseNotificationEvent(IRawElementProviderSimple* provider, int kind, int processing,
                                                       BSTR display, BSTR activity)
{
    if (!provider)
        return E_INVALIDARG;
    wchar_t windowClass[128] = {};
    GetClassNameW(static_cast<HostProvider*>(provider)->window, windowClass, 128);
    speech::transcript::Write({L"uia", L"Notification", std::to_wstring(kind), std::to_wstring(processing),
                               display ? display : L"", activity ? activity : L"", windowClass});
    return S_OK;
}
