// Speech through the player's screen reader, with stand-ins (standins/) that
// record in the transcript what reaches them: NVDA's controller client beside
// this program and its copy of VOSKUSR.dll, JAWS's automation object, and
// uiautomationcore.dll through a DLL override set for this program.
//  - VOSKUSR.dll gives each text to the first reader that runs (NVDA, JAWS,
//    UI Automation, SAPI) with the interrupt and braille its call asks for;
//    a text a reader fails to take goes on to the next one, and a reader that
//    starts or quits is noticed without a restart.
//  - The game's voice speaks through NVDA's SSML with an end mark per text,
//    so that WaitSpeech returns only after the end; texts NVDA fails to speak
//    go to the next route at once; the "Speech" setting chooses the route.
//  - Its cues: the tone player drains its queue, again after it once ran
//    dry, with or without a sound device; a burst beyond the queue's length
//    is dropped, not kept waiting.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "game/logic/styles.h"
#include "game/voice.h"
#include "speech/nvda_client.h"
#include "speech/reader_router.h"
#include "speech/tone_player.h"
#include "speech/voskusr.h"
#include "tests/support/e2e/driver.h"
#include "tests/support/transcript_reader.h"
#include "win/cp932.h"
#include "win/message_loop.h"
#include "win/module.h"
#include "win/registry.h"

namespace {

using Lines = std::vector<std::wstring>;

constexpr DWORD kTimeout = 20000;

// The folder of this program, the stand-ins and the copies of the DLLs.
const std::wstring kFolder = win::ModuleFolder(nullptr);

// The transcript's lines from index `from` on that begin with `prefix`, routes kept.
Lines Said(const testsupport::ScopedTranscript& transcript, size_t from = 0, const std::wstring& prefix = L"")
{
    Lines said = transcript.Routed();
    said.erase(said.begin(), said.begin() + static_cast<std::ptrdiff_t>(std::min(from, said.size())));
    std::erase_if(said, [&](const std::wstring& line) { return !line.starts_with(prefix); });
    return said;
}

// JAWS runs: its stand-in automation object registered for JAWS's ProgID (in
// HKLM\Software\Classes, which Wine's COM reads), a JAWS main window open.
class ScopedJaws {
public:
    ScopedJaws()
    {
        win::RegKey::Create(HKEY_LOCAL_MACHINE, progId_ + L"\\CLSID").WriteString(L"", clsid_);
        const win::RegKey server = win::RegKey::Create(HKEY_LOCAL_MACHINE, class_ + L"\\InprocServer32");
        server.WriteString(L"", kFolder + L"\\jaws_api_standin.dll");
        server.WriteString(L"ThreadingModel", L"Both");
        const WNDCLASSW mainWindow = {0, DefWindowProcW, 0, 0, GetModuleHandleW(nullptr), {}, {}, {}, {}, L"JFWUI2"};
        RegisterClassW(&mainWindow);
        window_.reset(CreateWindowW(L"JFWUI2", L"JAWS", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                                    mainWindow.hInstance, nullptr));
    }
    ~ScopedJaws()
    {
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, progId_.c_str());
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, class_.c_str());
    }
    void Quit() { window_.reset(); }

private:
    const std::wstring clsid_ = L"{5E7C2A41-3B9D-4F6A-8C11-0D2E4B6A9F73}";
    const std::wstring progId_ = L"Software\\Classes\\FreedomSci.JawsApi";
    const std::wstring class_ = L"Software\\Classes\\CLSID\\" + clsid_;
    win::UniqueWindow window_;
};

// The system's screen-reader flag, on for as long as the object lives.
struct ScopedScreenReaderFlag {
    ScopedScreenReaderFlag() { SystemParametersInfoW(SPI_SETSCREENREADER, TRUE, nullptr, SPIF_SENDCHANGE); }
    ~ScopedScreenReaderFlag() { SystemParametersInfoW(SPI_SETSCREENREADER, FALSE, nullptr, SPIF_SENDCHANGE); }
};

// What a dialog says: an announcement (queued), the answer to a key and list
// information (both interrupt and go to braille too, in phrases), a stop.
Lines SayAll(const testsupport::ScopedTranscript& transcript)
{
    const size_t from = transcript.Routed().size();
    EXPECT_EQ(ReaderSpeak(cp932::FromWide(L"名前順").c_str(), 0), 1);
    EXPECT_EQ(ReaderSpeak(cp932::FromWide(L"上のフォルダへ").c_str(), 1), 1);
    EXPECT_EQ(ReaderSpeakEx(cp932::FromWide(L"C:\\データ\xF8F2一覧").c_str(), 4, 1), 1);
    EXPECT_EQ(ReaderStop(), 1);
    return Said(transcript, from);
}

TEST(ReaderRoutes, EachTextGoesToTheFirstReaderThatTakesIt)
{
    // All three readers run, on our focused window: NVDA comes first.
    win::UniqueWindow window(CreateWindowW(L"STATIC", L"test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                                           nullptr, nullptr, nullptr, nullptr));
    SetForegroundWindow(window.get());
    SetFocus(window.get());
    ScopedScreenReaderFlag screenReader;
    ScopedJaws jaws;
    SetEnvironmentVariableW(L"STANDIN_NVDA", L"running");
    testsupport::ScopedTranscript transcript; // the route is chosen at the first call
    EXPECT_EQ(SayAll(transcript), (Lines{
                                      L"reader Speak 0 名前順 [nvda]",
                                      L"nvda speakText 名前順 0",
                                      L"reader Speak 1 上のフォルダへ [nvda]",
                                      L"nvda cancelSpeech 0",
                                      L"nvda speakText 上のフォルダへ 0",
                                      L"nvda brailleMessage 上のフォルダへ 0",
                                      L"reader SpeakEx 4 1 C:\\データ\xF8F2一覧 [nvda]",
                                      L"nvda cancelSpeech 0",
                                      L"nvda speakText C:\\データ 一覧 0",
                                      L"nvda brailleMessage C:\\データ 一覧 0",
                                      L"reader Stop [nvda]",
                                      L"nvda cancelSpeech 0",
                                  }));

    // NVDA quits: the call that finds it gone hands its text on to JAWS,
    // which keeps the texts after it (flush 1: interrupt).
    SetEnvironmentVariableW(L"STANDIN_NVDA", L"stopped");
    EXPECT_EQ(SayAll(transcript), (Lines{
                                      L"reader Speak 0 名前順 [nvda]",
                                      L"nvda speakText 名前順 1722",
                                      L"reader Speak 0 名前順 [jaws]",
                                      L"jaws SayString 名前順 0",
                                      L"reader Speak 1 上のフォルダへ [jaws]",
                                      L"jaws SayString 上のフォルダへ 1",
                                      L"reader SpeakEx 4 1 C:\\データ\xF8F2一覧 [jaws]",
                                      L"jaws SayString C:\\データ 一覧 1",
                                      L"reader Stop [jaws]",
                                      L"jaws StopSpeech",
                                  }));
    // What `zlq speech` prints: the route it would take now, and why not the
    // readers before it.
    const std::wstring client = kFolder + L"\\nvdaControllerClient.dll";
    EXPECT_EQ(speech::ReaderRouter(std::make_shared<speech::NvdaClient>(kFolder)).Describe(),
              L"speech route jaws (nvda: " + client + L" answers 1722, NVDA does not run; jaws: JAWS runs and its automation object answers)");

    // JAWS quits and refuses the text: UI Automation notifications on our
    // window take it. Kind 4 is "other"; processing 2 "all, in turn", 1 "the
    // most recent, at once"; a notification cannot be stopped.
    jaws.Quit();
    EXPECT_EQ(SayAll(transcript), (Lines{
                                      L"reader Speak 0 名前順 [jaws]",
                                      L"jaws SayString 名前順 0",
                                      L"reader Speak 0 名前順 [uia]",
                                      L"uia Notification 4 2 名前順 VOSKUSR.Speech Static",
                                      L"reader Speak 1 上のフォルダへ [uia]",
                                      L"uia Notification 4 1 上のフォルダへ VOSKUSR.Speech Static",
                                      L"reader SpeakEx 4 1 C:\\データ\xF8F2一覧 [uia]",
                                      L"uia Notification 4 1 C:\\データ 一覧 VOSKUSR.Speech Static",
                                      L"reader Stop [uia]",
                                  }));

    // NVDA starts again: it is found (within a second) without a restart.
    SetEnvironmentVariableW(L"STANDIN_NVDA", L"running");
    EXPECT_TRUE(e2e::WaitFor(
        [&] {
            const size_t from = transcript.Routed().size();
            ReaderSpeak("wait", 0);
            return Said(transcript, from).front() == L"reader Speak 0 wait [nvda]";
        },
        kTimeout));
}

// VOSKUSR.dll as the dialog library binds it: it refuses missing texts
// without a line, and keeps each option's value for the caller to restore.
TEST(Voskusr, RefusesMissingTextsAndGivesBackEachOptionsValueHeldBefore)
{
    testsupport::ScopedTranscript transcript;
    EXPECT_EQ(ReaderSpeak(nullptr, 1), 0);
    EXPECT_EQ(ReaderSpeak("", 0), 0);
    EXPECT_EQ(ReaderSpeakEx(nullptr, 4, 1), 0);
    EXPECT_EQ(ReaderSpeakEx("", 4, 1), 0);
    EXPECT_EQ(transcript.Said(), Lines{});
    // Options never set hold 0; each keeps its own value.
    EXPECT_EQ(ReaderSetMode(0x20002, 0x80100, 0), 0);
    EXPECT_EQ(ReaderSetMode(0x20002, 7, 0), 0x80100);
    EXPECT_EQ(ReaderSetMode(5, 9, 0), 0);
    EXPECT_EQ(ReaderSetMode(0x20002, 0, 0), 7);
    EXPECT_EQ(ReaderSetMode(5, -1, 0), 9);
    // Each call's line: the option, the value, reserved and the value given back.
    EXPECT_EQ(transcript.Said().at(1), L"reader SetMode 131074 7 0 524544");
}

TEST(GameVoice, SpeaksThroughNvdaWithEndMarksWaitsForThemAndHandsOnWhatNvdaFailsToSay)
{
    SetEnvironmentVariableW(L"STANDIN_NVDA", L"running");
    e2e::ScopedEnv speaking(L"STANDIN_NVDA_SPEAK_MS", L"200"); // each text takes that long
    testsupport::ScopedTranscript transcript;
    game::Voice voice(game::SpeechSetting::Automatic, kFolder);
    voice.StopSpeech();
    voice.Speak(L"第 一問");
    voice.Speak(L"q<1> & \"2\"\xF8F2\x3000\xF8F2つぎ\xF8F2");
    voice.WaitSpeech();
    EXPECT_EQ(Said(transcript, 0, L"voice "), (Lines{
                                                  L"voice StopSpeech [nvda]",
                                                  L"voice Speak 0 第 一問 [nvda]",
                                                  L"voice Speak 0 q<1> & \"2\"\xF8F2\x3000\xF8F2つぎ\xF8F2 [nvda]",
                                                  L"voice WaitSpeech [nvda]",
                                              }));
    // Synchronous SSML calls one after the other, phrases parted by a pause,
    // each text's end mark reached before WaitSpeech returned. A stop with
    // nothing of ours spoken leaves NVDA's own speech alone.
    EXPECT_EQ(Said(transcript, 0, L"nvda "),
              (Lines{
                  L"nvda speakSsml <speak>第 一問<mark name=\"end-1\"/></speak> -1 0 0 0",
                  L"nvda mark end-1",
                  L"nvda speakSsml <speak>q&lt;1&gt; &amp; &quot;2&quot;<break time=\"300ms\"/>つぎ"
                  L"<mark name=\"end-2\"/></speak> -1 0 0 0",
                  L"nvda mark end-2",
              }));

    // A text of ours that NVDA is saying is cut off and leaves nothing to
    // wait for; the next text is spoken to its end.
    const size_t before = transcript.Routed().size();
    SetEnvironmentVariableW(L"STANDIN_NVDA_SPEAK_MS", L"60000");
    voice.Speak(L"長い問題");
    const std::wstring longText = L"nvda speakSsml <speak>長い問題<mark name=\"end-3\"/></speak> -1 0 0 0";
    ASSERT_TRUE(e2e::WaitFor([&] { return std::ranges::count(transcript.Routed(), longText) == 1; }, kTimeout));
    voice.StopSpeech();
    voice.WaitSpeech();
    SetEnvironmentVariableW(L"STANDIN_NVDA_SPEAK_MS", L"0");
    voice.Speak(L"つぎの問題");
    voice.WaitSpeech();
    EXPECT_EQ(Said(transcript, before, L"nvda "),
              (Lines{longText, L"nvda cancelSpeech 0",
                     L"nvda speakSsml <speak>つぎの問題<mark name=\"end-4\"/></speak> -1 0 0 0", L"nvda mark end-4"}));

    // NVDA quits while it speaks: the voice's window thread hears of it and
    // hands the texts not yet spoken to their end on to SAPI, unasked.
    const size_t handed = transcript.Routed().size();
    SetEnvironmentVariableW(L"STANDIN_NVDA_SPEAK_MS", L"quit");
    voice.Speak(L"ロード スタート");
    voice.Speak(L"F3でカルミオできます");
    SetEnvironmentVariableW(L"STANDIN_NVDA", L"stopped");
    EXPECT_TRUE(e2e::WaitFor(
        [&] {
            win::DoEvents();
            const Lines said = Said(transcript, handed, L"voice ");
            return std::ranges::count(said, L"voice Speak 0 F3でカルミオできます [silent]") == 1;
        },
        kTimeout));
    voice.Speak(L"パス");
    EXPECT_EQ(Said(transcript, handed, L"voice "), (Lines{
                                                       L"voice Speak 0 ロード スタート [nvda]",
                                                       L"voice Speak 0 F3でカルミオできます [nvda]",
                                                       L"voice Speak 0 ロード スタート [silent]",
                                                       L"voice Speak 0 F3でカルミオできます [silent]",
                                                       L"voice Speak 0 パス [silent]",
                                                   }));
}

TEST(GameVoice, TheSettingAndTheReadersRunningDecideTheRoute)
{
    // JAWS runs, and NVDA too old for SSML (1717) or not at all. "1", SAPI
    // only. No value, automatic: SAPI takes the text NVDA refused and those
    // after it. "2", the screen reader: NVDA's plain speech, or JAWS.
    ScopedJaws jaws;
    const struct {
        const wchar_t *nvda, *setting;
        Lines said;
    } cases[] = {
        {L"old", L"1", {L"voice Speak 0 第 一問 [silent]", L"voice Speak 0 第 二問 [silent]"}},
        {L"old", nullptr,
         {L"voice Speak 0 第 一問 [nvda]", L"voice Speak 0 第 一問 [silent]", L"voice Speak 0 第 二問 [silent]"}},
        {L"old", L"2",
         {L"voice Speak 0 第 一問 [nvda]", L"voice Speak 0 第 一問 [nvda]", L"nvda speakText 第 一問 0",
          L"voice Speak 0 第 二問 [nvda]", L"nvda speakText 第 二問 0"}},
        {L"stopped", L"2",
         {L"voice Speak 0 第 一問 [jaws]", L"jaws SayString 第 一問 0", L"voice Speak 0 第 二問 [jaws]",
          L"jaws SayString 第 二問 0"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::wstring(c.nvda) + L" " + (c.setting ? c.setting : L"(none)"));
        SetEnvironmentVariableW(L"STANDIN_NVDA", c.nvda);
        const win::RegKey settings = win::RegKey::Create(HKEY_CURRENT_USER, game::kSettingsKey);
        c.setting ? settings.WriteString(game::kSpeechValue, c.setting) : settings.DeleteValue(game::kSpeechValue);
        testsupport::ScopedTranscript transcript;
        game::Voice voice; // the setting read, NVDA looked for beside the program
        voice.Speak(L"第 一問");
        voice.WaitSpeech();
        voice.Speak(L"第 二問");
        voice.WaitSpeech();
        Lines said = Said(transcript);
        std::erase_if(said, [](const std::wstring& l) {
            return !l.starts_with(L"voice Speak") && !l.starts_with(L"nvda speakText") && !l.starts_with(L"jaws ");
        });
        EXPECT_EQ(said, c.said);
    }
    win::RegKey::Create(HKEY_CURRENT_USER, game::kSettingsKey).DeleteValue(game::kSpeechValue);
}

TEST(PlayTone, EveryCueAndABurstBeyondTheQueueDrain)
{
    const int cues[][3] = {{50, 0, 0}, {50, 10, 0}, {10, 1, 0}, {10, 3, 0}, {500, 3, 0}, {7, 7, 7}};
    for (int round = 0; round < 2; ++round) {
        for (const auto& cue : cues)
            speech::PlayTone(cue[0], cue[1], cue[2]);
        for (int i = 0; i < 50; ++i)
            speech::PlayTone(10, 1, 0);
        EXPECT_TRUE(speech::WaitForTones(60000)) << "round " << round;
    }
}

} // namespace
