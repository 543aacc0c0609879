// Cutting text into phrases at the marker.
#include "speech/phrases.h"

#include <gtest/gtest.h>

namespace {

using Phrases = std::vector<std::wstring>;

TEST(SplitPhrases, CutsAtEveryMarkerAndDropsIt)
{
    EXPECT_EQ(speech::SplitPhrases(L"カルミオ\xF8F2ようこそ\xF8F2"), (Phrases{L"カルミオ", L"ようこそ"}));
    EXPECT_EQ(speech::SplitPhrases(L"\xF8F2" L"1問目"), (Phrases{L"1問目"}));
    EXPECT_EQ(speech::SplitPhrases(L"a\xF8F2\xF8F2\xF8F2z"), (Phrases{L"a", L"z"}));
}

TEST(SplitPhrases, KeepsTextWithoutMarkerWhole)
{
    EXPECT_EQ(speech::SplitPhrases(L" ロード スタート "), (Phrases{L" ロード スタート "}));
}

TEST(SplitPhrases, LeavesOutPiecesWithNothingToSay)
{
    EXPECT_TRUE(speech::SplitPhrases(L"").empty());
    EXPECT_TRUE(speech::SplitPhrases(L"\xF8F2").empty());
    EXPECT_TRUE(speech::SplitPhrases(L" \xF8F2\x3000\xF8F2\r\n\t").empty());
    EXPECT_EQ(speech::SplitPhrases(L"\x3000\xF8F2" L"A"), (Phrases{L"A"}));
}

} // namespace
