// Reads a whole quiz file into code page 932 byte strings.
//
// The reader is forgiving where the format allows it and never crashes on a
// broken file: a negative genre count counts as zero, and a file shorter than
// its genre counts promise holds only the questions whose records are whole
// in it. A file too short for its eight genre records is not a quiz.
// Needs no Windows header.
#pragma once

#include <array>
#include <filesystem>
#include <istream>
#include <vector>

#include "game/quiz/record.h"

namespace quiz {

enum class ReadError {
    None,
    CannotOpen,   // the file is missing or cannot be opened
    CannotRead,   // reading failed part way
    NotQuizFile,  // shorter than the eight genre records
};

struct QuizBytes {
    std::array<GenreRecord, kGenreRecords> genres;
    // Questions each genre really holds: its stored count, zero when that is
    // negative, fewer when the file ends early.
    std::array<int, kGenreRecords> counts{};
    // In file order, genre by genre; questions[k] comes from record 9 + k.
    std::vector<DecodedQuestion> questions;
};

struct ReadResult {
    ReadError error = ReadError::None;
    QuizBytes quiz;
};

ReadResult ReadQuiz(std::istream& in);
ReadResult ReadQuizFile(const std::filesystem::path& path);

} // namespace quiz
