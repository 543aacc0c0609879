// The speech engine under both of our speech components: the game's voice
// and the screen-reader library VOSKUSR.dll.
//
// It speaks through SAPI 5 where that works. Where it does not (no voice, or
// a SAPI that creates but does not talk, as under Wine) it is silent: no call
// blocks, fails or throws because of that.
#pragma once

#include <memory>
#include <string_view>

namespace speech {

// An engine belongs to the thread that first calls it: the SAPI voice lives
// in that thread's COM apartment. Calls are serialised inside.
class Engine {
public:
    // Creates nothing yet: SAPI is brought up on the first call, on the
    // calling thread (never inside DllMain).
    Engine();
    ~Engine();
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    // Queues text and returns at once; texts given in a row are spoken one
    // after the other. The marker character ends a phrase and is never
    // pronounced.
    void Speak(std::wstring_view text);
    // Silences the current text and drops what is queued.
    void Stop();
    // Returns when everything queued has been spoken (at once when silent).
    void Wait();
    // True when this engine cannot talk and only pretends to.
    bool IsSilent();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// How long a wait for the end of speech may take, for `chars` characters
// queued since the last wait or stop, before it gives up: a generous time
// per character (well above any voice's slowest rate), capped, so that a
// stuck audio device or screen reader cannot hang the program.
unsigned long WaitLimitMs(unsigned long chars);

// Plays a short synthesized cue without waiting. Distinct cues for the
// triples the programs use: (50,0,0) and (50,10,0) for a wrap, (10,1,0),
// (10,2,0) and (10,3,0) for a countdown, (500,3,0) for an error. Cues queue
// behind each other; without a sound device nothing is heard.
void PlayTone(int a, int b, int c);

} // namespace speech
