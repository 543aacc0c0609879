// The game's speech object: everything the game says aloud goes through it.
//
// Where it speaks is chosen by the "Speech" value of the game's settings key:
//   "0", missing or unknown: automatically: through the player's NVDA when
//        NVDA can report the end of speech (its SSML speech with marks, see
//        speech/marked_speech.h), through SAPI otherwise;
//   "1": always through SAPI;
//   "2": always through the screen reader: NVDA with marks where it can;
//        otherwise the screen-reader routes of speech/reader_router.h (NVDA's
//        plain speech, JAWS, UI Automation), where WaitSpeech cannot know the
//        end of speech and returns at once; SAPI when no screen reader runs.
// The choice is made at the first call and looked at again at most once a
// second while NVDA's marks are not in use, so that an NVDA started later is
// found. A text NVDA fails to speak goes to the next route.
//
// Each call is written to the speech transcript with the route it took
// ("voice Speak 0 <text> [nvda]", "voice StopSpeech [sapi]",
// "voice WaitSpeech [nvda]", "voice SetMode <value>",
// "voice Sound <a> <b> <c>"); a text that falls to another route is written
// again with that route.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "speech/marked_speech.h"
#include "speech/reader_router.h"

namespace game {

enum class SpeechSetting { Automatic, Sapi, ScreenReader };

// The settings value (in game::kSettingsKey) that holds the setting.
inline constexpr wchar_t kSpeechValue[] = L"Speech";

SpeechSetting ParseSpeechSetting(const std::optional<std::wstring>& value);

class Voice {
public:
    // Reads the setting and looks for NVDA's controller client beside the
    // program.
    Voice();
    Voice(SpeechSetting setting, const std::wstring& folder);
    ~Voice();
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
    // How a text is spoken: NVDA with marks, the screen-reader routes, SAPI.
    enum class Way { Marked, Reader, Sapi };
    class DropNotice;

    Way Current();
    void Choose();
    speech::Route RouteOf(Way way);
    speech::MarkedSpeech& Marked();
    // Speaks again, on the next route, the texts NVDA failed to speak.
    void TakeBackDropped();
    void SpeakOn(Way way, std::wstring_view text, int flag);

    const SpeechSetting setting_;
    const std::shared_ptr<speech::NvdaClient> nvda_;
    speech::ReaderRouter reader_; // also holds the SAPI engine
    std::unique_ptr<DropNotice> notice_;
    std::unique_ptr<speech::MarkedSpeech> marked_;
    Way way_ = Way::Sapi;
    bool chosen_ = false;
    unsigned long long checkedAt_ = 0;
    bool ssmlRefused_ = false;                        // the running NVDA is too old for SSML
    speech::Route readerRoute_ = speech::Route::Sapi; // the route the reader way took last
    unsigned long markedChars_ = 0;                   // given to NVDA since the last wait or stop
    int mode_ = 0;
};

} // namespace game
