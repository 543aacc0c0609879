// The game's question store and the quiz file loader that fills it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "game/quiz/reader.h"

namespace quiz {

struct QuestionEntry {
    std::wstring text;
    std::int32_t itemData = 0; // index in ListA of this question's answer 0
};

// Everything a loaded quiz holds, in UTF-16.
struct QuestionStore {
    // Eight names, each padded with spaces to 16 characters; half-width
    // spaces among the first 8 characters are full-width (U+3000).
    std::array<std::wstring, kGenreRecords> GenreName;
    std::array<std::int32_t, kGenreRecords> GenreCount{};
    std::int32_t QuizTotal = 0;
    // One entry per question, in file order.
    std::vector<QuestionEntry> ListQ;
    // Five answers per question in stored order (the correct one first):
    // answer k of question i is ListA[ListQ[i].itemData + k].
    std::vector<std::wstring> ListA;

    const std::wstring& Answer(std::size_t question, std::size_t k) const
    {
        return ListA.at(static_cast<std::size_t>(ListQ.at(question).itemData) + k);
    }
};

// Loads the quiz file at path into store. On success the store is replaced
// completely and ReadError::None is returned; on failure the store is left
// as it was.
ReadError Load_zlq(const std::wstring& path, QuestionStore& store);

// Builds a store from what the reader read.
QuestionStore MakeStore(const QuizBytes& quiz);

// The genre name as the game shows it, from the name field's bytes.
std::wstring GenreDisplayName(std::string_view nameBytes);

// A short message for the player, to be spoken and shown, for a failed load.
std::wstring LoadErrorMessage(ReadError error);

} // namespace quiz
