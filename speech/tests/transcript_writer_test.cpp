// The transcript writer: where lines go, that each is in the file as soon as
// Write returns, and that writers in several threads never mix their lines.
#include "speech/transcript.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <thread>

#include "tests/support/transcript_reader.h"

namespace {

namespace tr = speech::transcript;

TEST(TranscriptWriter, IsEnabledOnlyWhileTheVariableNamesAFile)
{
    SetEnvironmentVariableW(L"SPEECH_TRANSCRIPT", nullptr);
    EXPECT_FALSE(tr::Enabled());
    {
        testsupport::ScopedTranscript transcript;
        EXPECT_TRUE(tr::Enabled());
    }
    EXPECT_FALSE(tr::Enabled());
    SetEnvironmentVariableW(L"SPEECH_TRANSCRIPT", L"");
    EXPECT_FALSE(tr::Enabled());
    tr::Write({L"voice", L"StopSpeech"}); // nowhere to go, no harm
    SetEnvironmentVariableW(L"SPEECH_TRANSCRIPT", nullptr);
}

TEST(TranscriptWriter, AppendsEachLineAtOnce)
{
    testsupport::ScopedTranscript transcript;
    std::ofstream(transcript.Path(), std::ios::binary) << "earlier\tline\n";

    tr::Write({L"voice", L"Speak", L"0", L"1問目\xF8F2"});
    EXPECT_EQ(transcript.Lines(), (std::vector<std::string>{"earlier\tline", "voice\tSpeak\t0\t1問目<M>"}));
    tr::Write({L"voice", L"Sound", L"50", L"10", L"0"});
    tr::Write({L"voice", L"Speak", L"0", L"a\tb\r\nc\\"});
    EXPECT_EQ(transcript.Lines(), (std::vector<std::string>{"earlier\tline", "voice\tSpeak\t0\t1問目<M>",
                                                           "voice\tSound\t50\t10\t0",
                                                           "voice\tSpeak\t0\ta\\tb\\r\\nc\\\\"}));
    EXPECT_EQ(transcript.Entries().back()[3], L"a\tb\r\nc\\");
}

TEST(TranscriptWriter, LeavesTheFileFreeBetweenLines)
{
    testsupport::ScopedTranscript transcript;
    tr::Write({L"voice", L"WaitSpeech"});
    // A reader may replace or delete the file between two lines.
    ASSERT_TRUE(DeleteFileW(transcript.Path().c_str()));
    tr::Write({L"voice", L"StopSpeech"});
    EXPECT_EQ(transcript.Lines(), (std::vector<std::string>{"voice\tStopSpeech"}));
}

TEST(TranscriptWriter, IgnoresAFileThatCannotBeWritten)
{
    SetEnvironmentVariableW(L"SPEECH_TRANSCRIPT", L"C:\\no such folder\\x\\transcript.txt");
    EXPECT_TRUE(tr::Enabled());
    tr::Write({L"voice", L"StopSpeech"});
    SetEnvironmentVariableW(L"SPEECH_TRANSCRIPT", nullptr);
}

TEST(TranscriptWriter, ThreadsNeverMixTheirLines)
{
    testsupport::ScopedTranscript transcript;
    constexpr int kLines = 300;
    // Long lines make a torn write likely if anything allowed one.
    const std::wstring textA(3000, L'あ');
    const std::wstring textB(2000, L'b');
    auto writer = [](const std::wstring& who, const std::wstring& text) {
        for (int i = 0; i < kLines; ++i)
            tr::Write({who, std::to_wstring(i), text});
    };
    std::thread a(writer, L"A", textA);
    std::thread b(writer, L"B", textB);
    a.join();
    b.join();

    // Each thread's lines come whole and in its own order; the texts are too
    // long to print, so a broken line is only counted.
    int nextA = 0, nextB = 0, broken = 0;
    for (const auto& fields : transcript.Entries()) {
        if (fields.size() == 3 && fields[0] == L"A" && fields[1] == std::to_wstring(nextA) &&
            fields[2] == textA)
            ++nextA;
        else if (fields.size() == 3 && fields[0] == L"B" && fields[1] == std::to_wstring(nextB) &&
                 fields[2] == textB)
            ++nextB;
        else
            ++broken;
    }
    EXPECT_EQ(broken, 0);
    EXPECT_EQ(nextA, kLines);
    EXPECT_EQ(nextB, kLines);
}

} // namespace
