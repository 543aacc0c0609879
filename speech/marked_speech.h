// The game's texts spoken by NVDA through its SSML call with a mark at the
// end of each text, so that the end of speech is known: NVDA reports each
// mark it reaches through the client's mark callback.
//
// NVDA reports marks only while a synchronous SSML call runs, and such a call
// returns only when its text has been spoken (or cancelled). So the calls run
// on a thread of their own, one text after the other; the caller's thread
// queues texts and returns at once, and Wait blocks on an event that the end
// marks set (the callback may come on any thread). A text NVDA fails to
// speak (NVDA quit, or is too old for SSML) is not lost: it and the texts
// behind it are handed back to the caller.
//
// One object at a time per process: the client's mark callback is global.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "speech/nvda_client.h"

namespace speech {

class MarkedSpeech {
public:
    // nvda must offer SSML. dropped is called, on the speaking thread, each
    // time NVDA fails to speak a text; TakeDropped then has the texts.
    MarkedSpeech(std::shared_ptr<NvdaClient> nvda, std::function<void()> dropped);
    ~MarkedSpeech();
    MarkedSpeech(const MarkedSpeech&) = delete;
    MarkedSpeech& operator=(const MarkedSpeech&) = delete;

    // Queues text (the marker character ends a phrase) and returns at once.
    void Speak(std::wstring_view text);
    // Drops what is queued and cancels the text NVDA is saying, if it is one
    // of ours.
    void Stop();
    // Waits at most limitMs until every text given has ended: its end mark
    // was reached, or NVDA finished with it otherwise. True when it did.
    bool Wait(unsigned long limitMs);
    // The texts NVDA failed to speak, oldest first, now the caller's.
    std::vector<std::wstring> TakeDropped();
    // NVDA's answer when it last failed a text (0: it never failed).
    unsigned long LastError();

    // The SSML spoken for a text: its phrases with a pause between them, and
    // the mark that ends text number id.
    static std::wstring Ssml(std::wstring_view text, unsigned long long id);

    struct State; // shared with the speaking thread and the mark callback

private:
    static unsigned long __stdcall OnMarkReached(const wchar_t* mark);
    static unsigned long __stdcall Run(void* state);

    std::shared_ptr<State> state_;
    void* thread_ = nullptr;
};

} // namespace speech
