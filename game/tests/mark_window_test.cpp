// The mark window over a plain owner window, at a tenth of the real pace.
#include <gtest/gtest.h>

#include "game/mark_window.h"
#include "game/program_state.h"
#include "game/tests/modal_probe.h"
#include "game/tests/window_test_support.h"
#include "game/timing.h"
#include "win/message_loop.h"
#include "win/window.h"

namespace game {
namespace {

using testing::WhenShown;

class Owner : public win::Window {};

class MarkWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        QuizAbort = false;
        SetTimeScale(0.1);
        HINSTANCE instance = GetModuleHandleW(nullptr);
        ASSERT_TRUE(win::Window::RegisterClass(instance, L"VemoMarkTestOwner", CS_HREDRAW | CS_VREDRAW,
                                               reinterpret_cast<HBRUSH>(GetStockObject(WHITE_BRUSH))));
        ASSERT_TRUE(owner.Create(instance, L"VemoMarkTestOwner", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0,
                                 40, 30, 640, 480, nullptr));
        UpdateWindow(owner.hwnd());
    }
    void TearDown() override
    {
        SetTimeScale(1);
        QuizAbort = false;
    }

    Owner owner;
};

struct Seen {
    RECT window = {};
    rules::MarkBox box;
    COLORREF centre = CLR_INVALID, outline = CLR_INVALID;
    bool visible = false;
};

// Shows the mark and notes what the shown window holds; `action` runs then.
Seen ShowAndLook(MaruBatsu& mark, HWND owner, const std::function<void(HWND)>& action = {})
{
    Seen seen;
    WhenShown probe(
        [&](HWND w) {
            GetWindowRect(w, &seen.window);
            seen.box = mark.Box();
            seen.visible = mark.MarkVisible();
            UpdateWindow(w);
            HDC dc = GetDC(w);
            const int mid = seen.box.left + seen.box.size / 2;
            seen.outline = GetPixel(dc, mid, seen.box.top + 10);
            seen.centre = GetPixel(dc, mid, seen.box.top + seen.box.size / 2);
            ReleaseDC(w, dc);
            if (action)
                action(w);
        },
        L"VemoMark");
    mark.ShowModal(owner);
    EXPECT_TRUE(probe.Ran());
    return seen;
}

TEST_F(MarkWindow, RightAnswerCircleCoversTheOwnerAtNinetyPercentAndClosesByItself)
{
    MaruBatsu mark(true, false);
    Seen seen = ShowAndLook(mark, owner.hwnd());
    RECT ownerRect;
    GetWindowRect(owner.hwnd(), &ownerRect);
    EXPECT_TRUE(EqualRect(&seen.window, &ownerRect));
    const int width = ownerRect.right - ownerRect.left, height = ownerRect.bottom - ownerRect.top;
    EXPECT_EQ(seen.box, rules::MarkBoxFor(true, width, height));
    EXPECT_EQ(seen.box.size, height * 9 / 10);
    EXPECT_TRUE(seen.visible) << "the mark shows first";
    EXPECT_EQ(mark.MarkColor(), RGB(255, 0, 0));
    // A red ring over the owner's white: red on the outline, white inside.
    EXPECT_EQ(seen.outline, RGB(255, 0, 0));
    EXPECT_EQ(seen.centre, RGB(255, 255, 255));
    EXPECT_FALSE(QuizAbort);
    EXPECT_EQ(mark.Blinks(), 4) << "visible, hidden, visible, hidden, visible";
    EXPECT_TRUE(mark.MarkVisible());
    EXPECT_FALSE(IsWindow(FindWindowW(L"VemoMark", nullptr)));
}

TEST_F(MarkWindow, WrongAnswerCrossAtEightyPercentInTheStyleColour)
{
    MaruBatsu soft(false, true);
    Seen seen = ShowAndLook(soft, owner.hwnd());
    RECT ownerRect;
    GetWindowRect(owner.hwnd(), &ownerRect);
    EXPECT_EQ(seen.box.size, (ownerRect.bottom - ownerRect.top) * 8 / 10);
    EXPECT_EQ(soft.MarkColor(), RGB(0, 192, 192));
    // The lines cross at the centre.
    EXPECT_EQ(seen.centre, RGB(0, 192, 192));

    MaruBatsu standard(false, false);
    EXPECT_EQ(standard.MarkColor(), RGB(128, 128, 255));
}

TEST_F(MarkWindow, EscapeOrF8StopsTheQuizAndClosesTheWindow)
{
    // At the real pace the key comes well before the first tick.
    SetTimeScale(1);
    for (WPARAM key : {VK_ESCAPE, VK_F8}) {
        QuizAbort = false;
        MaruBatsu mark(true, false);
        ShowAndLook(mark, owner.hwnd(), [key](HWND w) { PostMessageW(w, WM_KEYDOWN, key, 0); });
        EXPECT_TRUE(QuizAbort) << key;
        EXPECT_EQ(mark.Blinks(), 0) << "closed at the first tick, before any blink";
        EXPECT_TRUE(IsWindowEnabled(owner.hwnd()));
    }
}

TEST_F(MarkWindow, OtherKeysAndClosingDoNotStopIt)
{
    MaruBatsu mark(false, false);
    ShowAndLook(mark, owner.hwnd(), [](HWND w) {
        PostMessageW(w, WM_KEYDOWN, VK_RETURN, 0);
        PostMessageW(w, WM_CLOSE, 0, 0);
    });
    EXPECT_FALSE(QuizAbort);
    EXPECT_EQ(mark.Blinks(), 4) << "it blinked to the end";
}

} // namespace
} // namespace game
