// NVDA's controller client DLL, bound at run time from a given folder (the
// folder of VOSKUSR.dll, or of the game): nvdaControllerClient.dll, or the
// older per-architecture names nvdaControllerClient32.dll (x86) and
// nvdaControllerClient64.dll (x64). Without the DLL every call fails.
//
// The functions and their __stdcall convention are those of NVDA's
// nvdaController.h (generated from nvdaController.idl): each returns 0 on
// success or a Windows error code, e.g. RPC_S_SERVER_UNAVAILABLE when NVDA
// does not run, or RPC_S_UNKNOWN_IF from an NVDA older than its SSML calls.
// The calls are thread-safe: NVDA's client makes a local RPC call for each.
#pragma once

#include <string>

namespace speech {

class NvdaClient {
public:
    // nvdaController.h's onSsmlMarkReachedFuncType: called with the name of
    // each <mark> reached while a synchronous SSML call speaks.
    using MarkCallback = unsigned long(__stdcall*)(const wchar_t* mark);

    // nvdaController.h's SYMBOL_LEVEL_UNCHANGED and SPEECH_PRIORITY_NORMAL.
    static constexpr int kSymbolLevelUnchanged = -1;
    static constexpr int kPriorityNormal = 0;
    // What the calls return while the DLL is missing.
    static constexpr unsigned long kNoClient = 126; // ERROR_MOD_NOT_FOUND

    explicit NvdaClient(std::wstring folder);
    NvdaClient(const NvdaClient&) = delete;
    NvdaClient& operator=(const NvdaClient&) = delete;

    // Loads the DLL when it is not loaded yet. True when it is loaded and has
    // the calls every route needs (the test, speech, cancel and braille). The
    // DLL stays loaded for the life of the process.
    bool Load();
    // The file loaded, or the names and the folder looked for (for the
    // diagnostic).
    std::wstring Where() const;

    unsigned long TestIfRunning();
    unsigned long SpeakText(const std::wstring& text);
    unsigned long CancelSpeech();
    unsigned long BrailleMessage(const std::wstring& message);

    // True when the DLL has NVDA's SSML speech and its mark callback (the
    // running NVDA may still be too old for them).
    bool OffersSsml();
    // asynchronous false: returns when the text has been spoken or was
    // cancelled, calling the mark callback for every mark on its way.
    unsigned long SpeakSsml(const std::wstring& ssml, int symbolLevel, int priority, bool asynchronous);
    unsigned long SetOnSsmlMarkReachedCallback(MarkCallback callback);

private:
    using NoArgument = unsigned long(__stdcall*)();
    using TextArgument = unsigned long(__stdcall*)(const wchar_t*);
    // speakSsml(ssml, SYMBOL_LEVEL, SPEECH_PRIORITY, boolean asynchronous):
    // the two enums are 32-bit, MIDL's boolean an unsigned char.
    using SpeakSsmlCall = unsigned long(__stdcall*)(const wchar_t*, int, int, unsigned char);
    using SetCallbackCall = unsigned long(__stdcall*)(MarkCallback);

    std::wstring folder_;
    std::wstring loaded_;
    NoArgument testIfRunning_ = nullptr;
    TextArgument speakText_ = nullptr;
    NoArgument cancelSpeech_ = nullptr;
    TextArgument brailleMessage_ = nullptr;
    SpeakSsmlCall speakSsml_ = nullptr;
    SetCallbackCall setMarkCallback_ = nullptr;
};

} // namespace speech
