#include "tools/zlq/source.h"

#include <algorithm>
#include <cstdio>
#include <optional>

namespace zlq {

namespace {

constexpr std::size_t kMaxQuestionsPerGenre = 32767; // the count is a 16-bit field

// Length of the UTF-8 sequence starting at s[i] and its code point, or 0
// when it is not valid UTF-8.
std::size_t NextCodePoint(std::string_view s, std::size_t i, char32_t& cp)
{
    const auto b = static_cast<unsigned char>(s[i]);
    std::size_t len;
    char32_t min;
    if (b < 0x80) {
        cp = b;
        return 1;
    } else if ((b & 0xE0) == 0xC0) {
        len = 2, cp = b & 0x1F, min = 0x80;
    } else if ((b & 0xF0) == 0xE0) {
        len = 3, cp = b & 0x0F, min = 0x800;
    } else if ((b & 0xF8) == 0xF0) {
        len = 4, cp = b & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (i + len > s.size())
        return 0;
    for (std::size_t k = 1; k < len; ++k) {
        const auto c = static_cast<unsigned char>(s[i + k]);
        if ((c & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (c & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return len;
}

std::string CodePointName(char32_t cp)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "U+%04X", static_cast<unsigned>(cp));
    return buf;
}

std::string_view Trim(std::string_view s)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

class Parser {
public:
    Parser(const CharEncoder& encode) : encode_(encode) {}

    ParseResult Run(std::string_view text)
    {
        if (text.substr(0, 3) == "\xEF\xBB\xBF")
            text.remove_prefix(3);
        int line = 0;
        while (!text.empty()) {
            ++line;
            const std::size_t nl = text.find('\n');
            std::string_view l = text.substr(0, nl);
            text.remove_prefix(nl == std::string_view::npos ? text.size() : nl + 1);
            if (!l.empty() && l.back() == '\r')
                l.remove_suffix(1);
            Line(line, l);
        }
        FinishQuestion();
        FinishGenre();
        bool any = false;
        for (const SourceGenre& g : result_.quiz.genres)
            any = any || !g.questions.empty();
        if (!any && result_.problems.empty())
            Report(0, "the source holds no questions");
        std::stable_sort(result_.problems.begin(), result_.problems.end(),
                         [](const Problem& a, const Problem& b) { return a.line < b.line; });
        return std::move(result_);
    }

private:
    void Report(int line, std::string message) { result_.problems.push_back({line, std::move(message)}); }

    void Line(int line, std::string_view l)
    {
        const std::string_view trimmed = Trim(l);
        if (trimmed.empty() || trimmed.front() == '#')
            return;
        const char mark = trimmed.front();
        const std::string_view rest = Trim(trimmed.substr(1));
        switch (mark) {
        case '[':
            if (rest.empty() || rest.back() != ']') {
                Report(line, "a genre line is written [name]");
                return;
            }
            StartGenre(line, Trim(rest.substr(0, rest.size() - 1)));
            return;
        case '?':
            StartQuestion(line, rest);
            return;
        case '=':
        case '-':
            AddAnswer(line, mark == '=', rest);
            return;
        default:
            Report(line, "unknown line: expected [genre], ? question, = correct answer, - wrong answer or # comment");
        }
    }

    void StartGenre(int line, std::string_view name)
    {
        FinishQuestion();
        FinishGenre();
        ++genresSeen_;
        if (genresSeen_ > static_cast<int>(quiz::kGenreRecords)) {
            Report(line, "more than 8 genres: a quiz holds at most 8");
            genre_.reset();
            return;
        }
        genre_.emplace();
        genre_->line = line;
        std::optional<std::string> bytes = Encode(line, "genre name", name, quiz::kGenreNameBytes);
        if (bytes)
            genre_->name = *bytes;
    }

    void FinishGenre()
    {
        if (!genre_)
            return;
        if (genre_->questions.size() > kMaxQuestionsPerGenre)
            Report(genre_->line, "the genre has " + std::to_string(genre_->questions.size()) +
                                     " questions: at most 32767");
        result_.quiz.genres.push_back(std::move(*genre_));
        genre_.reset();
    }

    void StartQuestion(int line, std::string_view text)
    {
        FinishQuestion();
        if (!genre_ && genresSeen_ == 0)
            Report(line, "a question before the first [genre] line");
        question_.emplace();
        question_->line = line;
        answers_ = 0;
        std::optional<std::string> bytes = Encode(line, "question", text, quiz::kQuestionBytes);
        if (bytes)
            question_->text = *bytes;
    }

    void AddAnswer(int line, bool correct, std::string_view text)
    {
        if (!question_) {
            Report(line, "an answer without a question (a question line starts with ?)");
            return;
        }
        if (correct && answers_ > 0) {
            Report(line, "a second correct answer: a question has one = line, then four - lines");
            return;
        }
        if (!correct && answers_ == 0) {
            Report(line, "a wrong answer before the correct answer: write the = line first");
            return;
        }
        if (answers_ >= static_cast<int>(quiz::kAnswerCount)) {
            Report(line, "more than four wrong answers");
            return;
        }
        answerLines_[static_cast<std::size_t>(answers_)] = line;
        std::optional<std::string> bytes = Encode(line, "answer", text, quiz::kAnswerBytes);
        if (bytes) {
            for (int k = 0; k < answers_; ++k) {
                if (!bytes->empty() && question_->answers[static_cast<std::size_t>(k)] == *bytes)
                    Report(line, "the same answer as on line " +
                                     std::to_string(answerLines_[static_cast<std::size_t>(k)]));
            }
            question_->answers[static_cast<std::size_t>(answers_)] = *bytes;
        }
        ++answers_;
    }

    void FinishQuestion()
    {
        if (!question_)
            return;
        if (answers_ < static_cast<int>(quiz::kAnswerCount))
            Report(question_->line, "the question has " + std::to_string(answers_) +
                                        " of its 5 answers (one = line, then four - lines)");
        if (genre_)
            genre_->questions.push_back(std::move(*question_));
        question_.reset();
    }

    // Shift-JIS form of a text field, after checking that it is not empty,
    // that every character has a Shift-JIS form, that it fits its field and
    // that the game's reader reads it back as written.
    std::optional<std::string> Encode(int line, const std::string& what, std::string_view text, std::size_t limit)
    {
        if (text.empty()) {
            Report(line, "empty " + what);
            return std::nullopt;
        }
        std::string out;
        bool ok = true;
        for (std::size_t i = 0; i < text.size();) {
            char32_t cp = 0;
            const std::size_t len = NextCodePoint(text, i, cp);
            if (len == 0) {
                Report(line, "not valid UTF-8");
                return std::nullopt;
            }
            const std::string_view ch = text.substr(i, len);
            i += len;
            if (cp < 0x20 || cp == 0x7F) {
                Report(line, "control character " + CodePointName(cp) + " in the " + what);
                ok = false;
                continue;
            }
            std::optional<std::string> bytes = encode_(ch);
            if (!bytes) {
                Report(line, "\"" + std::string(ch) + "\" (" + CodePointName(cp) + ") has no Shift-JIS form");
                ok = false;
                continue;
            }
            out += *bytes;
        }
        if (!ok)
            return std::nullopt;
        if (out.size() > limit) {
            Report(line, "the " + what + " is " + std::to_string(out.size()) + " bytes in Shift-JIS: at most " +
                             std::to_string(limit) + " (" + std::to_string(limit / 2) +
                             " full-width characters)");
            return std::nullopt;
        }
        if (what != "genre name" && !ReadsBack(out, limit)) {
            Report(line, "the game would not read the " + what + " back as written");
            return std::nullopt;
        }
        return out;
    }

    // True when the stored form of a text field decodes to the text itself.
    static bool ReadsBack(const std::string& bytes, std::size_t width)
    {
        std::vector<unsigned char> field(width, quiz::kFillByte);
        for (std::size_t i = 0; i < bytes.size(); ++i)
            field[i] = static_cast<unsigned char>(bytes[i]) ^ quiz::kTextXor;
        return quiz::DecodeField(field) == bytes;
    }

    const CharEncoder& encode_;
    ParseResult result_;
    std::optional<SourceGenre> genre_;
    std::optional<SourceQuestion> question_;
    int genresSeen_ = 0;
    int answers_ = 0;
    std::array<int, quiz::kAnswerCount> answerLines_{};
};

} // namespace

ParseResult ParseSource(std::string_view utf8, const CharEncoder& encode)
{
    return Parser(encode).Run(utf8);
}

} // namespace zlq
