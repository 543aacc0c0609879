// Vemo.exe run as a player runs it, driven from another process, for what
// only a whole program shows: it starts and speaks, finds the dialog
// library put beside it while it runs, opens a quiz through the library's
// dialog, plays a stage with keys sent to its windows and quits. The copy
// of the game used reads VEMO_TIME_SCALE and runs at ten times the pace;
// the in-process tests check the rest.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include <fstream>

#include "game/logic/menu_tree.h"
#include "game/quiz/tests/quiz_file_builder.h"
#include "tests/support/e2e/driver.h"
#include "tests/support/temp_folder.h"
#include "tests/support/transcript_reader.h"
#include "win/module.h"
#include "win/window.h"

namespace {

using Lines = std::vector<std::wstring>;
namespace fs = std::filesystem;

constexpr DWORD kTimeout = 20000;

std::wstring Speak(const std::wstring& text) { return L"voice Speak 0 " + text; }
std::wstring Message(const std::wstring& text) { return Speak(text) + L"\xF8F2"; }

TEST(GameE2E, StartsOpensAQuizThroughTheDialogPlaysAStageAndQuits)
{
    // The game in a folder of its own, with its sounds and a quiz of 30
    // questions whose right answers are "a<k>-0", but no dialog library.
    const fs::path build = fs::path(win::ModuleFolder(nullptr));
    testsupport::ScopedTempFolder program("vemo-e2e");
    for (const auto& file : fs::directory_iterator(build / L"standin"))
        if (file.path().filename() != L"LUMADLG.dll")
            fs::copy(file.path(), program / file.path().filename());
    std::ofstream(program / L"e2e_play.zlq", std::ios::binary) << quiz::testing::QuizFileBytes({30}, 30);
    e2e::ScopedEnv scale(L"VEMO_TIME_SCALE", L"0.1");
    testsupport::ScopedTranscript transcript; // before the process: it inherits the variable
    e2e::Process game(program / L"Vemo.exe");
    ASSERT_TRUE(game.Started());
    size_t seen = 0;
    auto next = [&](const std::function<bool(const std::wstring&)>& match) {
        auto found = e2e::WaitForLine(transcript.Path(), match, seen, kTimeout);
        seen = found ? *found + 1 : seen;
        return found.has_value();
    };
    auto nextLine = [&](const std::wstring& line) { return next([&](const std::wstring& l) { return l == line; }); };

    // The splash greets while the main window is still hidden; the main
    // window speaks the hint.
    ASSERT_TRUE(nextLine(Message(L"カルミオ")));
    EXPECT_TRUE(e2e::WaitForWindow(game.Id(), L"VemoSplash", kTimeout));
    HWND main = e2e::WaitForWindow(game.Id(), L"VemoQuizWindow", kTimeout);
    ASSERT_TRUE(main);
    ASSERT_TRUE(nextLine(L"voice WaitSpeech") && nextLine(Speak(L" F2でクイズを開いてください")) &&
                nextLine(L"voice WaitSpeech"));
    EXPECT_FALSE(e2e::WaitForWindow(game.Id(), L"VemoSplash", 0)) << "the splash is still shown";

    // Without the library an open is a cancel; put back, it is found at the
    // next open, which shows its dialog over the disabled game, in the
    // program folder, listing the quiz alone. The quiz's name typed without
    // its extension opens it.
    e2e::PressKey(main, VK_F2);
    ASSERT_TRUE(nextLine(Speak(L"パス")));
    for (const wchar_t* file : {L"LUMADLG.dll", L"VOSKUSR.dll"})
        fs::copy_file(build / L".." / L"bin" / file, program / file);
    e2e::PressKey(main, VK_F2);
    HWND dialog = e2e::WaitForWindow(game.Id(), L"#32770", kTimeout);
    ASSERT_TRUE(dialog);
    EXPECT_EQ(win::GetText(dialog), L"クイズを開く");
    EXPECT_FALSE(IsWindowEnabled(main));
    HWND list = GetDlgItem(dialog, 1004);
    EXPECT_TRUE(e2e::WaitFor([&] { return SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == 2; }, kTimeout))
        << "the way up and the quiz";
    for (wchar_t c : std::wstring(L"e2e_play"))
        PostMessageW(e2e::FocusOf(dialog), WM_CHAR, c, 1);
    e2e::PressKey(dialog, VK_RETURN);
    ASSERT_TRUE(nextLine(Message(L"問題数30") + L"ロード おわり\xF8F2") && nextLine(Speak(L"F3でカルミオできます")));

    // Stage 1 answered right with the keys a player uses: Space and Down
    // move down, Up from the first choice goes to the last, Enter confirms.
    // At the first choices of stage 2, F8 ends the game.
    const size_t start = seen;
    HWND choices = FindWindowExW(main, nullptr, L"ListBox", nullptr);
    e2e::PressKey(main, VK_F3);
    for (int q = 1; q <= 6; ++q) {
        ASSERT_TRUE(next([](const std::wstring& l) { return l.starts_with(L"voice Speak 0 a"); })) << q;
        int right = 0;
        for (wchar_t text[64]; right < 5; ++right)
            if (SendMessageW(choices, LB_GETTEXT, static_cast<WPARAM>(right), reinterpret_cast<LPARAM>(text)) > 0 &&
                std::wstring(text).ends_with(L"-0"))
                break;
        for (int i = 0; q < 6 && i < (right == 4 ? 1 : right); ++i)
            e2e::PressKey(main, right == 4 ? VK_UP : i % 2 ? VK_DOWN : VK_SPACE);
        e2e::PressKey(main, q < 6 ? VK_RETURN : VK_F8);
    }
    ASSERT_TRUE(nextLine(Message(L"中断しました")));
    const Lines said = transcript.Said();
    auto count = [&](const std::wstring& line) { return std::count(said.begin() + start, said.end(), line); };
    EXPECT_EQ(count(L"wave async @正解.wav"), 5);
    EXPECT_EQ(count(Message(L"全問正解\r\nボーナス１００点")), 1);
    EXPECT_EQ(count(Message(L"ステージ2\r\n5問中\r\n3問正解でクリアです")), 1);

    // Quitting says good-bye before the process ends.
    ASSERT_TRUE(e2e::WaitFor([&] { return IsWindowEnabled(main) && !FindWindowW(L"VemoMessage", nullptr); }, kTimeout));
    e2e::PostCommand(main, game::mnuFileQuit);
    ASSERT_TRUE(game.WaitForExit(kTimeout));
    EXPECT_EQ(game.ExitCode(), 0u);
    const Lines farewell = transcript.Said();
    EXPECT_EQ(Lines(farewell.end() - 3, farewell.end()),
              (Lines{L"voice StopSpeech", Speak(L"カルミオ おわり"), L"voice WaitSpeech"}));
}

} // namespace
