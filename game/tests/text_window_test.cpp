#include <gtest/gtest.h>

#include "game/edit_form.h"
#include "game/fonts.h"
#include "game/info_form.h"
#include "game/logic/layout.h"
#include "game/tests/modal_probe.h"
#include "game/tests/window_test_support.h"
#include "game/voice.h"
#include "win/handles.h"
#include "win/window.h"

namespace game {
namespace {

using testing::Said;
using testing::WhenShown;
using Lines = std::vector<std::wstring>;

constexpr wchar_t kClass[] = L"VemoTextWindow";

// What a text window showed while it was up.
struct Seen {
    std::wstring text;
    SIZE client = {};
    LONG_PTR exStyle = 0;
    LONG_PTR textStyle = 0;
    HWND owner = nullptr;
    bool ownerEnabled = true;
    bool focusInText = false;
    COLORREF fore = 0, back = 0;
};

Seen Look(HWND w, HWND text1)
{
    Seen s;
    s.text = win::GetText(text1);
    RECT r;
    GetClientRect(w, &r);
    s.client = {r.right, r.bottom};
    s.exStyle = GetWindowLongPtrW(w, GWL_EXSTYLE);
    s.textStyle = GetWindowLongPtrW(text1, GWL_STYLE);
    s.owner = GetWindow(w, GW_OWNER);
    s.ownerEnabled = s.owner && IsWindowEnabled(s.owner);
    s.focusInText = GetFocus() == text1;
    win::UniqueMemoryDC dc(CreateCompatibleDC(nullptr));
    SendMessageW(w, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc.get()), reinterpret_cast<LPARAM>(text1));
    s.fore = GetTextColor(dc.get());
    s.back = GetBkColor(dc.get());
    return s;
}

void PressEscape(HWND control)
{
    PostMessageW(control, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    PostMessageW(control, WM_KEYUP, VK_ESCAPE, 0xC0010001);
}

class TextWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        owner = CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, nullptr, nullptr,
                                nullptr, nullptr);
        ASSERT_TRUE(owner);
    }
    void TearDown() override { DestroyWindow(owner); }

    // Shows the window over the owner, looks at it once it is up and
    // presses Escape in its text box.
    Seen ShowAndEscape(TextWindow& window)
    {
        Seen seen;
        WhenShown probe(kClass, window.Caption(), [&](HWND w) {
            seen = Look(w, window.Text1());
            PressEscape(window.Text1());
        });
        window.ShowModal(owner);
        EXPECT_TRUE(probe.Ran());
        EXPECT_FALSE(probe.TimedOut()) << "Escape did not close the window";
        return seen;
    }

    SIZE Pixels(int widthTwips, int heightTwips)
    {
        return {layout::ToPixels(widthTwips, ScreenDpi()), layout::ToPixels(heightTwips, ScreenDpi())};
    }

    testsupport::ScopedTranscript transcript;
    Voice voice;
    HWND owner = nullptr;
};

TEST_F(TextWindowTest, InfoFormReadsItsTextWhenActiveAndEscapeClosesIt)
{
    InfoForm form(voice);
    form.Text = L"【ファイル名】a.zlq\r\n合計3問のクイズです";
    Seen seen = ShowAndEscape(form);

    EXPECT_EQ(seen.text, form.Text);
    EXPECT_TRUE(seen.focusInText);
    EXPECT_EQ(seen.client.cx, Pixels(9330, 6330).cx);
    EXPECT_EQ(seen.client.cy, Pixels(9330, 6330).cy);
    // An owned tool window over a disabled owner, white on black, read-only.
    EXPECT_TRUE(seen.exStyle & WS_EX_TOOLWINDOW);
    EXPECT_EQ(seen.owner, owner);
    EXPECT_FALSE(seen.ownerEnabled);
    EXPECT_TRUE(seen.textStyle & ES_READONLY);
    EXPECT_TRUE(seen.textStyle & ES_MULTILINE);
    EXPECT_EQ(seen.fore, RGB(255, 255, 255));
    EXPECT_EQ(seen.back, RGB(0, 0, 0));

    EXPECT_EQ(Said(transcript),
              (Lines{L"voice StopSpeech", L"voice Speak 0 【ファイル名】a.zlq\r\n合計3問のクイズです"}));
    EXPECT_EQ(FindWindowW(kClass, nullptr), nullptr);
    EXPECT_TRUE(IsWindowEnabled(owner));
}

TEST_F(TextWindowTest, EditSaysItsNameAndSaysGoodbyeOnEscape)
{
    Edit view(voice);
    view.Text = L"【問題】\r\n問\r\n";
    Seen seen = ShowAndEscape(view);

    EXPECT_EQ(seen.text, view.Text);
    EXPECT_EQ(seen.client.cx, Pixels(7110, 5790).cx);
    EXPECT_EQ(seen.client.cy, Pixels(7110, 5790).cy);
    EXPECT_TRUE(seen.exStyle & WS_EX_TOOLWINDOW);
    EXPECT_EQ(seen.fore, RGB(255, 255, 255));
    EXPECT_EQ(seen.back, RGB(0, 0, 0));
    EXPECT_EQ(Said(transcript), (Lines{L"voice StopSpeech", L"voice Speak 0 問題と解答のビュー アクティブ",
                                       L"voice WaitSpeech", L"voice StopSpeech", L"voice Speak 0 ビュー おわり",
                                       L"voice WaitSpeech"}));
    EXPECT_TRUE(IsWindowEnabled(owner));
}

TEST_F(TextWindowTest, OtherKeysLeaveTheWindowOpenAndTheCloseBoxClosesItSilently)
{
    InfoForm form(voice);
    form.Text = L"一行目\r\n二行目";
    bool stillUp = false;
    WhenShown probe(kClass, form.Caption(), [&](HWND w) {
        SendMessageW(form.Text1(), WM_KEYDOWN, VK_DOWN, 0);
        SendMessageW(form.Text1(), WM_CHAR, L'x', 0);
        stillUp = IsWindowVisible(w) && win::GetText(form.Text1()) == form.Text;
        PostMessageW(w, WM_CLOSE, 0, 0);
    });
    form.ShowModal(owner);
    EXPECT_TRUE(probe.Ran());
    EXPECT_TRUE(stillUp) << "a key other than Escape closed or changed the window";
    EXPECT_EQ(Said(transcript), (Lines{L"voice StopSpeech", L"voice Speak 0 一行目\r\n二行目"}));
}

TEST_F(TextWindowTest, AWindowCanBeShownAgain)
{
    InfoForm form(voice);
    form.Text = L"一";
    ShowAndEscape(form);
    form.Text = L"二";
    Seen second = ShowAndEscape(form);
    EXPECT_EQ(second.text, L"二");
    EXPECT_EQ(Said(transcript),
              (Lines{L"voice StopSpeech", L"voice Speak 0 一", L"voice StopSpeech", L"voice Speak 0 二"}));
}

} // namespace
} // namespace game
