// The game's speech object with NVDA's stand-in beside the program: NVDA's
// SSML speech with an end mark for each text when NVDA offers it, so that
// WaitSpeech returns only after the end of speech; SAPI, or the screen
// reader's plain speech, otherwise; nothing lost when NVDA fails.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "dialogs/tests/dialog_driver.h"
#include "game/logic/styles.h"
#include "game/quiz/tests/quiz_file_builder.h"
#include "game/voice.h"
#include "speech/tests/standins/standins.h"
#include "tests/support/transcript_reader.h"
#include "win/message_loop.h"
#include "win/registry.h"

namespace {

using Lines = std::vector<std::wstring>;
using standins::LinesFrom;

constexpr DWORD kTimeout = 20000;

// The lines that begin with `prefix` ("voice ", "nvda "), in order.
Lines Only(const Lines& lines, const std::wstring& prefix)
{
    Lines kept;
    for (const std::wstring& line : lines)
        if (line.starts_with(prefix))
            kept.push_back(line);
    return kept;
}

// The lines that begin with `prefix` but not with `but`.
Lines OnlyBut(const Lines& lines, const std::wstring& prefix, const std::wstring& but)
{
    Lines kept;
    for (const std::wstring& line : Only(lines, prefix))
        if (!line.starts_with(but))
            kept.push_back(line);
    return kept;
}

TEST(GameVoice, WaitSpeechReturnsAfterNvdaReachedTheEndMarks)
{
    standins::ScopedNvda nvda(L"running");
    e2e::ScopedEnv speaking(L"STANDIN_NVDA_SPEAK_MS", L"200");
    testsupport::ScopedTranscript transcript;
    game::Voice voice(game::SpeechSetting::Automatic, standins::Folder().wstring());
    voice.StopSpeech();
    voice.Speak(L"第 一問");
    voice.Speak(L"q<1> & \"2\"\xF8F2つぎ\xF8F2");
    voice.WaitSpeech();
    const Lines said = LinesFrom(transcript.Path(), 0);

    EXPECT_EQ(Only(said, L"voice "), (Lines{
                                         L"voice StopSpeech [nvda]",
                                         L"voice Speak 0 第 一問 [nvda]",
                                         L"voice Speak 0 q<1> & \"2\"\xF8F2つぎ\xF8F2 [nvda]",
                                         L"voice WaitSpeech [nvda]",
                                     }));
    // Synchronous SSML calls, one text after the other, each with its end
    // mark; both marks were reached before WaitSpeech returned. Stopping
    // with nothing of ours spoken leaves NVDA's own speech alone.
    EXPECT_EQ(Only(said, L"nvda "),
              (Lines{
                  L"nvda speakSsml <speak>第 一問<mark name=\"end-1\"/></speak> -1 0 0 0",
                  L"nvda mark end-1",
                  L"nvda speakSsml <speak>q&lt;1&gt; &amp; &quot;2&quot;<break time=\"300ms\"/>つぎ"
                  L"<mark name=\"end-2\"/></speak> -1 0 0 0",
                  L"nvda mark end-2",
              }));

    // A text of ours that NVDA is saying is cut off; nothing is left to wait
    // for, and the next text is spoken to its end.
    const size_t before = transcript.Routed().size();
    SetEnvironmentVariableW(L"STANDIN_NVDA_SPEAK_MS", L"60000");
    voice.Speak(L"長い問題");
    ASSERT_TRUE(e2e::WaitFor(
        [&] {
            const Lines now = transcript.Routed();
            return std::find(now.begin(), now.end(),
                             L"nvda speakSsml <speak>長い問題<mark name=\"end-3\"/></speak> -1 0 0 0") != now.end();
        },
        kTimeout));
    voice.StopSpeech();
    voice.WaitSpeech();
    SetEnvironmentVariableW(L"STANDIN_NVDA_SPEAK_MS", L"0");
    voice.Speak(L"つぎの問題");
    voice.WaitSpeech();
    EXPECT_EQ(Only(LinesFrom(transcript.Path(), before), L"nvda "),
              (Lines{
                  L"nvda speakSsml <speak>長い問題<mark name=\"end-3\"/></speak> -1 0 0 0",
                  L"nvda cancelSpeech 0",
                  L"nvda speakSsml <speak>つぎの問題<mark name=\"end-4\"/></speak> -1 0 0 0",
                  L"nvda mark end-4",
              }));
}

TEST(GameVoice, TextsNvdaFailsToSpeakGoToSapiAtOnce)
{
    standins::ScopedNvda nvda(L"running");
    e2e::ScopedEnv speaking(L"STANDIN_NVDA_SPEAK_MS", L"300");
    testsupport::ScopedTranscript transcript;
    game::Voice voice(game::SpeechSetting::Automatic, standins::Folder().wstring());
    voice.Speak(L"ロード スタート");
    voice.Speak(L"F3でカルミオできます");
    nvda.Set(L"stopped"); // NVDA quits while it speaks
    // No further call of the game is needed: its window thread hears of it.
    const auto both = [&] {
        const Lines said = transcript.Routed();
        return std::count(said.begin(), said.end(), L"voice Speak 0 ロード スタート [silent]") == 1 &&
               std::count(said.begin(), said.end(), L"voice Speak 0 F3でカルミオできます [silent]") == 1;
    };
    EXPECT_TRUE(e2e::WaitFor(
        [&] {
            win::DoEvents();
            return both();
        },
        kTimeout));
    voice.Speak(L"パス");
    voice.WaitSpeech();
    EXPECT_EQ(Only(LinesFrom(transcript.Path(), 0), L"voice "), (Lines{
                                                                     L"voice Speak 0 ロード スタート [nvda]",
                                                                     L"voice Speak 0 F3でカルミオできます [nvda]",
                                                                     L"voice Speak 0 ロード スタート [silent]",
                                                                     L"voice Speak 0 F3でカルミオできます [silent]",
                                                                     L"voice Speak 0 パス [silent]",
                                                                     L"voice WaitSpeech [silent]",
                                                                 }));
}

TEST(GameVoice, TheSettingAndAnNvdaWithoutMarksDecideTheRoute)
{
    standins::ScopedNvda nvda(L"running");
    {
        // Always SAPI: NVDA is not even asked.
        testsupport::ScopedTranscript transcript;
        game::Voice voice(game::SpeechSetting::Sapi, standins::Folder().wstring());
        voice.StopSpeech();
        voice.Speak(L"カルミオ");
        voice.WaitSpeech();
        EXPECT_EQ(LinesFrom(transcript.Path(), 0), (Lines{
                                                       L"voice StopSpeech [silent]",
                                                       L"voice Speak 0 カルミオ [silent]",
                                                       L"voice WaitSpeech [silent]",
                                                   }));
    }
    nvda.Set(L"old"); // an NVDA without SSML speech
    {
        // Automatic: SAPI takes the text NVDA refused, and the next ones.
        // (Whether WaitSpeech or the next call finds the refusal first
        // depends on NVDA's speed; the texts' routes do not.)
        testsupport::ScopedTranscript transcript;
        game::Voice voice(game::SpeechSetting::Automatic, standins::Folder().wstring());
        voice.Speak(L"第 一問");
        voice.WaitSpeech();
        voice.Speak(L"第 二問");
        EXPECT_EQ(OnlyBut(LinesFrom(transcript.Path(), 0), L"voice ", L"voice WaitSpeech"),
                  (Lines{
                      L"voice Speak 0 第 一問 [nvda]",
                      L"voice Speak 0 第 一問 [silent]",
                      L"voice Speak 0 第 二問 [silent]",
                  }));
    }
    {
        // Always the screen reader: NVDA's plain speech, which cannot
        // report its end, so WaitSpeech returns at once.
        testsupport::ScopedTranscript transcript;
        game::Voice voice(game::SpeechSetting::ScreenReader, standins::Folder().wstring());
        voice.Speak(L"第 一問");
        voice.WaitSpeech();
        voice.Speak(L"第 二問");
        voice.WaitSpeech();
        const Lines said = LinesFrom(transcript.Path(), 0);
        EXPECT_EQ(OnlyBut(said, L"voice ", L"voice WaitSpeech"), (Lines{
                                                                     L"voice Speak 0 第 一問 [nvda]",
                                                                     L"voice Speak 0 第 一問 [nvda]",
                                                                     L"voice Speak 0 第 二問 [nvda]",
                                                                 }));
        EXPECT_EQ(std::count(said.begin(), said.end(), L"voice WaitSpeech [nvda]"), 2);
        EXPECT_EQ(Only(said, L"nvda "), (Lines{
                                            L"nvda speakSsml <speak>第 一問<mark name=\"end-1\"/></speak> -1 0 0 1717",
                                            L"nvda speakText 第 一問 0",
                                            L"nvda speakText 第 二問 0",
                                        }));
    }
}

// The game's "Speech" setting held absent (automatic) for a test, and put
// back as it was afterwards.
class ScopedAutomaticSpeech {
public:
    ScopedAutomaticSpeech() : kept_(win::ReadUserString(game::kSettingsKey, game::kSpeechValue)) { Clear(); }
    ~ScopedAutomaticSpeech()
    {
        Clear();
        if (kept_)
            win::WriteUserString(game::kSettingsKey, game::kSpeechValue, *kept_);
    }

private:
    static void Clear()
    {
        if (auto key = win::RegKey::Open(HKEY_CURRENT_USER, game::kSettingsKey, KEY_ALL_ACCESS))
            key.DeleteValue(game::kSpeechValue);
    }
    std::optional<std::wstring> kept_;
};

// The index of the first line at or after `from` that begins with `prefix`.
std::optional<size_t> Find(const Lines& lines, const std::wstring& prefix, size_t from = 0)
{
    for (size_t i = from; i < lines.size(); ++i)
        if (lines[i].starts_with(prefix))
            return i;
    return std::nullopt;
}

TEST(GameVoice, TheGameReadsAWholeQuestionThroughNvdaAndWaitsForEachEnd)
{
    // The stand-in game and dialog library with their sounds, and NVDA's
    // stand-in beside them, in a folder of their own.
    dialogtest::TempTree folder;
    const std::filesystem::path standinGame = standins::Folder() / L".." / L"standin";
    for (const auto& entry : std::filesystem::directory_iterator(standinGame)) {
        const std::wstring ext = entry.path().extension().wstring();
        if (ext == L".exe" || ext == L".dll" || ext == L".wav")
            std::filesystem::copy_file(entry.path(), folder.Root() / entry.path().filename());
    }
    std::filesystem::copy_file(standins::Folder() / L"nvdaControllerClient.dll",
                               folder.Root() / L"nvdaControllerClient.dll");
    const std::filesystem::path quiz = folder.Root() / L"voice_e2e.zlq";
    std::ofstream(quiz, std::ios::binary) << quiz::testing::QuizFileBytes({30}, 30);

    ScopedAutomaticSpeech automatic;
    standins::ScopedNvda nvda(L"running");
    e2e::ScopedEnv speaking(L"STANDIN_NVDA_SPEAK_MS", L"100");
    e2e::ScopedEnv path(L"VEMO_STANDIN_PATH", quiz.wstring());
    e2e::ScopedEnv scale(L"VEMO_TIME_SCALE", L"0.1");
    testsupport::ScopedTranscript transcript;
    {
        e2e::Process game(folder.Root() / L"Vemo.exe");
        ASSERT_TRUE(game.Started());
        ASSERT_TRUE(e2e::WaitForLine(transcript.Path(), L"voice Speak 0  F2でクイズを開いてください", 0, kTimeout));
        HWND main = e2e::WaitForWindow(game.Id(), L"VemoQuizWindow", kTimeout);
        ASSERT_TRUE(main);
        e2e::PressKey(main, VK_F2);
        ASSERT_TRUE(e2e::WaitForLine(transcript.Path(), L"voice Speak 0 F3でカルミオできます", 0, kTimeout));
        e2e::PressKey(main, VK_F3);
        ASSERT_TRUE(e2e::WaitForLine(
            transcript.Path(), [](const std::wstring& l) { return l.starts_with(L"voice Speak 0 a"); }, 0, kTimeout));
        PostMessageW(main, WM_CLOSE, 0, 0);
        EXPECT_TRUE(game.WaitForExit(kTimeout));
    }

    const Lines lines = testsupport::RoutedLines(transcript.Path());
    // The number, the question and the first choice, all through NVDA.
    const auto number = Find(lines, L"voice Speak 0 第 一問 [nvda]");
    ASSERT_TRUE(number);
    const auto question = Find(lines, L"voice Speak 0 q", *number);
    ASSERT_TRUE(question);
    EXPECT_TRUE(lines[*question].ends_with(L"\xF8F2 [nvda]")) << testing::PrintToString(lines[*question]);
    const auto choice = Find(lines, L"voice Speak 0 a", *question);
    ASSERT_TRUE(choice);
    EXPECT_TRUE(lines[*choice].ends_with(L" [nvda]"));

    // After the number and after the question the game waits: the next thing
    // it says comes only after NVDA reached the end mark of that text, the
    // n-th text given to NVDA carrying mark end-n.
    for (size_t spoken : {*number, *question}) {
        const auto wait = Find(lines, L"voice ", spoken + 1);
        ASSERT_TRUE(wait);
        EXPECT_EQ(lines[*wait], L"voice WaitSpeech [nvda]");
        const auto next = Find(lines, L"voice ", *wait + 1);
        ASSERT_TRUE(next);
        const auto given = std::count_if(lines.begin(), lines.begin() + static_cast<std::ptrdiff_t>(spoken) + 1,
                                         [](const std::wstring& l) {
                                             return l.starts_with(L"voice Speak ") && l.ends_with(L" [nvda]");
                                         });
        const auto mark = std::find(lines.begin(), lines.end(), L"nvda mark end-" + std::to_wstring(given));
        ASSERT_NE(mark, lines.end()) << "no end mark for " << testing::PrintToString(lines[spoken]);
        EXPECT_LT(mark - lines.begin(), static_cast<std::ptrdiff_t>(*next))
            << testing::PrintToString(lines[*next]) << " came before the end of "
            << testing::PrintToString(lines[spoken]);
    }
}

} // namespace
