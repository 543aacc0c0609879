// The commands that tell about the quiz and the program: the quiz
// information (F1), the question-and-answer view (F5) and the rankings (F7)
// in their text windows, only when they have something to show; the manual,
// the version box and the download pages, with the programs they would
// start recorded.
#include <gtest/gtest.h>

#include "game/launcher.h"
#include "game/links.h"
#include "game/manual.h"
#include "game/quiz/text_helpers.h"
#include "game/rules/score_store.h"
#include "game/tests/window_test_support.h"
#include "win/module.h"
#include "win/window.h"

namespace game {
namespace {

using namespace testing;

// Notes what would be started, in order; the editor and the browser start
// or fail as set.
struct FakeLauncher : Launcher {
    bool StartProgram(const std::wstring& line) override
    {
        return Note(L"run " + line, line.find(L"pennor.exe") == std::wstring::npos || editorStarts);
    }
    bool OpenInBrowser(const std::wstring& address) override { return Note(L"browser " + address, browserStarts); }
    bool OpenWithDefault(const std::wstring& address) override { return Note(L"default " + address, true); }
    bool Note(const std::wstring& what, bool started)
    {
        notes.push_back(what);
        return started;
    }
    bool editorStarts = true, browserStarts = true;
    Lines notes;
};

class ToolsCommandTest : public GameWindowTest {
protected:
    void SetUp() override
    {
        GameWindowTest::SetUp();
        window.UseLauncher(launcher);
        win::DeleteUserTree(L"Software\\VXN");
        EditorPath.clear();
    }
    void TearDown() override { win::DeleteUserTree(L"Software\\VXN"); }

    // Runs `run`; the text of the window of the class that it shows (of a
    // message box, "caption: text"), or "(none)". A text window's keys other
    // than Escape change nothing; it is closed with Escape (or its close box
    // when asked), a message box with OK. `looks` notes whether a text
    // window showed over the disabled game with the focus in its text.
    std::wstring Shown(const std::function<void()>& run, const std::wstring& cls = L"VemoTextWindow",
                       bool closeBox = false)
    {
        std::wstring text = L"(none)";
        OnActivate probe(cls, [&](HWND w) {
            HWND box = cls == L"#32770" ? GetDlgItem(w, 0xFFFF) : GetWindow(w, GW_CHILD);
            SendMessageW(box, WM_KEYDOWN, VK_DOWN, 0);
            SendMessageW(box, WM_CHAR, L'x', 0);
            text = cls == L"#32770" ? win::GetText(w) + L": " + win::GetText(box) : win::GetText(box);
            looks = GetFocus() == box && GetWindow(w, GW_OWNER) == window.hwnd() && !IsWindowEnabled(window.hwnd());
            if (cls == L"#32770")
                PostMessageW(w, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            else
                PostMessageW(closeBox ? w : box, closeBox ? WM_CLOSE : WM_KEYDOWN, VK_ESCAPE, 0x00010001);
        }, false);
        run();
        win::DoEvents();
        EXPECT_FALSE(probe.TimedOut());
        EXPECT_TRUE(IsWindowEnabled(window.hwnd()));
        return text;
    }

    bool looks = false;
    FakeLauncher launcher;
};

TEST_F(ToolsCommandTest, InformationViewAndRankingsShowWhatTheyShouldOnlyWhenEnabled)
{
    SetWindowTextW(window.TextQ(), L"日本一高い山は？");
    for (const wchar_t* choice : {L"北岳", L"富士山"})
        SendMessageW(window.SelA(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(choice));
    for (int id : {mnuToolInfo, mnuQuizeCheck, mnuToolRank})
        EXPECT_EQ(Shown([&] { Command(id); }), L"(none)") << FindCommand(id)->name;
    EXPECT_EQ(Said(), (Lines{L"voice SetMode 65"}));

    window.Show();
    win::DeleteUserTree(rules::ScoreKeyPath(L"一般常識.zlq"));
    window.QuizPath = L"C:\\クイズ\\一般常識.zlq";
    window.Quiz.GenreName[0] = L"歴史　　　　　　        ";
    window.Quiz.GenreCount[0] = window.Quiz.QuizTotal = 3;
    window.QuizLoaded = true;
    window.ApplyMenuState(MenuState::QuizLoaded);
    win::DoEvents();
    size_t before = Said().size();
    const std::wstring sheet = Shown([&] { Key(window.SelA(), VK_F1); });
    EXPECT_TRUE(sheet.starts_with(L"【ファイル名】一般常識.zlq\r\n【ジャンル】\r\n　歴史　　　　　　　3問\r\n"))
        << sheet;
    EXPECT_TRUE(sheet.ends_with(L"合計3問のクイズです"));
    EXPECT_TRUE(looks);
    // Read aloud when it opens; the main window, active again, stops speech.
    EXPECT_EQ(Said(before), (Lines{L"voice StopSpeech", L"voice Speak 0 " + sheet, L"voice SetMode 65",
                                   L"voice StopSpeech"}));

    const std::wstring rankings = Shown([&] { Key(window.SelA(), VK_F7); }, L"VemoTextWindow", true);
    EXPECT_NE(rankings.find(L"じっくり挑戦・ベストファイブ\r\n  第1位 "), std::wstring::npos) << rankings;
    EXPECT_NE(rankings.find(L"はや押し挑戦・ベストファイブ\r\n  第1位 ブルー        500点"), std::wstring::npos);

    window.ApplyMenuState(MenuState::Answering);
    before = Said().size();
    EXPECT_EQ(Shown([&] { Command(mnuQuizeCheck); }),
              L"【問題】\r\n日本一高い山は？\r\n【解答】\r\n北岳\r\n富士山\r\n");
    EXPECT_TRUE(looks);
    const Lines said = Said(before);
    ASSERT_GE(said.size(), 6u);
    EXPECT_EQ(Lines(said.begin(), said.begin() + 6),
              (Lines{L"voice StopSpeech", L"voice Speak 0 問題と解答のビュー アクティブ", L"voice WaitSpeech",
                     L"voice StopSpeech", L"voice Speak 0 ビュー おわり", L"voice WaitSpeech"}));
}

// The manual opens read-only in the maker's editor when it is installed
// (and keeps the editor found first for the run); without it, or when it
// does not start, a message says so and the system editor opens it.
TEST_F(ToolsCommandTest, TheManualOpensInTheEditorOrElseInTheSystemEditor)
{
    const std::wstring manual = L"\"" + win::ModuleFolder(nullptr) + L"\\Vemo.txt\"";
    const std::wstring editor = L"run \"C:\\Program Files\\Pennor\\pennor.exe\" /ro /ar " + manual;
    const std::wstring notepad = L"run notepad.exe " + manual;
    const std::wstring cannot = L"マニュアルを開く: ペノールが起動できません";
    auto openManual = [&] { return Shown([&] { Command(mnuHelpDoc); }, L"#32770"); };

    // The editor is known, but the maker's document folder is not set up.
    win::WriteUserString(L"Software\\VXN\\Pennor\\Directories", L"ProductDir", L"C:\\Program Files\\Pennor");
    EXPECT_EQ(openManual(), cannot);
    win::WriteUserString(L"Software\\VXN\\System Global\\Directories", L"DocumentDir", L"C:\\Docs");
    EXPECT_EQ(openManual(), L"(none)");
    win::DeleteUserTree(L"Software\\VXN");
    launcher.editorStarts = false;
    EXPECT_EQ(openManual(), cannot);
    DocRead(L"", L"C:\\", launcher, window.hwnd());
    EXPECT_EQ(launcher.notes, (Lines{notepad, editor, editor, notepad})) << "no file name, nothing started";
}

// The program's folder (of the manual, the sounds, the dialog library) joined
// to a name by one backslash, also after a character whose trail byte is 0x5C.
TEST(FolderNames, AddYenJoinsWithOneBackslash)
{
    EXPECT_EQ(quiz::AddYen(L"C:\\Games\\"), L"C:\\Games\\");
    EXPECT_EQ(quiz::AddYen(L"C:\\表"), L"C:\\表\\"); // 表 ends in byte 0x5C in Shift-JIS
    EXPECT_EQ(quiz::AddYen(L""), L"\\");
}

TEST_F(ToolsCommandTest, VersionBoxAndDownloadPagesInANewBrowserOrElseTheDefaultOne)
{
    EXPECT_EQ(Shown([&] { Command(mnuHelpVersion); }, L"#32770"), L"バージョン情報: カルミオ バージョン1.0");
    Command(mnuToolDownload1);
    launcher.browserStarts = false;
    Command(mnuToolDownload2);
    const std::wstring general = links::kGeneralQuizzes, learning = links::kLearningQuizzes;
    EXPECT_EQ(launcher.notes, (Lines{L"browser " + general, L"browser " + learning, L"default " + learning}));

    SystemLauncher system;
    EXPECT_TRUE(system.StartProgram(L"cmd.exe /c exit 0"));
    EXPECT_FALSE(system.StartProgram(L"\"C:\\no such folder\\no such editor.exe\" /ro /ar \"C:\\x.txt\""));
}

} // namespace
} // namespace game
