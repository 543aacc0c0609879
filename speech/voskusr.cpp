// VOSKUSR.dll: the screen-reader speech library the dialog library speaks
// through. The calls carry no context, so the library keeps its state here:
// the speech engine, made on the first call (never in DllMain), and the
// values of the reader's options.
#include "speech/voskusr.h"

#include <windows.h>

#include <map>
#include <mutex>
#include <string>
#include <utility>

#include "speech/engine.h"
#include "speech/transcript.h"
#include "win/cp932.h"

namespace {

std::mutex g_lock;                // guards all of the state below
std::map<int, int> g_options;     // option -> value last set

// The engine lives until the process ends. It is deliberately never
// destroyed: releasing speech objects while the loader unloads this DLL
// could deadlock, and the process's end reclaims everything anyway.
speech::Engine& TheEngine()
{
    static speech::Engine* engine = new speech::Engine();
    return *engine;
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

extern "C" int __stdcall ReaderSpeak(const char* text, int flag)
{
    try {
        if (!text || !*text)
            return 0;
        const std::wstring copy = CopyText(text);
        speech::transcript::Write({L"reader", L"Speak", Number(flag), copy});
        std::lock_guard lock(g_lock);
        speech::Engine& engine = TheEngine();
        if (flag == 1)
            engine.Stop();
        engine.Speak(copy);
        return 1;
    } catch (...) {
        return 0;
    }
}

extern "C" int __stdcall ReaderSpeakEx(const char* text, int a, int b)
{
    try {
        if (!text || !*text)
            return 0;
        const std::wstring copy = CopyText(text);
        speech::transcript::Write({L"reader", L"SpeakEx", Number(a), Number(b), copy});
        std::lock_guard lock(g_lock);
        speech::Engine& engine = TheEngine();
        engine.Stop();
        engine.Speak(copy);
        return 1;
    } catch (...) {
        return 0;
    }
}

extern "C" int __stdcall ReaderStop(void)
{
    try {
        speech::transcript::Write({L"reader", L"Stop"});
        std::lock_guard lock(g_lock);
        TheEngine().Stop();
        return 1;
    } catch (...) {
        return 0;
    }
}
