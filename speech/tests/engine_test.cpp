// The speech engine where SAPI cannot speak (Wine): it turns silent, and no
// call blocks, fails or leaves COM in a different state than it found it.
#include "speech/engine.h"

#include <windows.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <future>

#include "speech/tone_player.h"

namespace {

bool UnderWine()
{
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

// Runs f on a thread of its own and waits for it. A speech call that has
// not returned after a time none may come near has hung: the failure is put
// on record and the process ended, since the stuck thread cannot be.
template <typename F>
void RunOnItsOwnThread(F f)
{
    auto done = std::async(std::launch::async, f);
    if (done.wait_for(std::chrono::seconds(60)) != std::future_status::ready) {
        ADD_FAILURE() << "a speech call did not return";
        std::fflush(stdout);
        TerminateProcess(GetCurrentProcess(), 1);
    }
    done.get();
}

TEST(Engine, FallsSilentWhereSapiCannotSpeak)
{
    if (!UnderWine())
        GTEST_SKIP() << "SAPI speaks here";
    RunOnItsOwnThread([] {
        speech::Engine engine;
        engine.Speak(L"カルミオ\xF8F2ようこそ\xF8F2");
        EXPECT_TRUE(engine.IsSilent());
        engine.Wait();
        engine.Stop();
        engine.Speak(L"1問目");
        engine.Speak(L"");
        engine.Wait();
        EXPECT_TRUE(engine.IsSilent());
    });
}

TEST(Engine, CallsInAnyOrderReturn)
{
    RunOnItsOwnThread([] {
        speech::Engine unused; // never opened, destroyed at once
    });
    RunOnItsOwnThread([] {
        speech::Engine engine;
        engine.Wait(); // first call
        const bool silent = engine.IsSilent();
        engine.Stop();
        engine.Stop();
        engine.Speak(L"\xF8F2"); // nothing to say
        engine.Wait();
        engine.Wait();
        // None of that changed whether the engine can talk.
        EXPECT_EQ(engine.IsSilent(), silent);
    });
}

TEST(Engine, GivesBackTheComInitialisationItMade)
{
    RunOnItsOwnThread([] {
        {
            speech::Engine engine;
            engine.Speak(L"テスト"); // brings COM up on this thread
        }
        // Uninitialised again: the thread may choose its apartment afresh.
        HRESULT hr = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        EXPECT_EQ(hr, S_OK);
        if (SUCCEEDED(hr))
            CoUninitialize();
    });
}

TEST(Engine, KeepsTheApartmentOfTheCallingThread)
{
    RunOnItsOwnThread([] {
        ASSERT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
        {
            speech::Engine engine;
            engine.Speak(L"テスト");
            engine.Stop();
        }
        // Still initialised exactly once, by this thread itself.
        HRESULT again = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        EXPECT_EQ(again, S_FALSE);
        if (SUCCEEDED(again))
            CoUninitialize();
        CoUninitialize();
    });
}

TEST(PlayTone, PlaysEveryCueAndFinishes)
{
    for (int round = 0; round < 2; ++round) {
        speech::PlayTone(50, 0, 0);
        speech::PlayTone(50, 10, 0);
        speech::PlayTone(10, 1, 0);
        speech::PlayTone(10, 2, 0);
        speech::PlayTone(10, 3, 0);
        speech::PlayTone(500, 3, 0);
        speech::PlayTone(7, 7, 7);
        // A burst beyond the queue's length is dropped, not kept waiting.
        for (int i = 0; i < 50; ++i)
            speech::PlayTone(10, 1, 0);
        // With or without a sound device the queue drains.
        EXPECT_TRUE(speech::WaitForTones(60000)) << "round " << round;
    }
}

} // namespace
