#include "game/quiz/question_store.h"

#include <filesystem>
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

QuestionStore MakeStore(const QuizBytes& quiz)
{
    QuestionStore store;
    for (std::size_t g = 0; g < kGenreRecords; ++g) {
        store.GenreName[g] = GenreDisplayName(quiz.genres[g].name);
        store.GenreCount[g] = quiz.counts[g];
        store.QuizTotal += quiz.counts[g];
    }
    store.ListQ.reserve(quiz.questions.size());
    store.ListA.reserve(quiz.questions.size() * kAnswerCount);
    for (const DecodedQuestion& q : quiz.questions) {
        const auto first = static_cast<std::int32_t>(store.ListA.size());
        for (const std::string& answer : q.answers)
            store.ListA.push_back(cp932::ToWide(answer));
        store.ListQ.push_back({cp932::ToWide(q.text), first});
    }
    return store;
}

ReadError Load_zlq(const std::wstring& path, QuestionStore& store)
{
    ReadResult read = ReadQuizFile(std::filesystem::path(path));
    if (read.error != ReadError::None)
        return read.error;
    QuestionStore loaded = MakeStore(read.quiz);
    std::swap(store, loaded);
    return ReadError::None;
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
