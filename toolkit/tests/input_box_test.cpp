// The speaking input box: trimming, the refusal of an empty entry with its
// guide, requireText 0, and the caller's buffer.
#include "harness.h"

#include "tests/support/transcript_reader.h"
#include "toolkit/message_box.h"
#include "win/cp932.h"
#include "win/window.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using tktest::ModalRun;
using tktest::Press;
using tktest::RunModal;
using tktest::ScopedWindowOperation;

namespace {

constexpr int kEdit = 9010;
constexpr int kPrompt = 9011;

// Opens the box, types `entry` into its edit box and presses OK.
int Enter(const char* entry, char* buffer, int size, int requireText, const char* initial = nullptr)
{
    ModalRun run;
    run.script = [&](HWND box) {
        SetDlgItemTextW(box, kEdit, cp932::ToWide(entry).c_str());
        SendMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
        if (IsWindow(box))
            PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
    };
    return RunModal(run, [&] { return SpeakInputBox("prompt", nullptr, initial, buffer, size, requireText); });
}

} // namespace

TEST(InputBox, ShowsPromptCaptionAndInitialText)
{
    ScopedWindowOperation off(std::nullopt);
    std::wstring title, prompt, edit;
    int focus = 0;
    char buffer[32];
    std::memset(buffer, 0xCC, sizeof buffer);
    ModalRun run;
    run.script = [&](HWND box) {
        title = win::GetText(box);
        prompt = win::GetText(GetDlgItem(box, kPrompt));
        edit = win::GetText(GetDlgItem(box, kEdit));
        focus = tktest::FocusId(box);
        Press(box, VK_RETURN); // setting off: Enter in the edit box confirms
    };
    std::string p = cp932::FromWide(L"新しい名前を入力してください"), c = cp932::FromWide(L"名前の変更"), i = cp932::FromWide(L"古い名前");
    int result = RunModal(run, [&] { return SpeakInputBox(p.c_str(), c.c_str(), i.c_str(), buffer, 32, 1); });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(title, L"名前の変更");
    EXPECT_EQ(prompt, L"新しい名前を入力してください");
    EXPECT_EQ(edit, L"古い名前");
    EXPECT_EQ(focus, kEdit);
    EXPECT_STREQ(buffer, i.c_str());

    // Without a caption the template's title stays.
    RunModal(run, [&] { return SpeakInputBox("p", nullptr, nullptr, buffer, 32, 0); });
    EXPECT_EQ(title, L"入力");
}

TEST(InputBox, TrimsBlanksButNotTheFullWidthSpace)
{
    ScopedWindowOperation off(std::nullopt);
    char buffer[32];
    std::memset(buffer, 0xCC, sizeof buffer);
    EXPECT_EQ(Enter("  abc \t", buffer, 32, 1), 1);
    EXPECT_STREQ(buffer, "abc");
    for (int i = 4; i < 32; ++i)
        ASSERT_EQ(buffer[i], 0) << "the whole buffer is zeroed first";
    std::string wide = cp932::FromWide(L"　名前　");
    EXPECT_EQ(Enter((" " + wide + " ").c_str(), buffer, 32, 1), 1);
    EXPECT_EQ(std::string(buffer), wide);
}

TEST(InputBox, RequireTextZeroAcceptsBlanks)
{
    ScopedWindowOperation off(std::nullopt);
    char buffer[8];
    std::memset(buffer, 0xCC, sizeof buffer);
    EXPECT_EQ(Enter("   ", buffer, 8, 0), 1);
    for (char c : buffer)
        EXPECT_EQ(c, 0);
}

TEST(InputBox, LongEntriesAreCutAndTerminated)
{
    ScopedWindowOperation off(std::nullopt);
    char buffer[8];
    std::memset(buffer, 0xCC, sizeof buffer);
    EXPECT_EQ(Enter("abcdefghijkl", buffer, 6, 1), 1);
    EXPECT_STREQ(buffer, "abcde");
    EXPECT_EQ(static_cast<unsigned char>(buffer[6]), 0xCC) << "nothing written past bufferSize";
    // A cut inside a double-byte character drops the whole character.
    std::memset(buffer, 0xCC, sizeof buffer);
    EXPECT_EQ(Enter(cp932::FromWide(L"あいう").c_str(), buffer, 6, 1), 1);
    EXPECT_EQ(std::string(buffer), cp932::FromWide(L"あい"));
}

TEST(InputBox, BlanksAreRefusedWithASpokenGuideWithTheSettingOn)
{
    ScopedWindowOperation on(1);
    testsupport::ScopedTranscript transcript;
    char buffer[16];
    std::memset(buffer, 0xCC, sizeof buffer);
    bool stillOpen = false, guideUnderEdit = false;
    int focusAfterEnter = 0;
    bool guideClosedByKey = false;
    ModalRun run;
    run.script = [&](HWND box) {
        SetDlgItemTextW(box, kEdit, L"   ");
        Press(box, VK_RETURN); // Enter in the edit box moves on to OK
        focusAfterEnter = tktest::FocusId(box);
        Press(box, VK_RETURN); // Enter on OK confirms: refused
        stillOpen = IsWindowVisible(box) != FALSE;
        HWND guide = tktest::FindChildOfClass(box, L"ZUB_GuideClass");
        if (guide) {
            RECT edit = tktest::ChildRect(box, GetDlgItem(box, kEdit));
            RECT r = tktest::ChildRect(box, guide);
            guideUnderEdit = r.left == edit.left && r.top == edit.bottom + 2;
            Press(box, VK_RIGHT);
            guideClosedByKey = !IsWindow(guide);
        }
        Press(box, VK_ESCAPE);
    };
    int result = RunModal(run, [&] { return SpeakInputBox("p", nullptr, nullptr, buffer, 16, 1); });
    EXPECT_EQ(result, 2);
    EXPECT_EQ(focusAfterEnter, IDOK);
    EXPECT_TRUE(stillOpen);
    EXPECT_TRUE(guideUnderEdit);
    EXPECT_TRUE(guideClosedByKey);
    EXPECT_EQ(static_cast<unsigned char>(buffer[0]), 0xCC) << "cancel leaves the buffer alone";
    bool spoken = false;
    for (const auto& e : transcript.Entries())
        spoken = spoken || e == std::vector<std::wstring>{L"reader", L"Speak", L"1", L"何も入力されていません"};
    EXPECT_TRUE(spoken);
}

TEST(InputBox, BlanksAreRefusedWithAPlainMessageBoxWithTheSettingOff)
{
    ScopedWindowOperation off(std::nullopt);
    char buffer[16];
    std::vector<std::wstring> texts;
    bool stillOpen = false;
    ModalRun run;
    run.script = [&](HWND box) {
        SetDlgItemTextW(box, kEdit, L" \t ");
        Press(box, VK_RETURN);
        stillOpen = IsWindowVisible(box) != FALSE;
        SetDlgItemTextW(box, kEdit, L"x");
        Press(box, VK_RETURN);
    };
    run.nested = [&](HWND message) {
        texts = tktest::ChildTexts(message);
        PostMessageW(message, WM_COMMAND, IDOK, 0);
    };
    EXPECT_EQ(RunModal(run, [&] { return SpeakInputBox("p", nullptr, nullptr, buffer, 16, 1); }), 1);
    EXPECT_TRUE(stillOpen);
    EXPECT_STREQ(buffer, "x");
    bool found = false;
    for (const auto& t : texts)
        found = found || t == L"何も入力されていません";
    EXPECT_TRUE(found);
}

TEST(InputBox, BadBuffersOpenNothing)
{
    char buffer[4];
    ModalRun run;
    EXPECT_EQ(RunModal(run, [&] { return SpeakInputBox("p", nullptr, nullptr, buffer, 0, 1); }), 0);
    EXPECT_EQ(RunModal(run, [&] { return SpeakInputBox("p", nullptr, nullptr, buffer, -5, 1); }), 0);
    EXPECT_EQ(RunModal(run, [&] { return SpeakInputBox("p", nullptr, nullptr, nullptr, 4, 1); }), 0);
    EXPECT_FALSE(tktest::DialogWasShown());
}
