// The speaking message box: button sets and their results, default buttons,
// Escape, icon and beep, the layout, the timeout and custom captions.
#include "harness.h"

#include "tests/support/transcript_reader.h"
#include "toolkit/message_box.h"
#include "win/cp932.h"
#include "win/handles.h"
#include "win/window.h"

#include <gtest/gtest.h>

#include <string>

using tktest::ModalRun;
using tktest::Press;
using tktest::RunModal;
using tktest::ScopedWindowOperation;

namespace {

constexpr int kButtons[3] = {kLumaMessageButton1, kLumaMessageButton2, kLumaMessageButton3};
constexpr int kText = 9008;
constexpr int kIcon = 9009;

struct Seen {
    std::wstring title;
    std::wstring text;
    std::wstring captions[3];
    bool visible[3] = {};
    int focus = 0;
    int defaultId = 0;
    bool icon = false;
    RECT client = {};
    RECT textRect = {};
    RECT buttonRects[3] = {};
    int lineHeight = 0;
};

Seen Look(HWND box)
{
    Seen s;
    s.title = win::GetText(box);
    s.text = win::GetText(GetDlgItem(box, kText));
    for (int i = 0; i < 3; ++i) {
        HWND b = GetDlgItem(box, kButtons[i]);
        s.captions[i] = win::GetText(b);
        s.visible[i] = IsWindowVisible(b) != FALSE;
        s.buttonRects[i] = tktest::ChildRect(box, b);
    }
    s.focus = tktest::FocusId(box);
    LRESULT def = SendMessageW(box, DM_GETDEFID, 0, 0);
    s.defaultId = HIWORD(def) == DC_HASDEFID ? LOWORD(def) : 0;
    s.icon = SendDlgItemMessageW(box, kIcon, STM_GETICON, 0, 0) != 0;
    GetClientRect(box, &s.client);
    s.textRect = tktest::ChildRect(box, GetDlgItem(box, kText));
    HWND text = GetDlgItem(box, kText);
    win::WindowDC dc(text);
    win::SelectObjectGuard select(dc.get(), reinterpret_cast<HGDIOBJ>(SendMessageW(text, WM_GETFONT, 0, 0)));
    TEXTMETRICW tm = {};
    GetTextMetricsW(dc.get(), &tm);
    s.lineHeight = tm.tmHeight;
    return s;
}

// Opens a box, looks at it, then does `act` (a key or a click) and returns
// the box's result.
int Box(const std::string& text, UINT type, Seen& seen, const std::function<void(HWND)>& act, UINT timeout = 0)
{
    ModalRun run;
    run.script = [&](HWND box) {
        seen = Look(box);
        act(box);
    };
    return RunModal(run, [&] { return SpeakMessageBox(text.c_str(), nullptr, type, timeout); });
}

void Click(HWND box, int id)
{
    SendMessageW(GetDlgItem(box, id), BM_CLICK, 0, 0);
}

} // namespace

TEST(SpeakMessageBox, EveryButtonSetAnswersWithItsCommandIds)
{
    ScopedWindowOperation off(std::nullopt);
    struct Row {
        UINT set;
        const wchar_t* captions[3];
        int results[3];
    };
    const Row rows[] = {
        {0, {L"OK", nullptr, nullptr}, {IDOK, 0, 0}},
        {1, {L"OK", L"ｷｬﾝｾﾙ", nullptr}, {IDOK, IDCANCEL, 0}},
        {2, {L"失敗", L"再試行", L"無視"}, {IDABORT, IDRETRY, IDIGNORE}},
        {3, {L"はい", L"いいえ", L"ｷｬﾝｾﾙ"}, {IDYES, IDNO, IDCANCEL}},
        {4, {L"はい", L"いいえ", nullptr}, {IDYES, IDNO, 0}},
        {5, {L"再試行", L"ｷｬﾝｾﾙ", nullptr}, {IDRETRY, IDCANCEL, 0}},
    };
    std::string text = cp932::FromWide(L"よろしいですか");
    for (const Row& row : rows) {
        for (int i = 0; i < 3; ++i) {
            if (!row.captions[i])
                continue;
            Seen seen;
            int result = Box(text, row.set, seen, [&](HWND box) { Click(box, kButtons[i]); });
            EXPECT_EQ(result, row.results[i]) << "set " << row.set << " button " << i;
            for (int j = 0; j < 3; ++j) {
                EXPECT_EQ(seen.visible[j], row.captions[j] != nullptr) << "set " << row.set << " button " << j;
                if (row.captions[j]) {
                    EXPECT_EQ(seen.captions[j], row.captions[j]);
                }
            }
            EXPECT_EQ(seen.title, L"ﾒｯｾｰｼﾞ");
            EXPECT_EQ(seen.text, L"よろしいですか");
            EXPECT_EQ(seen.focus, kLumaMessageButton1);
            EXPECT_FALSE(seen.icon);
        }
    }
}

TEST(SpeakMessageBox, EscapeFollowsTheButtonSet)
{
    ScopedWindowOperation off(std::nullopt);
    std::string text = cp932::FromWide(L"確認");
    const int escape[6] = {IDOK, IDCANCEL, 0, IDCANCEL, 0, IDCANCEL};
    for (UINT set = 0; set < 6; ++set) {
        Seen seen;
        bool stayedOpen = false;
        int result = Box(text, set, seen, [&](HWND box) {
            Press(box, VK_ESCAPE);
            stayedOpen = IsWindow(box) && IsWindowVisible(box);
            if (escape[set] == 0)
                Click(box, kLumaMessageButton1);
        });
        if (escape[set] != 0) {
            EXPECT_EQ(result, escape[set]) << "set " << set;
        } else {
            EXPECT_TRUE(stayedOpen) << "set " << set << ": Escape is ignored";
            EXPECT_EQ(result, set == 2 ? IDABORT : IDYES);
        }
    }
}

TEST(SpeakMessageBox, QuestionYesNoShowsItsIconAndIgnoresEscape)
{
    ScopedWindowOperation off(std::nullopt);
    testsupport::ScopedTranscript transcript;
    Seen seen;
    bool stayedOpen = false;
    int result = Box(cp932::FromWide(L"上書きしますか"), 0x24, seen, [&](HWND box) {
        Press(box, VK_ESCAPE);
        stayedOpen = IsWindowVisible(box) != FALSE;
        Click(box, kLumaMessageButton2);
    });
    EXPECT_EQ(result, IDNO);
    EXPECT_TRUE(stayedOpen);
    EXPECT_TRUE(seen.icon);
    EXPECT_EQ(seen.captions[0], L"はい");
    EXPECT_EQ(seen.captions[1], L"いいえ");
    bool beeped = false;
    for (const auto& e : transcript.Entries())
        beeped = beeped || e == std::vector<std::wstring>{L"beep", L"20"};
    EXPECT_TRUE(beeped);
}

TEST(SpeakMessageBox, NoIconNoBeep)
{
    ScopedWindowOperation off(std::nullopt);
    testsupport::ScopedTranscript transcript;
    Seen seen;
    Box("abc", 0, seen, [](HWND box) { Click(box, kLumaMessageButton1); });
    for (const auto& e : transcript.Entries())
        EXPECT_NE(e.at(0), L"beep");
}

TEST(SpeakMessageBox, SecondDefaultButtonHasTheFocusAndEscapeCancels)
{
    ScopedWindowOperation off(std::nullopt);
    Seen seen;
    int result = Box(cp932::FromWide(L"保存しますか"), 0x123, seen, [](HWND box) { Press(box, VK_ESCAPE); });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(seen.defaultId, kLumaMessageButton2);
    EXPECT_EQ(seen.focus, kLumaMessageButton2);
    EXPECT_EQ(seen.captions[1], L"いいえ");
    // Enter presses the default button.
    result = Box(cp932::FromWide(L"保存しますか"), 0x123, seen, [](HWND box) { Press(box, VK_RETURN); });
    EXPECT_EQ(result, IDNO);
    // Third default: only for the three-button sets.
    Box("x", 0x203, seen, [](HWND box) { Press(box, VK_ESCAPE); });
    EXPECT_EQ(seen.defaultId, kLumaMessageButton3);
    Box("x", 0x201, seen, [](HWND box) { Press(box, VK_ESCAPE); });
    EXPECT_EQ(seen.defaultId, kLumaMessageButton1);
    Box("x", 0x100, seen, [](HWND box) { Press(box, VK_ESCAPE); });
    EXPECT_EQ(seen.defaultId, kLumaMessageButton1) << "set 0 keeps its only button";
}

TEST(SpeakMessageBox, TimeoutPressesTheDefaultButton)
{
    ScopedWindowOperation off(std::nullopt);
    ModalRun run; // nobody presses anything
    EXPECT_EQ(RunModal(run, [] { return SpeakMessageBox("time", nullptr, 0x101, 300); }), IDCANCEL);
    EXPECT_TRUE(tktest::DialogWasShown());
    EXPECT_EQ(RunModal(run, [] { return SpeakMessageBox("time", nullptr, 0x4, 300); }), IDYES);
}

TEST(SpeakMessageBox, ArrowsAndSpaceMoveBetweenButtonsWithTheSettingOn)
{
    ScopedWindowOperation on(1);
    std::vector<int> focus;
    Seen seen;
    int result = Box(cp932::FromWide(L"続けますか"), 3, seen, [&](HWND box) {
        Press(box, VK_DOWN);
        focus.push_back(tktest::FocusId(box));
        Press(box, VK_SPACE);
        focus.push_back(tktest::FocusId(box));
        Press(box, VK_SPACE, tktest::Mods{.shift = true});
        focus.push_back(tktest::FocusId(box));
        Press(box, VK_UP);
        focus.push_back(tktest::FocusId(box));
        Press(box, VK_RETURN);
    });
    EXPECT_EQ(focus, (std::vector<int>{kLumaMessageButton2, kLumaMessageButton3, kLumaMessageButton2,
                                       kLumaMessageButton1}));
    EXPECT_EQ(result, IDYES) << "Enter presses the focused button";
}

TEST(SpeakMessageBox, ThreeLinesGrowTheBoxAndLowerTheButtons)
{
    ScopedWindowOperation off(std::nullopt);
    Seen one, three;
    Box(cp932::FromWide(L"一行"), 1, one, [](HWND box) { Click(box, kLumaMessageButton1); });
    Box(cp932::FromWide(L"一行目\n二行目\n三行目"), 1, three, [](HWND box) { Click(box, kLumaMessageButton1); });
    int staticHeight = one.textRect.bottom - one.textRect.top;
    int extra = 3 * one.lineHeight - staticHeight;
    ASSERT_GT(extra, 0);
    EXPECT_EQ(three.client.bottom - one.client.bottom, extra);
    EXPECT_EQ(three.textRect.bottom - three.textRect.top, 3 * one.lineHeight);
    EXPECT_EQ(three.buttonRects[0].top - one.buttonRects[0].top, extra);
    EXPECT_EQ(three.client.right, one.client.right) << "no line is wider than the static";

    // Sets 0, 1, 4 and 5 are centred; the buttons keep their spacing.
    for (const Seen* s : {&one, &three}) {
        int left = s->buttonRects[0].left, right = s->buttonRects[1].right;
        EXPECT_LE(std::abs(left - (s->client.right - right)), 1) << "centred";
        EXPECT_EQ(s->buttonRects[1].left - s->buttonRects[0].right, one.buttonRects[1].left - one.buttonRects[0].right);
    }
    // No icon: the text starts where the icon would.
    EXPECT_LT(one.textRect.left, 20);
}

TEST(SpeakMessageBox, AShortMessageLeavesThreeButtonRowsInPlace)
{
    ScopedWindowOperation off(std::nullopt);
    Seen plain, three;
    Box("a", 0x40, plain, [](HWND box) { Click(box, kLumaMessageButton1); });
    Box("a", 0x42, three, [](HWND box) { Click(box, kLumaMessageButton1); });
    EXPECT_EQ(three.client.right, plain.client.right) << "the box keeps its size";
    EXPECT_EQ(three.client.bottom, plain.client.bottom);
    // Template places of 9005 and 9007: 7 and 119 dialog units.
    EXPECT_LT(three.buttonRects[0].left, plain.buttonRects[0].left) << "set 0 is centred, set 2 stays left";
    EXPECT_LE(std::abs(plain.buttonRects[0].left - (plain.client.right - plain.buttonRects[0].right)), 1);
    EXPECT_TRUE(three.icon);
    EXPECT_GT(three.textRect.left, 40) << "with an icon the text stays right of it";
}

TEST(SpeakMessageBox, AWideLineWidensTheBox)
{
    ScopedWindowOperation off(std::nullopt);
    Seen narrow, wide;
    Box("a", 0, narrow, [](HWND box) { Click(box, kLumaMessageButton1); });
    std::wstring longLine(60, L'長');
    Box(cp932::FromWide(longLine), 0, wide, [](HWND box) { Click(box, kLumaMessageButton1); });
    EXPECT_GT(wide.client.right, narrow.client.right);
    EXPECT_EQ(wide.client.right - narrow.client.right,
              (wide.textRect.right - wide.textRect.left) - (narrow.textRect.right - narrow.textRect.left));
    EXPECT_LE(std::abs(wide.buttonRects[0].left - (wide.client.right - wide.buttonRects[0].right)), 1);
}

TEST(SpeakMessageBox, CustomCaptions)
{
    ScopedWindowOperation off(std::nullopt);
    std::string text = cp932::FromWide(L"どうしますか");
    std::string copy = cp932::FromWide(L"コピー");
    std::string cancel = cp932::FromWide(L"ｷｬﾝｾﾙ");
    std::string fullCancel = cp932::FromWide(L"キャンセル");
    Seen seen;
    auto ex = [&](const char* b1, const char* b2, const char* b3, UINT type, const std::function<void(HWND)>& act) {
        ModalRun run;
        run.script = [&](HWND box) {
            seen = Look(box);
            act(box);
        };
        return RunModal(run, [&] { return SpeakMessageBoxEx(text.c_str(), "Title", b1, b2, b3, type); });
    };
    auto escape = [](HWND box) { Press(box, VK_ESCAPE); };

    EXPECT_EQ(ex(copy.c_str(), cancel.c_str(), nullptr, 0, escape), kLumaMessageButton2);
    EXPECT_EQ(seen.captions[0], L"コピー");
    EXPECT_EQ(seen.title, L"Title");
    EXPECT_TRUE(seen.visible[1]);
    EXPECT_FALSE(seen.visible[2]);

    EXPECT_EQ(ex("A", "B", fullCancel.c_str(), 0x200, escape), kLumaMessageButton3);
    EXPECT_EQ(seen.defaultId, kLumaMessageButton3);

    // One caption: one button; no cancel caption: Escape is ignored.
    bool stayedOpen = false;
    EXPECT_EQ(ex(copy.c_str(), nullptr, "ignored", 0x30, [&](HWND box) {
                  Press(box, VK_ESCAPE);
                  stayedOpen = IsWindowVisible(box) != FALSE;
                  Click(box, kLumaMessageButton1);
              }),
              kLumaMessageButton1);
    EXPECT_TRUE(stayedOpen);
    EXPECT_TRUE(seen.visible[0]);
    EXPECT_FALSE(seen.visible[1]);
    EXPECT_FALSE(seen.visible[2]);
    EXPECT_TRUE(seen.icon);

    // Without a first caption: the standard box for the number of captions
    // given, with its own captions and results.
    EXPECT_EQ(ex("", copy.c_str(), nullptr, 0, escape), IDCANCEL);
    EXPECT_EQ(seen.captions[0], L"OK");
    EXPECT_EQ(seen.captions[1], L"ｷｬﾝｾﾙ");
    EXPECT_TRUE(seen.visible[0]);
    EXPECT_TRUE(seen.visible[1]);
    EXPECT_FALSE(seen.visible[2]);
    EXPECT_EQ(ex("", nullptr, nullptr, 0, [](HWND box) { Click(box, kLumaMessageButton1); }), IDOK);
    EXPECT_TRUE(seen.visible[0]);
    EXPECT_FALSE(seen.visible[1]);

    // Captions are cut to 15 bytes, never inside a double-byte character.
    EXPECT_EQ(ex("ABCDEFGHIJKLMNOPQRST", cp932::FromWide(L"ABCDEFGHIJKLMNあ").c_str(), "C", 0,
                 [](HWND box) { Click(box, kLumaMessageButton3); }),
              kLumaMessageButton3);
    EXPECT_EQ(seen.captions[0], L"ABCDEFGHIJKLMNO");
    EXPECT_EQ(seen.captions[1], L"ABCDEFGHIJKLMN");
    EXPECT_EQ(seen.captions[2], L"C");
}

TEST(SpeakMessageBox, BadArgumentsOpenNothing)
{
    ModalRun run;
    EXPECT_EQ(RunModal(run, [] { return SpeakMessageBox(nullptr, "c", 0, 0); }), 0);
    EXPECT_FALSE(tktest::DialogWasShown());
    EXPECT_EQ(RunModal(run, [] { return SpeakMessageBox("t", "c", 6, 0); }), 0);
    EXPECT_FALSE(tktest::DialogWasShown());
    EXPECT_EQ(RunModal(run, [] { return SpeakMessageBoxEx(nullptr, "c", "a", nullptr, nullptr, 0); }), 0);
    EXPECT_EQ(RunModal(run, [] { return SpeakMessageBoxEx("t", "c", nullptr, "b", nullptr, 0); }), 0);
    EXPECT_FALSE(tktest::DialogWasShown());
}
