// The keys of the choice list, with the window loaded but no game running:
// the test plays the loop's part by setting Answering.
#include <gtest/gtest.h>

#include "game/logic/menu_tree.h"
#include "game/program_state.h"
#include "game/quiz_window.h"
#include "game/tests/modal_probe.h"
#include "game/tests/window_test_support.h"
#include "win/message_loop.h"

namespace game {
namespace {

using testing::Said;
using Lines = std::vector<std::wstring>;

const Lines kWrapCues = {L"voice Sound 50 0 0", L"voice Sound 50 10 0", L"voice Sound 50 0 0",
                         L"voice Sound 50 10 0"};

class AnswerKeys : public ::testing::Test {
protected:
    void SetUp() override
    {
        testing::StoreViewStyle(L"0");
        ASSERT_TRUE(window.Load(GetModuleHandleW(nullptr)));
        list = window.SelA();
        for (const wchar_t* choice : {L"いち", L"に", L"さん", L"よん", L"ご"})
            SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(choice));
        SendMessageW(list, LB_SETCURSEL, 0, 0);
        SetWindowTextW(window.TextQ(), L"日本一高い山は？");
        window.Answering = true;
        mark = Said(transcript).size();
    }
    void TearDown() override { SetShift(false); }

    void Key(UINT key, LPARAM lParam = 1) { SendMessageW(list, WM_KEYDOWN, key, lParam); }
    int Selected() { return static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0)); }
    // What was said since SetUp.
    Lines SaidNow()
    {
        Lines all = Said(transcript);
        return Lines(all.begin() + static_cast<std::ptrdiff_t>(mark), all.end());
    }
    static void SetShift(bool down)
    {
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[VK_SHIFT] = down ? 0x80 : 0;
        SetKeyboardState(keys);
    }

    testsupport::ScopedTranscript transcript;
    QuizWindow window;
    HWND list = nullptr;
    size_t mark = 0;
};

TEST_F(AnswerKeys, SpaceMovesDownAndWrapsFromTheLastWithFourCues)
{
    for (int i = 1; i <= 4; ++i) {
        Key(VK_SPACE);
        EXPECT_EQ(Selected(), i);
    }
    EXPECT_TRUE(SaidNow().empty());
    Key(VK_SPACE);
    EXPECT_EQ(Selected(), 0);
    EXPECT_EQ(SaidNow(), kWrapCues);
    // The Space character that follows the key moves nothing.
    SendMessageW(list, WM_CHAR, L' ', 1);
    EXPECT_EQ(Selected(), 0);
}

TEST_F(AnswerKeys, UpAndDownWrapAtBothEndsAndMoveOneElsewhere)
{
    Key(VK_UP);
    EXPECT_EQ(Selected(), 4);
    EXPECT_EQ(SaidNow(), kWrapCues);
    Key(VK_UP);
    EXPECT_EQ(Selected(), 3);
    Key(VK_DOWN);
    Key(VK_DOWN);
    EXPECT_EQ(Selected(), 0);
    EXPECT_EQ(SaidNow().size(), 8u) << "two wraps, four cues each";
    EXPECT_TRUE(window.Answering) << "moving does not answer";
}

TEST_F(AnswerKeys, EnterAndDoubleClickConfirmTheSelectedChoice)
{
    Key(VK_DOWN);
    Key(VK_RETURN);
    EXPECT_FALSE(window.Answering);
    EXPECT_EQ(Selected(), 1);

    window.Answering = true;
    RECT item;
    SendMessageW(list, LB_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&item));
    LPARAM at = MAKELPARAM(item.left + 5, item.top + 2);
    SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(list, WM_LBUTTONUP, 0, at);
    SendMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    SendMessageW(list, WM_LBUTTONUP, 0, at);
    EXPECT_FALSE(window.Answering);
    EXPECT_EQ(Selected(), 3);
}

TEST_F(AnswerKeys, AnyKeyWithShiftRereadsTheQuestionWithoutMoving)
{
    SetShift(true);
    Key(VK_SHIFT);
    Key(VK_SHIFT, 1 | (1 << 30)); // held down: the repeat reads nothing more
    Key(VK_DOWN);
    Key(VK_RETURN);
    SetShift(false);
    EXPECT_EQ(Selected(), 0);
    EXPECT_TRUE(window.Answering);
    const Lines reread = {L"voice StopSpeech", L"voice Speak 0 日本一高い山は？"};
    Lines expected;
    for (int i = 0; i < 3; ++i)
        expected.insert(expected.end(), reread.begin(), reread.end());
    EXPECT_EQ(SaidNow(), expected);
}

TEST_F(AnswerKeys, OutsideAnAnswerTheKeysOnlyMoveTheList)
{
    window.Answering = false;
    SendMessageW(list, LB_SETCURSEL, 4, 0);
    Key(VK_DOWN);
    EXPECT_EQ(Selected(), 4) << "no wrap";
    Key(VK_RETURN);
    SetShift(true);
    Key('A');
    SetShift(false);
    EXPECT_TRUE(SaidNow().empty());
    EXPECT_FALSE(window.Answering);
}

TEST_F(AnswerKeys, GainingTheFocusDuringAnAnswerSpeaksTheSelectedChoice)
{
    window.Show();
    SetFocus(window.TextQ());
    win::DoEvents();
    SendMessageW(list, LB_SETCURSEL, 2, 0);
    mark = Said(transcript).size();
    SetFocus(list);
    EXPECT_EQ(SaidNow().back(), L"voice Speak 0 さん");

    window.Answering = false;
    SetFocus(window.TextQ()); // moves straight back to the list
    win::DoEvents();
    mark = Said(transcript).size();
    SetFocus(nullptr);
    SetFocus(list);
    for (const auto& line : SaidNow())
        EXPECT_NE(line, L"voice Speak 0 さん");
}

TEST_F(AnswerKeys, WhenTheGameIsActiveAgainTheSelectedChoiceIsHeardLastAndWhole)
{
    window.Playing = true;
    window.ApplyMenuState(MenuState::Answering);
    window.Show();
    SetFocus(list);
    win::DoEvents();
    SendMessageW(list, LB_SETCURSEL, 2, 0);
    // The window's own activation step, then the choice list's announcement,
    // which no later StopSpeech cuts off.
    const Lines reactivated = {L"voice SetMode 65", L"voice StopSpeech", L"voice StopSpeech", L"voice Speak 0 さん"};
    auto ending = [&] {
        Lines said = SaidNow();
        return said.size() < reactivated.size() ? said
                                                : Lines(said.end() - static_cast<std::ptrdiff_t>(reactivated.size()),
                                                        said.end());
    };

    // F5's question-and-answer view, closed with Escape.
    testing::WhenShown view(L"VemoTextWindow", L"問題と解答のビュー", [](HWND w) {
        PostMessageW(GetWindow(w, GW_CHILD), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    });
    SendMessageW(window.hwnd(), WM_COMMAND, MAKEWPARAM(mnuQuizeCheck, 0), 0);
    ASSERT_TRUE(view.Ran());
    EXPECT_EQ(ending(), reactivated);

    // Another program's window takes the activation, then the game again.
    HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(other);
    SetForegroundWindow(other);
    win::DoEvents();
    mark = Said(transcript).size();
    SetForegroundWindow(window.hwnd());
    win::DoEvents();
    DestroyWindow(other);
    EXPECT_EQ(SaidNow(), reactivated);
}

} // namespace
} // namespace game
