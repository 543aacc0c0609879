#include "tools/zlq/writer.h"

#include <cstdint>
#include <fstream>
#include <system_error>

namespace zlq {

namespace {

void PutField(std::string& rec, std::size_t offset, std::size_t width, const std::string& text, bool transform)
{
    for (std::size_t i = 0; i < width; ++i) {
        unsigned char b = quiz::kFillByte;
        if (i < text.size())
            b = static_cast<unsigned char>(text[i]) ^ (transform ? quiz::kTextXor : 0);
        rec[offset + i] = static_cast<char>(b);
    }
}

} // namespace

std::string PathText(const std::filesystem::path& path)
{
    const std::u8string s = path.u8string();
    return std::string(s.begin(), s.end());
}

std::string BuildQuizFile(const SourceQuiz& quiz)
{
    std::string file;
    for (std::size_t g = 0; g < quiz::kGenreRecords; ++g) {
        std::string rec(quiz::kRecordSize, '\0');
        const SourceGenre* genre = g < quiz.genres.size() ? &quiz.genres[g] : nullptr;
        PutField(rec, 0, quiz::kGenreNameBytes, genre ? genre->name : std::string(), false);
        const auto count = static_cast<std::uint16_t>(genre ? genre->questions.size() : 0);
        rec[quiz::kGenreCountOffset] = static_cast<char>(count & 0xFF);
        rec[quiz::kGenreCountOffset + 1] = static_cast<char>(count >> 8);
        file += rec;
    }
    for (const SourceGenre& genre : quiz.genres) {
        for (const SourceQuestion& q : genre.questions) {
            std::string rec(quiz::kRecordSize, '\0');
            PutField(rec, 0, quiz::kQuestionBytes, q.text, true);
            for (std::size_t k = 0; k < quiz::kAnswerCount; ++k)
                PutField(rec, quiz::AnswerOffset(k), quiz::kAnswerBytes, q.answers[k], true);
            file += rec;
        }
    }
    return file;
}

bool WriteFileReplacing(const std::filesystem::path& path, const std::string& bytes, std::string& error)
{
    std::filesystem::path temp = path;
    temp += ".tmp";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (out)
            out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(temp, ignored);
            error = "cannot write " + PathText(temp);
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(temp, path, ec);
    if (ec) {
        std::error_code ignored;
        std::filesystem::remove(temp, ignored);
        error = "cannot replace " + PathText(path) + ": " + ec.message();
        return false;
    }
    return true;
}

} // namespace zlq
