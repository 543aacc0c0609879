// Whole games in process, at a tenth of the real pace: a player on a
// thread timer answers as each test tells it, and the transcript, the state
// fields, the menus and the stored rankings show what the game did.
#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "game/logic/menu_tree.h"
#include "game/program_state.h"
#include "game/quiz_window.h"
#include "game/rules/score_store.h"
#include "game/tests/modal_probe.h"
#include "game/tests/window_test_support.h"
#include "game/timing.h"
#include "win/message_loop.h"
#include "win/registry.h"
#include "win/window.h"

namespace game {
namespace {

using testing::Said;
using Lines = std::vector<std::wstring>;

constexpr wchar_t kQuizFile[] = L"game_play_test.zlq";

// A quiz of n questions "q<k>" with answers "a<k>-0" (right) to "a<k>-4".
quiz::QuestionStore NumberedQuiz(int n)
{
    quiz::QuestionStore store;
    for (int k = 0; k < n; ++k) {
        store.ListQ.push_back({L"q" + std::to_wstring(k), 5 * k});
        for (int a = 0; a < 5; ++a)
            store.ListA.push_back(L"a" + std::to_wstring(k) + L"-" + std::to_wstring(a));
    }
    store.QuizTotal = n;
    store.GenreCount[0] = n;
    return store;
}

std::wstring ListText(HWND list, int i)
{
    wchar_t text[64] = {};
    SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
    return text;
}

int RightPosition(HWND list)
{
    for (int i = 0; i < 5; ++i) {
        std::wstring t = ListText(list, i);
        if (t.size() > 2 && t.compare(t.size() - 2, 2, L"-0") == 0)
            return i;
    }
    return -1;
}

// What the player does when the choices of a question are offered.
enum class Act {
    Right,  // moves to the right choice with the keys and presses Enter
    Wrong,  // confirms a wrong one
    Select, // moves to the right choice and waits for the time limit
    Cancel, // F8
};

// The player: a thread timer of the test's thread, run inside the game's
// waits. A watchdog ends a game that hangs.
class Player {
public:
    Player(QuizWindow& window, std::function<Act(int question)> plan, std::wstring name = L"テスト")
        : window_(window), plan_(std::move(plan)), name_(std::move(name))
    {
        current_ = this;
        timer_ = SetTimer(nullptr, 0, 10, &Player::Tick);
        start_ = GetTickCount();
    }
    ~Player()
    {
        KillTimer(nullptr, timer_);
        current_ = nullptr;
    }

    int namesEntered = 0;
    bool timedOut = false;
    // Menu states seen while the first question's choices were offered.
    std::vector<std::pair<int, bool>> answeringMenus;

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD)
    {
        if (current_)
            current_->Step();
    }

    void Step()
    {
        if (GetTickCount() - start_ > 60000) {
            timedOut = true;
            window_.Closing = true;
            QuizAbort = true;
            window_.Answering = false;
            return;
        }
        if (HWND entry = FindWindowW(L"VemoNameEntry", nullptr); entry && IsWindowVisible(entry) && !naming_) {
            naming_ = true;
            ++namesEntered;
            if (name_.empty()) {
                // No name: the player closes the game instead.
                PostMessageW(window_.hwnd(), WM_CLOSE, 0, 0);
                return;
            }
            HWND edit = FindWindowExW(entry, nullptr, L"EDIT", nullptr);
            SetWindowTextW(edit, name_.c_str());
            PostMessageW(edit, WM_KEYDOWN, VK_RETURN, 0);
            return;
        }
        if (!window_.Answering || window_.TotalAsked == handled_)
            return;
        handled_ = window_.TotalAsked;
        naming_ = false;
        if (answeringMenus.empty())
            for (int id : StateCommands())
                answeringMenus.emplace_back(id, window_.CommandIsEnabled(id));
        HWND list = window_.SelA();
        const int right = RightPosition(list);
        const Act act = plan_(window_.TotalAsked);
        switch (act) {
        case Act::Right:
        case Act::Select:
            for (int i = 0; i < right; ++i)
                SendMessageW(list, WM_KEYDOWN, VK_DOWN, 0);
            if (act == Act::Right)
                PostMessageW(list, WM_KEYDOWN, VK_RETURN, 0);
            break;
        case Act::Wrong:
            SendMessageW(list, LB_SETCURSEL, static_cast<WPARAM>(right == 0 ? 1 : 0), 0);
            PostMessageW(list, WM_KEYDOWN, VK_RETURN, 0);
            break;
        case Act::Cancel:
            PostMessageW(window_.hwnd(), WM_COMMAND, MAKEWPARAM(mnuQuizeCancel, 0), 0);
            break;
        }
    }

    static inline Player* current_ = nullptr;
    QuizWindow& window_;
    std::function<Act(int)> plan_;
    std::wstring name_;
    UINT_PTR timer_ = 0;
    DWORD start_ = 0;
    int handled_ = 0;
    bool naming_ = false;
};

// True when every line of `expected` appears in `said`, in this order.
::testing::AssertionResult SaidInOrder(const Lines& said, const Lines& expected)
{
    size_t at = 0;
    for (const auto& line : expected) {
        while (at < said.size() && said[at] != line)
            ++at;
        if (at == said.size())
            return ::testing::AssertionFailure() << "not said (in order): " << ::testing::PrintToString(line);
        ++at;
    }
    return ::testing::AssertionSuccess();
}

size_t Count(const Lines& said, const std::wstring& line)
{
    return static_cast<size_t>(std::count(said.begin(), said.end(), line));
}

std::wstring Message(const std::wstring& text)
{
    return L"voice Speak 0 " + text + L"\xF8F2";
}

class GamePlay : public ::testing::Test {
protected:
    void SetUp() override
    {
        testing::StoreViewStyle(L"0");
        win::DeleteUserTree(rules::ScoreKeyPath(kQuizFile));
        QuizAbort = false;
        SetTimeScale(0.1);
        ASSERT_TRUE(window.Load(GetModuleHandleW(nullptr)));
        window.Quiz = NumberedQuiz(30);
        window.QuizPath = std::wstring(L"C:\\quizzes\\") + kQuizFile;
        window.QuizLoaded = true;
        window.ApplyMenuState(MenuState::QuizLoaded);
        window.Show();
        win::DoEvents();
    }
    void TearDown() override
    {
        SetTimeScale(1);
        win::DeleteUserTree(rules::ScoreKeyPath(kQuizFile));
    }
    void Command(int id) { SendMessageW(window.hwnd(), WM_COMMAND, MAKEWPARAM(id, 0), 0); }
    std::optional<std::wstring> Stored(const std::wstring& name)
    {
        return win::ReadUserString(rules::ScoreKeyPath(kQuizFile), name);
    }
    void ExpectIdleMenus()
    {
        for (int id : {mnuFileOpen, mnuQuizeEasy, mnuQuizeSpeed, mnuToolRank, mnuToolInfo})
            EXPECT_TRUE(window.CommandIsEnabled(id)) << FindCommand(id)->name;
        for (int id : {mnuQuizeCancel, mnuQuizeCheck, mnuQuizeRevoice})
            EXPECT_FALSE(window.CommandIsEnabled(id)) << FindCommand(id)->name;
    }

    testsupport::ScopedTranscript transcript;
    QuizWindow window;
};

TEST_F(GamePlay, DuringAnAnswerOnlyTheAnswerCommandsAreAddedAndNoQuestionComesTwice)
{
    std::vector<std::wstring> questions;
    Player player(window, [&](int asked) {
        questions.push_back(win::GetText(window.TextQ()));
        return asked <= 5 ? Act::Right : Act::Cancel;
    });
    Command(mnuQuizeEasy);
    ASSERT_FALSE(player.timedOut);
    const std::vector<std::pair<int, bool>> expected = {
        {mnuFileOpen, false},    {mnuQuizeEasy, false},  {mnuQuizeSpeed, false}, {mnuQuizeCheck, true},
        {mnuQuizeRevoice, true}, {mnuQuizeCancel, true}, {mnuToolRank, true},    {mnuToolInfo, true}};
    EXPECT_EQ(player.answeringMenus, expected);
    std::sort(questions.begin(), questions.end());
    EXPECT_EQ(std::unique(questions.begin(), questions.end()), questions.end());
    EXPECT_EQ(questions.size(), 6u);
}

TEST_F(GamePlay, StageOneClearedEarlyStillAsksAllFiveAndFailingStageTwoEndsTheGame)
{
    // Stage 1: right, right (cleared), wrong, right, wrong. Stage 2 (needs
    // three): right, then four wrong.
    const std::vector<Act> plan = {Act::Right, Act::Right, Act::Wrong, Act::Right, Act::Wrong,
                                   Act::Right, Act::Wrong, Act::Wrong, Act::Wrong, Act::Wrong};
    std::vector<std::pair<int, std::wstring>> needShown; // Need and the right lamp's number label
    Player player(window, [&](int asked) {
        needShown.emplace_back(window.Need, win::GetText(window.Mes2(0)));
        return plan.at(static_cast<size_t>(asked - 1));
    });
    // Each number the game draws, noted with the count of lines said by then.
    std::vector<size_t> draws;
    window.Random = [&, seeded = window.Random] {
        draws.push_back(Said(transcript).size());
        return seeded();
    };
    Command(mnuQuizeEasy);
    ASSERT_FALSE(player.timedOut);
    const Lines said = Said(transcript);

    ASSERT_EQ(window.TotalAsked, 10);
    EXPECT_EQ(window.TotalCorrect, 4);
    // After the second right answer the lamp reads ステ｜ジクリア and Need stays 0.
    EXPECT_EQ(needShown[2].first, 0);
    EXPECT_EQ(needShown[2].second, L"ス");
    EXPECT_EQ(needShown[4].first, 0);
    EXPECT_EQ(needShown[5].first, 3);
    EXPECT_TRUE(SaidInOrder(said, {
        Message(L"おめでとう\rステージ クリアです"),
        Message(L"ステージ2\r\n5問中\r\n3問正解でクリアです"),
        Message(L"ステージ終了"),
    }));
    EXPECT_EQ(Count(said, Message(L"全問正解\r\nボーナス１００点")), 0u);
    // Two short: one of the two consolations; 80 points enter no table.
    const bool consoled = Count(said, Message(L"残念\r次回はがんばってね")) +
                              Count(said, Message(L"残念でした\rまた挑戦してね")) == 1;
    EXPECT_TRUE(consoled);
    // Only the consolation draws a number at a stage end: none from the
    // first stage's end to the second's introduction, one after its end.
    const auto firstEnd = std::find(said.begin(), said.end(), Message(L"ステージ終了"));
    const auto secondIntro = std::find(firstEnd, said.end(), Message(L"ステージ2\r\n5問中\r\n3問正解でクリアです"));
    const auto secondEnd = std::find(secondIntro, said.end(), Message(L"ステージ終了"));
    ASSERT_NE(secondEnd, said.end());
    auto drawsBetween = [&](Lines::const_iterator from, Lines::const_iterator to) {
        const auto first = static_cast<size_t>(from - said.begin()), last = static_cast<size_t>(to - said.begin());
        return std::count_if(draws.begin(), draws.end(), [&](size_t d) { return d > first && d <= last; });
    };
    EXPECT_EQ(drawsBetween(firstEnd, secondIntro), 0);
    EXPECT_EQ(drawsBetween(secondEnd, said.end()), 1);
    EXPECT_TRUE(SaidInOrder(said, {Message(L"ゲームオーバー")}));
    EXPECT_EQ(player.namesEntered, 0);
    EXPECT_EQ(window.EasyScore, 80);
    EXPECT_FALSE(Stored(L"ScoreE1").has_value()) << "nothing is written when the score enters nowhere";
    ExpectIdleMenus();
}

TEST_F(GamePlay, OneShortSaysSoAndATieWithPlaceFiveTakesIt)
{
    // Stage 1 with one right answer; a relaxed score of 20 then ranks
    // nowhere. A table whose fifth place holds 20 takes it, ties above.
    win::WriteUserString(rules::ScoreKeyPath(kQuizFile), L"ScoreE5", L"20");
    Player player(window, [](int asked) { return asked == 3 ? Act::Right : Act::Wrong; }, L"ABCDEFGHIJKL");
    Command(mnuQuizeEasy);
    ASSERT_FALSE(player.timedOut);
    const Lines said = Said(transcript);
    EXPECT_TRUE(SaidInOrder(said, {Message(L"ステージ終了"), Message(L"おしい　あと１問で\rクリアでした"),
                                   Message(L"じっくり挑戦\r\n第5位 ABCDEFGHIJKL   20点"),
                                   Message(L"ゲームオーバー")}));
    EXPECT_EQ(Stored(L"NameE5"), L"ABCDEFGHIJKL");
    EXPECT_EQ(Stored(L"ScoreE5"), L"20");
    EXPECT_EQ(Stored(L"NameE4"), L"イチロー    ");
}

TEST_F(GamePlay, ClosingTheGameWhileTheNameIsAskedStoresNothing)
{
    win::WriteUserString(rules::ScoreKeyPath(kQuizFile), L"ScoreE5", L"20");
    Player player(window, [](int asked) { return asked == 3 ? Act::Right : Act::Wrong; }, L"");
    Command(mnuQuizeEasy);
    ASSERT_FALSE(player.timedOut);
    EXPECT_EQ(player.namesEntered, 1);
    EXPECT_TRUE(window.Unloaded());
    const Lines said = Said(transcript);
    EXPECT_EQ(Count(said, L"voice Speak 0 カルミオ おわり"), 1u);
    EXPECT_EQ(Count(said, Message(L"ゲームオーバー")), 0u);
    EXPECT_EQ(Stored(L"ScoreE5"), L"20") << "the stored table is as it was";
    EXPECT_FALSE(Stored(L"NameE1").has_value());
}

TEST_F(GamePlay, QuickPressTimeLimitJudgesTheSelectedChoiceWithTheCountdownCues)
{
    window.SpeedMode = true;
    Player player(window, [](int asked) { return asked == 1 ? Act::Select : Act::Cancel; });
    window.GameMain();
    ASSERT_FALSE(player.timedOut);
    const Lines said = Said(transcript);

    // Ticks 1-4, 5-7 and 8-9 give their cues; the tenth ends the question.
    Lines cues;
    for (const auto& line : said)
        if (line.rfind(L"voice Sound 10 ", 0) == 0)
            cues.push_back(line.substr(12));
    EXPECT_EQ(cues, (Lines{L"10 1 0", L"10 1 0", L"10 1 0", L"10 1 0", L"10 2 0", L"10 2 0", L"10 2 0",
                           L"10 3 0", L"10 3 0"}));
    // The selected choice was the right one: 10 points at the limit.
    EXPECT_EQ(window.TotalCorrect, 1);
    EXPECT_EQ(window.SpeedScore, 10);
    EXPECT_EQ(window.EasyScore, 0);
    EXPECT_TRUE(SaidInOrder(said, {Message(L"中断しました")}));
}

TEST_F(GamePlay, CancelWhileChoicesAreOfferedBlanksTheDisplaysAndSkipsTheRanking)
{
    Player player(window, [](int asked) { return asked < 3 ? Act::Right : Act::Cancel; });
    Command(mnuQuizeSpeed);
    ASSERT_FALSE(player.timedOut);
    const Lines said = Said(transcript);

    EXPECT_EQ(window.TotalAsked, 3);
    EXPECT_EQ(Count(said, Message(L"中断しました")), 1u);
    EXPECT_EQ(Count(said, Message(L"ゲームオーバー")), 0u);
    EXPECT_EQ(Count(said, Message(L"ステージ終了")), 0u);
    EXPECT_EQ(player.namesEntered, 0);
    EXPECT_EQ(win::GetText(window.TextQ()), L"");
    EXPECT_EQ(SendMessageW(window.SelA(), LB_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(win::GetText(window.Mes1(1)), L"");
    EXPECT_EQ(win::GetText(window.Mes2(0)), L"");
    // The clock stopped with the game: no cue after the message.
    const auto last = std::find(said.begin(), said.end(), Message(L"中断しました"));
    EXPECT_EQ(std::count_if(last, said.end(), [](const std::wstring& l) { return l.rfind(L"voice Sound", 0) == 0; }),
              0);
    EXPECT_EQ(window.SpeedScore, 0) << "reset after a quick-press game";
    ExpectIdleMenus();
}

TEST_F(GamePlay, EscapeInTheStageIntroductionEndsTheGameBeforeAnyQuestion)
{
    testing::WhenShown escape([](HWND w) { PostMessageW(w, WM_KEYDOWN, VK_ESCAPE, 0); });
    Player player(window, [](int) { return Act::Right; });
    Command(mnuQuizeEasy);
    ASSERT_FALSE(player.timedOut);
    EXPECT_TRUE(escape.Ran());
    const Lines said = Said(transcript);
    EXPECT_EQ(window.TotalAsked, 0);
    EXPECT_EQ(Count(said, L"voice Speak 0 第 一問"), 0u);
    EXPECT_EQ(Count(said, Message(L"ステージ終了")), 0u);
    EXPECT_EQ(Count(said, Message(L"中断しました")), 1u);
    ExpectIdleMenus();
}

TEST_F(GamePlay, AnErrorInTheLoopEndsTheGameWithTheErrorCueAndNoMessage)
{
    // Answers that the store does not hold: filling the choices fails.
    window.Quiz.ListA.truncate(3);
    Player player(window, [](int) { return Act::Right; });
    Command(mnuQuizeEasy);
    ASSERT_FALSE(player.timedOut);
    const Lines said = Said(transcript);
    EXPECT_EQ(Count(said, L"voice Sound 500 3 0"), 1u);
    EXPECT_EQ(Count(said, Message(L"ゲームオーバー")), 0u);
    EXPECT_EQ(Count(said, Message(L"中断しました")), 0u);
    EXPECT_FALSE(window.Playing);
    ExpectIdleMenus();
}

TEST_F(GamePlay, AQuizWithoutQuestionsStartsNoGame)
{
    window.Quiz = NumberedQuiz(0);
    const Lines before = Said(transcript);
    Command(mnuQuizeEasy);
    Command(mnuQuizeSpeed);
    EXPECT_FALSE(window.Playing);
    EXPECT_EQ(window.TotalAsked, 0);
    EXPECT_EQ(Said(transcript), before) << "nothing said, nothing shown";
    EXPECT_TRUE(window.CommandIsEnabled(mnuFileOpen));
}

} // namespace
} // namespace game
