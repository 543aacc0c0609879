// The transcript writer and VOSKUSR.dll as the dialog library binds it (by
// ordinal): a line is in the file when its call returns, and only while
// SPEECH_TRANSCRIPT names a file; the library's and the program's copies of
// the writer never mix their lines; the library keeps each option's value for
// the caller to restore and refuses missing texts. (Its routes to the screen
// readers: routes_test.cpp.)
#include "speech/voskusr.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "speech/transcript.h"
#include "tests/support/transcript_reader.h"

namespace {

namespace tr = speech::transcript;
using Strings = std::vector<std::string>;

TEST(Transcript, WrittenOnlyWhileTheVariableNamesAFileLeftFreeBetweenLines)
{
    std::filesystem::path file;
    {
        testsupport::ScopedTranscript transcript;
        file = transcript.Path();
        EXPECT_TRUE(tr::Enabled());
        EXPECT_EQ(ReaderStop(), 1);
        // A reader may delete the file between two lines.
        ASSERT_TRUE(DeleteFileW(file.c_str()));
        tr::Write({L"voice", L"StopSpeech"});
        EXPECT_EQ(transcript.Lines(), (Strings{"voice\tStopSpeech"}));
    }
    // The variable gone or empty: calls still work and leave no file behind.
    EXPECT_FALSE(tr::Enabled());
    SetEnvironmentVariableW(L"SPEECH_TRANSCRIPT", L"");
    EXPECT_FALSE(tr::Enabled());
    EXPECT_EQ(ReaderSpeak("a", 1), 1);
    tr::Write({L"voice", L"StopSpeech"});
    EXPECT_FALSE(std::filesystem::exists(file));
    // A file that cannot be written is passed over.
    SetEnvironmentVariableW(L"SPEECH_TRANSCRIPT", L"C:\\no such folder\\x\\transcript.txt");
    tr::Write({L"voice", L"StopSpeech"});
    EXPECT_EQ(ReaderStop(), 1);
    SetEnvironmentVariableW(L"SPEECH_TRANSCRIPT", nullptr);
}

TEST(Transcript, TheLibrarysLinesAndTheProgramsNeverMix)
{
    // The DLL writes with its own copy of the writer, in a thread of its own;
    // long lines make a torn write likely if anything allowed one.
    testsupport::ScopedTranscript transcript;
    constexpr int kLines = 400;
    const std::string readerText(2500, 'r');
    const std::wstring programText(1500, L'p');
    std::atomic<bool> started{false};
    std::thread reader([&] {
        started = true;
        for (int i = 0; i < kLines; ++i)
            ReaderSpeakEx(readerText.c_str(), 4, 1);
    });
    while (!started)
        std::this_thread::yield();
    for (int i = 0; i < kLines; ++i)
        tr::Write({L"voice", L"Speak", L"0", programText});
    reader.join();

    int readerLines = 0, programLines = 0, broken = 0;
    for (const std::string& line : transcript.Lines()) {
        if (line == "reader\tSpeakEx\t4\t1\t" + readerText)
            ++readerLines;
        else if (line == "voice\tSpeak\t0\t" + std::string(programText.begin(), programText.end()))
            ++programLines;
        else
            ++broken; // not printed: too long
    }
    EXPECT_EQ(broken, 0);
    EXPECT_EQ(readerLines, kLines);
    EXPECT_EQ(programLines, kLines);
}

TEST(Voskusr, SetModeGivesBackEachOptionsValueHeldBefore)
{
    testsupport::ScopedTranscript transcript;
    // Options never set hold 0; each keeps its own value. The dialog's
    // restore puts the value it kept back and gets its own out.
    EXPECT_EQ(ReaderSetMode(0x20002, 0x80100, 0), 0);
    EXPECT_EQ(ReaderSetMode(0x20002, 7, 0), 0x80100);
    EXPECT_EQ(ReaderSetMode(5, 9, 0), 0);
    EXPECT_EQ(ReaderSetMode(0x20002, 0, 0), 7);
    EXPECT_EQ(ReaderSetMode(5, -1, 0), 9);
    // Each call's line: option, value, reserved, and the value given back.
    ASSERT_EQ(transcript.Lines().size(), 5u);
    EXPECT_EQ(transcript.Lines()[1], "reader\tSetMode\t131074\t7\t0\t524544");
}

TEST(Voskusr, RefusesMissingTextsQuietly)
{
    testsupport::ScopedTranscript transcript;
    EXPECT_EQ(ReaderSpeak(nullptr, 1), 0);
    EXPECT_EQ(ReaderSpeak("", 0), 0);
    EXPECT_EQ(ReaderSpeakEx(nullptr, 4, 1), 0);
    EXPECT_EQ(ReaderSpeakEx("", 4, 1), 0);
    EXPECT_EQ(transcript.Lines(), Strings{});
}

} // namespace
