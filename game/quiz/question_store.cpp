#include "game/quiz/question_store.h"

#include <algorithm>
#include <filesystem>
#include <stdexcept>
#include <string_view>
#include <utility>

#include "win/cp932.h"

namespace quiz {

std::wstring GenreDisplayName(std::string_view nameBytes)
{
    std::wstring name = cp932::ToWide(nameBytes);
    if (name.size() < kGenreNameBytes)
        name.resize(kGenreNameBytes, L' ');
    for (std::size_t i = 0; i < 8 && i < name.size(); ++i) {
        if (name[i] == L' ')
            name[i] = L'\x3000';
    }
    return name;
}

std::wstring_view TextList::at(std::size_t i) const
{
    if (i >= starts_.size())
        throw std::out_of_range("TextList::at");
    const std::size_t end = i + 1 < starts_.size() ? starts_[i + 1] : chars_.size();
    return std::wstring_view(chars_).substr(starts_[i], end - starts_[i]);
}

void TextList::push_back(std::wstring_view text)
{
    starts_.push_back(chars_.size());
    chars_ += text;
}

void TextList::reserve(std::size_t texts, std::size_t chars)
{
    starts_.reserve(texts);
    chars_.reserve(chars);
}

void TextList::truncate(std::size_t n)
{
    if (n >= starts_.size())
        return;
    chars_.resize(starts_[n]);
    starts_.resize(n);
}

void TextList::clear()
{
    chars_.clear();
    starts_.clear();
}

namespace {

// Converts all texts of a quiz with one conversion call: joined with zero
// bytes, which no decoded text contains, and returned joined the same way.
// Should the conversion not give back one zero per text, each is converted
// by itself.
std::wstring ToWideJoined(const std::vector<std::string_view>& parts)
{
    std::string joined;
    std::size_t size = 0;
    for (std::string_view part : parts)
        size += part.size() + 1;
    joined.reserve(size);
    for (std::string_view part : parts) {
        joined += part;
        joined += '\0';
    }
    std::wstring wide = cp932::ToWide(joined);
    if (static_cast<std::size_t>(std::count(wide.begin(), wide.end(), L'\0')) == parts.size() &&
        (wide.empty() || wide.back() == L'\0'))
        return wide;

    wide.clear();
    for (std::string_view part : parts) {
        wide += cp932::ToWide(part);
        wide += L'\0';
    }
    return wide;
}

} // namespace

QuestionStore MakeStore(const QuizBytes& quiz)
{
    QuestionStore store;
    for (std::size_t g = 0; g < kGenreRecords; ++g) {
        store.GenreName[g] = GenreDisplayName(quiz.genres[g].name);
        store.GenreCount[g] = quiz.counts[g];
        store.QuizTotal += quiz.counts[g];
    }

    // Question texts first, then all answers in order.
    std::vector<std::string_view> parts;
    parts.reserve(quiz.questions.size() * (1 + kAnswerCount));
    for (const DecodedQuestion& q : quiz.questions)
        parts.push_back(q.text);
    for (const DecodedQuestion& q : quiz.questions)
        parts.insert(parts.end(), q.answers.begin(), q.answers.end());
    const std::wstring texts = ToWideJoined(parts);

    const std::size_t n = quiz.questions.size();
    store.ListQ.reserve(n);
    store.ListA.reserve(n * kAnswerCount, texts.size());
    std::size_t start = 0;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const std::size_t end = texts.find(L'\0', start);
        const std::wstring_view text = std::wstring_view(texts).substr(start, end - start);
        if (i < n)
            store.ListQ.push_back({std::wstring(text), static_cast<std::int32_t>(i * kAnswerCount)});
        else
            store.ListA.push_back(text);
        start = end + 1;
    }
    return store;
}

ReadError Load_zlq(const std::wstring& path, QuestionStore& store)
{
    try {
        ReadResult read = ReadQuizFile(std::filesystem::path(path));
        if (read.error != ReadError::None)
            return read.error;
        QuestionStore loaded = MakeStore(read.quiz);
        std::swap(store, loaded);
        return ReadError::None;
    } catch (...) {
        // Out of memory on a huge file, say: the old store stays.
        return ReadError::CannotRead;
    }
}

std::wstring LoadErrorMessage(ReadError error)
{
    switch (error) {
    case ReadError::None:
        return {};
    case ReadError::CannotOpen:
        return L"ファイルを開けません";
    case ReadError::CannotRead:
        return L"ファイルを読めません";
    case ReadError::NotQuizFile:
        return L"クイズのファイルではありません";
    }
    return L"ファイルを読めません";
}

} // namespace quiz
