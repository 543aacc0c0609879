// The main window outside a game: its start-up state, the display styles
// and where they are stored, and what it says on activation and focus.
#include <gtest/gtest.h>

#include "game/fonts.h"
#include "game/logic/layout.h"
#include "game/logic/texts.h"
#include "game/tests/window_test_support.h"
#include "win/window.h"

namespace game {
namespace {

using namespace testing;

std::vector<int> CheckedStyles(HMENU menu)
{
    std::vector<int> checked;
    for (int i = 0; i < kStyleCount; ++i)
        if (GetMenuState(menu, static_cast<UINT>(mnuViewStyleID0 + i), MF_BYCOMMAND) & MF_CHECKED)
            checked.push_back(i);
    return checked;
}

using QuizWindowTest = GameWindowTest;

TEST_F(QuizWindowTest, LoadsHiddenWithTheStartUpTextAndTheCommandsOfNoQuiz)
{
    EXPECT_FALSE(IsWindowVisible(window.hwnd()));
    EXPECT_EQ(win::GetText(window.hwnd()), L"カルミオ");
    for (int id : StateCommands())
        EXPECT_EQ(window.CommandIsEnabled(id), CommandEnabled(id, MenuState::NoQuiz)) << FindCommand(id)->name;
    for (int id : {mnuFileQuit, mnuViewStyleID3, mnuToolDownload1, mnuHelpDoc, mnuHelpVersion})
        EXPECT_TRUE(window.CommandIsEnabled(id)) << FindCommand(id)->name;
    EXPECT_EQ(win::GetText(window.TextMesBox()), texts::kStartupText);
    EXPECT_EQ(Said(), (Lines{L"voice SetMode 65"}));
}

// A stored style is used, anything else starts the standard one and is
// rewritten; the style menu stores its choice and moves the check mark.
TEST_F(QuizWindowTest, TheStoredStyleIsUsedOrRewrittenAndTheMenuStoresTheChoice)
{
    const std::pair<std::optional<std::wstring>, int> stored[] = {
        {std::nullopt, 0}, {L"2", 2}, {L"3", 3}, {L"abc", 0}, {L"7", 0}, {L"-1", 0}};
    for (const auto& [value, style] : stored) {
        QuizWindow w;
        StoreViewStyle(value);
        ASSERT_TRUE(w.Load(GetModuleHandleW(nullptr)));
        EXPECT_EQ(w.CurrentStyle(), style) << value.value_or(L"none");
        EXPECT_EQ(CheckedStyles(w.Menu()), std::vector{style});
        EXPECT_EQ(win::ReadUserString(kSettingsKey, kViewStyleValue), std::to_wstring(style));
    }
    for (int style : {1, 3, 2, 0}) {
        Command(mnuViewStyleID0 + style);
        EXPECT_EQ(CheckedStyles(window.Menu()), std::vector{style});
        EXPECT_EQ(win::ReadUserString(kSettingsKey, kViewStyleValue), std::to_wstring(style));
        EXPECT_EQ(window.CurrentStyle(), style);
    }
}

// Keys reach only enabled commands: F8 and re-reading do nothing outside
// a game, and work while the choices are offered.
TEST_F(QuizWindowTest, CancelAndRereadWorkOnlyWhileTheyAreEnabled)
{
    SetWindowTextW(window.TextQ(), L"日本一高い山は？");
    Key(window.SelA(), VK_F8);
    Command(mnuQuizeCancel);
    Command(mnuQuizeRevoice);
    EXPECT_FALSE(QuizAbort);
    EXPECT_EQ(Said().size(), 1u);
    window.ApplyMenuState(MenuState::Answering);
    Command(mnuQuizeRevoice);
    EXPECT_EQ(Said(1), (Lines{L"voice StopSpeech", L"voice Speak 0 日本一高い山は？"}));
    Key(window.SelA(), VK_F8);
    EXPECT_TRUE(QuizAbort);
}

// Activation speaks the hint until a quiz is loaded; the question box
// hands the focus on between questions and is announced during an answer.
TEST_F(QuizWindowTest, ActivationAndTheQuestionBoxFocusSpeakWhatTheyShould)
{
    window.Show();
    win::DoEvents();
    EXPECT_EQ(Said(1), (Lines{L"voice SetMode 65", L"voice StopSpeech", L"voice Speak 0  F2でクイズを開いてください",
                              L"voice WaitSpeech"}));
    window.QuizLoaded = true;
    HWND other = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr, nullptr,
                                 nullptr, nullptr);
    SetActiveWindow(other);
    SetActiveWindow(window.hwnd());
    win::DoEvents();
    DestroyWindow(other);
    EXPECT_EQ(Said(5), (Lines{L"voice SetMode 65", L"voice StopSpeech"}));

    SetFocus(window.TextQ());
    EXPECT_EQ(GetFocus(), window.SelA());
    EXPECT_EQ(Said().size(), 7u);
    window.Answering = true;
    SetFocus(window.TextQ());
    EXPECT_EQ(GetFocus(), window.TextQ());
    SetFocus(window.SelA());
    EXPECT_EQ(Said(7), (Lines{L"voice Speak 0 問題", L"voice Speak 0 解答"}));
    Key(window.SelA(), VK_TAB);
    EXPECT_EQ(GetFocus(), window.TextQ());
}

// A double click on the panel behind the choices opens the name entry (here
// given a name at once); elsewhere in the window nothing opens.
TEST_F(QuizWindowTest, ADoubleClickOnTheAnswerPanelAndOnlyThereOpensTheNameEntry)
{
    const int dpi = ScreenDpi();
    const POINT panel = {layout::ToPixels(layout::kLabel3.left + 60, dpi),
                         layout::ToPixels(layout::kLabel3.top + layout::kLabel3.height - 60, dpi)};
    for (const POINT at : {POINT{2, 2}, panel}) {
        OnActivate entry(L"VemoNameEntry", [](HWND w) {
            HWND box = FindWindowExW(w, nullptr, L"EDIT", nullptr);
            SetWindowTextW(box, L"Q");
            PostMessageW(box, WM_KEYDOWN, VK_RETURN, 0);
        }, false);
        SendMessageW(window.hwnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(at.x, at.y));
        EXPECT_EQ(entry.Ran(), at.x != 2);
        EXPECT_FALSE(entry.TimedOut());
    }
}

} // namespace
} // namespace game
