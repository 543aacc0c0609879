#include "speech/jaws_client.h"

#include <oleauto.h>

#include <utility>

namespace speech {

namespace {

constexpr wchar_t kProgId[] = L"FreedomSci.JawsApi";
constexpr wchar_t kMainWindowClass[] = L"JFWUI2";

DISPID Member(IDispatch* api, const wchar_t* name)
{
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    DISPID id = DISPID_UNKNOWN;
    if (FAILED(api->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id)))
        return DISPID_UNKNOWN;
    return id;
}

} // namespace

bool JawsClient::IsRunning()
{
    return FindWindowW(kMainWindowClass, nullptr) != nullptr;
}

bool JawsClient::Connect()
{
    if (api_)
        return true;
    // S_FALSE and RPC_E_CHANGED_MODE leave the thread in a usable apartment.
    const HRESULT init = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (FAILED(init) && init != RPC_E_CHANGED_MODE)
        return false;
    CLSID clsid;
    if (FAILED(CLSIDFromProgID(kProgId, &clsid)))
        return false;
    win::ComPtr<IDispatch> api;
    if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_ALL, IID_IDispatch, api.put_void())) || !api)
        return false;
    sayString_ = Member(api.get(), L"SayString");
    stopSpeech_ = Member(api.get(), L"StopSpeech");
    if (sayString_ == DISPID_UNKNOWN || stopSpeech_ == DISPID_UNKNOWN)
        return false;
    api_ = std::move(api);
    return true;
}

bool JawsClient::Call(DISPID id, DISPPARAMS& args)
{
    VARIANT result;
    VariantInit(&result);
    const HRESULT hr = api_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &args, &result, nullptr,
                                    nullptr);
    // Both calls answer whether JAWS ran and took them.
    const bool taken = SUCCEEDED(hr) && !(result.vt == VT_BOOL && result.boolVal == VARIANT_FALSE);
    VariantClear(&result);
    if (FAILED(hr))
        api_.reset(); // made afresh next time, should JAWS come back
    return taken;
}

bool JawsClient::Say(const std::wstring& text, bool flush)
{
    if (!Connect())
        return false;
    const win::Bstr string(text);
    if (!string.get())
        return false;
    // Arguments go in reverse order: the flush flag, then the text.
    VARIANT args[2];
    VariantInit(&args[0]);
    args[0].vt = VT_BOOL;
    args[0].boolVal = flush ? VARIANT_TRUE : VARIANT_FALSE;
    VariantInit(&args[1]);
    args[1].vt = VT_BSTR;
    args[1].bstrVal = string.get();
    DISPPARAMS params = {args, nullptr, 2, 0};
    return Call(sayString_, params);
}

bool JawsClient::Stop()
{
    if (!Connect())
        return false;
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    return Call(stopSpeech_, none);
}

} // namespace speech
