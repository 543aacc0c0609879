// The speaking message box and input box: each button set's captions and
// results, Escape, default buttons, the icon and its beep, the timeout, the
// layout that grows with the text, custom captions; the input box's
// trimming, cutting and refusal of an empty entry.
#include "tests/support/dialog_driver.h"
#include "tests/support/transcript_reader.h"
#include "tests/support/window_operation.h"
#include "toolkit/message_box.h"
#include "win/cp932.h"
#include "win/handles.h"
#include "win/window.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace dialogtest;
using testsupport::ScopedWindowOperation;

namespace {

constexpr int kButtons[3] = {kLumaMessageButton1, kLumaMessageButton2, kLumaMessageButton3};
constexpr int kText = 9008, kIcon = 9009, kEdit = 9010;

struct Seen {
    Box box;
    int focus = 0, defaultId = 0, lineHeight = 0;
    bool icon = false;
    RECT client = {}, text = {}, first = {}, second = {};
};

Seen Look(HWND box)
{
    Seen s{LookAt(box), FocusId(box)};
    LRESULT def = SendMessageW(box, DM_GETDEFID, 0, 0);
    s.defaultId = HIWORD(def) == DC_HASDEFID ? LOWORD(def) : 0;
    s.icon = SendDlgItemMessageW(box, kIcon, STM_GETICON, 0, 0) != 0;
    GetClientRect(box, &s.client);
    s.text = ChildRect(box, GetDlgItem(box, kText));
    s.first = ChildRect(box, GetDlgItem(box, kButtons[0]));
    s.second = ChildRect(box, GetDlgItem(box, kButtons[1]));
    win::WindowDC dc(GetDlgItem(box, kText));
    win::SelectObjectGuard font(dc.get(), reinterpret_cast<HGDIOBJ>(SendDlgItemMessageW(box, kText, WM_GETFONT, 0, 0)));
    TEXTMETRICW tm = {};
    GetTextMetricsW(dc.get(), &tm);
    s.lineHeight = tm.tmHeight;
    return s;
}

// Opens a box, looks at it, then does `act` (a key or a click); returns
// the box's result.
int Open(const std::function<int()>& call, Seen& seen, const std::function<void(HWND)>& act)
{
    Driver driver;
    return driver.Run(call, [&](HWND box) {
        seen = Look(box);
        act(box);
    });
}
int Show(const std::wstring& text, UINT type, Seen& seen, const std::function<void(HWND)>& act)
{
    std::string bytes = cp932::FromWide(text);
    return Open([&] { return SpeakMessageBox(bytes.c_str(), nullptr, type, 0); }, seen, act);
}
std::function<void(HWND)> Click(int index)
{
    return [index](HWND box) { SendDlgItemMessageW(box, kButtons[index], BM_CLICK, 0, 0); };
}
const std::function<void(HWND)> kEscape = [](HWND) { Press(VK_ESCAPE); };

} // namespace

// Every button of every set answers with its command id; Escape gives the
// set's cancel, or is ignored where a set has none.
TEST(SpeakMessageBox, ButtonSetsAndEscape)
{
    ScopedWindowOperation off(std::nullopt);
    struct Row {
        std::vector<std::wstring> captions;
        std::vector<int> results;
        int escape; // 0: ignored
    };
    const Row rows[] = {
        {{L"OK"}, {IDOK}, IDOK},
        {{L"OK", L"ｷｬﾝｾﾙ"}, {IDOK, IDCANCEL}, IDCANCEL},
        {{L"失敗", L"再試行", L"無視"}, {IDABORT, IDRETRY, IDIGNORE}, 0},
        {{L"はい", L"いいえ", L"ｷｬﾝｾﾙ"}, {IDYES, IDNO, IDCANCEL}, IDCANCEL},
        {{L"はい", L"いいえ"}, {IDYES, IDNO}, 0},
        {{L"再試行", L"ｷｬﾝｾﾙ"}, {IDRETRY, IDCANCEL}, IDCANCEL},
    };
    for (UINT set = 0; set < 6; ++set) {
        SCOPED_TRACE(testing::Message() << "set " << set);
        const Row& row = rows[set];
        for (std::size_t i = 0; i < row.captions.size(); ++i) {
            Seen seen;
            EXPECT_EQ(Show(L"よろしいですか", set, seen, Click(static_cast<int>(i))), row.results[i]);
            EXPECT_EQ(seen.box.buttons, row.captions);
            EXPECT_EQ(seen.box.title, L"ﾒｯｾｰｼﾞ");
            EXPECT_EQ(seen.box.text, L"よろしいですか");
            EXPECT_EQ(seen.focus, kLumaMessageButton1);
            EXPECT_FALSE(seen.icon);
        }
        Seen seen;
        bool open = false;
        int result = Show(L"確認", set, seen, [&](HWND box) {
            Press(VK_ESCAPE);
            open = IsWindowVisible(box) != FALSE;
            if (open)
                Click(0)(box);
        });
        EXPECT_EQ(result, row.escape ? row.escape : row.results[0]);
        EXPECT_EQ(open, row.escape == 0);
    }
}

TEST(SpeakMessageBox, IconsBeepAndDefaultButtons)
{
    ScopedWindowOperation off(std::nullopt);
    testsupport::ScopedTranscript transcript;
    Seen seen;
    EXPECT_EQ(Show(L"上書きしますか", 0x24, seen, Click(1)), IDNO);
    EXPECT_TRUE(seen.icon);
    EXPECT_EQ(transcript.Count(L"beep 20"), 1u);
    std::size_t before = transcript.Said().size();
    Show(L"abc", 0, seen, Click(0));
    for (const std::wstring& line : transcript.Said(before))
        EXPECT_NE(line.substr(0, 4), L"beep") << "no beep without an icon";

    EXPECT_EQ(Show(L"保存しますか", 0x123, seen, kEscape), IDCANCEL);
    EXPECT_EQ(seen.defaultId, kLumaMessageButton2);
    EXPECT_EQ(seen.focus, kLumaMessageButton2);
    EXPECT_EQ(Show(L"保存しますか", 0x123, seen, [](HWND) { Press(VK_RETURN); }), IDNO) << "Enter: the default";
    // The third default only for sets of three buttons.
    for (auto [type, id] : {std::pair<UINT, int>{0x203, kLumaMessageButton3}, {0x201, kLumaMessageButton1},
                            {0x100, kLumaMessageButton1}}) {
        Show(L"x", type, seen, kEscape);
        EXPECT_EQ(seen.defaultId, id) << type;
    }
}

TEST(SpeakMessageBox, TimeoutPressesTheDefaultButton)
{
    ScopedWindowOperation off(std::nullopt);
    Driver driver; // nobody presses anything
    EXPECT_EQ(driver.Run([] { return SpeakMessageBox("time", nullptr, 0x101, 300); }), IDCANCEL);
    EXPECT_TRUE(driver.Shown());
    EXPECT_EQ(driver.Run([] { return SpeakMessageBox("time", nullptr, 0x4, 300); }), IDYES);
}

TEST(SpeakMessageBox, ArrowsAndSpaceMoveBetweenButtonsWithTheSettingOn)
{
    ScopedWindowOperation on(1);
    std::vector<int> focus;
    Seen seen;
    int result = Show(L"続けますか", 3, seen, [&](HWND box) {
        for (auto [key, mods] : {std::pair<WORD, Mods>{VK_DOWN, {}}, {VK_SPACE, {}}, {VK_SPACE, {true}}, {VK_UP, {}}}) {
            Press(key, mods);
            focus.push_back(FocusId(box));
        }
        Press(VK_RETURN);
    });
    EXPECT_EQ(focus, (std::vector<int>{kLumaMessageButton2, kLumaMessageButton3, kLumaMessageButton2,
                                       kLumaMessageButton1}));
    EXPECT_EQ(result, IDYES) << "Enter presses the focused button";
}

// More lines make the box taller and lower the buttons, a wide line widens
// it; sets of one or two buttons are centred, a three-button row is not.
TEST(SpeakMessageBox, LayoutFollowsTheText)
{
    ScopedWindowOperation off(std::nullopt);
    Seen one, three, wide, set2;
    Show(L"一行", 1, one, Click(0));
    Show(L"一行目\n二行目\n三行目", 1, three, Click(0));
    Show(std::wstring(60, L'長'), 1, wide, Click(0));
    Show(L"一行", 0x42, set2, Click(0));
    int extra = 3 * one.lineHeight - (one.text.bottom - one.text.top);
    ASSERT_GT(extra, 0);
    EXPECT_EQ(three.client.bottom - one.client.bottom, extra);
    EXPECT_EQ(three.first.top - one.first.top, extra);
    EXPECT_EQ(three.client.right, one.client.right);
    EXPECT_EQ(wide.client.right - one.client.right, (wide.text.right - wide.text.left) - (one.text.right - one.text.left));
    for (const Seen* s : {&one, &three, &wide}) {
        EXPECT_LE(std::abs(s->first.left - (s->client.right - s->second.right)), 1) << "centred";
        EXPECT_EQ(s->second.left - s->first.right, one.second.left - one.first.right) << "spacing kept";
    }
    EXPECT_EQ(set2.client.right, one.client.right);
    EXPECT_LT(set2.first.left, one.first.left) << "three buttons stay at the left";
    EXPECT_LT(one.text.left, 20) << "no icon: the text starts where the icon would";
    EXPECT_GT(set2.text.left, 40) << "right of the icon";
}

TEST(SpeakMessageBox, CustomCaptions)
{
    ScopedWindowOperation off(std::nullopt);
    Seen seen;
    auto ex = [&](const std::wstring& b1, const wchar_t* b2, const wchar_t* b3, UINT type,
                  const std::function<void(HWND)>& act) {
        std::string text = cp932::FromWide(L"どうしますか"), c1 = cp932::FromWide(b1),
                    c2 = b2 ? cp932::FromWide(b2) : "", c3 = b3 ? cp932::FromWide(b3) : "";
        return Open([&] { return SpeakMessageBoxEx(text.c_str(), "Title", c1.c_str(), b2 ? c2.c_str() : nullptr,
                                                   b3 ? c3.c_str() : nullptr, type); },
                    seen, act);
    };
    EXPECT_EQ(ex(L"コピー", L"ｷｬﾝｾﾙ", nullptr, 0, kEscape), kLumaMessageButton2);
    EXPECT_EQ(seen.box.buttons, (std::vector<std::wstring>{L"コピー", L"ｷｬﾝｾﾙ"}));
    EXPECT_EQ(seen.box.title, L"Title");
    EXPECT_EQ(ex(L"A", L"B", L"キャンセル", 0x200, kEscape), kLumaMessageButton3);
    EXPECT_EQ(seen.defaultId, kLumaMessageButton3);
    // No second caption: one button, and no cancel for Escape.
    bool open = false;
    EXPECT_EQ(ex(L"コピー", nullptr, L"ignored", 0x30,
                 [&](HWND box) {
                     Press(VK_ESCAPE);
                     open = IsWindowVisible(box) != FALSE;
                     Click(0)(box);
                 }),
              kLumaMessageButton1);
    EXPECT_TRUE(open);
    EXPECT_EQ(seen.box.buttons, std::vector<std::wstring>{L"コピー"});
    EXPECT_TRUE(seen.icon);
    // No first caption: the standard box for the number of captions given.
    EXPECT_EQ(ex(L"", L"コピー", nullptr, 0, kEscape), IDCANCEL);
    EXPECT_EQ(seen.box.buttons, (std::vector<std::wstring>{L"OK", L"ｷｬﾝｾﾙ"}));
    EXPECT_EQ(ex(L"", nullptr, nullptr, 0, Click(0)), IDOK);
    // Cut to 15 bytes, never inside a double-byte character.
    EXPECT_EQ(ex(L"ABCDEFGHIJKLMNOPQRST", L"ABCDEFGHIJKLMNあ", L"C", 0, Click(2)), kLumaMessageButton3);
    EXPECT_EQ(seen.box.buttons, (std::vector<std::wstring>{L"ABCDEFGHIJKLMNO", L"ABCDEFGHIJKLMN", L"C"}));
}

TEST(SpeakMessageBox, BadArgumentsOpenNothing)
{
    char buffer[4];
    Driver driver;
    auto none = [&](const std::function<int()>& call) {
        EXPECT_EQ(driver.Run(call), 0);
        EXPECT_FALSE(driver.Shown());
    };
    none([] { return SpeakMessageBox(nullptr, "c", 0, 0); });
    none([] { return SpeakMessageBox("t", "c", 6, 0); });
    none([] { return SpeakMessageBoxEx(nullptr, "c", "a", nullptr, nullptr, 0); });
    none([] { return SpeakMessageBoxEx("t", "c", nullptr, "b", nullptr, 0); });
    for (auto [data, size] : {std::pair<char*, int>{buffer, 0}, {buffer, -5}, {nullptr, 4}})
        none([&] { return SpeakInputBox("p", nullptr, nullptr, data, size, 1); });
}

// ---------------------------------------------------------------- the input box

namespace {

// Types `entry` into a fresh box and presses OK; the buffer starts as 0xCC.
int Enter(const std::wstring& entry, std::string& buffer, int size, int requireText)
{
    buffer.assign(24, '\xCC');
    Driver driver;
    return driver.Run([&] { return SpeakInputBox("prompt", nullptr, nullptr, buffer.data(), size, requireText); },
                      [&](HWND box) {
                          SetDlgItemTextW(box, kEdit, entry.c_str());
                          SendDlgItemMessageW(box, IDOK, BM_CLICK, 0, 0);
                      });
}

} // namespace

TEST(InputBox, ShowsItsTextsAndHandsBackTheEntryTrimmedAndCut)
{
    ScopedWindowOperation off(std::nullopt);
    std::string p = cp932::FromWide(L"新しい名前を入力してください"), c = cp932::FromWide(L"名前の変更"),
                i = cp932::FromWide(L"古い名前");
    char buffer[32];
    std::wstring edit;
    Seen seen;
    EXPECT_EQ(Open([&] { return SpeakInputBox(p.c_str(), c.c_str(), i.c_str(), buffer, 32, 1); }, seen,
                   [&](HWND box) {
                       edit = win::GetText(GetDlgItem(box, kEdit));
                       Press(VK_RETURN); // setting off: Enter in the edit box confirms
                   }),
              1);
    EXPECT_EQ(seen.box.title, L"名前の変更");
    EXPECT_EQ(seen.box.text, L"新しい名前を入力してください");
    EXPECT_EQ(seen.focus, kEdit);
    EXPECT_EQ(edit, L"古い名前");
    EXPECT_STREQ(buffer, i.c_str());
    Open([&] { return SpeakInputBox("p", nullptr, nullptr, buffer, 32, 0); }, seen, kEscape);
    EXPECT_EQ(seen.box.title, L"入力") << "the template's title without a caption";

    struct Row {
        std::wstring entry;
        int size, requireText;
        std::wstring expected;
    };
    const Row rows[] = {
        {L"  abc \t", 16, 1, L"abc"},
        {L" 　名前　 ", 16, 1, L"　名前　"}, // the full-width space is kept
        {L"   ", 8, 0, L""},
        {L"abcdefghijkl", 6, 1, L"abcde"},
        {L"あいう", 6, 1, L"あい"}, // a cut character is dropped whole
    };
    for (const Row& row : rows) {
        std::string out;
        EXPECT_EQ(Enter(row.entry, out, row.size, row.requireText), 1);
        EXPECT_EQ(cp932::ToWide(out.c_str()), row.expected);
        EXPECT_EQ(out.find_first_not_of('\0', std::strlen(out.c_str())), static_cast<std::size_t>(row.size))
            << "zeroed up to the size given, nothing written past it";
    }
}

// Blanks are refused: with the setting on by a spoken guide under the edit
// box that the next key closes, with it off by a plain message box.
TEST(InputBox, BlanksAreRefused)
{
    for (bool on : {true, false}) {
        SCOPED_TRACE(on ? "setting on" : "setting off");
        ScopedWindowOperation setting(on ? std::optional<DWORD>(1) : std::nullopt);
        testsupport::ScopedTranscript transcript;
        std::string buffer(16, '\xCC');
        bool open = false, guideUnderEdit = false, guideClosed = false;
        int focusAfterEnter = 0;
        Driver driver;
        if (!on)
            driver.Press(L"OK");
        int result = driver.Run(
            [&] { return SpeakInputBox("p", nullptr, nullptr, buffer.data(), 16, 1); },
            [&](HWND box) {
                SetDlgItemTextW(box, kEdit, L" \t ");
                Press(VK_RETURN); // on: Enter in the edit box moves on to OK
                focusAfterEnter = FocusId(box);
                if (on)
                    Press(VK_RETURN);
                open = IsWindowVisible(box) != FALSE;
                if (HWND guide = FindWindowExW(box, nullptr, L"ZUB_GuideClass", nullptr)) {
                    RECT edit = ChildRect(box, GetDlgItem(box, kEdit)), r = ChildRect(box, guide);
                    guideUnderEdit = r.left == edit.left && r.top == edit.bottom + 2;
                    Press(VK_RIGHT);
                    guideClosed = !IsWindow(guide);
                }
                Press(VK_ESCAPE);
            });
        EXPECT_EQ(result, 2);
        EXPECT_TRUE(open);
        EXPECT_EQ(buffer[0], '\xCC') << "cancel leaves the buffer alone";
        EXPECT_EQ(transcript.Count(L"reader Speak 1 何も入力されていません"), on ? 1u : 0u);
        if (on) {
            EXPECT_EQ(focusAfterEnter, IDOK);
            EXPECT_TRUE(guideUnderEdit);
            EXPECT_TRUE(guideClosed);
        } else {
            ASSERT_EQ(driver.Boxes().size(), 1u);
            EXPECT_EQ(driver.Boxes()[0].text, L"何も入力されていません");
        }
    }
}
