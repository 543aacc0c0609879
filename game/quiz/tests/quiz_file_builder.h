// Builds quiz file bytes for the tests and benches: genre records and
// question records laid out and transformed as a quiz file stores them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "game/quiz/record.h"

namespace quiz::testing {

// A stored text field: text bytes XOR 0x80, then fill bytes 0x20.
inline std::string StoredField(std::string_view text, std::size_t width)
{
    std::string out(width, static_cast<char>(kFillByte));
    for (std::size_t i = 0; i < text.size() && i < width; ++i)
        out[i] = static_cast<char>(static_cast<unsigned char>(text[i]) ^ kTextXor);
    return out;
}

// The name padded with spaces to 16 bytes, the count at bytes 18-19.
inline std::string GenreRecordBytes(std::string_view name, std::int16_t count)
{
    std::string rec(name.substr(0, kGenreNameBytes));
    rec.resize(kGenreNameBytes, ' ');
    rec.resize(kRecordSize, '\0');
    rec[kGenreCountOffset] = static_cast<char>(count & 0xFF);
    rec[kGenreCountOffset + 1] = static_cast<char>(static_cast<std::uint16_t>(count) >> 8);
    return rec;
}

inline std::string QuestionRecordBytes(std::string_view text, const std::vector<std::string>& answers)
{
    std::string rec = StoredField(text, kQuestionBytes);
    for (std::size_t k = 0; k < kAnswerCount; ++k)
        rec += StoredField(k < answers.size() ? answers[k] : std::string(), kAnswerBytes);
    return rec;
}

// Eight genre records "g1".."g8" with the given counts (missing ones 0), then
// `questions` records: question k reads "q<k>", its answers "a<k>-0".."a<k>-4".
inline std::string QuizFileBytes(const std::vector<std::int16_t>& counts, int questions)
{
    std::string file;
    for (std::size_t g = 0; g < kGenreRecords; ++g)
        file += GenreRecordBytes("g" + std::to_string(g + 1), g < counts.size() ? counts[g] : 0);
    for (int k = 0; k < questions; ++k) {
        const std::string n = std::to_string(k);
        file += QuestionRecordBytes("q" + n, {"a" + n + "-0", "a" + n + "-1", "a" + n + "-2", "a" + n + "-3", "a" + n + "-4"});
    }
    return file;
}

} // namespace quiz::testing
