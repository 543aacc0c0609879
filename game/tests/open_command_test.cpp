// The open command in process, where no dialog library lies beside the test
// program (every open is a cancel), and loading the file a dialog chose:
// what is said, the caption, the menus and the quiz kept on a failure.
#include <gtest/gtest.h>

#include <fstream>

#include "game/quiz/tests/quiz_file_builder.h"
#include "game/tests/window_test_support.h"
#include "tests/support/temp_folder.h"
#include "win/cp932.h"
#include "win/path_names.h"
#include "win/window.h"

namespace game {
namespace {

using namespace testing;

class OpenCommand : public GameWindowTest {
protected:
    std::wstring Write(const std::wstring& name, const std::string& bytes)
    {
        std::ofstream(folder / name, std::ios::binary) << bytes;
        return (folder / name).wstring();
    }
    // The caption, whether the start-up text shows and the play and
    // information commands are enabled.
    std::tuple<std::wstring, bool, bool, bool> State()
    {
        return {win::GetText(window.hwnd()), (GetWindowLongPtrW(window.TextMesBox(), GWL_STYLE) & WS_VISIBLE) != 0,
                window.CommandIsEnabled(mnuQuizeEasy), window.CommandIsEnabled(mnuToolInfo)};
    }

    testsupport::ScopedTempFolder folder{"vemo-open-test"};
};

// Failing to open or load (a missing file, a folder, a short file) before
// any quiz leaves the start-up state with its text shown again; afterwards
// the loaded quiz stays as it was.
TEST_F(OpenCommand, ACancelOrAFailedLoadSaysSoAndKeepsWhatWasThere)
{
    const auto startUp = std::make_tuple(std::wstring(L"カルミオ"), true, false, false);
    ShowWindow(window.TextMesBox(), SW_HIDE);
    Command(mnuFileOpen);
    EXPECT_EQ(Said(1), (Lines{L"voice Speak 0 パス"}));
    EXPECT_EQ(State(), startUp);
    ShowWindow(window.TextMesBox(), SW_HIDE);
    EXPECT_FALSE(window.LoadQuiz((folder / L"missing.zlq").wstring()));
    EXPECT_EQ(State(), startUp);
    EXPECT_FALSE(window.QuizLoaded);

    const std::wstring good = Write(L"good.zlq", quiz::testing::QuizFileBytes({2}, 2));
    ASSERT_TRUE(window.LoadQuiz(good));
    const auto loaded = std::make_tuple(std::wstring(L"カルミオ - good.zlq"), false, true, true);
    const size_t before = Said().size();
    Command(mnuFileOpen);
    EXPECT_FALSE(window.LoadQuiz((folder / L"missing.zlq").wstring()));
    EXPECT_FALSE(window.LoadQuiz(folder.Path().wstring()));
    EXPECT_FALSE(window.LoadQuiz(Write(L"short.zlq", std::string(100, 'x'))));
    const Lines said = Said(before);
    EXPECT_EQ(said.front(), L"voice Speak 0 パス");
    EXPECT_EQ(Count(said, L"voice Speak 0 ロード スタート"), 3u);
    EXPECT_EQ(Count(said, Message(L"ファイルを開けません")), 2u);
    EXPECT_EQ(Count(said, Message(L"クイズのファイルではありません")), 1u);
    EXPECT_EQ(std::count_if(said.begin(), said.end(), [](auto& l) { return l.find(L"問題数") != l.npos; }), 0);
    EXPECT_EQ(State(), loaded);
    EXPECT_EQ(window.QuizPath, good);
    EXPECT_EQ(window.Quiz.ListQ.size(), 2u);
}

// A file loads under the name the file system keeps, even when the dialog
// handed out its short path (for a name its code page cannot carry); a quiz
// without questions loads but cannot be played.
TEST_F(OpenCommand, ALoadedQuizIsAnnouncedNamedInTheCaptionAndPlayableIfItHasQuestions)
{
    const std::wstring path = Write(L"café 한국어.zlq", quiz::testing::QuizFileBytes({3, 0, 2}, 5));
    const std::wstring shortPath = win::ShortPathName(path);
    ASSERT_TRUE(cp932::CanEncode(shortPath)) << cp932::FromWide(shortPath);
    ASSERT_TRUE(window.LoadQuiz(shortPath));
    EXPECT_EQ(Said(1), (Lines{L"voice Speak 0 ロード スタート", L"voice WaitSpeech",
                              Message(L"問題数5") + L"ロード おわり\xF8F2", L"voice Speak 0 F3でカルミオできます"}));
    EXPECT_EQ(window.QuizPath, path);
    EXPECT_EQ(window.Quiz.ListQ.size(), 5u);
    EXPECT_EQ(State(), std::make_tuple(L"カルミオ - café 한국어.zlq", false, true, true));
    EXPECT_TRUE(window.CommandIsEnabled(mnuQuizeSpeed) && window.CommandIsEnabled(mnuToolRank));
    EXPECT_FALSE(window.CommandIsEnabled(mnuQuizeCancel));

    ASSERT_TRUE(window.LoadQuiz(Write(L"empty.zlq", quiz::testing::QuizFileBytes({}, 0))));
    EXPECT_EQ(Said()[7], Message(L"問題数0") + L"ロード おわり\xF8F2");
    EXPECT_EQ(State(), std::make_tuple(L"カルミオ - empty.zlq", false, false, true));
    EXPECT_FALSE(window.CommandIsEnabled(mnuQuizeSpeed));
    EXPECT_TRUE(window.CommandIsEnabled(mnuToolRank));
}

} // namespace
} // namespace game
