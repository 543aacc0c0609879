#include "game/quiz/record.h"

namespace quiz {

namespace {

// Lead bytes as the quiz reader knows them: 0x80-0x9F and 0xE0-0xFF (a
// little wider than code page 932's own lead byte ranges).
constexpr bool StartsDoubleByte(unsigned char decoded)
{
    return (decoded >= 0x80 && decoded <= 0x9F) || decoded >= 0xE0;
}

} // namespace

std::string DecodeField(std::span<unsigned char> field)
{
    // The text is at most as long as the field: built in place, it becomes a
    // string with one allocation at most.
    std::array<char, kRecordSize> text;
    std::size_t len = 0;
    std::size_t keep = 0; // length without the trailing half-width spaces
    bool boundary = true; // the next byte begins a character
    for (std::size_t p = 0; p < field.size() && p < kRecordSize; ++p) {
        const bool trail = !boundary;
        if (boundary) {
            if (field[p] == kFillByte)
                field[p] = kTextXor; // decodes to 0x00, a space
            else if (StartsDoubleByte(field[p] ^ kTextXor))
                boundary = false;
        } else {
            boundary = true;
        }
        field[p] ^= kTextXor;
        if (!boundary)
            continue; // a lead byte: the character completes with the next byte
        const char decoded = static_cast<char>(field[p]);
        if (decoded == '\0') {
            text[len++] = ' ';
            continue;
        }
        if (trail)
            text[len++] = static_cast<char>(field[p - 1]);
        text[len++] = decoded; // a trail byte, or a single-byte character as itself
        if (trail || decoded != ' ')
            keep = len;
    }
    // A lead byte in the last position has no trail byte in the field and
    // was never appended.
    return std::string(text.data(), keep);
}

DecodedQuestion QDecode(Record& rec)
{
    std::span<unsigned char> all(rec);
    DecodedQuestion q;
    q.text = DecodeField(all.subspan(0, kQuestionBytes));
    for (std::size_t k = 0; k < kAnswerCount; ++k)
        q.answers[k] = DecodeField(all.subspan(AnswerOffset(k), kAnswerBytes));
    return q;
}

GenreRecord ParseGenreRecord(const Record& rec)
{
    GenreRecord g;
    std::size_t len = 0;
    while (len < kGenreNameBytes && rec[len] != 0)
        ++len;
    g.name.assign(reinterpret_cast<const char*>(rec.data()), len);
    g.count = static_cast<std::int16_t>(static_cast<std::uint16_t>(rec[kGenreCountOffset]) |
                                        static_cast<std::uint16_t>(rec[kGenreCountOffset + 1]) << 8);
    return g;
}

} // namespace quiz
