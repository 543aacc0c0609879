// VOSKUSR.dll: the screen-reader speech library the dialog library speaks
// through. The calls carry no context, so the library keeps its state here:
// the route to the player's screen reader (see reader_router.h), made on the
// first call (never in DllMain), and the values of the reader's options.
#include "speech/voskusr.h"

#include <windows.h>

#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <utility>

#include "speech/reader_router.h"
#include "speech/transcript.h"
#include "speech/transcript_format.h"
#include "win/cp932.h"
#include "win/module.h"

namespace {

std::mutex g_lock;                // guards all of the state below
std::map<int, int> g_options;     // option -> value last set

// The router lives until the process ends. It is deliberately never
// destroyed: releasing speech objects while the loader unloads this DLL
// could deadlock, and the process's end reclaims everything anyway. The
// controller client is looked for beside this DLL.
speech::ReaderRouter& TheRouter()
{
    static speech::ReaderRouter* router = new speech::ReaderRouter(
        std::make_shared<speech::NvdaClient>(win::ModuleFolder(win::CurrentModule())));
    return *router;
}

std::wstring Number(int n)
{
    return std::to_wstring(n);
}

// Copies the caller's text (valid only during the call) as UTF-16.
std::wstring CopyText(const char* text)
{
    return text ? cp932::ToWide(text) : std::wstring();
}

} // namespace

// The options change nothing in the speech: no screen reader's interface has
// a mode to match them. The library keeps them for the caller to restore.
extern "C" int __stdcall ReaderSetMode(int option, int value, int reserved)
{
    try {
        int previous = 0;
        {
            std::lock_guard lock(g_lock);
            auto [it, inserted] = g_options.try_emplace(option, value);
            if (!inserted)
                previous = std::exchange(it->second, value);
        }
        speech::transcript::Write({L"reader", L"SetMode", Number(option), Number(value),
                                   Number(reserved), Number(previous)});
        return previous;
    } catch (...) {
        return 0;
    }
}

// Flag 1 answers the user's own key (a guide message, the list's own
// entries): it interrupts and goes to the braille display too. Flag 0 is an
// announcement, queued.
extern "C" int __stdcall ReaderSpeak(const char* text, int flag)
{
    try {
        if (!text || !*text)
            return 0;
        const std::wstring copy = CopyText(text);
        const bool keyAnswer = flag == 1;
        std::lock_guard lock(g_lock);
        TheRouter().Speak(copy, keyAnswer, keyAnswer, [&](speech::Route route) {
            speech::transcript::Write({L"reader", L"Speak", Number(flag), copy, speech::transcript::RouteField(route)});
        });
        return 1;
    } catch (...) {
        return 0;
    }
}

// List and position information: interrupts, and goes to braille too.
extern "C" int __stdcall ReaderSpeakEx(const char* text, int a, int b)
{
    try {
        if (!text || !*text)
            return 0;
        const std::wstring copy = CopyText(text);
        std::lock_guard lock(g_lock);
        TheRouter().Speak(copy, true, true, [&](speech::Route route) {
            speech::transcript::Write(
                {L"reader", L"SpeakEx", Number(a), Number(b), copy, speech::transcript::RouteField(route)});
        });
        return 1;
    } catch (...) {
        return 0;
    }
}

extern "C" int __stdcall ReaderStop(void)
{
    try {
        std::lock_guard lock(g_lock);
        TheRouter().Stop([](speech::Route route) {
            speech::transcript::Write({L"reader", L"Stop", speech::transcript::RouteField(route)});
        });
        return 1;
    } catch (...) {
        return 0;
    }
}
