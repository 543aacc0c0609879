// The game's question store and the quiz file loader that fills it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "game/quiz/reader.h"

namespace quiz {

// Texts kept end to end in one buffer. A quiz holds five answers per
// question; one buffer makes loading thousands of them one allocation
// instead of one per answer. Entries are read as views, valid until the list
// changes.
class TextList {
public:
    std::size_t size() const { return starts_.size(); }
    bool empty() const { return starts_.empty(); }
    // Entry i; throws std::out_of_range past the end.
    std::wstring_view at(std::size_t i) const;
    std::wstring_view operator[](std::size_t i) const { return at(i); }

    void push_back(std::wstring_view text);
    void reserve(std::size_t texts, std::size_t chars);
    // Keeps the first n entries (all when there are fewer).
    void truncate(std::size_t n);
    void clear();

private:
    std::wstring chars_;
    std::vector<std::size_t> starts_; // entry i is chars_[starts_[i], end of i)
};

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
    TextList ListA;

    // Throws std::out_of_range for a question or answer the store lacks.
    std::wstring_view Answer(std::size_t question, std::size_t k) const
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
