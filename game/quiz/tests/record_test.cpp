#include "game/quiz/record.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "game/quiz/tests/quiz_file_builder.h"

namespace {

using quiz::testing::StoredField;

// Code page 932 bytes of a few characters.
const std::string kA = "\x83\x41";  // ア
const std::string kI = "\x83\x43";  // イ
const std::string kHa = "\x82\xA0"; // あ: its trail byte is stored as 0x20
const std::string kHalfA = "\xB1";  // ｱ, half-width katakana

std::string Decode(const std::string& stored)
{
    std::vector<unsigned char> bytes(stored.begin(), stored.end());
    return quiz::DecodeField(bytes);
}

std::string Repeat(const std::string& s, int n)
{
    std::string out;
    for (int i = 0; i < n; ++i)
        out += s;
    return out;
}

TEST(QuizDecode, FillBytesAtACharacterBoundaryAreSpacesAndTrailingOnesVanish)
{
    const std::string ten = Repeat(kA + kI, 5);
    EXPECT_EQ(Decode(StoredField(ten, quiz::kQuestionBytes)), ten); // 96 fill bytes after it

    // 0x80 stored at a boundary reads like a fill byte: a space inside, gone at the end.
    std::string stored = StoredField(kA, 2) + "\x80" + StoredField(kI, 2) + "\x80\x80\x20\x80";
    EXPECT_EQ(Decode(stored), kA + " " + kI);
    EXPECT_EQ(Decode(std::string(28, '\x80')), "");
    EXPECT_EQ(Decode(std::string(28, '\x20')), "");
}

TEST(QuizDecode, StoredSpaceInTrailPositionIsAnOrdinaryTrailByte)
{
    ASSERT_EQ(StoredField(kHa, 2), std::string("\x02\x20"));
    EXPECT_EQ(Decode(StoredField(kHa + kHa + kA, quiz::kAnswerBytes)), kHa + kHa + kA);
}

TEST(QuizDecode, LeadByteInTheLastPositionIsDropped)
{
    // 27 bytes of text, then the lead byte of ア in the field's last byte.
    const std::string text = "x" + Repeat(kI, 13);
    EXPECT_EQ(Decode(StoredField(text + kA, quiz::kAnswerBytes)), text);

    // In a whole record it must not borrow the first byte of the next field.
    quiz::Record rec{};
    const std::string q = "y" + Repeat(kA, 57) + "\x83"; // 116 bytes, lead byte last
    const std::string stored = StoredField(q, quiz::kQuestionBytes) + StoredField(kI, quiz::kAnswerBytes) +
                               std::string(4 * quiz::kAnswerBytes, '\x20');
    std::copy(stored.begin(), stored.end(), rec.begin());
    quiz::DecodedQuestion d = quiz::QDecode(rec);
    EXPECT_EQ(d.text, "y" + Repeat(kA, 57));
    EXPECT_EQ(d.answers[0], kI);
}

TEST(QuizDecode, SingleByteCharactersAnywhereComeOutAsThemselves)
{
    const std::string mixed = "Q" + kA + "b" + kHalfA + kI + "1 2" + kHalfA;
    EXPECT_EQ(Decode(StoredField(mixed, quiz::kQuestionBytes)), mixed);
    EXPECT_EQ(Decode(StoredField("abc", quiz::kAnswerBytes)), "abc");
}

TEST(QuizDecode, RecordIsDecodedInPlaceFieldByField)
{
    quiz::Record rec{};
    const std::string stored = quiz::testing::QuestionRecordBytes(
        kA, {kI, "x", kA + kI, kHalfA, kHa});
    std::copy(stored.begin(), stored.end(), rec.begin());
    quiz::DecodedQuestion d = quiz::QDecode(rec);
    EXPECT_EQ(d.text, kA);
    EXPECT_EQ(d.answers[0], kI);
    EXPECT_EQ(d.answers[1], "x");
    EXPECT_EQ(d.answers[2], kA + kI);
    EXPECT_EQ(d.answers[3], kHalfA);
    EXPECT_EQ(d.answers[4], kHa);
    // The buffer now holds the plain bytes, fill bytes at boundaries as 0x00.
    EXPECT_EQ(rec[0], 0x83);
    EXPECT_EQ(rec[1], 0x41);
    EXPECT_EQ(rec[2], 0x00);
    EXPECT_EQ(rec[quiz::AnswerOffset(4) + 1], 0xA0);
    EXPECT_EQ(rec[255], 0x00);
}

TEST(QuizGenreRecord, NameAndSignedLittleEndianCount)
{
    auto parse = [](const std::string& bytes) {
        quiz::Record rec{};
        std::copy(bytes.begin(), bytes.end(), rec.begin());
        return quiz::ParseGenreRecord(rec);
    };
    quiz::GenreRecord g = parse(quiz::testing::GenreRecordBytes(kA + " " + kI, 3));
    EXPECT_EQ(g.name, kA + " " + kI + std::string(11, ' '));
    EXPECT_EQ(g.count, 3);
    EXPECT_EQ(parse(quiz::testing::GenreRecordBytes("x", 300)).count, 300);
    EXPECT_EQ(parse(quiz::testing::GenreRecordBytes("x", -2)).count, -2);
    EXPECT_EQ(parse(quiz::testing::GenreRecordBytes("x", -32768)).count, -32768);

    // A zero byte ends the name; the reserved bytes are not read.
    std::string odd = quiz::testing::GenreRecordBytes("ab", 1);
    odd[2] = '\0';
    odd[16] = odd[17] = odd[20] = '\x7F';
    g = parse(odd);
    EXPECT_EQ(g.name, "ab");
    EXPECT_EQ(g.count, 1);
}

TEST(QuizDecode, OnlyWholeHalfWidthSpacesAreTrimmed)
{
    // A pair whose trail byte decodes to 0x20 stays whole; full-width spaces stay.
    EXPECT_EQ(Decode(std::string("\x02\xA0", 2) + "\x20\x20"), "\x82\x20");
    EXPECT_EQ(Decode(StoredField(kA + "  " + "\x81\x40", 10)), kA + "  \x81\x40");
    EXPECT_EQ(Decode(StoredField(kA + " ", 10) + "\x80"), kA);
}

} // namespace
