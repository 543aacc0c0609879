#include "game/quiz/reader.h"

#include <algorithm>
#include <fstream>
#include <vector>

namespace quiz {

namespace {

enum class RecordRead { Whole, End, Failed };

// Reads the next record. A record cut short by the end of the file does not
// exist.
RecordRead ReadRecord(std::istream& in, Record& rec)
{
    in.read(reinterpret_cast<char*>(rec.data()), static_cast<std::streamsize>(rec.size()));
    if (in.gcount() == static_cast<std::streamsize>(rec.size()))
        return RecordRead::Whole;
    return in.bad() ? RecordRead::Failed : RecordRead::End;
}

} // namespace

ReadResult ReadQuiz(std::istream& in)
{
    ReadResult result;
    QuizBytes& quiz = result.quiz;
    Record rec{};

    for (std::size_t g = 0; g < kGenreRecords; ++g) {
        switch (ReadRecord(in, rec)) {
        case RecordRead::Whole:
            break;
        case RecordRead::End:
            return {ReadError::NotQuizFile, {}};
        case RecordRead::Failed:
            return {ReadError::CannotRead, {}};
        }
        quiz.genres[g] = ParseGenreRecord(rec);
    }

    // Questions follow genre by genre; the first record that is not whole
    // ends the quiz, and later genres then hold nothing.
    std::size_t promised = 0;
    for (const GenreRecord& genre : quiz.genres)
        promised += static_cast<std::size_t>(std::max<int>(genre.count, 0));
    quiz.questions.reserve(std::min<std::size_t>(promised, 8192));

    bool ended = false;
    for (std::size_t g = 0; g < kGenreRecords && !ended; ++g) {
        const int promised = std::max<int>(quiz.genres[g].count, 0);
        for (int j = 0; j < promised; ++j) {
            RecordRead r = ReadRecord(in, rec);
            if (r == RecordRead::Failed)
                return {ReadError::CannotRead, {}};
            if (r == RecordRead::End) {
                ended = true;
                break;
            }
            quiz.questions.push_back(QDecode(rec));
            ++quiz.counts[g];
        }
    }
    return result;
}

ReadResult ReadQuizFile(const std::filesystem::path& path)
{
    // Records are read one by one; a large buffer keeps that to a few reads
    // of the file (the runtime's default buffer is small on Windows).
    std::vector<char> buffer(64 * 1024);
    std::ifstream in;
    in.rdbuf()->pubsetbuf(buffer.data(), static_cast<std::streamsize>(buffer.size()));
    in.open(path, std::ios::binary);
    if (!in.is_open())
        return {ReadError::CannotOpen, {}};
    return ReadQuiz(in);
}

} // namespace quiz
