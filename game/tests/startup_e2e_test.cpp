// Vemo.exe started as a player starts it: the splash, the main window, a
// style change and quitting, seen through the transcript, the windows and
// the registry.
#include <gtest/gtest.h>

#include "game/logic/menu_tree.h"
#include "game/logic/styles.h"
#include "game/tests/window_test_support.h"
#include "tests/support/e2e/driver.h"
#include "tests/support/transcript_reader.h"
#include "win/module.h"
#include "win/registry.h"

namespace {

using Lines = std::vector<std::wstring>;
using game::testing::StoreViewStyle;

constexpr DWORD kTimeout = 20000;
const std::wstring kGreeting = L"voice Speak 0 カルミオ\xF8F2";
const std::wstring kHint = L"voice Speak 0  F2でクイズを開いてください";
const std::wstring kFarewell = L"voice Speak 0 カルミオ おわり";

std::filesystem::path GameExe()
{
    return std::filesystem::path(win::ModuleFolder(nullptr)) / L".." / L"bin" / L"Vemo.exe";
}

// Starts the game and waits for the main window after the splash.
class RunningGame {
public:
    RunningGame() : process(GameExe()) {}

    // Waits for the activation hint and the wait for its end that follows
    // it; returns the main window.
    HWND WaitForMainWindow()
    {
        hint = e2e::WaitForLine(transcript.Path(), kHint, 0, kTimeout);
        if (!hint || !e2e::WaitForLine(transcript.Path(), L"voice WaitSpeech", *hint + 1, kTimeout))
            return nullptr;
        return e2e::WaitForWindow(process.Id(), L"VemoQuizWindow", kTimeout);
    }

    testsupport::ScopedTranscript transcript; // before the process: it inherits the variable
    e2e::Process process;
    std::optional<size_t> hint;
};

TEST(GameStartup, SplashMainWindowStyleChangeAndQuit)
{
    StoreViewStyle(std::nullopt);
    RunningGame game;
    ASSERT_TRUE(game.process.Started()) << GameExe();

    // The splash greets while the main window is still hidden.
    auto greeting = e2e::WaitForLine(game.transcript.Path(), kGreeting, 0, kTimeout);
    ASSERT_TRUE(greeting);
    EXPECT_TRUE(e2e::WaitForWindow(game.process.Id(), L"VemoSplash", 1000));

    HWND main = game.WaitForMainWindow();
    ASSERT_TRUE(main);
    EXPECT_EQ(e2e::Title(main), L"カルミオ");
    EXPECT_EQ(e2e::SaidLines(game.transcript.Path()),
              (Lines{L"voice SetMode 65", L"voice StopSpeech", kGreeting, L"voice WaitSpeech", L"voice SetMode 65",
                     L"voice StopSpeech", kHint, L"voice WaitSpeech"}));
    EXPECT_FALSE(e2e::WaitForWindow(game.process.Id(), L"VemoSplash", 0)) << "the splash is still shown";
    EXPECT_EQ(win::ReadUserString(game::kSettingsKey, game::kViewStyleValue), L"0");

    // No quiz: re-read (F6 or its command) and cancel (F8) are disabled and
    // say nothing; the style command after them is carried out.
    e2e::PressKey(main, VK_F6);
    e2e::PressKey(main, VK_F8);
    e2e::PostCommand(main, game::mnuQuizeRevoice);
    e2e::PostCommand(main, game::mnuViewStyleID1);
    EXPECT_TRUE(e2e::WaitForUserString(game::kSettingsKey, game::kViewStyleValue, L"1", kTimeout));
    EXPECT_EQ(e2e::SaidLines(game.transcript.Path()).size(), 8u);
    EXPECT_TRUE(game.process.Running());

    // Quitting says good-bye before the process ends.
    e2e::PostCommand(main, game::mnuFileQuit);
    ASSERT_TRUE(game.process.WaitForExit(kTimeout));
    EXPECT_EQ(game.process.ExitCode(), 0u);
    Lines said = e2e::SaidLines(game.transcript.Path());
    ASSERT_EQ(said.size(), 11u);
    EXPECT_EQ((Lines{said.begin() + 8, said.end()}), (Lines{L"voice StopSpeech", kFarewell, L"voice WaitSpeech"}));
}

TEST(GameStartup, StoredStyleTwoStartsInTheThirdStyle)
{
    StoreViewStyle(L"2");
    RunningGame game;
    HWND main = game.WaitForMainWindow();
    ASSERT_TRUE(main);
    // The window's background (outside every panel) in the metallic grey.
    const game::Rgb back = game::StyleColors(2).windowBack;
    COLORREF expected = RGB(back.r, back.g, back.b);
    EXPECT_TRUE(e2e::WaitFor([&] { return e2e::ScreenColor(main, {4, 4}) == expected; }, kTimeout))
        << std::hex << e2e::ScreenColor(main, {4, 4});
    EXPECT_EQ(win::ReadUserString(game::kSettingsKey, game::kViewStyleValue), L"2");

    // Closing the window ends the game with the farewell too.
    PostMessageW(main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(game.process.WaitForExit(kTimeout));
    EXPECT_TRUE(e2e::WaitForLine(game.transcript.Path(), kFarewell, *game.hint, 0));
}

} // namespace
