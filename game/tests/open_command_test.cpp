// The open command in process, where no dialog library lies beside the test
// program: every open is a cancel.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "game/logic/menu_tree.h"
#include "game/quiz/tests/quiz_file_builder.h"
#include "game/program_state.h"
#include "game/quiz_window.h"
#include "game/tests/window_test_support.h"
#include "win/cp932.h"
#include "win/message_loop.h"
#include "win/path_names.h"

namespace game {
namespace {

using testing::Said;
using Lines = std::vector<std::wstring>;

class OpenWithoutLibrary : public ::testing::Test {
protected:
    void SetUp() override
    {
        testing::StoreViewStyle(L"0");
        ASSERT_TRUE(window.Load(GetModuleHandleW(nullptr)));
        // The window stays hidden: nothing is spoken on activation.
        ASSERT_EQ(Said(transcript), (Lines{L"voice SetMode 65"}));
    }
    void Open() { SendMessageW(window.hwnd(), WM_COMMAND, MAKEWPARAM(mnuFileOpen, 0), 0); }
    bool TextBoxShown() { return (GetWindowLongPtrW(window.TextMesBox(), GWL_STYLE) & WS_VISIBLE) != 0; }

    testsupport::ScopedTranscript transcript;
    QuizWindow window;
};

TEST_F(OpenWithoutLibrary, BeforeAnyQuizSaysPassAndShowsTheStartUpTextAgain)
{
    ShowWindow(window.TextMesBox(), SW_HIDE);
    Open();
    EXPECT_EQ(Said(transcript), (Lines{L"voice SetMode 65", L"voice Speak 0 パス"}));
    EXPECT_TRUE(TextBoxShown());
    EXPECT_FALSE(window.QuizLoaded);
    EXPECT_FALSE(window.CommandIsEnabled(mnuQuizeEasy));
    EXPECT_FALSE(window.CommandIsEnabled(mnuQuizeSpeed));
    EXPECT_FALSE(window.CommandIsEnabled(mnuToolInfo));
    EXPECT_FALSE(window.CommandIsEnabled(mnuToolRank));
    EXPECT_EQ(win::GetText(window.hwnd()), L"カルミオ");
}

TEST_F(OpenWithoutLibrary, AfterALoadSaysPassAndKeepsTheQuiz)
{
    window.QuizLoaded = true;
    window.QuizPath = L"C:\\q\\a.zlq";
    window.Quiz.QuizTotal = 7;
    window.ApplyMenuState(MenuState::QuizLoaded);
    ShowWindow(window.TextMesBox(), SW_HIDE);
    Open();
    Open();
    EXPECT_EQ(Said(transcript), (Lines{L"voice SetMode 65", L"voice Speak 0 パス", L"voice Speak 0 パス"}));
    EXPECT_FALSE(TextBoxShown());
    EXPECT_TRUE(window.QuizLoaded);
    EXPECT_EQ(window.QuizPath, L"C:\\q\\a.zlq");
    EXPECT_EQ(window.Quiz.QuizTotal, 7);
    EXPECT_TRUE(window.CommandIsEnabled(mnuQuizeEasy));
}

// Loading a chosen file, as the open command does after the dialog.
class LoadChosenQuiz : public OpenWithoutLibrary {
protected:
    void TearDown() override { std::filesystem::remove_all(folder_); }

    std::wstring WriteQuiz(const std::wstring& name, const std::string& bytes)
    {
        std::filesystem::create_directories(folder_);
        const auto path = folder_ / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.wstring();
    }
    std::filesystem::path folder_ = std::filesystem::temp_directory_path() / L"vemo_load_test";
};

TEST_F(LoadChosenQuiz, AGoodFileAnnouncesItsQuestionsAndEnablesPlay)
{
    const std::wstring path = WriteQuiz(L"クイズ.zlq", quiz::testing::QuizFileBytes({3, 0, 2}, 5));
    ASSERT_TRUE(window.LoadQuiz(path));

    EXPECT_EQ(Said(transcript), (Lines{L"voice SetMode 65", L"voice Speak 0 ロード スタート", L"voice WaitSpeech",
                                       L"voice Speak 0 問題数5\xF8F2ロード おわり\xF8F2",
                                       L"voice Speak 0 F3でカルミオできます"}));
    EXPECT_TRUE(window.QuizLoaded);
    EXPECT_EQ(window.QuizPath, path);
    EXPECT_EQ(window.Quiz.QuizTotal, 5);
    EXPECT_EQ(window.Quiz.ListQ.size(), 5u);
    EXPECT_EQ(win::GetText(window.hwnd()), L"カルミオ - クイズ.zlq");
    EXPECT_FALSE(TextBoxShown());
    for (int id : {mnuQuizeEasy, mnuQuizeSpeed, mnuToolInfo, mnuToolRank})
        EXPECT_TRUE(window.CommandIsEnabled(id)) << id;
    EXPECT_FALSE(window.CommandIsEnabled(mnuQuizeCancel));
}

// The dialog hands out the short path of a name its code page cannot
// carry: the quiz loads through it, and the caption, the information sheet
// and the rankings (all from QuizPath) use the name the file system keeps.
TEST_F(LoadChosenQuiz, AQuizChosenUnderItsShortPathIsShownUnderItsOwnName)
{
    const std::wstring name = L"café 한국어.zlq";
    const std::wstring path = WriteQuiz(name, quiz::testing::QuizFileBytes({2}, 2));
    const std::wstring shortPath = win::ShortPathName(path);
    ASSERT_TRUE(cp932::CanEncode(shortPath)) << cp932::FromWide(shortPath);
    ASSERT_TRUE(window.LoadQuiz(shortPath));
    EXPECT_EQ(window.Quiz.QuizTotal, 2);
    EXPECT_EQ(window.QuizPath, path);
    EXPECT_EQ(win::GetText(window.hwnd()), L"カルミオ - " + name);
}

TEST_F(LoadChosenQuiz, AQuizWithoutQuestionsLoadsButCannotBePlayed)
{
    ASSERT_TRUE(window.LoadQuiz(WriteQuiz(L"empty.zlq", quiz::testing::QuizFileBytes({}, 0))));
    EXPECT_EQ(Said(transcript)[3], L"voice Speak 0 問題数0\xF8F2ロード おわり\xF8F2");
    EXPECT_TRUE(window.QuizLoaded);
    EXPECT_FALSE(window.CommandIsEnabled(mnuQuizeEasy));
    EXPECT_FALSE(window.CommandIsEnabled(mnuQuizeSpeed));
    EXPECT_TRUE(window.CommandIsEnabled(mnuToolInfo));
    EXPECT_TRUE(window.CommandIsEnabled(mnuToolRank));

    // A playable quiz loaded next makes play possible again.
    ASSERT_TRUE(window.LoadQuiz(WriteQuiz(L"two.zlq", quiz::testing::QuizFileBytes({2}, 2))));
    EXPECT_TRUE(window.CommandIsEnabled(mnuQuizeEasy));
}

TEST_F(LoadChosenQuiz, AFileThatCannotBeReadSaysSoAndKeepsTheQuizBefore)
{
    const std::wstring good = WriteQuiz(L"good.zlq", quiz::testing::QuizFileBytes({2}, 2));
    ASSERT_TRUE(window.LoadQuiz(good));
    const size_t before = Said(transcript).size();

    // Missing, and too short to hold the genre records. Each failure's
    // message window closes by itself once it has spoken.
    EXPECT_FALSE(window.LoadQuiz((folder_ / L"missing.zlq").wstring()));
    EXPECT_FALSE(window.LoadQuiz(WriteQuiz(L"short.zlq", std::string(100, 'x'))));

    Lines said = Said(transcript);
    Lines after(said.begin() + static_cast<std::ptrdiff_t>(before), said.end());
    // The message window speaks what it shows.
    EXPECT_EQ(std::count(after.begin(), after.end(), L"voice Speak 0 ロード スタート"), 2);
    EXPECT_NE(std::find(after.begin(), after.end(), L"voice Speak 0 ファイルを開けません\xF8F2"), after.end());
    EXPECT_NE(std::find(after.begin(), after.end(), L"voice Speak 0 クイズのファイルではありません\xF8F2"),
              after.end());
    EXPECT_EQ(std::count_if(after.begin(), after.end(),
                            [](const std::wstring& l) { return l.find(L"問題数") != std::wstring::npos; }),
              0);
    EXPECT_EQ(window.QuizPath, good);
    EXPECT_EQ(window.Quiz.QuizTotal, 2);
    EXPECT_EQ(window.Quiz.ListQ.size(), 2u);
    EXPECT_EQ(win::GetText(window.hwnd()), L"カルミオ - good.zlq");
    EXPECT_TRUE(window.CommandIsEnabled(mnuQuizeEasy));
}

TEST_F(LoadChosenQuiz, AFailedFirstLoadLeavesTheStartUpStateWithItsText)
{
    ShowWindow(window.TextMesBox(), SW_HIDE);
    EXPECT_FALSE(window.LoadQuiz((folder_ / L"missing.zlq").wstring()));
    EXPECT_FALSE(window.QuizLoaded);
    EXPECT_TRUE(TextBoxShown());
    EXPECT_FALSE(window.CommandIsEnabled(mnuQuizeEasy));
    EXPECT_FALSE(window.CommandIsEnabled(mnuToolInfo));
    EXPECT_EQ(win::GetText(window.hwnd()), L"カルミオ");
}

} // namespace
} // namespace game
