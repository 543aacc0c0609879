// VOSKUSR.dll seen from a caller that binds it by ordinal, as the dialog
// library does: each call's transcript line, the option memory, and texts
// the library must refuse without harm.
#include "speech/voskusr.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "speech/transcript.h"
#include "tests/support/transcript_reader.h"
#include "win/cp932.h"

namespace {

using Entries = std::vector<std::vector<std::wstring>>;

TEST(Voskusr, WritesOneTranscriptLinePerCall)
{
    testsupport::ScopedTranscript transcript;
    const std::string menu = cp932::FromWide(L"メニューオープン");
    const std::string item = cp932::FromWide(L"上のフォルダへ");
    const std::string folder = cp932::FromWide(L"C:\\データ\\クイズ\xF8F2");

    EXPECT_EQ(ReaderSpeak(menu.c_str(), 0), 1);
    EXPECT_EQ(ReaderSpeak(item.c_str(), 1), 1);
    ReaderStop();
    EXPECT_EQ(ReaderSpeakEx(folder.c_str(), 4, 1), 1);

    EXPECT_EQ(transcript.Lines(),
              (std::vector<std::string>{
                  "reader\tSpeak\t0\tメニューオープン",
                  "reader\tSpeak\t1\t上のフォルダへ",
                  "reader\tStop",
                  "reader\tSpeakEx\t4\t1\tC:\\\\データ\\\\クイズ<M>",
              }));
}

TEST(Voskusr, SetModeReturnsTheValueHeldBefore)
{
    testsupport::ScopedTranscript transcript;
    // Options never set before hold 0.
    const int kept = ReaderSetMode(0x20002, 0x80100, 0);
    EXPECT_EQ(kept, 0);
    EXPECT_EQ(ReaderSetMode(0x20002, 7, 0), 0x80100);
    EXPECT_EQ(ReaderSetMode(5, 9, 0), 0); // other options are separate
    // The dialog's restore: the kept value goes back and the last one comes out.
    EXPECT_EQ(ReaderSetMode(0x20002, kept, 0), 7);
    EXPECT_EQ(ReaderSetMode(0x20002, -1, 0), kept);
    EXPECT_EQ(ReaderSetMode(0x20002, 0, 0), -1);
    EXPECT_EQ(ReaderSetMode(5, 0, 0), 9);

    Entries entries = transcript.Entries();
    ASSERT_EQ(entries.size(), 7u);
    EXPECT_EQ(entries[0], (std::vector<std::wstring>{L"reader", L"SetMode", L"131074", L"524544", L"0", L"0"}));
    EXPECT_EQ(entries[1], (std::vector<std::wstring>{L"reader", L"SetMode", L"131074", L"7", L"0", L"524544"}));
    EXPECT_EQ(entries[4], (std::vector<std::wstring>{L"reader", L"SetMode", L"131074", L"-1", L"0", L"0"}));
}

TEST(Voskusr, RefusesMissingTextsQuietly)
{
    testsupport::ScopedTranscript transcript;
    EXPECT_EQ(ReaderSpeak(nullptr, 0), 0);
    EXPECT_EQ(ReaderSpeak(nullptr, 1), 0);
    EXPECT_EQ(ReaderSpeak("", 0), 0);
    EXPECT_EQ(ReaderSpeakEx(nullptr, 4, 1), 0);
    EXPECT_EQ(ReaderSpeakEx("", 4, 1), 0);
    EXPECT_TRUE(transcript.Lines().empty());
    // The reader still works afterwards.
    EXPECT_EQ(ReaderSpeak("a", 0), 1);
    EXPECT_EQ(transcript.Lines(), (std::vector<std::string>{"reader\tSpeak\t0\ta"}));
}

TEST(Voskusr, CopiesTheCallersText)
{
    testsupport::ScopedTranscript transcript;
    {
        std::string text = cp932::FromWide(L"アイテムを 選択してください");
        EXPECT_EQ(ReaderSpeak(text.c_str(), 0), 1);
        text.assign(text.size(), 'x'); // the caller reuses its buffer at once
    }
    ReaderStop();
    EXPECT_EQ(transcript.Lines(),
              (std::vector<std::string>{"reader\tSpeak\t0\tアイテムを 選択してください", "reader\tStop"}));
}

TEST(Voskusr, WritesNothingWithoutATranscript)
{
    std::filesystem::path file;
    {
        testsupport::ScopedTranscript transcript;
        file = transcript.Path();
    }
    // The variable is gone: calls still work and leave no file behind.
    EXPECT_EQ(ReaderSpeak("a", 1), 1);
    ReaderStop();
    EXPECT_FALSE(std::filesystem::exists(file));
}

TEST(Voskusr, ItsLinesAndTheProgramsNeverMix)
{
    // The DLL writes with its own copy of the transcript code; the lines of
    // both copies must come out whole all the same.
    testsupport::ScopedTranscript transcript;
    constexpr int kLines = 400;
    const std::wstring programText(1500, L'p');
    const std::string readerText(2500, 'r');
    std::atomic<bool> started{false};
    std::thread reader([&] {
        started = true;
        for (int i = 0; i < kLines; ++i)
            ReaderSpeakEx(readerText.c_str(), 4, 1);
    });
    while (!started)
        std::this_thread::yield();
    for (int i = 0; i < kLines; ++i)
        speech::transcript::Write({L"voice", L"Speak", L"0", programText});
    reader.join();

    int readerLines = 0, programLines = 0, broken = 0;
    for (const std::string& line : transcript.Lines()) {
        if (line == "reader\tSpeakEx\t4\t1\t" + readerText)
            ++readerLines;
        else if (line == "voice\tSpeak\t0\t" + std::string(programText.begin(), programText.end()))
            ++programLines;
        else
            ++broken;
    }
    EXPECT_EQ(broken, 0);
    EXPECT_EQ(readerLines, kLines);
    EXPECT_EQ(programLines, kLines);
}

} // namespace
