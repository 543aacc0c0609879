#include "game/quiz/question_store.h"

#include <filesystem>
#include <iterator>
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

namespace {

// Converts all texts of a quiz with one conversion call: joined with zero
// bytes, which no decoded text contains, and split again. Should the split
// not give back one text per part, each is converted by itself.
std::vector<std::wstring> ToWideAll(const std::vector<std::string_view>& parts)
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
    const std::wstring wide = cp932::ToWide(joined);

    std::vector<std::wstring> out;
    out.reserve(parts.size());
    std::size_t start = 0;
    for (std::size_t end; (end = wide.find(L'\0', start)) != std::wstring::npos; start = end + 1)
        out.emplace_back(wide, start, end - start);
    if (out.size() != parts.size() || start != wide.size()) {
        out.clear();
        for (std::string_view part : parts)
            out.push_back(cp932::ToWide(part));
    }
    return out;
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
    std::vector<std::wstring> texts = ToWideAll(parts);

    const std::size_t n = quiz.questions.size();
    store.ListQ.reserve(n);
    for (std::size_t i = 0; i < n; ++i)
        store.ListQ.push_back({std::move(texts[i]), static_cast<std::int32_t>(i * kAnswerCount)});
    store.ListA.assign(std::make_move_iterator(texts.begin() + static_cast<std::ptrdiff_t>(n)),
                       std::make_move_iterator(texts.end()));
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
