// The progress of one game: stage, question, the answers still needed, the
// counts and the score, moved on step by step by the game loop.
//
// The loop keeps the windows, the speech and the waits; this class keeps the
// numbers and says what comes next, so that a whole game can be played
// through without windows.
#pragma once

#include <optional>

#include "game/rules/play.h"
#include "game/rules/results.h"

namespace rules {

class GameProgress {
public:
    // A new game in the given mode, at the start of stage 1, with nothing
    // asked and a score of 0.
    explicit GameProgress(Mode mode);

    Mode GetMode() const { return mode_; }
    int Stage() const { return stage_; }               // 1 to 5
    int Question() const { return question_; }         // 1 to 5 within the stage
    int Need() const { return need_; }                 // right answers still needed, 0 once cleared
    int StageCorrect() const { return stageCorrect_; } // right answers in this stage
    int TotalAsked() const { return totalAsked_; }
    int TotalCorrect() const { return totalCorrect_; }
    int Score() const { return score_; }               // running score of the game

    // The message that opens the current stage.
    Message StageIntro() const;

    // A question of the stage is about to be picked: it counts as asked.
    void AskQuestion();

    struct Answer {
        bool right = false;
        int points = 0;             // added to the score
        bool stageCleared = false;  // this answer cleared the stage
    };
    // Judges the stored answer number of the chosen choice (0 is the right
    // one); elapsed is the quick-press clock's count of whole seconds.
    Answer Judge(int storedAnswer, int elapsed);

    // Moves to the next question of the stage; false after the fifth.
    bool NextQuestion();

    // After the fifth question: when all five were right, adds the bonus
    // (once per stage) and gives the message announcing it.
    std::optional<Message> AllCorrectBonus();

    enum class StageEnd {
        Failed,     // the stage was not cleared: the game is over
        NextStage,  // the next stage has begun
        AllCleared, // the final stage was cleared: the final results follow
    };
    StageEnd EndStage();

private:
    void BeginStage();

    Mode mode_;
    int stage_ = 1;
    int question_ = 1;
    int need_ = 0;
    int stageCorrect_ = 0;
    int totalAsked_ = 0;
    int totalCorrect_ = 0;
    int score_ = 0;
    bool bonusGiven_ = false;
};

} // namespace rules
