// The quiz source: a UTF-8 text file that the maker turns into a quiz file.
//
//   # a comment             lines starting with # and blank lines are skipped
//   [歴史]                  starts a genre (at most 8, names up to 16 bytes)
//   ? 鎌倉幕府を開いた人物は？   a question (up to 116 bytes)
//   = 源頼朝                 its correct answer (up to 28 bytes) ...
//   - 足利尊氏               ... then exactly four wrong answers
//
// Sizes count bytes of the Shift-JIS form: a full-width character is two.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "game/quiz/record.h"
#include "tools/zlq/encoder.h"

namespace zlq {

// Texts are held as Shift-JIS bytes, ready to be stored.
struct SourceQuestion {
    int line = 0;
    std::string text;
    std::array<std::string, quiz::kAnswerCount> answers; // the correct one first
};

struct SourceGenre {
    int line = 0;
    std::string name;
    std::vector<SourceQuestion> questions;
};

struct SourceQuiz {
    std::vector<SourceGenre> genres;
};

struct Problem {
    int line = 0; // 0: the source as a whole
    std::string message; // UTF-8
};

struct ParseResult {
    SourceQuiz quiz;
    std::vector<Problem> problems; // in line order; the quiz is usable only when empty
};

ParseResult ParseSource(std::string_view utf8, const CharEncoder& encode);

} // namespace zlq
