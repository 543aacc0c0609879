// The speech engine where SAPI cannot speak (Wine): it turns silent, no call
// blocks or fails, and COM is left as the engine found it, on a thread of the
// test's own whose COM state starts from scratch. The tone player drains its
// queue, again after it once ran dry, with or without a sound device.
#include "speech/engine.h"

#include <windows.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include <thread>

#include "speech/tone_player.h"

namespace {

TEST(Engine, FallsSilentAndLeavesComAsItFoundIt)
{
    std::thread([] {
        {
            speech::Engine engine;
            engine.Wait(); // the first call
            engine.Speak(L"カルミオ\xF8F2ようこそ\xF8F2");
            engine.Stop();
            engine.Speak(L"\xF8F2"); // nothing to say
            engine.Wait();
            const bool wine = GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version");
            EXPECT_TRUE(engine.IsSilent() || !wine);
        }
        // COM, brought up by the engine, is down again: the thread may choose
        // its apartment afresh. In it the engine leaves COM up, initialised
        // exactly once, by the thread itself.
        ASSERT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
        speech::Engine().Speak(L"テスト");
        EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_FALSE);
        CoUninitialize();
        CoUninitialize();
    }).join();
}

TEST(PlayTone, EveryCueAndABurstBeyondTheQueueDrain)
{
    const int cues[][3] = {{50, 0, 0}, {50, 10, 0}, {10, 1, 0}, {10, 3, 0}, {500, 3, 0}, {7, 7, 7}};
    for (int round = 0; round < 2; ++round) {
        for (const auto& cue : cues)
            speech::PlayTone(cue[0], cue[1], cue[2]);
        for (int i = 0; i < 50; ++i)
            speech::PlayTone(10, 1, 0); // beyond the queue's length: dropped, not kept waiting
        EXPECT_TRUE(speech::WaitForTones(60000)) << "round " << round;
    }
}

} // namespace
