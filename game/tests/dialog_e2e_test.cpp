// The open command of Vemo.exe with the real dialog library beside it: the
// player moves from the name box to the list, goes to the last quiz of the
// program folder and presses Enter, or types a quiz's name; the quiz loads.
#include <gtest/gtest.h>

#include "tests/support/e2e/driver.h"
#include "tests/support/transcript_reader.h"
#include "win/cp932.h"
#include "win/module.h"

namespace {

constexpr DWORD kTimeout = 20000;
constexpr int kList = 1004;

TEST(GameOpenWithTheDialog, AQuizChosenInTheListOrTypedLoads)
{
    const std::filesystem::path bin = std::filesystem::path(win::ModuleFolder(nullptr)) / L".." / L"bin";
    ASSERT_TRUE(std::filesystem::exists(bin / L"LUMADLG.dll"));
    testsupport::ScopedTranscript transcript;
    e2e::Process game(bin / L"Vemo.exe");
    ASSERT_TRUE(game.Started());
    auto hint = e2e::WaitForLine(transcript.Path(), L"voice Speak 0  F2でクイズを開いてください", 0, kTimeout);
    ASSERT_TRUE(hint);
    HWND main = e2e::WaitForWindow(game.Id(), L"VemoQuizWindow", kTimeout);
    ASSERT_TRUE(main);

    e2e::PressKey(main, VK_F2);
    HWND dialog = e2e::WaitForWindow(game.Id(), L"#32770", kTimeout);
    ASSERT_TRUE(dialog);
    EXPECT_EQ(e2e::Title(dialog), L"クイズを開く");
    HWND list = GetDlgItem(dialog, kList);
    ASSERT_TRUE(list);

    // The name box has the focus at first; Tab moves on to the list.
    for (int i = 0; i < 8 && e2e::FocusOf(dialog) != list; ++i) {
        HWND before = e2e::FocusOf(dialog);
        e2e::PressKey(dialog, VK_TAB);
        ASSERT_TRUE(e2e::WaitFor([&] { return e2e::FocusOf(dialog) != before; }, kTimeout));
    }
    ASSERT_EQ(e2e::FocusOf(dialog), list);

    // Only the two sample quizzes match the filter; the last by name is the
    // geography quiz, and the list reads out the entry the player moves to.
    e2e::PressKey(dialog, VK_END);
    const std::wstring onEntry = L"日本の地理.zlq";
    ASSERT_TRUE(e2e::WaitForLine(
        transcript.Path(),
        [&](const std::wstring& line) {
            return line.starts_with(L"reader SpeakEx ") && line.ends_with(L" " + onEntry);
        },
        *hint, kTimeout))
        << "said: " << transcript.Lines().back();
    // A screen reader reads the rows from its own process.
    int focused = e2e::ListViewFocused(list);
    ASSERT_GE(focused, 0);
    EXPECT_EQ(e2e::ListViewText(list, focused), onEntry);
    std::wstring size = e2e::ListViewText(list, focused, 1);
    EXPECT_TRUE(size.ends_with(L"KB")) << cp932::FromWide(size);
    EXPECT_EQ(e2e::ListViewText(list, 0), L"上のフォルダへ");
    e2e::PressKey(dialog, VK_RETURN);

    auto loaded = e2e::WaitForLine(transcript.Path(), L"voice Speak 0 問題数48\xF8F2ロード おわり\xF8F2", *hint, kTimeout);
    ASSERT_TRUE(loaded) << "said: " << transcript.Lines().back();
    EXPECT_EQ(e2e::Title(main), L"カルミオ - 日本の地理.zlq");
    EXPECT_FALSE(IsWindow(dialog));

    // Again, typing the other quiz's name without its extension.
    e2e::PressKey(main, VK_F2);
    dialog = e2e::WaitForWindow(game.Id(), L"#32770", kTimeout);
    ASSERT_TRUE(dialog);
    HWND nameBox = e2e::FocusOf(dialog);
    for (wchar_t c : std::wstring(L"一般常識"))
        PostMessageW(nameBox, WM_CHAR, c, 1);
    e2e::PressKey(dialog, VK_RETURN);
    ASSERT_TRUE(e2e::WaitForLine(transcript.Path(), L"voice Speak 0 問題数48\xF8F2ロード おわり\xF8F2", *loaded + 1,
                                 kTimeout))
        << "said: " << transcript.Lines().back();
    EXPECT_EQ(e2e::Title(main), L"カルミオ - 一般常識.zlq");

    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(game.WaitForExit(kTimeout));
}

} // namespace
