// The speaking message box and input box: each button set's results and
// Escape, default buttons, the icon's beep, the timeout, custom
// captions; the input box's trimming, cutting, and refusal of an empty entry.
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
using Act = std::function<void(HWND)>;

namespace {

constexpr int kButtons[3] = {kLumaMessageButton1, kLumaMessageButton2, kLumaMessageButton3};
constexpr int kEdit = 9010;

struct Seen {
    Box box;
    int focus = 0, defaultId = 0;
};

// Opens a box, looks at it, then does `act`; returns the box's result.
int Open(const std::function<int()>& call, Seen& seen, const Act& act)
{
    return Driver().Run(call, [&](HWND box) {
        seen = {LookAt(box), FocusId(box), LOWORD(SendMessageW(box, DM_GETDEFID, 0, 0))};
        act(box);
    });
}
int Show(const std::wstring& text, UINT type, Seen& seen, const Act& act)
{
    std::string bytes = cp932::FromWide(text);
    return Open([&] { return SpeakMessageBox(bytes.c_str(), nullptr, type, 0); }, seen, act);
}
Act Click(int index)
{
    return [index](HWND box) { SendDlgItemMessageW(box, kButtons[index], BM_CLICK, 0, 0); };
}
// Escape; a box that ignores it is answered with its first button.
const Act kEscape = [](HWND box) {
    Press(VK_ESCAPE);
    if (IsWindowVisible(box))
        Click(0)(box);
};

} // namespace

TEST(SpeakMessageBox, ButtonSetsAndEscape)
{
    ScopedWindowOperation off(std::nullopt);
    const struct {
        Texts captions;
        std::vector<int> results;
        int escape; // a set without a cancel ignores Escape
    } sets[] = {
        {{L"OK"}, {IDOK}, IDOK},
        {{L"OK", L"ｷｬﾝｾﾙ"}, {IDOK, IDCANCEL}, IDCANCEL},
        {{L"失敗", L"再試行", L"無視"}, {IDABORT, IDRETRY, IDIGNORE}, IDABORT},
        {{L"はい", L"いいえ", L"ｷｬﾝｾﾙ"}, {IDYES, IDNO, IDCANCEL}, IDCANCEL},
        {{L"はい", L"いいえ"}, {IDYES, IDNO}, IDYES},
        {{L"再試行", L"ｷｬﾝｾﾙ"}, {IDRETRY, IDCANCEL}, IDCANCEL},
    };
    for (UINT set = 0; set < 6; ++set) {
        Seen seen;
        for (std::size_t i = 0; i < sets[set].captions.size(); ++i)
            EXPECT_EQ(Show(L"よろしいですか", set, seen, Click(static_cast<int>(i))), sets[set].results[i]) << set;
        EXPECT_EQ(seen.box.buttons, sets[set].captions);
        EXPECT_EQ(seen.box.title + L" " + seen.box.text, L"ﾒｯｾｰｼﾞ よろしいですか");
        EXPECT_EQ(seen.focus, kLumaMessageButton1);
        EXPECT_EQ(Show(L"確認", set, seen, kEscape), sets[set].escape) << set;
    }
}

TEST(SpeakMessageBox, IconsBeepsDefaultButtonsAndTheTimeout)
{
    ScopedWindowOperation off(std::nullopt);
    testsupport::ScopedTranscript transcript;
    Seen seen;
    EXPECT_EQ(Show(L"上書きしますか", 0x24, seen, kEscape), IDYES) << "Escape is ignored";
    EXPECT_EQ(transcript.Count(L"beep 20"), 1u);
    std::size_t before = transcript.Said().size();
    Show(L"abc", 0, seen, Click(0));
    for (const std::wstring& said : transcript.Said(before))
        EXPECT_EQ(said.find(L"beep"), std::wstring::npos) << "no beep without an icon";

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
    Driver driver; // nobody presses anything
    EXPECT_EQ(driver.Run([] { return SpeakMessageBox("time", nullptr, 0x101, 300); }), IDCANCEL);
    EXPECT_TRUE(driver.Shown());
}

TEST(SpeakMessageBox, ArrowsAndSpaceMoveBetweenButtonsWithTheSettingOn)
{
    ScopedWindowOperation on(1);
    std::vector<int> focus;
    Seen seen;
    EXPECT_EQ(Show(L"続けますか", 3, seen, [&](HWND box) {
                  for (auto [key, shift] : {std::pair{VK_DOWN, false}, {VK_SPACE, false}, {VK_SPACE, true}, {VK_UP, false}}) {
                      Press(static_cast<WORD>(key), {shift});
                      focus.push_back(FocusId(box));
                  }
                  Press(VK_RETURN);
              }),
              IDYES)
        << "Enter presses the focused button";
    EXPECT_EQ(focus, (std::vector<int>{kLumaMessageButton2, kLumaMessageButton3, kLumaMessageButton2, kLumaMessageButton1}));
}

TEST(SpeakMessageBox, CustomCaptions)
{
    ScopedWindowOperation off(std::nullopt);
    Seen seen;
    auto ex = [&](const std::wstring& b1, const wchar_t* b2, const wchar_t* b3, UINT type, const Act& act) {
        std::string c1 = cp932::FromWide(b1), c2 = cp932::FromWide(b2 ? b2 : L""), c3 = cp932::FromWide(b3 ? b3 : L"");
        return Open([&] { return SpeakMessageBoxEx("text", "T", c1.c_str(), b2 ? c2.c_str() : nullptr,
                                                   b3 ? c3.c_str() : nullptr, type); },
                    seen, act);
    };
    EXPECT_EQ(ex(L"コピー", L"ｷｬﾝｾﾙ", nullptr, 0, kEscape), kLumaMessageButton2);
    EXPECT_EQ(seen.box.buttons, (Texts{L"コピー", L"ｷｬﾝｾﾙ"}));
    EXPECT_EQ(ex(L"A", L"B", L"キャンセル", 0x200, kEscape), kLumaMessageButton3);
    EXPECT_EQ(seen.defaultId, kLumaMessageButton3);
    EXPECT_EQ(ex(L"コピー", nullptr, L"ignored", 0x30, kEscape), kLumaMessageButton1) << "no cancel, Escape ignored";
    EXPECT_EQ(seen.box.buttons, Texts{L"コピー"});
    // No first caption: the standard box for the number of captions given.
    EXPECT_EQ(ex(L"", L"コピー", nullptr, 0, kEscape), IDCANCEL);
    EXPECT_EQ(seen.box.buttons, (Texts{L"OK", L"ｷｬﾝｾﾙ"}));
    // Cut to 15 bytes, never inside a double-byte character.
    EXPECT_EQ(ex(L"ABCDEFGHIJKLMNOPQRST", L"ABCDEFGHIJKLMNあ", L"C", 0, Click(2)), kLumaMessageButton3);
    EXPECT_EQ(seen.box.buttons, (Texts{L"ABCDEFGHIJKLMNO", L"ABCDEFGHIJKLMN", L"C"}));
}

TEST(SpeakMessageBox, BadArgumentsOpenNothing)
{
    char buffer[4];
    Driver driver;
    for (const std::function<int()>& call : std::vector<std::function<int()>>{
             [] { return SpeakMessageBox(nullptr, "c", 0, 0); }, [] { return SpeakMessageBox("t", "c", 6, 0); },
             [] { return SpeakMessageBoxEx(nullptr, "c", "a", nullptr, nullptr, 0); },
             [] { return SpeakMessageBoxEx("t", "c", nullptr, "b", nullptr, 0); },
             [&] { return SpeakInputBox("p", nullptr, nullptr, buffer, 0, 1); },
             [&] { return SpeakInputBox("p", nullptr, nullptr, buffer, -5, 1); },
             [&] { return SpeakInputBox("p", nullptr, nullptr, nullptr, 4, 1); }}) {
        EXPECT_EQ(driver.Run(call), 0);
        EXPECT_FALSE(driver.Shown());
    }
}

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
    EXPECT_EQ(seen.box.title + L"|" + seen.box.text + L"|" + edit, L"名前の変更|新しい名前を入力してください|古い名前");
    EXPECT_EQ(seen.focus, kEdit);
    EXPECT_STREQ(buffer, i.c_str());
    Open([&] { return SpeakInputBox("p", nullptr, nullptr, buffer, 32, 0); }, seen, kEscape);
    EXPECT_EQ(seen.box.title, L"入力") << "the template's title without a caption";

    const struct {
        std::wstring entry;
        int size, requireText;
        std::wstring expected;
    } rows[] = {
        {L"  abc \t", 16, 1, L"abc"},
        {L" 　名前　 ", 16, 1, L"　名前　"}, // the full-width space is kept
        {L"   ", 8, 0, L""},
        {L"abcdefghijkl", 6, 1, L"abcde"},
        {L"あいう", 6, 1, L"あい"}, // a cut character is dropped whole
    };
    for (const auto& row : rows) {
        std::string out(24, '\xCC');
        EXPECT_EQ(Driver().Run([&] { return SpeakInputBox("p", nullptr, nullptr, out.data(), row.size, row.requireText); },
                               [&](HWND box) {
                                   SetDlgItemTextW(box, kEdit, row.entry.c_str());
                                   SendDlgItemMessageW(box, IDOK, BM_CLICK, 0, 0);
                               }),
                  1);
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
        ScopedWindowOperation setting(on ? std::optional<DWORD>(1) : std::nullopt);
        testsupport::ScopedTranscript transcript;
        std::string buffer(16, '\xCC');
        bool open = false, guideClosed = false;
        int focusAfterEnter = 0;
        Driver driver;
        if (!on)
            driver.Press(L"OK");
        EXPECT_EQ(driver.Run([&] { return SpeakInputBox("p", nullptr, nullptr, buffer.data(), 16, 1); },
                             [&](HWND box) {
                                 SetDlgItemTextW(box, kEdit, L" \t ");
                                 Press(VK_RETURN); // on: Enter in the edit box moves on to OK
                                 focusAfterEnter = FocusId(box);
                                 if (on)
                                     Press(VK_RETURN);
                                 open = IsWindowVisible(box) != FALSE;
                                 if (HWND guide = FindWindowExW(box, nullptr, L"ZUB_GuideClass", nullptr)) {
                                     Press(VK_RIGHT);
                                     guideClosed = !IsWindow(guide);
                                 }
                                 Press(VK_ESCAPE);
                             }),
                  2);
        EXPECT_TRUE(open) << on;
        EXPECT_EQ(buffer[0], '\xCC') << "cancel leaves the buffer alone";
        EXPECT_EQ(transcript.Count(L"reader Speak 1 何も入力されていません"), on ? 1u : 0u);
        EXPECT_EQ(on, focusAfterEnter == IDOK && guideClosed);
        if (!on) {
            EXPECT_EQ(driver.Boxes().at(0).text, L"何も入力されていません");
        }
    }
}
