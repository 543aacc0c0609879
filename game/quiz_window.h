// The game's main window: menu bar, question box, choice list, the two lamps
// and the display styles. It owns every piece of game state for the life of
// the program, under the names the rest of the game uses.
//
// The handlers live in several files:
//   quiz_window.cpp          creation, load, activation, unload, commands,
//                            the question box's focus announcements
//   quiz_window_display.cpp  controls, layout, colours, SetStyle and the lamps
//   quiz_window_open.cpp     the open command (mnuFileOpen) and loading a quiz
//   quiz_window_tools.cpp    quiz information, the question-and-answer
//                            view, manual, version and download commands
//   quiz_window_play.cpp     the play commands, GameMain, judging, stage-end
//                            and final messages, the game timers
//   quiz_window_rank.cpp     the best-five check at the end of a game
//   answer_list.cpp          the keys of the choice list (SelA)
#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "game/answer_list.h"
#include "game/file_system.h"
#include "game/logic/lamps.h"
#include "game/logic/layout.h"
#include "game/logic/menu_tree.h"
#include "game/logic/styles.h"
#include "game/quiz/picker.h"
#include "game/quiz/question_store.h"
#include "game/rules/progress.h"
#include "game/rules/rankings.h"
#include "game/rules/results.h"
#include "game/voice.h"
#include "win/handles.h"
#include "win/message_loop.h"
#include "win/window.h"

namespace game {

class Launcher;

class QuizWindow : public win::Window {
public:
    QuizWindow();
    ~QuizWindow() override;

    // Loads the window and leaves it invisible: the load handler runs (random
    // seed, menus, speech object, blank displays, the stored style). Returns
    // false when the window could not be made.
    bool Load(HINSTANCE instance);
    // Makes the loaded window visible and active.
    void Show();
    // Ends the program the way closing the window does: the unload handler
    // speaks the farewell, then the window goes and the program ends.
    void Unload();
    // True from the end of the unload handler on.
    bool Unloaded() const { return unloaded_; }

    // --- state of the game -------------------------------------------------
    std::unique_ptr<game::Voice> Voice; // the speech object, for every window
    FileSystem Fso;

    // The loaded quiz: genre table, QuizTotal and the questions with their
    // answers (ListQ, ListA). Replaced whole by each successful load.
    quiz::QuestionStore Quiz;
    std::wstring QuizPath;
    // The game's random source, seeded from the time of day at load, and
    // the question picker drawing from it.
    quiz::RandomSource Random;
    quiz::QuestionPicker Picker{[this] { return Random(); }};

    bool QuizLoaded = false;
    bool Playing = false;
    bool SpeedMode = false;
    bool Answering = false;
    bool Closing = false;
    bool QLineOn = false;
    std::int32_t QLineTicks = 0;
    std::int32_t Elapsed = 0;

    std::int32_t CurQ = 0;
    std::array<int, 5> Order{};
    std::int32_t Need = 0;
    std::int32_t StageCorrect = 0;
    std::int32_t TotalAsked = 0;
    std::int32_t TotalCorrect = 0;
    std::int32_t EasyScore = 0;
    std::int32_t SpeedScore = 0;


    // --- controls ----------------------------------------------------------
    HWND TextQ() const { return textQ_; }
    HWND SelA() const { return selA_; }
    HWND TextMesBox() const { return textMesBox_; }
    HWND Mes1(int i) const { return mes1_[static_cast<size_t>(i)]; }
    HWND Mes2(int i) const { return mes2_[static_cast<size_t>(i)]; }
    HMENU Menu() const { return menu_.get(); }

    // Timers of the game loop, both off at start.
    enum TimerId : UINT_PTR { TimeUp = 1, TimerQLine = 2 };
    void EnableTimer(TimerId timer, bool on);

    // --- helpers -----------------------------------------------------------
    // StopSpeech, then 1001 passes of letting pending events run.
    void CancelAndWait();

    // Enables or disables one menu command.
    void EnableCommand(int id, bool enabled);
    bool CommandIsEnabled(int id) const;
    // Sets every state-governed command as the state wants it.
    void ApplyMenuState(MenuState state);

    // Loads the quiz file at path the way the open command does once a file
    // is chosen: announces the start, loads, and on success takes the quiz
    // (menus, caption, the spoken question count); on failure says why and
    // keeps the quiz loaded before. Returns true when the file was loaded.
    bool LoadQuiz(const std::wstring& path);

    // --- display (quiz_window_display.cpp) --------------------------------
    // Stores the style, checks its menu item and recolours the window.
    void SetStyle(int Index);
    int CurrentStyle() const { return style_; }
    void Mes1Disp(int MonNo);
    void Mes2Disp(int MonNo);
    void Mes2DispS(const std::wstring& str);
    // The lamp outlines; a style change resets them to the style's colour.
    void SetLampBorder(int lamp, COLORREF color);

    // Programs the window starts (editor, browser) go through this launcher;
    // the system's own unless another is given. It must outlive the window.
    void UseLauncher(Launcher& launcher) { launcher_ = &launcher; }

    // --- the game (quiz_window_play.cpp, quiz_window_rank.cpp) ------------
    // One game from the first question to the final message; returns when
    // it is over, cancelled, or the window is closing.
    void GameMain();
    // Picks a question not yet asked, shows it and reads it out.
    void Qmake();
    // A new display order of the five answers into Order.
    void AnsRandom();
    // Plays the right or wrong sound and shows the mark window; inData is the
    // stored answer number of the chosen choice (0 is right).
    void AtariDisp(int inData);
    // The stage-end messages; QPass is Need at the end of the stage.
    void StageEndMes(int QPass);
    // The final results after the last stage.
    void WinDisp();
    // The best-five check of a game that ended by itself.
    void ScoreCheck();

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    // Handlers (quiz_window.cpp).
    void Form_Load();
    void Form_Activate();
    void Form_Unload();
    void OnCommand(int id, int notifyCode, HWND control);
    void mnuFileQuit_Click();
    void mnuQuizeCancel_Click();
    void mnuQuizeRevoice_Click();
    void TextQ_GotFocus();
    void TextQ_LostFocus();

    // The open command (quiz_window_open.cpp).
    void mnuFileOpen_Click();

    // Information, manual, version and downloads (quiz_window_tools.cpp).
    void mnuToolInfo_Click();
    void mnuQuizeCheck_Click();
    void mnuHelpDoc_Click();
    void mnuHelpVersion_Click();
    void mnuToolDownload1_Click();
    void mnuToolDownload2_Click();
    Launcher& launcher();

    // The game (quiz_window_play.cpp).
    enum class Flow {
        Next,    // go on with the game
        EndGame, // to the end of the game: cancelled, failed or all done
        Leave,   // the window is closing: leave at once, silently
    };
    void mnuQuizeEasy_Click();
    void mnuQuizeSpeed_Click();
    Flow PlayGame();
    Flow PlayStage();
    Flow PlayQuestion(int number);
    void EndOfGame();
    void FinishGame();
    // Copies the numbers of the running game into the state fields.
    void SyncProgress();
    // Shows one message modally; false when the window is closing.
    bool ShowMessage(const rules::Message& message);
    void TimerQLine_Timer();
    void TimeUp_Timer();

    // Rankings (quiz_window_rank.cpp).
    void mnuToolRank_Click();
    // A double click on the answer panel opens the name entry; the name
    // typed there is not used.
    void Label3_DblClick(POINT client);
    std::wstring ScoreSection() const;

    // Display (quiz_window_display.cpp).
    void CreateControls();
    void LayOut();
    void ApplyStyleColors();
    void Paint(HDC dc);
    LRESULT ControlColor(HDC dc, HWND control);
    void DrawItem(const DRAWITEMSTRUCT& item);
    RECT Pixels(const layout::Twips& r) const;

    HWND textQ_ = nullptr, selA_ = nullptr, textMesBox_ = nullptr;
    std::array<HWND, kMes1Count> mes1_{};
    std::array<HWND, kMes2Count> mes2_{};
    win::UniqueMenu menu_;
    win::UniqueAccel accel_;
    std::optional<win::AcceleratorFilter> accelFilter_;
    std::optional<win::ScopedMessageFilter> accelScope_;
    // Tab and Shift+Tab move between the question box and the choices.
    class TabFilter : public win::MessageFilter {
    public:
        explicit TabFilter(QuizWindow& owner) : owner_(owner) {}
        bool PreTranslateMessage(MSG& msg) override;

    private:
        QuizWindow& owner_;
    };
    TabFilter tabFilter_{*this};
    std::optional<win::ScopedMessageFilter> tabScope_;
    HWND lastFocus_ = nullptr;
    AnswerList answerList_{*this};
    std::optional<rules::GameProgress> progress_; // while a game runs
    bool qLineLit_ = false;

    int dpi_ = 96;
    int style_ = 0;
    std::array<COLORREF, 2> lampBorder_{};
    win::UniqueFont questionFont_, mes1Font_, mes1DigitFont_, mes2Font_, mes2DigitFont_;
    win::UniqueBrush lampBrush_, questionBrush_, answerBrush_;
    bool unloaded_ = false;
    Launcher* launcher_ = nullptr;
};

} // namespace game
