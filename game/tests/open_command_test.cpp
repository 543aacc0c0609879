// The open command in process, where no dialog library lies beside the test
// program: every open is a cancel.
#include <gtest/gtest.h>

#include "game/logic/menu_tree.h"
#include "game/program_state.h"
#include "game/quiz_window.h"
#include "game/tests/window_test_support.h"
#include "win/message_loop.h"

namespace game {
namespace {

using testing::Said;
using Lines = std::vector<std::wstring>;

class OpenWithoutLibrary : public ::testing::Test {
protected:
    void SetUp() override
    {
        testing::StoreViewStyle(L"0");
        ASSERT_TRUE(window.Load(GetModuleHandleW(nullptr)));
        // The window stays hidden: nothing is spoken on activation.
        ASSERT_EQ(Said(transcript), (Lines{L"voice SetMode 65"}));
    }
    void Open() { SendMessageW(window.hwnd(), WM_COMMAND, MAKEWPARAM(mnuFileOpen, 0), 0); }
    bool TextBoxShown() { return (GetWindowLongPtrW(window.TextMesBox(), GWL_STYLE) & WS_VISIBLE) != 0; }

    testsupport::ScopedTranscript transcript;
    QuizWindow window;
};

TEST_F(OpenWithoutLibrary, BeforeAnyQuizSaysPassAndShowsTheStartUpTextAgain)
{
    ShowWindow(window.TextMesBox(), SW_HIDE);
    Open();
    EXPECT_EQ(Said(transcript), (Lines{L"voice SetMode 65", L"voice Speak 0 パス"}));
    EXPECT_TRUE(TextBoxShown());
    EXPECT_FALSE(window.QuizLoaded);
    EXPECT_FALSE(window.CommandIsEnabled(mnuQuizeEasy));
    EXPECT_FALSE(window.CommandIsEnabled(mnuQuizeSpeed));
    EXPECT_FALSE(window.CommandIsEnabled(mnuToolInfo));
    EXPECT_FALSE(window.CommandIsEnabled(mnuToolRank));
    EXPECT_EQ(win::GetText(window.hwnd()), L"カルミオ");
}

TEST_F(OpenWithoutLibrary, AfterALoadSaysPassAndKeepsTheQuiz)
{
    window.QuizLoaded = true;
    window.QuizPath = L"C:\\q\\a.zlq";
    window.QuizTotal = 7;
    window.ApplyMenuState(MenuState::QuizLoaded);
    ShowWindow(window.TextMesBox(), SW_HIDE);
    Open();
    Open();
    EXPECT_EQ(Said(transcript), (Lines{L"voice SetMode 65", L"voice Speak 0 パス", L"voice Speak 0 パス"}));
    EXPECT_FALSE(TextBoxShown());
    EXPECT_TRUE(window.QuizLoaded);
    EXPECT_EQ(window.QuizPath, L"C:\\q\\a.zlq");
    EXPECT_EQ(window.QuizTotal, 7);
    EXPECT_TRUE(window.CommandIsEnabled(mnuQuizeEasy));
}

} // namespace
} // namespace game
