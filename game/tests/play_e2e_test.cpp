// Whole games of Vemo.exe, played from another process as a player plays
// them: the stand-in dialog library hands the game a quiz whose right
// answers the test knows ("a<k>-0"), keys go to the focused control, and the
// transcript and the registry show what happened. The game runs faster than
// a player's game (VEMO_TIME_SCALE, read only by the stand-in folder's copy
// of the game): ten times, or twice where the test must act on a short-lived
// window.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "game/quiz/tests/quiz_file_builder.h"
#include "tests/support/e2e/driver.h"
#include "tests/support/temp_folder.h"
#include "tests/support/transcript_reader.h"
#include "win/module.h"
#include "win/registry.h"

namespace {

using Lines = std::vector<std::wstring>;

constexpr DWORD kTimeout = 20000;
const std::wstring kHint = L"voice Speak 0  F2でクイズを開いてください";
const std::wstring kLoaded = L"voice Speak 0 F3でカルミオできます";
const std::wstring kRankingKey = L"Software\\VB and VBA Program Settings\\Vemo\\e2e_play.zlq";

std::wstring Message(const std::wstring& text)
{
    return L"voice Speak 0 " + text + L"\xF8F2";
}

// A quiz file of 30 numbered questions in `folder`.
std::filesystem::path WriteQuiz(const testsupport::ScopedTempFolder& folder)
{
    auto path = folder / L"e2e_play.zlq";
    std::ofstream(path, std::ios::binary) << quiz::testing::QuizFileBytes({30}, 30);
    return path;
}

// The game started from the stand-in's folder with the quiz loaded.
class Game {
public:
    explicit Game(const wchar_t* scale = L"0.1")
        : quiz_(WriteQuiz(folder_)), path_(L"VEMO_STANDIN_PATH", quiz_.wstring()), scale_(L"VEMO_TIME_SCALE", scale),
          cleared_(win::DeleteUserTree(kRankingKey)),
          process(std::filesystem::path(win::ModuleFolder(nullptr)) / L"standin" / L"Vemo.exe")
    {
    }

    // Waits for the main window and loads the quiz with F2.
    bool Start()
    {
        if (!process.Started() || !e2e::WaitForLine(transcript.Path(), kHint, 0, kTimeout))
            return false;
        main = e2e::WaitForWindow(process.Id(), L"VemoQuizWindow", kTimeout);
        if (!main)
            return false;
        list = FindWindowExW(main, nullptr, L"ListBox", nullptr);
        e2e::PressKey(main, VK_F2);
        auto loaded = e2e::WaitForLine(transcript.Path(), kLoaded, 0, kTimeout);
        if (loaded)
            seen = *loaded + 1;
        return loaded.has_value() && list;
    }

    // Waits for the next line at or after `seen` that `match` accepts and
    // moves past it; its index, or nothing on time-out.
    std::optional<size_t> Next(const std::function<bool(const std::wstring&)>& match)
    {
        std::optional<size_t> found = e2e::WaitForLine(transcript.Path(), match, seen, kTimeout);
        if (found)
            seen = *found + 1;
        return found;
    }
    std::optional<size_t> Next(const std::wstring& line)
    {
        return Next([&](const std::wstring& l) { return l == line; });
    }

    // Waits until the choices of the next question are offered (the first
    // one is spoken) and gives the position of the right one.
    std::optional<int> NextChoices()
    {
        if (!Next([](const std::wstring& l) { return l.rfind(L"voice Speak 0 a", 0) == 0; }))
            return std::nullopt;
        for (int i = 0; i < 5; ++i) {
            wchar_t text[64] = {};
            SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
            std::wstring t = text;
            if (t.size() > 2 && t.compare(t.size() - 2, 2, L"-0") == 0)
                return i;
        }
        return std::nullopt;
    }

    // Moves from the first choice to position `to` (Up wraps to the last)
    // and confirms it with Enter.
    void Answer(int to)
    {
        if (to == 4)
            e2e::PressKey(main, VK_UP);
        else
            for (int i = 0; i < to; ++i)
                e2e::PressKey(main, i % 2 ? VK_DOWN : VK_SPACE);
        e2e::PressKey(main, VK_RETURN);
    }

    // Waits until no game runs any more: the last message has gone and the
    // main window takes keys again.
    bool WaitIdle()
    {
        return e2e::WaitFor([&] { return IsWindowEnabled(main) && !FindWindowW(L"VemoMessage", nullptr); }, kTimeout);
    }

    Lines Said() const { return e2e::SaidLines(transcript.Path()); }
    size_t Count(const std::wstring& line, size_t from = 0) const
    {
        Lines said = Said();
        return static_cast<size_t>(std::count(said.begin() + static_cast<std::ptrdiff_t>(std::min(from, said.size())),
                                              said.end(), line));
    }

private:
    testsupport::ScopedTempFolder folder_{"vemo-play-e2e"};
    std::filesystem::path quiz_;
    e2e::ScopedEnv path_, scale_;
    bool cleared_;

public:
    testsupport::ScopedTranscript transcript; // before the process: it inherits the variable
    e2e::Process process;
    HWND main = nullptr;
    HWND list = nullptr;
    size_t seen = 0;
};

TEST(PlayE2E, RelaxedGameAllRightToTheEndEntersPlaceOneAndTheRankingShowsIt)
{
    Game game;
    ASSERT_TRUE(game.Start());
    e2e::PressKey(game.main, VK_F3);
    for (int q = 1; q <= 25; ++q) {
        auto right = game.NextChoices();
        ASSERT_TRUE(right) << "question " << q;
        game.Answer(*right);
    }
    ASSERT_TRUE(game.Next(Message(L"みごと全ステージクリアです")));
    ASSERT_TRUE(game.Next(Message(L"25問中 25問を正解しました")));
    ASSERT_TRUE(game.Next(Message(L"正解率は100パーセントです")));
    ASSERT_TRUE(game.Next(L"voice Speak 0 ベストファイブ入賞　あなたの名前を入力してください"));

    HWND entry = e2e::WaitForWindow(game.process.Id(), L"VemoNameEntry", kTimeout);
    ASSERT_TRUE(entry);
    HWND edit = FindWindowExW(entry, nullptr, L"Edit", nullptr);
    for (wchar_t c : std::wstring(L"テスト"))
        PostMessageW(edit, WM_CHAR, c, 1);
    e2e::PressKey(entry, VK_RETURN);
    ASSERT_TRUE(game.Next(Message(L"じっくり挑戦\r\n第1位 テスト 1000点")));
    ASSERT_TRUE(game.Next(Message(L"ゲームオーバー")));
    EXPECT_TRUE(e2e::WaitForUserString(kRankingKey, L"NameE1", L"テスト      ", kTimeout));
    EXPECT_EQ(win::ReadUserString(kRankingKey, L"ScoreE1"), L"1000");
    EXPECT_EQ(win::ReadUserString(kRankingKey, L"NameE2"), L"ピンキー    ");
    EXPECT_EQ(win::ReadUserString(kRankingKey, L"ScoreT5"), L"100");
    ASSERT_TRUE(game.WaitIdle());

    const Lines said = game.Said();
    EXPECT_EQ(std::count(said.begin(), said.end(), L"voice Speak 0 第 五問"), 5);
    EXPECT_EQ(std::count(said.begin(), said.end(), L"wave async @正解.wav"), 25);
    EXPECT_EQ(std::count(said.begin(), said.end(), Message(L"全問正解\r\nボーナス１００点")), 5);

    // F7: both tables, the new place 1 first.
    e2e::PressKey(game.main, VK_F7);
    auto ranking = game.Next([](const std::wstring& l) { return l.rfind(L"voice Speak 0 ランキング\r\n", 0) == 0; });
    ASSERT_TRUE(ranking);
    const std::wstring text = game.Said()[*ranking];
    EXPECT_NE(text.find(L"じっくり挑戦・ベストファイブ\r\n  第1位 テスト       1000点\r\n  第2位 ピンキー      500点\r\n"),
              std::wstring::npos)
        << testing::PrintToString(text);
    EXPECT_NE(text.find(L"はや押し挑戦・ベストファイブ\r\n  第1位 ブルー        500点\r\n"), std::wstring::npos);
    EXPECT_NE(text.find(L"  第5位 ガリ勉くん    100点\r\nEscapeキーでランキングを終了します\r\n"), std::wstring::npos);

    PostMessageW(game.main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(game.process.WaitForExit(kTimeout));
}

TEST(PlayE2E, FailedStageTimeOutCancelAndClosingDuringGames)
{
    Game game;
    ASSERT_TRUE(game.Start());

    // A relaxed game with five wrong answers fails stage 1.
    e2e::PressKey(game.main, VK_F3);
    for (int q = 1; q <= 5; ++q) {
        auto right = game.NextChoices();
        ASSERT_TRUE(right) << "question " << q;
        game.Answer(*right == 0 ? 1 : 0);
    }
    auto heading = game.Next(Message(L"ステージ終了"));
    ASSERT_TRUE(heading);
    auto over = game.Next(Message(L"ゲームオーバー"));
    ASSERT_TRUE(over);
    ASSERT_TRUE(game.WaitIdle());
    EXPECT_EQ(game.Count(Message(L"残念\r次回はがんばってね"), *heading) +
                  game.Count(Message(L"残念でした\rまた挑戦してね"), *heading),
              1u);
    Lines said;
    EXPECT_EQ(game.Count(L"wave async @はずれ.wav"), 5u);
    EXPECT_EQ(game.Count(L"voice Speak 0 ベストファイブ入賞　あなたの名前を入力してください"), 0u);
    EXPECT_FALSE(win::ReadUserString(kRankingKey, L"NameE1").has_value());

    // Quick-press: the first question runs out of time with its countdown;
    // the choices of the second are cancelled with F8.
    const size_t quickStart = game.seen;
    e2e::PressKey(game.main, VK_F4);
    ASSERT_TRUE(game.NextChoices());
    auto judged = game.Next([](const std::wstring& l) { return l.rfind(L"wave async @", 0) == 0; });
    ASSERT_TRUE(judged);
    said = game.Said();
    Lines cues;
    for (size_t i = quickStart; i < *judged; ++i)
        if (said[i].rfind(L"voice Sound 10 ", 0) == 0)
            cues.push_back(said[i]);
    EXPECT_EQ(cues.size(), 9u);
    EXPECT_EQ(cues.front(), L"voice Sound 10 1 0");
    EXPECT_EQ(cues.back(), L"voice Sound 10 3 0");
    ASSERT_TRUE(game.NextChoices());
    e2e::PressKey(game.main, VK_F8);
    ASSERT_TRUE(game.Next(Message(L"中断しました")));
    ASSERT_TRUE(game.WaitIdle());

    // Closing the window while the choices are offered says goodbye only.
    const size_t closeStart = game.seen;
    e2e::PressKey(game.main, VK_F3);
    ASSERT_TRUE(game.NextChoices());
    PostMessageW(game.main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(game.process.WaitForExit(kTimeout));
    EXPECT_EQ(game.Count(L"voice Speak 0 カルミオ おわり", closeStart), 1u);
    EXPECT_EQ(game.Count(Message(L"中断しました"), closeStart), 0u);
    EXPECT_EQ(game.Count(Message(L"ゲームオーバー"), closeStart), 0u);
}

TEST(PlayE2E, EscapeInTheMarkWindowEndsTheGameWithoutAStageEnd)
{
    Game game(L"0.5");
    ASSERT_TRUE(game.Start());
    const size_t start = game.seen;
    e2e::PressKey(game.main, VK_F3);
    auto right = game.NextChoices();
    ASSERT_TRUE(right);
    game.Answer(*right);
    HWND mark = e2e::WaitForWindow(game.process.Id(), L"VemoMark", kTimeout);
    ASSERT_TRUE(mark);
    // The window shows before it takes the focus from the choice list; a key
    // pressed in between would go to the list and be lost.
    ASSERT_TRUE(e2e::WaitForFocus(mark, kTimeout));
    e2e::PressKey(mark, VK_ESCAPE);
    ASSERT_TRUE(game.Next(Message(L"中断しました")));
    EXPECT_EQ(game.Count(Message(L"ステージ終了"), start), 0u);
    EXPECT_EQ(game.Count(L"voice Speak 0 第 二問", start), 0u);
    EXPECT_EQ(game.Count(L"wave async @正解.wav", start), 1u);
    PostMessageW(game.main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(game.process.WaitForExit(kTimeout));
}

} // namespace
