// JAWS through its public COM automation object, ProgID "FreedomSci.JawsApi",
// bound late through IDispatch: SayString(text, flush) returns whether JAWS
// took the text (false when JAWS does not run), StopSpeech() silences it.
// JAWS runs when a window of its main window's class, "JFWUI2", exists.
//
// The object is made on the first call, on the calling thread, which is
// brought into COM (single-threaded apartment) when it is not yet.
#pragma once

#include <windows.h>
#include <oaidl.h>

#include <string>

#include "win/handles.h"

namespace speech {

class JawsClient {
public:
    JawsClient() = default;
    JawsClient(const JawsClient&) = delete;
    JawsClient& operator=(const JawsClient&) = delete;

    static bool IsRunning();
    // True when the automation object could be made (it is kept).
    bool Connect();
    bool Say(const std::wstring& text, bool flush);
    bool Stop();

private:
    // Invokes a member of the connected object.
    bool Call(DISPID id, DISPPARAMS& args);

    win::ComPtr<IDispatch> api_;
    DISPID sayString_ = DISPID_UNKNOWN;
    DISPID stopSpeech_ = DISPID_UNKNOWN;
};

} // namespace speech
