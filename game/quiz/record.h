// The 256-byte records of a quiz file (*.zlq) and their decoding.
//
// A quiz file is a flat sequence of 256-byte records: eight genre records,
// then the question records, grouped by genre in genre order. Texts are
// Shift-JIS (code page 932); the six text fields of a question record are
// stored with every byte XOR 0x80 and filled up with 0x20.
//
// This file works on bytes only and needs no Windows header.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace quiz {

inline constexpr std::size_t kRecordSize = 256;
inline constexpr std::size_t kGenreRecords = 8;

// Genre record layout.
inline constexpr std::size_t kGenreNameBytes = 16;
inline constexpr std::size_t kGenreCountOffset = 18; // 16-bit signed, little-endian

// Question record layout: the question, then five answers, the correct one first.
inline constexpr std::size_t kQuestionBytes = 116;
inline constexpr std::size_t kAnswerBytes = 28;
inline constexpr std::size_t kAnswerCount = 5;
inline constexpr std::size_t AnswerOffset(std::size_t k) { return kQuestionBytes + kAnswerBytes * k; }

// Stored fill byte of a question field, and the transform of its text bytes.
inline constexpr unsigned char kFillByte = 0x20;
inline constexpr unsigned char kTextXor = 0x80;

using Record = std::array<unsigned char, kRecordSize>;

// One decoded question record, as code page 932 bytes without the trailing
// half-width spaces. answers[0] is the correct answer.
struct DecodedQuestion {
    std::string text;
    std::array<std::string, kAnswerCount> answers;
};

// The fields of a genre record the game reads.
struct GenreRecord {
    std::string name;     // the name field up to its first zero byte, untransformed
    std::int16_t count{}; // as stored; may be zero or negative in a broken file
};

// Decodes one text field of a question record in place (every byte becomes
// its XOR 0x80 form; a fill byte at a character boundary becomes 0x00) and
// returns its text. A fill byte (stored 0x20 or 0x80) at a character boundary
// is a space; a trail byte is taken as it is, whatever its value; a
// double-byte lead byte in the last position has no trail byte and is
// dropped; single-byte characters anywhere are themselves. Trailing
// half-width spaces are removed.
std::string DecodeField(std::span<unsigned char> field);

// Decodes the six text fields of a question record, in place.
DecodedQuestion QDecode(Record& rec);

GenreRecord ParseGenreRecord(const Record& rec);

} // namespace quiz
