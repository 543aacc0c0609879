// A stand-in for JAWS's automation object, an in-process COM server: its
// late-bound SayString(text, flush) and StopSpeech() record each call in the
// speech transcript ("jaws SayString <text> <flush 0|1>", "jaws StopSpeech")
// and, like JAWS, answer true only while a JAWS main window exists.
#include <windows.h>
#include <oleauto.h>

#include "speech/transcript.h"

namespace {

constexpr DISPID kSayString = 1;
constexpr DISPID kStopSpeech = 2;

// Its own class factory; it lives as long as the DLL, which never unloads.
class JawsApi final : public IClassFactory, public IDispatch {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override
    {
        *out = iid == IID_IClassFactory                      ? static_cast<void*>(static_cast<IClassFactory*>(this))
               : iid == IID_IUnknown || iid == IID_IDispatch ? static_cast<IDispatch*>(this)
                                                             : nullptr;
        return *out ? S_OK : E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }

    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override
    {
        return outer ? CLASS_E_NOAGGREGATION : QueryInterface(iid, out);
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

    // Late binding by name only, as JAWS's clients use it.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override
    {
        if (count == 1 && _wcsicmp(names[0], L"SayString") == 0)
            *ids = kSayString;
        else if (count == 1 && _wcsicmp(names[0], L"StopSpeech") == 0)
            *ids = kStopSpeech;
        else
            return DISP_E_UNKNOWNNAME;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT* result,
                                     EXCEPINFO*, UINT*) override
    {
        if (id == kSayString) {
            // Arguments come last first: flush, then the text.
            VARIANT flush;
            VariantInit(&flush);
            if (!params || params->cArgs != 2 || params->rgvarg[1].vt != VT_BSTR ||
                FAILED(VariantChangeType(&flush, &params->rgvarg[0], 0, VT_BOOL)))
                return DISP_E_BADPARAMCOUNT;
            speech::transcript::Write({L"jaws", L"SayString", params->rgvarg[1].bstrVal, flush.boolVal ? L"1" : L"0"});
        } else if (id == kStopSpeech) {
            speech::transcript::Write({L"jaws", L"StopSpeech"});
        } else {
            return DISP_E_MEMBERNOTFOUND;
        }
        if (result) {
            VariantInit(result);
            result->vt = VT_BOOL;
            result->boolVal = FindWindowW(L"JFWUI2", nullptr) ? VARIANT_TRUE : VARIANT_FALSE;
        }
        return S_OK;
    }
};

JawsApi g_api;

} // namespace

// The object of whatever class id the tests register this DLL under.
extern "C" HRESULT __stdcall DllGetClassObject(REFCLSID, REFIID iid, void** out)
{
    return g_api.QueryInterface(iid, out);
}

extern "C" HRESULT __stdcall DllCanUnloadNow()
{
    return S_FALSE;
}
