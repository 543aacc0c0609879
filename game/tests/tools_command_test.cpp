#include <gtest/gtest.h>

#include "game/launcher.h"
#include "game/links.h"
#include "game/manual.h"
#include "game/program_state.h"
#include "game/quiz_window.h"
#include "game/tests/modal_probe.h"
#include "game/tests/window_test_support.h"
#include "win/message_loop.h"
#include "win/module.h"
#include "win/registry.h"
#include "win/window.h"

namespace game {
namespace {

using testing::MessageBoxText;
using testing::PressOk;
using testing::Said;
using testing::WhenShown;
using Lines = std::vector<std::wstring>;

constexpr wchar_t kTextWindow[] = L"VemoTextWindow";
constexpr wchar_t kMessageBox[] = L"#32770";

// Records what would be started; each kind of start succeeds or fails as set.
class FakeLauncher : public Launcher {
public:
    bool StartProgram(const std::wstring& commandLine) override
    {
        programs.push_back(commandLine);
        bool isEditor = commandLine.find(L"pennor.exe") != std::wstring::npos;
        return isEditor ? editorStarts : true;
    }
    bool OpenInBrowser(const std::wstring& address) override
    {
        browser.push_back(address);
        return browserStarts;
    }
    bool OpenWithDefault(const std::wstring& address) override
    {
        defaults.push_back(address);
        return true;
    }

    bool editorStarts = true;
    bool browserStarts = true;
    Lines programs, browser, defaults;
};

class ToolsCommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        testing::StoreViewStyle(L"0");
        QuizAbort = false;
        ASSERT_TRUE(window.Load(GetModuleHandleW(nullptr)));
        window.UseLauncher(launcher);
    }
    void Command(int id) { SendMessageW(window.hwnd(), WM_COMMAND, MAKEWPARAM(id, 0), 0); }
    // What was said from the given transcript line on.
    Lines SaidFrom(size_t first)
    {
        Lines all = Said(transcript);
        return first < all.size() ? Lines(all.begin() + static_cast<std::ptrdiff_t>(first), all.end()) : Lines{};
    }

    testsupport::ScopedTranscript transcript;
    FakeLauncher launcher;
    QuizWindow window;
};

// --- quiz information (F1) --------------------------------------------------

class InfoCommandTest : public ToolsCommandTest {
protected:
    void LoadQuiz()
    {
        window.QuizPath = L"C:\\クイズ\\一般常識.zlq";
        // As the loader holds them: 16 characters, the spaces among the
        // first 8 full-width.
        const std::wstring unused = std::wstring(8, L'\x3000') + std::wstring(8, L' ');
        const std::wstring names[8] = {L"歴史　　　　　　        ", L"地理と気候の雑学クイズ     ", unused, unused, unused,
                                       unused, unused, L"生き物　　　　　        "};
        const int counts[8] = {3, 12, 0, 0, 0, 0, 0, 1};
        for (size_t g = 0; g < 8; ++g) {
            window.Quiz.GenreName[g] = names[g];
            window.Quiz.GenreCount[g] = counts[g];
        }
        window.Quiz.QuizTotal = 16;
        window.QuizLoaded = true;
        window.ApplyMenuState(MenuState::QuizLoaded);
    }
    void PressF1()
    {
        PostMessageW(window.SelA(), WM_KEYDOWN, VK_F1, 0x003B0001);
        PostMessageW(window.SelA(), WM_KEYUP, VK_F1, 0xC03B0001);
        win::DoEvents();
    }
};

TEST_F(InfoCommandTest, F1ReadsTheSheetOfTheLoadedQuizAndEscapeReturnsToTheGame)
{
    LoadQuiz();
    window.Show();
    win::DoEvents();
    size_t before = Said(transcript).size();

    std::wstring shown;
    WhenShown probe(kTextWindow, L"クイズ情報", [&](HWND w) {
        shown = win::GetText(GetWindow(w, GW_CHILD));
        PostMessageW(GetWindow(w, GW_CHILD), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    });
    PressF1();
    ASSERT_TRUE(probe.Ran());
    EXPECT_FALSE(probe.TimedOut());

    const std::wstring sheet = L"【ファイル名】一般常識.zlq\r\n"
                               L"【ジャンル】\r\n"
                               L"　歴史　　　　　　　3問\r\n"
                               L"　地理と気候の雑学　12問\r\n"
                               L"　　　　　　　　　　0問\r\n"
                               L"　　　　　　　　　　0問\r\n"
                               L"　　　　　　　　　　0問\r\n"
                               L"　　　　　　　　　　0問\r\n"
                               L"　　　　　　　　　　0問\r\n"
                               L"　生き物　　　　　　1問\r\n"
                               L"合計16問のクイズです";
    EXPECT_EQ(shown, sheet);
    // Read aloud when it opens; the main window, active again, stops speech.
    EXPECT_EQ(SaidFrom(before), (Lines{L"voice StopSpeech", L"voice Speak 0 " + sheet, L"voice SetMode 65",
                                       L"voice StopSpeech"}));
    EXPECT_TRUE(IsWindowEnabled(window.hwnd()));
}

TEST_F(InfoCommandTest, NothingWithoutAQuiz)
{
    WhenShown probe(kTextWindow, L"クイズ情報", [](HWND w) { PostMessageW(w, WM_CLOSE, 0, 0); }, 2000);
    PressF1();
    Command(mnuToolInfo);
    win::DoEvents();
    EXPECT_FALSE(probe.Ran());
    EXPECT_EQ(Said(transcript), (Lines{L"voice SetMode 65"}));
}

// --- question-and-answer view (F5) ------------------------------------------

TEST_F(ToolsCommandTest, F5ShowsTheQuestionAndTheChoicesInDisplayOrderWhileAnswering)
{
    SetWindowTextW(window.TextQ(), L"日本一高い山は？");
    for (const wchar_t* choice : {L"北岳", L"富士山", L"槍ヶ岳", L"奥穂高岳", L"間ノ岳"})
        SendMessageW(window.SelA(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(choice));

    std::wstring shown;
    auto probeAction = [&](HWND w) {
        shown = win::GetText(GetWindow(w, GW_CHILD));
        PostMessageW(GetWindow(w, GW_CHILD), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    };
    {
        // Between questions the command is disabled.
        WhenShown probe(kTextWindow, L"問題と解答のビュー", probeAction, 2000);
        Command(mnuQuizeCheck);
        win::DoEvents();
        EXPECT_FALSE(probe.Ran());
    }
    window.ApplyMenuState(MenuState::Answering);
    size_t before = Said(transcript).size();
    WhenShown probe(kTextWindow, L"問題と解答のビュー", probeAction);
    Command(mnuQuizeCheck);
    ASSERT_TRUE(probe.Ran());
    EXPECT_EQ(shown, L"【問題】\r\n日本一高い山は？\r\n【解答】\r\n北岳\r\n富士山\r\n槍ヶ岳\r\n奥穂高岳\r\n間ノ岳\r\n");
    Lines said = SaidFrom(before);
    ASSERT_GE(said.size(), 6u);
    EXPECT_EQ(Lines(said.begin(), said.begin() + 6),
              (Lines{L"voice StopSpeech", L"voice Speak 0 問題と解答のビュー アクティブ", L"voice WaitSpeech",
                     L"voice StopSpeech", L"voice Speak 0 ビュー おわり", L"voice WaitSpeech"}));
}

// --- manual -----------------------------------------------------------------

class ManualTest : public ToolsCommandTest {
protected:
    void SetUp() override
    {
        ToolsCommandTest::SetUp();
        win::DeleteUserTree(L"Software\\VXN");
        EditorPath.clear();
    }
    void TearDown() override { win::DeleteUserTree(L"Software\\VXN"); }

    static void InstallEditor(const std::wstring& folder)
    {
        win::WriteUserString(L"Software\\VXN\\System Global\\Directories", L"DocumentDir", L"C:\\Docs");
        win::WriteUserString(L"Software\\VXN\\Pennor\\Directories", L"ProductDir", folder);
    }
    static std::wstring Manual() { return L"\"" + win::ModuleFolder(nullptr) + L"\\Vemo.txt\""; }

    // Opens the manual; returns the text of the message box, if one came.
    std::wstring OpenManual()
    {
        std::wstring text;
        WhenShown probe(kMessageBox, L"マニュアルを開く", [&](HWND box) {
            text = MessageBoxText(box);
            PressOk(box);
        });
        Command(mnuHelpDoc);
        EXPECT_FALSE(probe.TimedOut());
        return text;
    }
};

TEST_F(ManualTest, OpensInTheInstalledEditorReadOnly)
{
    InstallEditor(L"C:\\Program Files\\Pennor");
    EXPECT_EQ(OpenManual(), L"");
    EXPECT_EQ(launcher.programs, (Lines{L"\"C:\\Program Files\\Pennor\\pennor.exe\" /ro /ar " + Manual()}));
}

TEST_F(ManualTest, WithoutTheEditorSaysSoAndOpensTheSystemEditor)
{
    // The editor is known, but the maker's document folder is not set up.
    win::WriteUserString(L"Software\\VXN\\Pennor\\Directories", L"ProductDir", L"C:\\Pennor");
    EXPECT_EQ(OpenManual(), L"ペノールが起動できません");
    EXPECT_EQ(launcher.programs, (Lines{L"notepad.exe " + Manual()}));
}

TEST_F(ManualTest, AnEditorThatDoesNotStartFallsBackToTheSystemEditor)
{
    InstallEditor(L"C:\\Pennor");
    launcher.editorStarts = false;
    EXPECT_EQ(OpenManual(), L"ペノールが起動できません");
    EXPECT_EQ(launcher.programs,
              (Lines{L"\"C:\\Pennor\\pennor.exe\" /ro /ar " + Manual(), L"notepad.exe " + Manual()}));
}

TEST_F(ManualTest, TheEditorFoundOnceIsKeptForTheRestOfTheRun)
{
    InstallEditor(L"C:\\Pennor");
    OpenManual();
    win::DeleteUserTree(L"Software\\VXN");
    EXPECT_EQ(OpenManual(), L"");
    Lines editor(2, L"\"C:\\Pennor\\pennor.exe\" /ro /ar " + Manual());
    EXPECT_EQ(launcher.programs, editor);
}

TEST_F(ManualTest, AnEmptyFileNameStartsNothing)
{
    InstallEditor(L"C:\\Pennor");
    DocRead(L"", L"C:\\", launcher, window.hwnd());
    EXPECT_TRUE(launcher.programs.empty());
    EXPECT_EQ(EditorPath, L"C:\\Pennor\\pennor.exe");
}

// --- version box and downloads ---------------------------------------------

TEST_F(ToolsCommandTest, VersionBoxShowsTheVersion)
{
    std::wstring text;
    WhenShown probe(kMessageBox, L"バージョン情報", [&](HWND box) {
        text = MessageBoxText(box);
        PressOk(box);
    });
    Command(mnuHelpVersion);
    ASSERT_TRUE(probe.Ran());
    EXPECT_EQ(text, L"カルミオ バージョン1.0");
}

TEST_F(ToolsCommandTest, DownloadPagesOpenInANewBrowserOrElseTheDefaultOne)
{
    Command(mnuToolDownload1);
    Command(mnuToolDownload2);
    EXPECT_EQ(launcher.browser, (Lines{links::kGeneralQuizzes, links::kLearningQuizzes}));
    EXPECT_TRUE(launcher.defaults.empty());

    launcher.browserStarts = false;
    launcher.browser.clear();
    Command(mnuToolDownload2);
    EXPECT_EQ(launcher.browser, (Lines{links::kLearningQuizzes}));
    EXPECT_EQ(launcher.defaults, (Lines{links::kLearningQuizzes}));
}

// --- the system launcher ----------------------------------------------------

TEST(SystemLauncher, StartsAProgramAndReportsOneThatIsMissing)
{
    SystemLauncher system;
    EXPECT_TRUE(system.StartProgram(L"cmd.exe /c exit 0"));
    EXPECT_FALSE(system.StartProgram(L"\"C:\\no such folder\\no such editor.exe\" /ro /ar \"C:\\x.txt\""));
}

} // namespace
} // namespace game
