#include "game/quiz_window.h"

#include <gtest/gtest.h>

#include "game/em_text.h"
#include "game/fonts.h"
#include "game/logic/layout.h"
#include "game/logic/texts.h"
#include "game/program_state.h"
#include "game/tests/window_test_support.h"
#include "win/message_loop.h"
#include "win/window.h"

namespace game {
namespace {

using testing::Said;
using testing::StoredViewStyle;
using testing::StoreViewStyle;
using Lines = std::vector<std::wstring>;

std::wstring MenuText(HMENU menu, UINT id)
{
    wchar_t text[128] = {};
    GetMenuStringW(menu, id, text, 128, MF_BYCOMMAND);
    return text;
}

bool Checked(HMENU menu, int id)
{
    return (GetMenuState(menu, static_cast<UINT>(id), MF_BYCOMMAND) & MF_CHECKED) != 0;
}

int CheckedStyle(HMENU menu)
{
    int checked = -1;
    for (int i = 0; i < kStyleCount; ++i)
        if (Checked(menu, mnuViewStyleID0 + i)) {
            EXPECT_EQ(checked, -1) << "two style items checked";
            checked = i;
        }
    return checked;
}

// The background colour the window gives a control now.
COLORREF ControlBack(HWND window, HWND control)
{
    win::UniqueMemoryDC dc(CreateCompatibleDC(nullptr));
    SendMessageW(window, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc.get()), reinterpret_cast<LPARAM>(control));
    return GetBkColor(dc.get());
}

COLORREF ToColorRef(const Rgb& c)
{
    return RGB(c.r, c.g, c.b);
}

std::vector<std::wstring> Captions(const std::vector<HWND>& labels)
{
    std::vector<std::wstring> texts;
    for (HWND l : labels)
        texts.push_back(win::GetText(l));
    return texts;
}

class QuizWindowTest : public ::testing::Test {
protected:
    void Load(const std::optional<std::wstring>& stored)
    {
        StoreViewStyle(stored);
        QuizAbort = false;
        ASSERT_TRUE(window.Load(GetModuleHandleW(nullptr)));
    }
    std::vector<std::wstring> Mes1() { return Captions({window.Mes1(0), window.Mes1(1), window.Mes1(2)}); }
    std::vector<std::wstring> Mes2()
    {
        std::vector<HWND> labels;
        for (int i = 0; i < kMes2Count; ++i)
            labels.push_back(window.Mes2(i));
        return Captions(labels);
    }
    void Command(int id)
    {
        SendMessageW(window.hwnd(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
    }

    testsupport::ScopedTranscript transcript;
    QuizWindow window;
};

TEST_F(QuizWindowTest, LoadsInvisiblyWithTheNoQuizMenuState)
{
    Load(std::nullopt);
    EXPECT_FALSE(IsWindowVisible(window.hwnd()));
    EXPECT_EQ(win::GetText(window.hwnd()), L"カルミオ");
    EXPECT_FALSE(window.QuizLoaded || window.Playing || window.SpeedMode || window.Closing);

    HMENU menu = window.Menu();
    EXPECT_TRUE(window.CommandIsEnabled(mnuFileOpen));
    for (int id : {mnuQuizeEasy, mnuQuizeSpeed, mnuQuizeCheck, mnuQuizeRevoice, mnuQuizeCancel, mnuToolRank,
                   mnuToolInfo})
        EXPECT_FALSE(window.CommandIsEnabled(id)) << FindCommand(id)->name;
    for (int id : {mnuFileQuit, mnuViewStyleID0, mnuViewStyleID1, mnuViewStyleID2, mnuViewStyleID3,
                   mnuToolDownload1, mnuToolDownload2, mnuHelpDoc, mnuHelpVersion})
        EXPECT_TRUE(window.CommandIsEnabled(id)) << FindCommand(id)->name;

    // Captions with their access keys and F-keys, and the menu bar.
    EXPECT_EQ(MenuText(menu, mnuFileOpen), L"クイズを開く...(&O)\tF2");
    EXPECT_EQ(MenuText(menu, mnuQuizeCancel), L"クイズ中止(&C)\tF8");
    EXPECT_EQ(MenuText(menu, mnuToolInfo), L"クイズ情報...(&I)\tF1");
    EXPECT_EQ(MenuText(menu, mnuFileQuit), L"終了(&X)");
    ASSERT_EQ(GetMenuItemCount(menu), 5);
    wchar_t bar[64] = {};
    GetMenuStringW(menu, 1, bar, 64, MF_BYPOSITION);
    EXPECT_STREQ(bar, L"カルミオ(&Q)");
    HMENU quize = GetSubMenu(menu, 1);
    EXPECT_EQ(GetMenuItemCount(quize), 7); // with its two separators

    // Blank displays, empty question and choices, the start-up text.
    EXPECT_EQ(Mes1(), (Lines{L"", L"", L""}));
    EXPECT_EQ(Mes2(), Lines(8));
    EXPECT_EQ(win::GetText(window.TextQ()), L"");
    EXPECT_EQ(SendMessageW(window.SelA(), LB_GETCOUNT, 0, 0), 0);
    EXPECT_EQ(win::GetText(window.TextMesBox()), texts::kStartupText);

    // No stored style: the standard one, and it is stored.
    EXPECT_EQ(window.CurrentStyle(), 0);
    EXPECT_EQ(CheckedStyle(menu), 0);
    EXPECT_EQ(StoredViewStyle(), L"0");
    EXPECT_EQ(Said(transcript), (Lines{L"voice SetMode 65"}));
}

TEST_F(QuizWindowTest, StoredStyleTwoStartsInTheThirdStyle)
{
    Load(L"2");
    EXPECT_EQ(window.CurrentStyle(), 2);
    EXPECT_EQ(CheckedStyle(window.Menu()), 2);
    EXPECT_EQ(ControlBack(window.hwnd(), window.TextQ()), ToColorRef(StyleColors(2).questionBack));
    EXPECT_EQ(ControlBack(window.hwnd(), window.SelA()), ToColorRef(StyleColors(2).answerBack));
}

TEST_F(QuizWindowTest, BadStoredStyleStartsInTheStandardStyleAndIsRewritten)
{
    for (const wchar_t* bad : {L"abc", L"7", L"-1"}) {
        QuizWindow w;
        StoreViewStyle(bad);
        ASSERT_TRUE(w.Load(GetModuleHandleW(nullptr)));
        EXPECT_EQ(w.CurrentStyle(), 0) << bad;
        EXPECT_EQ(CheckedStyle(w.Menu()), 0) << bad;
        EXPECT_EQ(StoredViewStyle(), L"0") << bad;
    }
}

TEST_F(QuizWindowTest, StyleMenuStoresTheStyleAndMovesTheCheckMark)
{
    Load(L"0");
    for (int style : {1, 3, 2, 0}) {
        Command(mnuViewStyleID0 + style);
        EXPECT_EQ(window.CurrentStyle(), style);
        EXPECT_EQ(CheckedStyle(window.Menu()), style);
        EXPECT_EQ(StoredViewStyle(), std::to_wstring(style));
        EXPECT_EQ(ControlBack(window.hwnd(), window.TextQ()), ToColorRef(StyleColors(style).questionBack));
    }
}

TEST_F(QuizWindowTest, LampsShowNumbersAndSpreadText)
{
    Load(L"0");
    window.Mes1Disp(3);
    EXPECT_EQ(Mes1(), (Lines{L"第", L"３", L"問"}));
    window.Mes2Disp(3);
    EXPECT_EQ(Mes2(), (Lines{L"合", L"格", L"ま", L"で", L"あ", L"と", L"３", L"問"}));
    window.Mes2DispS(L"ステ｜ジ");
    EXPECT_EQ(Mes2(), (Lines{L"ス", L"テ", L"｜", L"ジ", L"", L"", L"", L""}));
    window.Mes1Disp(0);
    window.Mes2DispS(L"");
    EXPECT_EQ(Mes1(), (Lines{L"", L"", L""}));
    EXPECT_EQ(Mes2(), Lines(8));
}

TEST_F(QuizWindowTest, FunctionKeysReachOnlyEnabledCommands)
{
    Load(L"0");
    auto pressF8 = [&] {
        PostMessageW(window.SelA(), WM_KEYDOWN, VK_F8, 0);
        PostMessageW(window.SelA(), WM_KEYUP, VK_F8, 0xC0000000);
        win::DoEvents();
    };
    // Cancel is disabled without a game: F8, or its command sent directly,
    // does nothing.
    pressF8();
    Command(mnuQuizeCancel);
    EXPECT_FALSE(QuizAbort);
    // During a game F8 cancels through the accelerator.
    window.ApplyMenuState(MenuState::Playing);
    pressF8();
    EXPECT_TRUE(QuizAbort);
}

TEST_F(QuizWindowTest, ActivationSpeaksTheHintUntilAQuizIsLoaded)
{
    Load(L"0");
    window.Show();
    win::DoEvents();
    EXPECT_EQ(Said(transcript), (Lines{L"voice SetMode 65", L"voice SetMode 65", L"voice StopSpeech",
                                       L"voice Speak 0  F2でクイズを開いてください", L"voice WaitSpeech"}));
    // With a quiz loaded, activation only stops speech.
    window.QuizLoaded = true;
    HWND other = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr, nullptr,
                                 nullptr, nullptr);
    SetActiveWindow(other);
    SetActiveWindow(window.hwnd());
    win::DoEvents();
    DestroyWindow(other);
    Lines said = Said(transcript);
    ASSERT_EQ(said.size(), 7u);
    EXPECT_EQ(said[5], L"voice SetMode 65");
    EXPECT_EQ(said[6], L"voice StopSpeech");
}

TEST_F(QuizWindowTest, QuestionBoxFocusAnnouncements)
{
    Load(L"0");
    window.Show();
    win::DoEvents();
    size_t before = Said(transcript).size();

    // Between questions the question box hands the focus to the choices.
    SetFocus(window.TextQ());
    EXPECT_EQ(GetFocus(), window.SelA());
    EXPECT_EQ(Said(transcript).size(), before);

    // During an answer entering and leaving it is announced.
    window.Answering = true;
    SetFocus(window.TextQ());
    EXPECT_EQ(GetFocus(), window.TextQ());
    SetFocus(window.SelA());
    Lines said = Said(transcript);
    ASSERT_EQ(said.size(), before + 2);
    EXPECT_EQ(said[before], L"voice Speak 0 問題");
    EXPECT_EQ(said[before + 1], L"voice Speak 0 解答");

    // Tab moves between the two.
    PostMessageW(window.SelA(), WM_KEYDOWN, VK_TAB, 0);
    win::DoEvents();
    EXPECT_EQ(GetFocus(), window.TextQ());
}

TEST_F(QuizWindowTest, RereadSpeaksTheQuestionWhileTheChoicesAreOffered)
{
    Load(L"0");
    SetWindowTextW(window.TextQ(), L"日本一高い山は？");
    Command(mnuQuizeRevoice); // disabled: nothing
    window.ApplyMenuState(MenuState::Answering);
    Command(mnuQuizeRevoice);
    EXPECT_EQ(Said(transcript),
              (Lines{L"voice SetMode 65", L"voice StopSpeech", L"voice Speak 0 日本一高い山は？"}));
}

TEST_F(QuizWindowTest, QuitSpeaksTheFarewellAndUnloads)
{
    Load(L"0");
    window.EnableTimer(QuizWindow::TimerQLine, true);
    window.Answering = true;
    window.QLineOn = true;
    Command(mnuFileQuit);
    EXPECT_TRUE(window.Unloaded());
    EXPECT_FALSE(IsWindow(window.hwnd()));
    EXPECT_TRUE(window.Closing);
    EXPECT_TRUE(QuizAbort);
    EXPECT_FALSE(window.Answering);
    EXPECT_FALSE(window.QLineOn);
    EXPECT_EQ(Said(transcript), (Lines{L"voice SetMode 65", L"voice StopSpeech", L"voice Speak 0 カルミオ おわり",
                                       L"voice WaitSpeech"}));
}

TEST_F(QuizWindowTest, CancelAndWaitStopsSpeechAndRunsPendingEvents)
{
    Load(L"0");
    bool ran = false;
    PostMessageW(window.hwnd(), WM_NULL, 0, 0);
    struct Probe : win::MessageFilter {
        bool* ran;
        bool PreTranslateMessage(MSG& msg) override
        {
            if (msg.message == WM_NULL)
                *ran = true;
            return false;
        }
    } probe;
    probe.ran = &ran;
    win::ScopedMessageFilter scope(&probe);
    window.CancelAndWait();
    EXPECT_TRUE(ran);
    EXPECT_EQ(Said(transcript).back(), L"voice StopSpeech");
}

} // namespace
} // namespace game

namespace game {
namespace {

TEST_F(QuizWindowTest, QuestionBoxHoldsFiveLinesOfTwelveAndTheListFiveChoices)
{
    Load(L"0");
    HWND box = window.TextQ();
    RECT client;
    GetClientRect(box, &client);
    win::WindowDC dc(box);
    win::SelectObjectGuard guard(dc.get(), reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0)));

    // The longest question: 58 full-width characters.
    std::wstring question(58, L'問');
    std::vector<std::wstring> lines = WrapLines(dc.get(), question, client.right);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0].size(), 12u);
    EXPECT_LE(5 * EmHeight(dc.get()), client.bottom);
    // 24 points: 32 pixels at 96 dots per inch.
    EXPECT_EQ(EmHeight(dc.get()), layout::PointsToPixels(24, ScreenDpi()));

    // Line ends start new lines; a final one adds none.
    EXPECT_EQ(WrapLines(dc.get(), L"ab\r\ncd\r\n", client.right), (Lines{L"ab", L"cd"}));
    EXPECT_EQ(WrapLines(dc.get(), L"", client.right), (Lines{L""}));

    RECT list;
    GetClientRect(window.SelA(), &list);
    EXPECT_LE(5 * SendMessageW(window.SelA(), LB_GETITEMHEIGHT, 0, 0), list.bottom);
}

} // namespace
} // namespace game

namespace game {
namespace {

TEST(Fonts, AJapaneseFaceThatExistsIsChosen)
{
    for (FontPitch pitch : {FontPitch::Fixed, FontPitch::Proportional}) {
        std::wstring face = ChooseFace(pitch);
        ASSERT_FALSE(face.empty());
        EXPECT_TRUE(HasJapaneseFace(face)) << face;
    }
    EXPECT_FALSE(HasJapaneseFace(L"No Such Face Anywhere"));
    EXPECT_FALSE(HasJapaneseFace(L""));
}

} // namespace
} // namespace game
