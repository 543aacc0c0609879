// VOSKUSR.dll as the dialog library binds it (by ordinal): it keeps each
// option's value for the caller to restore and refuses missing texts. (Its
// routes to the screen readers: routes_test.cpp.)
#include "speech/voskusr.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/support/transcript_reader.h"

namespace {

using Strings = std::vector<std::string>;

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
    // Each call's line: the option, the value, reserved and the value given back.
    EXPECT_EQ(transcript.Lines().at(1), "reader\tSetMode\t131074\t7\t0\t524544");
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
