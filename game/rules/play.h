// The rules of one question: stage sizes and needs, the points of both
// modes, judging, the quick-press clock and the non-speech cues.
#pragma once

#include <array>
#include <optional>
#include <string>

namespace rules {

enum class Mode {
    Relaxed,    // じっくり挑戦: no time limit, 20 points a right answer
    QuickPress, // はや押し挑戦: 10 seconds a question, faster answers score more
};

inline constexpr int kStages = 5;
inline constexpr int kQuestionsPerStage = 5;
inline constexpr int kChoices = 5;
inline constexpr int kRelaxedPoints = 20;
inline constexpr int kTimeLimit = 10;         // ticks of the 1000 ms answer clock
inline constexpr int kAllCorrectBonus = 100;
inline constexpr int kBlinkTicks = 14;        // 100 ms ticks of the question-number lamp
inline constexpr int kPauseRounds = 1001;     // event rounds after each judged question

// A colour as red, green, blue.
struct Rgb {
    int r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};
// Outlines of the two lamps, whatever the display style: green, and light
// yellow while the question-number lamp blinks or once the stage is cleared.
inline constexpr Rgb kLampGreen{0, 128, 0};
inline constexpr Rgb kLampLit{255, 255, 192};

// Right answers needed to clear a stage (1 to 5): 2, 3, 3, 4 (the semi-final)
// and 5 (the final stage). Stages past 5 count as the final one.
int StageNeed(int stage);

// What the message window shows and speaks at the start of a stage, lines
// separated by CR LF, e.g. "ステージ2", "5問中", "3問正解でクリアです".
std::u16string StageIntroText(int stage);
inline constexpr char16_t kStageIntroWave[] = u"@ステージ.wav";
inline constexpr char16_t kQuestionWave[] = u"@問題.wav";

// Points for a right answer: 20 in the relaxed mode; 60 - 5 x elapsed in the
// quick-press mode (60 within the first second, 10 at the limit).
int PointsFor(Mode mode, int elapsed);

// Shown in the eight needed-answers labels once a stage is cleared.
inline constexpr char16_t kStageClearLabel[] = u"ステ｜ジクリア　";

// An answer is right when the choice at the selected display position is
// stored answer 0. A position outside the list (nothing selected) is wrong.
bool IsRightChoice(const std::array<int, kChoices>& order, int position);

// A short non-speech cue: the three arguments of the speech object's Sound.
struct Cue {
    int a = 0, b = 0, c = 0;
    friend bool operator==(const Cue&, const Cue&) = default;
};

// Played, in this order, when the choice list wraps around.
inline constexpr std::array<Cue, 4> kWrapCues{{{50, 0, 0}, {50, 10, 0}, {50, 0, 0}, {50, 10, 0}}};
// Played when the game loop meets an error.
inline constexpr Cue kErrorCue{500, 3, 0};

// The choice list wraps at its ends: Down (Space counts as Down) on the last
// choice selects the first, Up on the first selects the last. Gives the
// position to select, or nothing when the list just moves as usual.
enum class ChoiceKey { Up, Down };
std::optional<int> WrapSelection(ChoiceKey key, int position, int count = kChoices);

// The countdown cue of a quick-press tick: ticks 1-4 (10, 1, 0), 5-7
// (10, 2, 0), 8-9 (10, 3, 0); none at the limit or outside it.
std::optional<Cue> CountdownCue(int elapsed);

// One tick of the quick-press clock.
struct ClockTick {
    bool keepRunning = false; // leave the timer enabled
    bool timeUp = false;      // the limit was reached: the selected choice is the answer
    std::optional<Cue> cue;   // countdown cue to play
};
// playing: a game runs; answering: the game still waits for the answer.
// elapsed counts the whole seconds of the question and is advanced here
// (not when no game runs).
ClockTick TickClock(bool playing, bool answering, int& elapsed);

} // namespace rules
