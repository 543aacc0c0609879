// The game's speech object: everything the game says aloud goes through it.
// It sits on the speech engine and writes each call to the speech transcript
// ("voice Speak 0 <text>", "voice StopSpeech", "voice WaitSpeech",
// "voice SetMode <value>", "voice Sound <a> <b> <c>").
#pragma once

#include <string_view>

#include "speech/engine.h"

namespace game {

class Voice {
public:
    Voice() = default;
    Voice(const Voice&) = delete;
    Voice& operator=(const Voice&) = delete;

    // Queues text and returns at once; the game always passes flag 0.
    void Speak(std::wstring_view text, int flag = 0);
    // Silences the current text and drops what is queued.
    void StopSpeech();
    // The game sets mode 65 on start and on each activation of its window.
    void SetMode(int value);
    // Returns when everything queued has been spoken.
    void WaitSpeech();
    // A short non-speech cue (wrap, countdown, error).
    void Sound(int a, int b, int c);

    int Mode() const { return mode_; }

private:
    speech::Engine engine_;
    int mode_ = 0;
};

} // namespace game
