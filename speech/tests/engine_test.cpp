// The speech engine leaves COM as it found it on the calling thread (one of
// the test's own, whose COM state starts from scratch): it gives back the
// initialisation it made and keeps the caller's. (That it falls silent where
// SAPI cannot speak, and never blocks, the route tests see in every line.)
// The tone player drains its queue, again after it once ran dry, with or
// without a sound device.
#include "speech/engine.h"

#include <windows.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include <thread>

#include "speech/tone_player.h"

namespace {

TEST(Engine, LeavesComAsItFoundIt)
{
    std::thread([] {
        speech::Engine().Speak(L"カルミオ\xF8F2ようこそ\xF8F2"); // COM brought up and down again
        // So the thread may choose its apartment afresh; in it the engine
        // leaves COM initialised exactly once, by the thread itself.
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
