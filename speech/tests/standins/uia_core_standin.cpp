// A stand-in for uiautomationcore.dll, loaded in place of the system's
// through a DLL override: UiaRaiseNotificationEvent records each event in
// the speech transcript ("uia Notification <kind> <processing> <text>
// <activity id> <window class>"), UiaHostProviderFromHwnd hands out a
// provider that only knows its window, and a client always listens.
#include <windows.h>
#include <oleauto.h>
#include <uiautomationcore.h>

#include <atomic>
#include <string>

#include "speech/transcript.h"

namespace {

// Just enough of a provider for the events above.
class HostProvider final : public IRawElementProviderSimple {
public:
    explicit HostProvider(HWND window) : window_(window) {}
    HWND Window() const { return window_; }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override
    {
        if (iid == IID_IUnknown || iid == IID_IRawElementProviderSimple) {
            *out = static_cast<IRawElementProviderSimple*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const ULONG left = --refs_;
        if (left == 0)
            delete this;
        return left;
    }
    HRESULT STDMETHODCALLTYPE get_ProviderOptions(ProviderOptions* options) override
    {
        *options = ProviderOptions_ServerSideProvider;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetPatternProvider(PATTERNID, IUnknown** out) override
    {
        *out = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetPropertyValue(PROPERTYID, VARIANT* out) override
    {
        VariantInit(out);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_HostRawElementProvider(IRawElementProviderSimple** out) override
    {
        *out = nullptr;
        return S_OK;
    }

private:
    HWND window_;
    std::atomic<ULONG> refs_{1};
};

std::wstring ClassOf(HWND window)
{
    wchar_t name[128] = {};
    GetClassNameW(window, name, 128);
    return name;
}

} // namespace

extern "C" HRESULT __stdcall UiaHostProviderFromHwnd(HWND window, IRawElementProviderSimple** provider)
{
    if (!provider || !IsWindow(window))
        return E_INVALIDARG;
    *provider = new HostProvider(window);
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
    const HWND window = static_cast<HostProvider*>(provider)->Window();
    speech::transcript::Write({L"uia", L"Notification", std::to_wstring(kind), std::to_wstring(processing),
                               display ? display : L"", activity ? activity : L"", ClassOf(window)});
    return S_OK;
}
