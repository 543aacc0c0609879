// The windows a game puts up over the main window: the message window of
// stage ends and results, the mark after an answer and the name entry of
// the best five; what they show and say, and the keys they take.
#include <gtest/gtest.h>

#include "game/mark_window.h"
#include "game/message_window.h"
#include "game/name_entry.h"
#include "game/tests/window_test_support.h"
#include "win/module.h"
#include "win/window.h"

namespace game {
namespace {

using namespace testing;

class PopupTest : public ::testing::Test {
protected:
    void SetUp() override { QuizAbort = false; }
    void TearDown() override { SetTimeScale(1); }
    // Shows the window; `action` runs as it is activated (at once) or once it is up.
    template <typename W>
    void Show(W& window, const wchar_t* cls, const std::function<void(HWND)>& action, bool atOnce,
              HWND owner = nullptr)
    {
        OnActivate probe(cls, action, atOnce);
        window.ShowModal(owner);
        EXPECT_TRUE(probe.Ran());
        EXPECT_FALSE(probe.TimedOut());
    }
    // A message window with the text (and sound) given; `action` runs as it is activated.
    void ShowMessage(const wchar_t* text, const wchar_t* wave = nullptr,
                     const std::function<void(HWND)>& action = [](HWND) {})
    {
        MesDisp mes(voice);
        mes.MesText = text;
        if (wave)
            mes.WaveFile = win::ModuleFolder(nullptr) + L"\\..\\bin\\" + wave;
        Show(mes, L"VemoMessage", action, true);
    }

    testsupport::ScopedTranscript transcript;
    Voice voice;
};

TEST_F(PopupTest, AMessagePlaysItsSoundSpeaksAndClosesByItselfAfterTheSpeechEvenWhenLate)
{
    DWORD start = GetTickCount();
    ShowMessage(L"ステージ1\r\n5問中", L"@ステージ.wav");
    EXPECT_GE(GetTickCount() - start, 2900u) << "closed before its 3000 ms timer";
    EXPECT_FALSE(QuizAbort);
    EXPECT_EQ(transcript.Said(), (Lines{L"wave sync @ステージ.wav", L"voice StopSpeech",
                                       Message(L"ステージ1\r\n5問中"), L"voice WaitSpeech"}));
    // Escape and F8, pressed as it is activated, stop the quiz and close the
    // window at once: with its timer stopped nothing else could close it. It
    // announces nothing then, and waits for what was being said.
    for (WPARAM key : {VK_ESCAPE, VK_F8}) {
        QuizAbort = false;
        const size_t before = transcript.Said().size();
        ShowMessage(L"ステージ1", nullptr, [key](HWND w) {
            KillTimer(w, 1);
            PostMessageW(w, WM_KEYDOWN, key, 0);
        });
        EXPECT_TRUE(QuizAbort) << key;
        EXPECT_EQ(transcript.Said(before), Lines{L"voice WaitSpeech"}) << key;
    }

    // The window's time runs out before its announcement (its tick posted
    // ahead of it, its own timer stopped), as on a machine too busy to run the
    // events before it: the text is still spoken and the window closes once it
    // has been, not at a later tick. A missing sound is not played.
    QuizAbort = false;
    const size_t before = transcript.Said().size();
    ShowMessage(L"ゲームオーバー", L"@無い音.wav", [](HWND w) {
        KillTimer(w, 1);
        PostMessageW(w, WM_TIMER, 1, 0);
    });
    EXPECT_EQ(transcript.Said(before), (Lines{L"voice StopSpeech", Message(L"ゲームオーバー"), L"voice WaitSpeech"}));
}

// At a tenth of the pace: a ring at 90% of the owner's height in red, a
// cross at 80% in the style's colour; each covers the owner, blinks four
// times and closes by itself whatever other key comes. Escape stops the quiz
// and closes it at the first tick. The keys are posted as the window is
// activated, ahead of its first tick.
TEST_F(PopupTest, TheMarkCoversTheOwnerBlinksAndClosesByItselfOrAtEscape)
{
    SetTimeScale(0.1);
    HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP | WS_VISIBLE, 40, 30, 640, 480, nullptr, nullptr,
                                 nullptr, nullptr);
    RECT ownerRect, shown = {};
    GetWindowRect(owner, &ownerRect);
    const std::tuple<bool, bool, int, COLORREF> marks[] = {
        {true, false, 9, RGB(255, 0, 0)}, {false, true, 8, RGB(0, 192, 192)}, {false, false, 8, RGB(128, 128, 255)}};
    for (const auto& [right, soft, tenths, colour] : marks) {
        MaruBatsu mark(right, soft);
        Show(mark, L"VemoMark", [&](HWND w) {
            GetWindowRect(w, &shown);
            PostMessageW(w, WM_KEYDOWN, VK_RETURN, 0);
            PostMessageW(w, WM_CLOSE, 0, 0);
        }, true, owner);
        EXPECT_TRUE(EqualRect(&shown, &ownerRect));
        EXPECT_EQ(mark.Box(), rules::MarkBoxFor(right, 640, 480));
        EXPECT_EQ(mark.Box().size, 480 * tenths / 10);
        EXPECT_EQ(mark.MarkColor(), colour);
        EXPECT_EQ(mark.Blinks(), 4) << "visible, hidden, visible, hidden, visible";
        EXPECT_TRUE(mark.MarkVisible());
        EXPECT_FALSE(QuizAbort);
    }
    MaruBatsu stopped(true, false);
    Show(stopped, L"VemoMark", [](HWND w) { PostMessageW(w, WM_KEYDOWN, VK_ESCAPE, 0); }, true, owner);
    EXPECT_TRUE(QuizAbort);
    EXPECT_EQ(stopped.Blinks(), 0);
    EXPECT_TRUE(IsWindowEnabled(owner));
    DestroyWindow(owner);
}

// The name is asked for with the focus in its box. Typing
// past 12 bytes is undone with a beep and the caret left at the end of what
// was kept, and a pasted line break is undone; an empty name is refused by
// Enter and OK with a beep, and by closing silently. Enter, OK and a double
// click accept.
TEST_F(PopupTest, TheNameEntryRefusesTooLongTwoLineOrEmptyNamesAndAcceptsOthers)
{
    struct Case {
        std::wstring typed, kept, accepted;
        size_t beeps;
        std::function<void(HWND)> accept;
    };
    const Case cases[] = {
        {L"一二三四五六七", L"一二三四五六", L"一二三四五六", 1,
         [](HWND box) { PostMessageW(box, WM_KEYDOWN, VK_RETURN, 0); }},
        {L"ABCDEFGHIJKLM", L"ABCDEFGHIJKL", L"ABCDEFGHIJKL", 1,
         [](HWND box) { SendMessageW(GetDlgItem(GetParent(box), 1), BM_CLICK, 0, 0); }},
        {L"", L"", L"Z", 2,
         [](HWND box) {
             SendMessageW(box, WM_CHAR, L'Z', 1);
             SendMessageW(box, WM_LBUTTONDBLCLK, MK_LBUTTON, 0);
         }},
    };
    for (const Case& c : cases) {
        EnteredName = L"前の名前";
        const size_t beeps = transcript.Count(L"beep 0"), before = transcript.Said().size();
        bool asked = false, kept = false;
        NameEntry entry(voice);
        Show(entry, L"VemoNameEntry", [&](HWND w) {
            HWND box = entry.TextBox();
            asked = EnteredName.empty() && win::GetText(w) == L"名前の入力" && GetFocus() == box;
            for (wchar_t ch : c.typed)
                SendMessageW(box, WM_CHAR, ch, 1);
            SendMessageW(box, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"A\r\nB"));
            DWORD caret = 0;
            SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&caret), 0);
            if (c.kept.empty()) {
                PostMessageW(box, WM_KEYDOWN, VK_RETURN, 0);
                win::DoEvents();
                SendMessageW(GetDlgItem(w, 1), BM_CLICK, 0, 0);
                SendMessageW(w, WM_CLOSE, 0, 0);
                win::DoEvents();
            }
            kept = asked && IsWindowVisible(w) && win::GetText(box) == c.kept && caret == c.kept.size();
            c.accept(box);
        }, false);
        EXPECT_EQ(Count(transcript.Said(before), L"voice Speak 0 ベストファイブ入賞　あなたの名前を入力してください"),
                  1u);
        EXPECT_TRUE(kept) << c.typed << ": emptied, captioned, focused and kept";
        EXPECT_EQ(EnteredName, c.accepted);
        EXPECT_EQ(transcript.Count(L"beep 0") - beeps, c.beeps) << c.typed;
    }
}

} // namespace
} // namespace game
