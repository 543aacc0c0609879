// The game itself: the play commands, GameMain with its stages and
// questions, judging with the mark window, the stage-end and final messages,
// and the two game timers.
//
// GameMain runs inside the play command's handler and lets window events run
// at every wait. Keys, timers, the cancel command and closing the window run
// nested inside those waits and reach the loop only through Answering,
// QuizAbort, Closing, QLineOn, QLineTicks and Elapsed, which it checks.
#include <stdexcept>

#include "game/color.h"
#include "game/logic/numerals.h"
#include "game/mark_window.h"
#include "game/message_window.h"
#include "game/program_state.h"
#include "game/quiz_window.h"
#include "game/rules/wide.h"
#include "game/timing.h"
#include "game/wave.h"
#include "win/cp932.h"
#include "win/message_loop.h"

namespace game {

namespace {

constexpr int kSoftStyle = 3;

void RunEvents(int times)
{
    for (int i = 0; i < times; ++i)
        win::DoEvents();
}

} // namespace

void QuizWindow::mnuQuizeEasy_Click()
{
    if (Quiz.ListQ.empty())
        return;
    EnableCommand(mnuQuizeSpeed, false);
    SpeedMode = false;
    GameMain();
}

void QuizWindow::mnuQuizeSpeed_Click()
{
    if (Quiz.ListQ.empty())
        return;
    SpeedMode = true;
    GameMain();
    SpeedScore = 0;
}

void QuizWindow::GameMain()
{
    try {
        if (PlayGame() != Flow::Leave)
            EndOfGame();
    } catch (...) {
        // Whatever went wrong ends the game quietly, with the error cue.
        Voice->Sound(rules::kErrorCue.a, rules::kErrorCue.b, rules::kErrorCue.c);
    }
    FinishGame();
}

QuizWindow::Flow QuizWindow::PlayGame()
{
    progress_.emplace(SpeedMode ? rules::Mode::QuickPress : rules::Mode::Relaxed);
    // Each game is ranked by its own points.
    (SpeedMode ? SpeedScore : EasyScore) = 0;
    SyncProgress();
    Picker.ResetForNewGame();
    QuizAbort = false;
    Playing = true;
    ApplyMenuState(MenuState::Playing);

    for (;;) {
        const Flow stage = PlayStage();
        if (stage != Flow::Next)
            return stage;
        StageEndMes(Need);
        if (Closing)
            return Flow::Leave;
        if (QuizAbort || Need != 0)
            return Flow::EndGame;
        const rules::GameProgress::StageEnd end = progress_->EndStage();
        SyncProgress();
        if (end == rules::GameProgress::StageEnd::AllCleared) {
            WinDisp();
            return Closing ? Flow::Leave : Flow::EndGame;
        }
    }
}

QuizWindow::Flow QuizWindow::PlayStage()
{
    Answering = false;
    SyncProgress();
    Mes1Disp(1);
    Mes2Disp(Need);
    const rules::Message intro = progress_->StageIntro();
    if (!ShowMessage(intro))
        return Flow::Leave;
    win::DoEvents();

    for (;;) {
        if (Closing)
            return Flow::Leave;
        if (QuizAbort)
            return Flow::EndGame;
        const Flow question = PlayQuestion(progress_->Question());
        if (question != Flow::Next)
            return question;
        if (!progress_->NextQuestion())
            return Flow::Next;
    }
}

QuizWindow::Flow QuizWindow::PlayQuestion(int number)
{
    // The question number blinks while the jingle plays.
    QLineOn = true;
    QLineTicks = 0;
    CancelAndWait();
    WavePath = WaveFilePath(rules::Wide(rules::kQuestionWave));
    qLineLit_ = false;
    EnableTimer(TimerQLine, true);
    PlayWaveAsync(WavePath);
    Mes1Disp(number);
    if (QuizAbort)
        return Flow::EndGame;
    if (!win::PumpUntil([this] { return QLineTicks >= rules::kBlinkTicks || Closing; }) || Closing) {
        EnableTimer(TimerQLine, false);
        QLineTicks = 0;
        QLineOn = false;
        return Flow::Leave;
    }
    EnableTimer(TimerQLine, false);
    QLineTicks = 0;
    QLineOn = false;
    SetLampBorder(0, ToColorRef(rules::kLampGreen));

    Voice->StopSpeech();
    RunEvents(2);
    Voice->Speak(L"第 " + SKanji(number) + L"問");
    Voice->WaitSpeech();
    if (Closing)
        return Flow::Leave;
    if (QuizAbort)
        return Flow::EndGame;

    progress_->AskQuestion();
    SyncProgress();
    Answering = false;
    Qmake();
    if (QuizAbort)
        return Flow::EndGame;

    AnsRandom();
    SendMessageW(selA_, LB_RESETCONTENT, 0, 0);
    for (int k = 0; k < rules::kChoices; ++k) {
        const std::wstring choice(Quiz.Answer(static_cast<size_t>(CurQ), static_cast<size_t>(Order[k])));
        SendMessageW(selA_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(choice.c_str()));
    }
    if (QuizAbort)
        return Flow::EndGame;

    SendMessageW(selA_, LB_SETCURSEL, 0, 0);
    Voice->Speak(Quiz.Answer(static_cast<size_t>(CurQ), static_cast<size_t>(Order[0])));
    SetFocus(selA_);
    ApplyMenuState(MenuState::Answering);
    if (SpeedMode) {
        Elapsed = 0;
        EnableTimer(TimeUp, true);
    }

    // Enter, a double click or the time limit clears Answering.
    Answering = true;
    const bool pumped = win::PumpUntil([this] { return !Answering || QuizAbort || Closing; });
    if (!pumped || Closing)
        return Flow::Leave;
    if (Answering) {
        // Cancelled while the choices were offered: the clock stops too.
        Answering = false;
        EnableTimer(TimeUp, false);
        return Flow::EndGame;
    }

    const int position = static_cast<int>(SendMessageW(selA_, LB_GETCURSEL, 0, 0));
    const int stored = position >= 0 && position < rules::kChoices ? Order[static_cast<size_t>(position)] : -1;
    const rules::GameProgress::Answer answer = progress_->Judge(stored, Elapsed);
    SyncProgress();
    if (answer.stageCleared)
        SetLampBorder(1, ToColorRef(rules::kLampLit));
    if (Need > 0) {
        Mes2Disp(Need);
    } else {
        Mes2DispS(rules::Wide(rules::kStageClearLabel));
        win::DoEvents();
    }
    AtariDisp(stored);
    if (Closing)
        return Flow::Leave;
    SetLampBorder(1, ToColorRef(rules::kLampGreen));
    if (QuizAbort)
        return Flow::EndGame;

    ApplyMenuState(MenuState::Playing);
    RunEvents(EventRounds(rules::kPauseRounds));
    SetWindowTextW(textQ_, L"");
    win::DoEvents();
    SendMessageW(selA_, LB_RESETCONTENT, 0, 0);
    win::DoEvents();
    return Closing ? Flow::Leave : Flow::Next;
}

void QuizWindow::EndOfGame()
{
    if (Closing)
        return;
    rules::Message last;
    if (QuizAbort) {
        SetWindowTextW(textQ_, L"");
        SendMessageW(selA_, LB_RESETCONTENT, 0, 0);
        Mes1Disp(0);
        Mes2DispS(L"");
        last.text = rules::kCancelledText;
    } else {
        ScoreCheck();
        last.text = rules::kGameOverText;
    }
    ShowMessage(last);
}

void QuizWindow::FinishGame()
{
    Playing = false;
    Answering = false;
    QLineOn = false;
    EnableTimer(TimeUp, false);
    EnableTimer(TimerQLine, false);
    progress_.reset();
    if (Closing)
        return;
    ApplyMenuState(MenuState::QuizLoaded);
}

void QuizWindow::SyncProgress()
{
    if (!progress_)
        return;
    Need = progress_->Need();
    StageCorrect = progress_->StageCorrect();
    TotalAsked = progress_->TotalAsked();
    TotalCorrect = progress_->TotalCorrect();
    (SpeedMode ? SpeedScore : EasyScore) = progress_->Score();
}

bool QuizWindow::ShowMessage(const rules::Message& shown)
{
    if (Closing || !hwnd())
        return false;
    MesDisp message(*Voice);
    message.MesText = rules::Wide(shown.text);
    message.WaveFile = shown.wave.empty() ? std::wstring() : WaveFilePath(rules::Wide(shown.wave));
    message.ShowModal(hwnd());
    return !Closing;
}

void QuizWindow::Qmake()
{
    const int n = static_cast<int>(Quiz.ListQ.size());
    CurQ = Picker.Pick(n);
    if (CurQ < 0)
        throw std::logic_error("a game on a quiz without questions");
    const std::wstring& text = Quiz.ListQ[static_cast<size_t>(CurQ)].text;
    SetWindowTextW(textQ_, text.c_str());
    if (!QuizAbort) {
        Voice->Speak(text + cp932::kMarker);
        Voice->WaitSpeech();
    }
}

void QuizWindow::AnsRandom()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    Order = quiz::AnsRandom(now.wSecond, Random);
}

void QuizWindow::AtariDisp(int inData)
{
    const bool right = inData == 0;
    LastCorrect = right;
    CancelAndWait();
    WavePath = WaveFilePath(rules::Wide(right ? rules::kRightWave : rules::kWrongWave));
    PlayWaveAsync(WavePath);
    if (QuizAbort || Closing || !hwnd())
        return;
    MaruBatsu mark(LastCorrect, CurrentStyle() == kSoftStyle);
    mark.ShowModal(hwnd());
}

void QuizWindow::StageEndMes(int QPass)
{
    CancelAndWait();
    if (QuizAbort)
        return;
    const rules::Message heading = rules::StageEndHeading();
    if (!ShowMessage(heading))
        return;
    CancelAndWait();
    const rules::Message result = rules::StageResultMessage(QPass, Random);
    if (QuizAbort || !ShowMessage(result))
        return;
    if (StageCorrect != rules::kQuestionsPerStage || QuizAbort)
        return;
    CancelAndWait();
    if (const auto bonus = progress_->AllCorrectBonus()) {
        SyncProgress();
        ShowMessage(*bonus);
    }
}

void QuizWindow::WinDisp()
{
    for (const rules::Message& message : rules::FinalResultMessages(TotalAsked, TotalCorrect)) {
        if (QuizAbort || !ShowMessage(message))
            return;
    }
}

void QuizWindow::TimerQLine_Timer()
{
    qLineLit_ = !qLineLit_;
    SetLampBorder(0, ToColorRef(qLineLit_ ? rules::kLampLit : rules::kLampGreen));
    if (!QLineOn)
        EnableTimer(TimerQLine, false);
    QLineTicks += 1;
}

void QuizWindow::TimeUp_Timer()
{
    const rules::ClockTick tick = rules::TickClock(Playing, Answering, Elapsed);
    if (tick.timeUp)
        Answering = false;
    if (!tick.keepRunning)
        EnableTimer(TimeUp, false);
    if (tick.cue)
        Voice->Sound(tick.cue->a, tick.cue->b, tick.cue->c);
}

} // namespace game
