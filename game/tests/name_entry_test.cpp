// The name entry window: the 12-byte limit, the refusals and accepting.
#include <gtest/gtest.h>

#include <cstdlib>

#include "game/name_entry.h"

#include "game/fonts.h"
#include "game/logic/layout.h"
#include "game/quiz_window.h"
#include "game/program_state.h"
#include "game/tests/modal_probe.h"
#include "game/tests/window_test_support.h"
#include "game/voice.h"
#include "win/handles.h"
#include "win/message_loop.h"
#include "win/window.h"

namespace game {
namespace {

using testing::Said;
using testing::WhenShown;
using Lines = std::vector<std::wstring>;

TEXTMETRICW FontMetrics(HWND control)
{
    win::WindowDC dc(control);
    win::SelectObjectGuard select(dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
    TEXTMETRICW tm = {};
    GetTextMetricsW(dc.get(), &tm);
    return tm;
}

// The em of a control's font in pixels: the type size as the player sees it.
int EmPixels(HWND control)
{
    const TEXTMETRICW tm = FontMetrics(control);
    return tm.tmHeight - tm.tmInternalLeading;
}

class NameEntryTest : public ::testing::Test {
protected:
    // Shows the window; `steps` runs once it is shown, with its text box.
    void Run(const std::function<void(HWND, HWND)>& steps)
    {
        NameEntry entry(voice);
        WhenShown probe(
            [&](HWND w) {
                caption = win::GetText(w);
                focusWasTextBox = GetFocus() == entry.TextBox();
                steps(w, entry.TextBox());
                // A watchdog for a window that would stay.
                if (IsWindow(w) && !win::GetText(entry.TextBox()).empty())
                    PostMessageW(entry.OkButton(), BM_CLICK, 0, 0);
            },
            L"VemoNameEntry");
        entry.ShowModal(nullptr);
        EXPECT_TRUE(probe.Ran());
    }
    static void Type(HWND box, const std::wstring& text)
    {
        for (wchar_t c : text)
            SendMessageW(box, WM_CHAR, c, 1);
    }
    size_t Beeps()
    {
        const Lines said = Said(transcript);
        return static_cast<size_t>(std::count(said.begin(), said.end(), L"beep 0"));
    }

    testsupport::ScopedTranscript transcript;
    Voice voice;
    std::wstring caption;
    bool focusWasTextBox = false;
};

TEST_F(NameEntryTest, AsksForTheNameInLargeTypeAndEnterAcceptsIt)
{
    EnteredName = L"前の名前";
    std::vector<int> ems;
    std::pair<int, int> emSpace; // pixels above and below the em box
    Run([&](HWND w, HWND box) {
        EXPECT_EQ(EnteredName, L"") << "emptied on load";
        ems = {EmPixels(FindWindowExW(w, nullptr, L"Static", nullptr)), EmPixels(box),
               EmPixels(GetDlgItem(w, 1))};
        // The line's em box lies in the middle of the text box, whatever
        // room the face's line takes beyond it: no glyph is cut off.
        RECT line = {}, client = {};
        SendMessageW(box, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&line));
        GetClientRect(box, &client);
        const int emTop = line.top + FontMetrics(box).tmInternalLeading / 2;
        emSpace = {emTop, client.bottom - (emTop + EmPixels(box))};
        Type(box, L"ゆう");
        PostMessageW(box, WM_KEYDOWN, VK_RETURN, 0);
    });
    const int dpi = ScreenDpi();
    EXPECT_EQ(ems, (std::vector<int>{layout::PointsToPixels(21.75, dpi), layout::PointsToPixels(36, dpi),
                                     layout::PointsToPixels(26.25, dpi)}))
        << "label, text box and button";
    EXPECT_LE(std::abs(emSpace.first - emSpace.second), 1)
        << emSpace.first << " pixels above the em box, " << emSpace.second << " below";
    EXPECT_EQ(caption, L"名前の入力");
    EXPECT_TRUE(focusWasTextBox);
    EXPECT_EQ(EnteredName, L"ゆう");
    const Lines said = Said(transcript);
    ASSERT_GE(said.size(), 2u);
    EXPECT_EQ(said[0], L"voice StopSpeech");
    EXPECT_EQ(said[1], L"voice Speak 0 ベストファイブ入賞　あなたの名前を入力してください");
}

TEST_F(NameEntryTest, SevenKanjiAreRefusedAtTheSeventhAndTwelveLettersAccepted)
{
    std::wstring afterKanji;
    Run([&](HWND, HWND box) {
        Type(box, L"一二三四五六七");
        afterKanji = win::GetText(box);
        DWORD start = 0, end = 0;
        SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, 6u) << "the caret stays at the end of what was kept";
        SetWindowTextW(box, L"");
        Type(box, L"ABCDEFGHIJKLM");
        PostMessageW(box, WM_KEYDOWN, VK_RETURN, 0);
    });
    EXPECT_EQ(afterKanji, L"一二三四五六");
    EXPECT_EQ(EnteredName, L"ABCDEFGHIJKL");
    EXPECT_EQ(Beeps(), 2u) << "the seventh kanji and the thirteenth letter";
}

TEST_F(NameEntryTest, AnEmptyNameIsRefusedAndTheWindowCannotBeClosedWithoutOne)
{
    bool stayed = false;
    Run([&](HWND w, HWND box) {
        PostMessageW(box, WM_KEYDOWN, VK_RETURN, 0); // empty: refused
        win::DoEvents();
        SendMessageW(GetDlgItem(w, 1), BM_CLICK, 0, 0);
        SendMessageW(w, WM_CLOSE, 0, 0);
        win::DoEvents();
        stayed = IsWindow(w) && IsWindowVisible(w);
        Type(box, L"Z");
        // A double click on the text box accepts as well.
        SendMessageW(box, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(2, 2));
    });
    EXPECT_TRUE(stayed);
    EXPECT_EQ(EnteredName, L"Z");
    EXPECT_EQ(Beeps(), 2u) << "Enter and OK refused with a beep; closing refused silently";
}

TEST_F(NameEntryTest, OkAcceptsAndAPasteOverTheLimitOrOfTwoLinesIsUndone)
{
    Run([&](HWND, HWND box) {
        Type(box, L"ねこ");
        SendMessageW(box, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"いぬいぬいぬ"));
        EXPECT_EQ(win::GetText(box), L"ねこ");
        SendMessageW(box, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"A\r\nB"));
        EXPECT_EQ(win::GetText(box), L"ねこ") << "a name is one line";
        SendMessageW(box, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"いぬ"));
        PostMessageW(GetParent(box), WM_COMMAND, MAKEWPARAM(1, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(GetParent(box), 1)));
    });
    EXPECT_EQ(EnteredName, L"ねこいぬ");
}

TEST_F(NameEntryTest, ADoubleClickOnTheAnswerPanelOpensItEmpty)
{
    QuizWindow window;
    ASSERT_TRUE(window.Load(GetModuleHandleW(nullptr)));
    std::wstring shown = L"(not shown)";
    WhenShown probe(
        [&](HWND w) {
            HWND box = FindWindowExW(w, nullptr, L"Edit", nullptr);
            shown = win::GetText(box);
            Type(box, L"Q");
            PostMessageW(box, WM_KEYDOWN, VK_RETURN, 0);
        },
        L"VemoNameEntry");
    // A point of the panel below the choice list.
    const int dpi = ScreenDpi();
    const POINT at = {layout::ToPixels(layout::kLabel3.left + 60, dpi),
                      layout::ToPixels(layout::kLabel3.top + layout::kLabel3.height - 60, dpi)};
    SendMessageW(window.hwnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    EXPECT_TRUE(probe.Ran());
    EXPECT_EQ(shown, L"");

    // Elsewhere in the window nothing opens.
    WhenShown none([](HWND w) { PostMessageW(w, WM_CLOSE, 0, 0); }, L"VemoNameEntry");
    SendMessageW(window.hwnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(2, 2));
    EXPECT_FALSE(none.Ran());
}

} // namespace
} // namespace game
