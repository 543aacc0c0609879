#include "tools/zlq/dump.h"

#include <windows.h>

#include <cstdio>
#include <string>

#include "game/quiz/question_store.h"
#include "tools/zlq/writer.h"

namespace zlq {

namespace {

std::string Utf8(std::wstring_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        // Runs without control characters are converted as a whole.
        std::size_t end = i;
        while (end < text.size() && text[end] >= 0x20 && text[end] != 0x7F)
            ++end;
        if (end > i) {
            const int size = static_cast<int>(end - i);
            const int n = WideCharToMultiByte(CP_UTF8, 0, text.data() + i, size, nullptr, 0, nullptr, nullptr);
            std::string part(static_cast<std::size_t>(n), '\0');
            WideCharToMultiByte(CP_UTF8, 0, text.data() + i, size, part.data(), n, nullptr, nullptr);
            out += part;
            i = end;
        } else {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", static_cast<unsigned>(text[i]));
            out += buf;
            ++i;
        }
    }
    return out;
}

const char* ErrorText(quiz::ReadError error)
{
    switch (error) {
    case quiz::ReadError::CannotOpen:
        return "cannot open the file";
    case quiz::ReadError::CannotRead:
        return "cannot read the file";
    case quiz::ReadError::NotQuizFile:
        return "not a quiz file: shorter than its eight genre records";
    case quiz::ReadError::None:
        break;
    }
    return "cannot read the file";
}

} // namespace

int Dump(const std::filesystem::path& path, std::ostream& out, std::ostream& err)
{
    quiz::QuestionStore store;
    const quiz::ReadError error = quiz::Load_zlq(path.wstring(), store);
    if (error != quiz::ReadError::None) {
        err << "zlq: " << PathText(path) << ": " << ErrorText(error) << "\n";
        return 1;
    }
    for (std::size_t g = 0; g < store.GenreName.size(); ++g)
        out << "genre\t" << g << "\t" << Utf8(store.GenreName[g]) << "\t" << store.GenreCount[g] << "\n";
    out << "total\t" << store.QuizTotal << "\n";
    for (std::size_t k = 0; k < store.ListQ.size(); ++k) {
        out << "question\t" << k << "\t" << Utf8(store.ListQ[k].text);
        for (std::size_t a = 0; a < quiz::kAnswerCount; ++a)
            out << "\t" << Utf8(store.Answer(k, a));
        out << "\n";
    }
    out.flush();
    return out ? 0 : 1;
}

} // namespace zlq
