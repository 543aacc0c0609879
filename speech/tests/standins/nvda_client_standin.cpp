// A stand-in for NVDA's controller client DLL (nvdaControllerClient.dll),
// with the same exports, signatures and calling convention. It records each
// call in the speech transcript, the answer last: "nvda speakText <text> 0".
//
// STANDIN_NVDA says what it plays:
//   unset or "stopped": NVDA does not run; every call answers 1722
//                       (RPC_S_SERVER_UNAVAILABLE);
//   "running":          NVDA runs and speaks SSML with marks;
//   "old":              NVDA runs but has no SSML calls (1717,
//                       RPC_S_UNKNOWN_IF), as before NVDA 2024.1.
// It is read at every call, so a test can make NVDA quit or start.
// A synchronous speakSsml "speaks" for STANDIN_NVDA_SPEAK_MS milliseconds
// (default 0), unless cancelSpeech cuts it short or NVDA "quits" meanwhile,
// and then reports each <mark> of the text in order, recording
// "nvda mark <name>" first.
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "speech/transcript.h"

namespace {

using MarkCallback = unsigned long(__stdcall*)(const wchar_t*);

MarkCallback g_callback = nullptr;
HANDLE g_cancel = CreateEventW(nullptr, TRUE, FALSE, nullptr);

std::wstring Variable(const wchar_t* name)
{
    wchar_t value[64] = {};
    DWORD n = GetEnvironmentVariableW(name, value, 64);
    return n > 0 && n < 64 ? value : L"";
}

// What NVDA answers a call now.
unsigned long Answer(bool ssml = false)
{
    const std::wstring state = Variable(L"STANDIN_NVDA");
    if (state == L"running")
        return 0;
    if (state == L"old")
        return ssml ? RPC_S_UNKNOWN_IF : 0;
    return RPC_S_SERVER_UNAVAILABLE;
}

std::wstring Number(unsigned long n)
{
    return std::to_wstring(n);
}

std::wstring_view Text(const wchar_t* text)
{
    return text ? text : L"";
}

// The names of the <mark name="..."/> elements of ssml, in order.
std::vector<std::wstring> Marks(std::wstring_view ssml)
{
    std::vector<std::wstring> marks;
    constexpr std::wstring_view open = L"<mark name=\"";
    for (size_t at = ssml.find(open); at != std::wstring_view::npos; at = ssml.find(open, at)) {
        at += open.size();
        const size_t end = ssml.find(L'"', at);
        if (end == std::wstring_view::npos)
            break;
        marks.emplace_back(ssml.substr(at, end - at));
    }
    return marks;
}

} // namespace

extern "C" {

unsigned long __stdcall nvdaController_testIfRunning()
{
    const unsigned long answer = Answer();
    speech::transcript::Write({L"nvda", L"testIfRunning", Number(answer)});
    return answer;
}

unsigned long __stdcall nvdaController_speakText(const wchar_t* text)
{
    const unsigned long answer = Answer();
    speech::transcript::Write({L"nvda", L"speakText", Text(text), Number(answer)});
    return answer;
}

unsigned long __stdcall nvdaController_cancelSpeech()
{
    const unsigned long answer = Answer();
    if (answer == 0)
        SetEvent(g_cancel);
    speech::transcript::Write({L"nvda", L"cancelSpeech", Number(answer)});
    return answer;
}

unsigned long __stdcall nvdaController_brailleMessage(const wchar_t* message)
{
    const unsigned long answer = Answer();
    speech::transcript::Write({L"nvda", L"brailleMessage", Text(message), Number(answer)});
    return answer;
}

unsigned long __stdcall nvdaController_getProcessId(unsigned long* pid)
{
    const unsigned long answer = Answer();
    if (pid)
        *pid = answer == 0 ? GetCurrentProcessId() : 0;
    speech::transcript::Write({L"nvda", L"getProcessId", Number(answer)});
    return answer;
}

unsigned long __stdcall nvdaController_speakSsml(const wchar_t* ssml, int symbolLevel, int priority,
                                                 unsigned char asynchronous)
{
    const unsigned long answer = Answer(true);
    ResetEvent(g_cancel);
    speech::transcript::Write({L"nvda", L"speakSsml", Text(ssml), std::to_wstring(symbolLevel),
                               std::to_wstring(priority), Number(asynchronous), Number(answer)});
    if (answer != 0 || asynchronous)
        return answer;
    const std::wstring speakMs = Variable(L"STANDIN_NVDA_SPEAK_MS");
    if (WaitForSingleObject(g_cancel, speakMs.empty() ? 0 : std::stoul(speakMs)) == WAIT_OBJECT_0)
        return 0; // cancelled: the rest is not spoken, its marks not reached
    if (const unsigned long now = Answer(true); now != 0)
        return now; // NVDA quit while it spoke
    for (const std::wstring& mark : Marks(Text(ssml))) {
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
