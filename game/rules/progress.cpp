#include "game/rules/progress.h"

namespace rules {

GameProgress::GameProgress(Mode mode) : mode_(mode)
{
    BeginStage();
}

void GameProgress::BeginStage()
{
    question_ = 1;
    stageCorrect_ = 0;
    need_ = StageNeed(stage_);
    bonusGiven_ = false;
}

Message GameProgress::StageIntro() const
{
    return {StageIntroText(stage_), kStageIntroWave};
}

void GameProgress::AskQuestion()
{
    totalAsked_ += 1;
}

GameProgress::Answer GameProgress::Judge(int storedAnswer, int elapsed)
{
    Answer answer;
    answer.right = storedAnswer == 0;
    if (!answer.right)
        return answer;
    answer.points = PointsFor(mode_, elapsed);
    answer.stageCleared = need_ == 1;
    if (need_ > 0)
        need_ -= 1;
    stageCorrect_ += 1;
    totalCorrect_ += 1;
    score_ += answer.points;
    return answer;
}

bool GameProgress::NextQuestion()
{
    if (question_ >= kQuestionsPerStage)
        return false;
    question_ += 1;
    return true;
}

std::optional<Message> GameProgress::AllCorrectBonus()
{
    if (stageCorrect_ < kQuestionsPerStage || bonusGiven_)
        return std::nullopt;
    bonusGiven_ = true;
    score_ += kAllCorrectBonus;
    return AllCorrectBonusMessage();
}

GameProgress::StageEnd GameProgress::EndStage()
{
    if (need_ != 0)
        return StageEnd::Failed;
    if (stage_ >= kStages)
        return StageEnd::AllCleared;
    stage_ += 1;
    BeginStage();
    return StageEnd::NextStage;
}

} // namespace rules
