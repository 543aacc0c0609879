// VOSKUSR.dll speaking through the player's screen reader, with stand-ins
// that record what reaches them: NVDA's controller client beside this
// program's copy of the library, JAWS's automation object with its main
// window, and uiautomationcore.dll (loaded through a DLL override set for
// this program). The library keeps its route between the cases, as it does
// between calls of a program; each case first waits until the route it
// needs is taken.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "dialogs/lumadlg.h"
#include "dialogs/tests/dialog_driver.h"
#include "speech/reader_router.h"
#include "speech/tests/standins/standins.h"
#include "speech/voskusr.h"
#include "tests/support/transcript_reader.h"
#include "tests/support/window_operation.h"
#include "win/cp932.h"

namespace {

using Lines = std::vector<std::wstring>;
using standins::LinesFrom;

constexpr DWORD kTimeout = 20000;
constexpr int kName = 1000, kList = 1004, kNextSortOrder = 1113;

// What `zlq speech` prints for the folder of the stand-ins.
std::wstring Diagnostic()
{
    return speech::ReaderRouter(std::make_shared<speech::NvdaClient>(standins::Folder().wstring())).Describe();
}

int Speak(const std::wstring& text, int flag)
{
    return ReaderSpeak(cp932::FromWide(text).c_str(), flag);
}

int SpeakEx(const std::wstring& text)
{
    return ReaderSpeakEx(cp932::FromWide(text).c_str(), 4, 1);
}

// Speaks until the library takes the text on `route` (it looks for a
// screen reader again at most once a second); the index of the line after
// the last of these texts, for LinesFrom.
size_t SettleOn(const testsupport::ScopedTranscript& transcript, const std::wstring& route)
{
    bool settled = e2e::WaitFor(
        [&] {
            Speak(L"待機", 0);
            const Lines lines = transcript.Routed();
            for (auto it = lines.rbegin(); it != lines.rend(); ++it)
                if (it->starts_with(L"reader Speak 0 待機 "))
                    return *it == L"reader Speak 0 待機 [" + route + L"]";
            return false;
        },
        kTimeout);
    EXPECT_TRUE(settled) << "the route did not become " << testing::PrintToString(route);
    return transcript.Routed().size();
}

TEST(ReaderRoutes, TheFileDialogReachesNvdaAndItsBrailleDisplay)
{
    standins::ScopedNvda nvda(L"running");
    testsupport::ScopedWindowOperation windowOperation(1); // a missing name gets a guide message
    dialogtest::TempTree tree;
    tree.File(L"a.zlq", 10);
    tree.File(L"b.txt", 20);
    testsupport::ScopedTranscript transcript;
    const size_t from = SettleOn(transcript, L"nvda");

    const std::string folder = cp932::FromWide(tree.Path());
    HLUMADLG dialog = FileDlg_Create(1, nullptr, nullptr, folder.c_str(), nullptr, nullptr);
    ASSERT_TRUE(dialog);
    dialogtest::DialogDriver driver([&](HWND d) {
        SetFocus(GetDlgItem(d, kList)); // the listing: the first file gets the focus
        dialogtest::Command(d, kNextSortOrder);
        HWND box = GetDlgItem(d, kName);
        SetFocus(box);
        SetWindowTextW(box, L"missing.zlq");
        SendMessageW(box, WM_KEYDOWN, VK_RETURN, 0);
        PostMessageW(d, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(FileDlg_DoModal(dialog), 2);
    FileDlg_Delete(dialog);

    Lines said;
    for (const std::wstring& line : LinesFrom(transcript.Path(), from))
        if ((line.starts_with(L"reader ") && !line.starts_with(L"reader SetMode")) || line.starts_with(L"nvda "))
            said.push_back(line);
    EXPECT_EQ(said, (Lines{
                        // Information on the list interrupts and is brailled too: the
                        // entry selected, then, the list having selected it itself,
                        // silence and the entry with the list's name.
                        L"reader SpeakEx 4 1 a.zlq [nvda]",
                        L"nvda cancelSpeech 0",
                        L"nvda speakText a.zlq 0",
                        L"nvda brailleMessage a.zlq 0",
                        L"reader Stop [nvda]",
                        L"nvda cancelSpeech 0",
                        L"reader SpeakEx 4 1 一覧 a.zlq [nvda]",
                        L"nvda cancelSpeech 0",
                        L"nvda speakText 一覧 a.zlq 0",
                        L"nvda brailleMessage 一覧 a.zlq 0",
                        // The next sort order: its name, queued, not cutting off
                        // what was said before.
                        L"reader Speak 0 名前順 [nvda]",
                        L"nvda speakText 名前順 0",
                        // The guide message answers the key: it interrupts and is brailled.
                        L"reader Speak 1 missing.zlq わ見つかりません [nvda]",
                        L"nvda cancelSpeech 0",
                        L"nvda speakText missing.zlq わ見つかりません 0",
                        L"nvda brailleMessage missing.zlq わ見つかりません 0",
                    }));
}

TEST(ReaderRoutes, NvdaThatStopsOrIsNotRunningLeavesItsTextsToSapi)
{
    standins::ScopedNvda nvda(L"running");
    testsupport::ScopedTranscript transcript;
    size_t from = SettleOn(transcript, L"nvda");

    // NVDA quits: the call that finds it gone hands its text on, and so do
    // those after it, without asking NVDA again within the second.
    nvda.Set(L"stopped");
    EXPECT_EQ(Speak(L"上のフォルダへ", 1), 1);
    EXPECT_EQ(SpeakEx(L"b.txt"), 1);
    ReaderStop();
    EXPECT_EQ(LinesFrom(transcript.Path(), from), (Lines{
                                                      L"reader Speak 1 上のフォルダへ [nvda]",
                                                      L"nvda cancelSpeech 1722",
                                                      L"reader Speak 1 上のフォルダへ [silent]",
                                                      L"reader SpeakEx 4 1 b.txt [silent]",
                                                      L"reader Stop [silent]",
                                                  }));

    const std::wstring client = (standins::Folder() / L"nvdaControllerClient.dll").wstring();
    EXPECT_TRUE(Diagnostic().starts_with(L"speech route silent (nvda: " + client +
                                         L" answers 1722, NVDA does not run; jaws: no JAWS main window (class "
                                         L"JFWUI2); uia: the system's screen-reader flag is off; sapi: "))
        << testing::PrintToString(Diagnostic());

    // It is looked for again, and while it does not run SAPI keeps the texts.
    from = transcript.Routed().size();
    ASSERT_TRUE(e2e::WaitFor(
        [&] {
            Speak(L"メニューオープン", 0);
            const Lines all = transcript.Routed();
            return std::find(all.begin() + static_cast<std::ptrdiff_t>(from), all.end(),
                             L"nvda testIfRunning 1722") != all.end();
        },
        kTimeout));
    for (const std::wstring& line : LinesFrom(transcript.Path(), from))
        EXPECT_EQ(line, L"reader Speak 0 メニューオープン [silent]");

    // NVDA starts again: no restart of the program is needed.
    nvda.Set(L"running");
    EXPECT_EQ(Diagnostic(), L"speech route nvda (nvda: " + client + L" answers that NVDA runs)");
    from = SettleOn(transcript, L"nvda");
    EXPECT_EQ(SpeakEx(L"c.dat"), 1);
    EXPECT_EQ(LinesFrom(transcript.Path(), from), (Lines{
                                                      L"reader SpeakEx 4 1 c.dat [nvda]",
                                                      L"nvda cancelSpeech 0",
                                                      L"nvda speakText c.dat 0",
                                                      L"nvda brailleMessage c.dat 0",
                                                  }));
}

TEST(ReaderRoutes, JawsSaysAndStopsWhileItRuns)
{
    standins::ScopedNvda nvda(L"stopped");
    standins::ScopedJaws jaws;
    testsupport::ScopedTranscript transcript;
    size_t from = SettleOn(transcript, L"jaws");

    Speak(L"名前順", 0);
    SpeakEx(L"一覧 a.zlq");
    ReaderStop();
    Speak(L"ドライブ選択へ", 1);
    // JAWS quits: it refuses the text, which goes on to SAPI.
    jaws.Quit();
    Speak(L"アイテムを 選択してください", 0);
    EXPECT_EQ(LinesFrom(transcript.Path(), from), (Lines{
                                                      L"reader Speak 0 名前順 [jaws]",
                                                      L"jaws SayString 名前順 0",
                                                      L"reader SpeakEx 4 1 一覧 a.zlq [jaws]",
                                                      L"jaws SayString 一覧 a.zlq 1",
                                                      L"reader Stop [jaws]",
                                                      L"jaws StopSpeech",
                                                      L"reader Speak 1 ドライブ選択へ [jaws]",
                                                      L"jaws SayString ドライブ選択へ 1",
                                                      L"reader Speak 0 アイテムを 選択してください [jaws]",
                                                      L"jaws SayString アイテムを 選択してください 0",
                                                      L"reader Speak 0 アイテムを 選択してください [silent]",
                                                  }));
}

TEST(ReaderRoutes, OtherScreenReadersGetNotificationsOnOurWindow)
{
    standins::ScopedNvda nvda(L"stopped");
    win::UniqueWindow window(CreateWindowW(L"STATIC", L"test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                                           nullptr, nullptr, nullptr, nullptr));
    ASSERT_TRUE(window);
    SetForegroundWindow(window.get());
    SetFocus(window.get());
    testsupport::ScopedTranscript transcript;
    size_t from = 0;
    {
        standins::ScopedScreenReaderFlag screenReader;
        from = SettleOn(transcript, L"uia");
        Speak(L"サイズ順", 0);
        SpeakEx(L"C:\\データ\xF8F2");
        ReaderStop();
        // Kind 4 is "other"; processing 2 "all, in turn", 1 "the most recent, at once".
        EXPECT_EQ(LinesFrom(transcript.Path(), from), (Lines{
                                                          L"reader Speak 0 サイズ順 [uia]",
                                                          L"uia Notification 4 2 サイズ順 VOSKUSR.Speech Static",
                                                          L"reader SpeakEx 4 1 C:\\データ\xF8F2 [uia]",
                                                          L"uia Notification 4 1 C:\\データ VOSKUSR.Speech Static",
                                                          L"reader Stop [uia]",
                                                      }));
    }
    // The screen reader quits: within a second or so SAPI speaks again.
    SettleOn(transcript, L"silent");
}

} // namespace
