// The tone player drains its queue, again after it once ran dry, with or
// without a sound device; a burst beyond the queue's length is dropped, not
// kept waiting. (The speech engine beside it falls silent where SAPI cannot
// speak and never blocks: the route tests see that in every line.)
#include "speech/engine.h"
#include "speech/tone_player.h"

#include <gtest/gtest.h>

namespace {

TEST(PlayTone, EveryCueAndABurstBeyondTheQueueDrain)
{
    const int cues[][3] = {{50, 0, 0}, {50, 10, 0}, {10, 1, 0}, {10, 3, 0}, {500, 3, 0}, {7, 7, 7}};
    for (int round = 0; round < 2; ++round) {
        for (const auto& cue : cues)
            speech::PlayTone(cue[0], cue[1], cue[2]);
        for (int i = 0; i < 50; ++i)
            speech::PlayTone(10, 1, 0);
        EXPECT_TRUE(speech::WaitForTones(60000)) << "round " << round;
    }
}

} // namespace
