// A stand-in for nvdaControllerClient.dll, with the exports, signatures and
// calling convention our client binds. Each call but testIfRunning goes to
// the transcript, answer last ("nvda speakText <text> 0"). STANDIN_NVDA, read
// at every call: unset or "stopped", NVDA does not run (answers 1722);
// "running", it speaks SSML with marks; "old", it runs without the SSML calls
// (1717). A synchronous speakSsml "speaks" for STANDIN_NVDA_SPEAK_MS ms
// (default 0; "quit": until NVDA quits) unless cancelled or NVDA quits, then
// reports each <mark> in order, recording "nvda mark <name>" first.
#include <windows.h>

#include <string>
#include <string_view>

#include "speech/transcript.h"

namespace {

using MarkCallback = unsigned long(__stdcall*)(const wchar_t*);

MarkCallback g_callback = nullptr;
HANDLE g_cancel = CreateEventW(nullptr, TRUE, FALSE, nullptr);

std::wstring Variable(const wchar_t* name)
{
    wchar_t value[64] = {};
    const DWORD n = GetEnvironmentVariableW(name, value, 64);
    return n > 0 && n < 64 ? value : L"";
}

// What NVDA answers a call now.
unsigned long Answer(bool ssml = false)
{
    const std::wstring state = Variable(L"STANDIN_NVDA");
    if (state == L"running" || (state == L"old" && !ssml))
        return 0;
    return state == L"old" ? RPC_S_UNKNOWN_IF : RPC_S_SERVER_UNAVAILABLE;
}

unsigned long Record(const wchar_t* call, const wchar_t* text)
{
    const unsigned long answer = Answer();
    if (text)
        speech::transcript::Write({L"nvda", call, text, std::to_wstring(answer)});
    else
        speech::transcript::Write({L"nvda", call, std::to_wstring(answer)});
    return answer;
}

} // namespace

extern "C" {

unsigned long __stdcall nvdaController_testIfRunning()
{
    return Answer();
}

unsigned long __stdcall nvdaController_speakText(const wchar_t* text)
{
    return Record(L"speakText", text ? text : L"");
}

unsigned long __stdcall nvdaController_brailleMessage(const wchar_t* message)
{
    return Record(L"brailleMessage", message ? message : L"");
}

unsigned long __stdcall nvdaController_cancelSpeech()
{
    const unsigned long answer = Record(L"cancelSpeech", nullptr);
    if (answer == 0)
        SetEvent(g_cancel);
    return answer;
}

unsigned long __stdcall nvdaController_speakSsml(const wchar_t* ssml, int symbolLevel, int priority,
                                                 unsigned char asynchronous)
{
    const std::wstring_view text = ssml ? ssml : L"";
    const unsigned long answer = Answer(true);
    ResetEvent(g_cancel);
    speech::transcript::Write({L"nvda", L"speakSsml", text, std::to_wstring(symbolLevel), std::to_wstring(priority),
                               std::to_wstring(asynchronous), std::to_wstring(answer)});
    if (answer != 0 || asynchronous)
        return answer;
    const std::wstring speakMs = Variable(L"STANDIN_NVDA_SPEAK_MS");
    if (speakMs == L"quit") {
        // Speaks until cancelled or until NVDA quits, however long that takes.
        while (Answer(true) == 0)
            if (WaitForSingleObject(g_cancel, 10) == WAIT_OBJECT_0)
                return 0;
    } else if (WaitForSingleObject(g_cancel, speakMs.empty() ? 0 : std::stoul(speakMs)) == WAIT_OBJECT_0) {
        return 0; // cancelled: the rest is not spoken, its marks not reached
    }
    if (const unsigned long now = Answer(true); now != 0)
        return now; // NVDA quit while it spoke
    constexpr std::wstring_view open = L"<mark name=\"";
    for (size_t at = text.find(open), end = 0; at != text.npos; at = text.find(open, end)) {
        at += open.size();
        end = text.find(L'"', at);
        const std::wstring mark(text.substr(at, end - at));
        speech::transcript::Write({L"nvda", L"mark", mark});
        if (g_callback)
            g_callback(mark.c_str());
    }
    return 0;
}

unsigned long __stdcall nvdaController_setOnSsmlMarkReachedCallback(MarkCallback callback)
{
    g_callback = callback;
    return 0;
}

} // extern "C"
