// The open command (F2) of Vemo.exe, run from a folder where a stand-in for
// the dialog library confirms the path named in VEMO_STANDIN_PATH, or
// cancels when it is empty, and notes each call the game makes.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "tests/support/e2e/driver.h"
#include "tests/support/temp_folder.h"
#include "tests/support/transcript_reader.h"
#include "win/cp932.h"
#include "win/module.h"

namespace {

using Lines = std::vector<std::wstring>;

constexpr DWORD kTimeout = 20000;
const std::wstring kHint = L"voice Speak 0  F2でクイズを開いてください";
const std::wstring kCancelled = L"voice Speak 0 パス";

std::filesystem::path StandInFolder()
{
    return std::filesystem::path(win::ModuleFolder(nullptr)) / L"standin";
}

// The stand-in's notes of the calls, in code page 932 as the game passed its
// texts, one call per line.
Lines CallLog(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    Lines lines;
    size_t start = 0;
    for (size_t end; (end = bytes.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(cp932::ToWide(std::string_view(bytes).substr(start, end - start)));
    return lines;
}

// The game started with a chosen path (empty: the player cancels), from the
// stand-in's folder or from another copy of the game.
class GameWithStandIn {
public:
    explicit GameWithStandIn(const std::wstring& chosenPath,
                             const std::filesystem::path& program = StandInFolder() / L"Vemo.exe")
        : log_(folder_ / L"calls.log"), path_(L"VEMO_STANDIN_PATH", chosenPath),
          logEnv_(L"VEMO_STANDIN_LOG", log_.wstring()), process(program)
    {
    }

    // Waits for the activation hint; returns the main window.
    HWND WaitForMainWindow()
    {
        hint = e2e::WaitForLine(transcript.Path(), kHint, 0, kTimeout);
        if (!hint)
            return nullptr;
        return e2e::WaitForWindow(process.Id(), L"VemoQuizWindow", kTimeout);
    }
    Lines Calls() const { return CallLog(log_); }

private:
    testsupport::ScopedTempFolder folder_{"vemo-open-e2e"};
    std::filesystem::path log_;
    e2e::ScopedEnv path_, logEnv_;

public:
    testsupport::ScopedTranscript transcript; // before the process: it inherits the variable
    e2e::Process process;
    std::optional<size_t> hint;
};

TEST(GameOpen, CancelBeforeAnyLoadSaysPassAndCallsTheDialogAsItShould)
{
    GameWithStandIn game(L"");
    ASSERT_TRUE(game.process.Started()) << StandInFolder();
    HWND main = game.WaitForMainWindow();
    ASSERT_TRUE(main);

    e2e::PressKey(main, VK_F2);
    auto pass = e2e::WaitForLine(game.transcript.Path(), kCancelled, *game.hint, kTimeout);
    ASSERT_TRUE(pass);
    EXPECT_EQ(*pass, *game.hint + 2) << "nothing else is said between the hint and the cancel";

    // The settings of the open command reach the library in code page 932,
    // empty ones as null; a cancelled dialog is deleted without a path read.
    const std::wstring folder = win::ModuleFolder(nullptr) + L"\\standin";
    Lines calls = game.Calls();
    ASSERT_EQ(calls.size(), 4u);
    EXPECT_EQ(calls[0], L"Create 1|.zlq|(null)|" + folder + L"|ゼルカクイズデータ(*.zlq)|*.zlq|||owner");
    EXPECT_EQ(calls[1], L"SetWindowText クイズを開く|-1");
    EXPECT_EQ(calls[2], L"DoModal 2");
    EXPECT_EQ(calls[3], L"Delete");

    // A second cancel says it again; the game still runs and the title stays.
    e2e::PressKey(main, VK_F2);
    ASSERT_TRUE(e2e::WaitForLine(game.transcript.Path(), kCancelled, *pass + 1, kTimeout));
    EXPECT_EQ(e2e::Title(main), L"カルミオ");
    EXPECT_TRUE(game.process.Running());
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(game.process.WaitForExit(kTimeout));
}

TEST(GameOpen, ALibraryPutBackWhileTheGameRunsIsFoundAtTheNextOpen)
{
    // A copy of the game in a folder without the dialog library.
    testsupport::ScopedTempFolder program("vemo-open-e2e-program");
    std::filesystem::copy_file(StandInFolder() / L"Vemo.exe", program / L"Vemo.exe");
    const std::filesystem::path quiz =
        std::filesystem::path(win::ModuleFolder(nullptr)) / L".." / L"bin" / L"日本の地理.zlq";
    GameWithStandIn game(quiz.wstring(), program / L"Vemo.exe");
    HWND main = game.WaitForMainWindow();
    ASSERT_TRUE(main);

    e2e::PressKey(main, VK_F2);
    auto pass = e2e::WaitForLine(game.transcript.Path(), kCancelled, *game.hint, kTimeout);
    ASSERT_TRUE(pass) << "without the library an open is a cancel";
    EXPECT_TRUE(game.Calls().empty());

    std::filesystem::copy_file(StandInFolder() / L"LUMADLG.dll", program / L"LUMADLG.dll");
    e2e::PressKey(main, VK_F2);
    EXPECT_TRUE(e2e::WaitForLine(game.transcript.Path(), L"voice Speak 0 F3でカルミオできます", *pass, kTimeout));
    EXPECT_EQ(e2e::Title(main), L"カルミオ - 日本の地理.zlq");
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(game.process.WaitForExit(kTimeout));
}

TEST(GameOpen, AChosenSampleQuizLoadsWithItsAnnouncementsCaptionAndMenus)
{
    const std::filesystem::path quiz =
        std::filesystem::path(win::ModuleFolder(nullptr)) / L".." / L"bin" / L"日本の地理.zlq";
    ASSERT_TRUE(std::filesystem::exists(quiz)) << quiz;
    GameWithStandIn game(quiz.wstring());
    ASSERT_TRUE(game.process.Started()) << StandInFolder();
    HWND main = game.WaitForMainWindow();
    ASSERT_TRUE(main);

    e2e::PressKey(main, VK_F2);
    auto hint = e2e::WaitForLine(game.transcript.Path(), L"voice Speak 0 F3でカルミオできます", *game.hint, kTimeout);
    ASSERT_TRUE(hint) << game.transcript.Lines().back() << "\n" << cp932::FromWide(game.Calls().back());
    Lines said = e2e::SaidLines(game.transcript.Path());
    ASSERT_GE(*hint, 3u);
    EXPECT_EQ(said[*hint - 3], L"voice Speak 0 ロード スタート");
    EXPECT_EQ(said[*hint - 2], L"voice WaitSpeech");
    EXPECT_EQ(said[*hint - 1], L"voice Speak 0 問題数48\xF8F2ロード おわり\xF8F2");
    EXPECT_EQ(e2e::Title(main), L"カルミオ - 日本の地理.zlq");
    EXPECT_EQ(game.Calls().back(), L"Delete");

    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(game.process.WaitForExit(kTimeout));
}

TEST(GameOpen, F1AfterALoadReadsTheQuizInformationAndEscapeClosesIt)
{
    const std::filesystem::path quiz =
        std::filesystem::path(win::ModuleFolder(nullptr)) / L".." / L"bin" / L"日本の地理.zlq";
    GameWithStandIn game(quiz.wstring());
    ASSERT_TRUE(game.process.Started()) << StandInFolder();
    HWND main = game.WaitForMainWindow();
    ASSERT_TRUE(main);
    e2e::PressKey(main, VK_F2);
    auto loaded = e2e::WaitForLine(game.transcript.Path(), L"voice Speak 0 F3でカルミオできます", *game.hint, kTimeout);
    ASSERT_TRUE(loaded);

    e2e::PressKey(main, VK_F1);
    const std::wstring unused = L"　　　　　　　　　　0問\r\n";
    const std::wstring sheet = L"【ファイル名】日本の地理.zlq\r\n【ジャンル】\r\n"
                               L"　山と川と湖　　　　12問\r\n"
                               L"　都道府県　　　　　12問\r\n"
                               L"　名所と都市　　　　12問\r\n"
                               L"　海と島　　　　　　12問\r\n" +
                               unused + unused + unused + unused + L"合計48問のクイズです";
    auto read = e2e::WaitForLine(game.transcript.Path(), L"voice Speak 0 " + sheet, *loaded, kTimeout);
    ASSERT_TRUE(read) << game.transcript.Lines().back();
    HWND info = e2e::WaitForWindow(game.process.Id(), L"VemoTextWindow", kTimeout);
    ASSERT_TRUE(info);
    EXPECT_EQ(e2e::Title(info), L"クイズ情報");

    e2e::PressKey(info, VK_ESCAPE);
    EXPECT_TRUE(e2e::WaitFor([&] { return !IsWindow(info); }, kTimeout));
    // The game's window is active again and stops the speech.
    EXPECT_TRUE(e2e::WaitForLine(game.transcript.Path(), L"voice StopSpeech", *read + 1, kTimeout));
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(game.process.WaitForExit(kTimeout));
}

} // namespace
