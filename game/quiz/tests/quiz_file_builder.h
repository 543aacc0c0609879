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

// Eight genre records "g1".."g8" (the name padded with spaces, then the
// count) with the given counts (missing ones 0), then `questions` records:
// question k reads "q<k>", its answers "a<k>-0".."a<k>-4".
inline std::string QuizFileBytes(const std::vector<std::int16_t>& counts, int questions)
{
    std::string file;
    for (std::size_t g = 0; g < kGenreRecords; ++g) {
        std::string rec = "g" + std::to_string(g + 1);
        rec.resize(kGenreNameBytes, ' ');
        rec.resize(kRecordSize, '\0');
        const std::int16_t count = g < counts.size() ? counts[g] : 0;
        rec[kGenreCountOffset] = static_cast<char>(count & 0xFF);
        rec[kGenreCountOffset + 1] = static_cast<char>(static_cast<std::uint16_t>(count) >> 8);
        file += rec;
    }
    for (int k = 0; k < questions; ++k) {
        const std::string n = std::to_string(k);
        file += StoredField("q" + n, kQuestionBytes);
        for (std::size_t a = 0; a < kAnswerCount; ++a)
            file += StoredField("a" + n + "-" + std::to_string(a), kAnswerBytes);
    }
    return file;
}

} // namespace quiz::testing
