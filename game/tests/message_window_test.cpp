#include "game/message_window.h"

#include <gtest/gtest.h>

#include "game/program_state.h"
#include "game/tests/modal_probe.h"
#include "game/tests/window_test_support.h"
#include "game/voice.h"
#include "win/module.h"

namespace game {
namespace {

using testing::Said;
using testing::WhenShown;
using Lines = std::vector<std::wstring>;

std::wstring BinWave(const wchar_t* name)
{
    return win::ModuleFolder(nullptr) + L"\\..\\bin\\" + name;
}

SIZE WindowSize(HWND w)
{
    RECT r;
    GetWindowRect(w, &r);
    return {r.right - r.left, r.bottom - r.top};
}

class MessageWindowTest : public ::testing::Test {
protected:
    void SetUp() override { QuizAbort = false; }
    testsupport::ScopedTranscript transcript;
    Voice voice;
};

TEST_F(MessageWindowTest, PlaysTheSoundThenSpeaksAndClosesAfterTheSpeech)
{
    MesDisp mes(voice);
    mes.MesText = L"ステージ1\r\n5問中";
    mes.WaveFile = BinWave(L"@ステージ.wav");
    ASSERT_NE(GetFileAttributesW(mes.WaveFile.c_str()), INVALID_FILE_ATTRIBUTES);
    SIZE size = {};
    POINT text = {}, shade = {};
    WhenShown probe([&](HWND w) {
        size = WindowSize(w);
        text = mes.TextPosition();
        shade = mes.ShadePosition();
    });
    DWORD start = GetTickCount();
    mes.ShowModal(nullptr);
    DWORD took = GetTickCount() - start;

    EXPECT_TRUE(probe.Ran());
    EXPECT_GE(took, 2900u); // closed by its 3000 ms timer
    EXPECT_FALSE(QuizAbort);
    EXPECT_EQ(Said(transcript), (Lines{L"wave sync @ステージ.wav", L"voice StopSpeech",
                                       L"voice Speak 0 ステージ1\r\n5問中\xF8F2", L"voice WaitSpeech"}));
    // 48-point text: two lines make a window taller than wide-ish one-liners
    // would be, the shadow sits down and right of the text.
    EXPECT_GT(size.cy, 2 * 48);
    EXPECT_GT(shade.x, text.x);
    EXPECT_EQ(shade.x - text.x, shade.y - text.y);
}

// The window's time runs out before its announcement, as on a machine too
// busy to run the events before it within the time: the text is still
// spoken, and the window closes once it has been.
TEST_F(MessageWindowTest, TimeRunningOutBeforeTheAnnouncementStillLetsItBeSpoken)
{
    static HHOOK hook = nullptr;
    hook = SetWindowsHookExW(
        WH_CBT,
        [](int code, WPARAM wParam, LPARAM lParam) -> LRESULT {
            wchar_t cls[32] = {};
            if (code == HCBT_ACTIVATE && GetClassNameW(reinterpret_cast<HWND>(wParam), cls, 32) &&
                std::wstring(cls) == L"VemoMessage")
                PostMessageW(reinterpret_cast<HWND>(wParam), WM_TIMER, 1, 0); // ahead of the announcement
            return CallNextHookEx(hook, code, wParam, lParam);
        },
        nullptr, GetCurrentThreadId());
    ASSERT_TRUE(hook);
    MesDisp mes(voice);
    mes.MesText = L"ゲームオーバー";
    DWORD start = GetTickCount();
    mes.ShowModal(nullptr);
    DWORD took = GetTickCount() - start;
    UnhookWindowsHookEx(hook);
    EXPECT_LT(took, 2500u) << "closed by the time that ran out, not by a later tick";
    EXPECT_EQ(Said(transcript),
              (Lines{L"voice StopSpeech", L"voice Speak 0 ゲームオーバー\xF8F2", L"voice WaitSpeech"}));
}

TEST_F(MessageWindowTest, TwoLinesMakeItTallerAndTheLongestLineSetsTheWidth)
{
    auto measure = [&](const wchar_t* textToShow) {
        MesDisp mes(voice);
        mes.MesText = textToShow;
        SIZE size = {};
        WhenShown probe([&](HWND w) {
            size = WindowSize(w);
            PostMessageW(w, WM_KEYDOWN, VK_ESCAPE, 0);
        });
        mes.ShowModal(nullptr);
        return size;
    };
    SIZE one = measure(L"ゲームオーバー");
    SIZE two = measure(L"ゲームオーバー\r\nあ");
    EXPECT_GT(two.cy, one.cy + 40);
    EXPECT_EQ(two.cx, one.cx);
}

TEST_F(MessageWindowTest, EscapeAndF8StopTheQuizAndCloseAtOnce)
{
    for (WPARAM key : {VK_ESCAPE, VK_F8}) {
        QuizAbort = false;
        MesDisp mes(voice);
        mes.MesText = L"ステージ2";
        WhenShown probe([key](HWND w) { PostMessageW(w, WM_KEYDOWN, key, 0); });
        DWORD start = GetTickCount();
        mes.ShowModal(nullptr);
        EXPECT_LT(GetTickCount() - start, 2500u) << key;
        EXPECT_TRUE(QuizAbort) << key;
        // Closing still waits for the speech.
        EXPECT_EQ(Said(transcript).back(), L"voice WaitSpeech");
    }
}

TEST_F(MessageWindowTest, AMissingSoundIsSkippedAndTheTextStillSpoken)
{
    MesDisp mes(voice);
    mes.MesText = L"ゲームオーバー";
    mes.WaveFile = BinWave(L"@無い音.wav");
    WhenShown probe([](HWND w) { PostMessageW(w, WM_KEYDOWN, VK_ESCAPE, 0); });
    mes.ShowModal(nullptr);
    Lines said = Said(transcript);
    for (const auto& line : said)
        EXPECT_NE(line.rfind(L"wave", 0), 0u) << "a missing file was played";
    EXPECT_EQ(said.back(), L"voice WaitSpeech");
}

TEST_F(MessageWindowTest, DraggingTheTextMovesItsShadow)
{
    MesDisp mes(voice);
    mes.MesText = L"ランキング";
    POINT text = {}, after = {};
    WhenShown probe([&](HWND w) {
        text = mes.TextPosition();
        POINT down = {text.x + 10, text.y + 10};
        SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(down.x, down.y));
        SendMessageW(w, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(down.x + 25, down.y + 7));
        SendMessageW(w, WM_LBUTTONUP, 0, MAKELPARAM(down.x + 25, down.y + 7));
        after = mes.ShadePosition();
        PostMessageW(w, WM_KEYDOWN, VK_ESCAPE, 0);
    });
    mes.ShowModal(nullptr);
    EXPECT_EQ(after.x, text.x + 25);
    EXPECT_EQ(after.y, text.y + 7);
}

} // namespace
} // namespace game
