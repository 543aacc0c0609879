// The keys of the choice list, with the window loaded but no game running:
// the test plays the loop's part by setting Answering.
#include <gtest/gtest.h>

#include "game/tests/window_test_support.h"

namespace game {
namespace {

using namespace testing;

class AnswerKeys : public GameWindowTest {
protected:
    void SetUp() override
    {
        GameWindowTest::SetUp();
        list = window.SelA();
        for (const wchar_t* choice : {L"いち", L"に", L"さん", L"よん", L"ご"})
            SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(choice));
        SendMessageW(list, LB_SETCURSEL, 0, 0);
        SetWindowTextW(window.TextQ(), L"日本一高い山は？");
        window.Answering = true;
    }
    void TearDown() override { SetShift(false); }

    void Press(UINT key, LPARAM lParam = 1) { SendMessageW(list, WM_KEYDOWN, key, lParam); }
    int Selected() { return static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0)); }
    static void SetShift(bool down)
    {
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[VK_SHIFT] = down ? 0x80 : 0;
        SetKeyboardState(keys);
    }

    HWND list = nullptr;
};

// Space and Down move down, Up up; past either end the selection wraps
// with four cues. The Space character after the key moves nothing.
TEST_F(AnswerKeys, MovingKeysWrapAtBothEndsWithFourCuesAndDoNotAnswer)
{
    const Lines wrap = {L"voice Sound 50 0 0", L"voice Sound 50 10 0", L"voice Sound 50 0 0", L"voice Sound 50 10 0"};
    const std::tuple<UINT, int, bool> steps[] = {{VK_SPACE, 1, false}, {VK_DOWN, 2, false}, {VK_SPACE, 3, false},
                                                 {VK_SPACE, 4, false}, {VK_SPACE, 0, true},  {VK_UP, 4, true},
                                                 {VK_UP, 3, false},    {VK_DOWN, 4, false},  {VK_DOWN, 0, true}};
    for (const auto& [key, selected, wraps] : steps) {
        const size_t before = Said().size();
        Press(key);
        if (key == VK_SPACE)
            SendMessageW(list, WM_CHAR, L' ', 1);
        EXPECT_EQ(Selected(), selected) << key;
        EXPECT_EQ(Said(before), wraps ? wrap : Lines{}) << key << " to " << selected;
    }
    EXPECT_TRUE(window.Answering);

    // Enter confirms the selected choice, and so does a double click.
    Press(VK_RETURN);
    EXPECT_FALSE(window.Answering);
    window.Answering = true;
    SendMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 2));
    EXPECT_FALSE(window.Answering);
    EXPECT_EQ(Selected(), 0);
}

// With Shift any key re-reads the question (a held Shift only once) and
// neither moves nor answers; outside an answer the keys only move the list.
TEST_F(AnswerKeys, ShiftRereadsTheQuestionAndOutsideAnAnswerKeysOnlyMove)
{
    SetShift(true);
    Press(VK_SHIFT);
    Press(VK_SHIFT, 1 | (1 << 30));
    Press(VK_DOWN);
    Press(VK_RETURN);
    SetShift(false);
    EXPECT_EQ(Selected(), 0);
    EXPECT_TRUE(window.Answering);
    const Lines reread = {L"voice StopSpeech", L"voice Speak 0 日本一高い山は？"};
    EXPECT_EQ(Said(1), (Lines{reread[0], reread[1], reread[0], reread[1], reread[0], reread[1]}));

    window.Answering = false;
    const size_t before = Said().size();
    SendMessageW(list, LB_SETCURSEL, 4, 0);
    Press(VK_DOWN);
    EXPECT_EQ(Selected(), 4) << "no wrap";
    Press(VK_RETURN);
    SetShift(true);
    Press('A');
    SetShift(false);
    EXPECT_EQ(Said(before), Lines{});
    EXPECT_FALSE(window.Answering);
}

// The selected choice is spoken when the list gains the focus during an
// answer, and heard last and whole when the game is active again.
TEST_F(AnswerKeys, TheSelectedChoiceIsSpokenOnFocusAndWhenTheGameIsActiveAgain)
{
    window.Playing = true;
    window.ApplyMenuState(MenuState::Answering);
    window.Show();
    SetFocus(window.TextQ());
    win::DoEvents();
    SendMessageW(list, LB_SETCURSEL, 2, 0);
    size_t before = Said().size();
    SetFocus(list);
    EXPECT_EQ(Said(before).back(), L"voice Speak 0 さん");

    // The window's own activation step, then the choice list's announcement,
    // which no later StopSpeech cuts off, once F5's view closes with Escape.
    const Lines reactivated = {L"voice SetMode 65", L"voice StopSpeech", L"voice StopSpeech", L"voice Speak 0 さん"};
    OnActivate view(L"VemoTextWindow", [](HWND w) {
        PostMessageW(GetWindow(w, GW_CHILD), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    }, false);
    Command(mnuQuizeCheck);
    ASSERT_TRUE(view.Ran());
    const Lines said = Said();
    ASSERT_GE(said.size(), reactivated.size());
    EXPECT_EQ(Lines(said.end() - static_cast<std::ptrdiff_t>(reactivated.size()), said.end()), reactivated);

    window.Answering = false;
    SetFocus(window.TextQ()); // moves straight back to the list
    win::DoEvents();
    before = Said().size();
    SetFocus(nullptr);
    SetFocus(list);
    EXPECT_EQ(Count(Said(before), L"voice Speak 0 さん"), 0u) << "outside an answer";
}

} // namespace
} // namespace game
