// Measures how long loading a quiz of 4001 questions takes: writes such a
// file to the temporary folder, loads it several times and prints the
// median and the fastest run.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "game/quiz/question_store.h"
#include "game/quiz/tests/quiz_file_builder.h"

namespace {

constexpr int kQuestions = 4001;
constexpr int kRuns = 15;

// A full-width text of `chars` characters (ア イ ウ ... in turn).
std::string FullWidth(int chars)
{
    std::string s;
    for (int i = 0; i < chars; ++i) {
        s += '\x83';
        s += static_cast<char>(0x41 + 2 * (i % 20));
    }
    return s;
}

} // namespace

int main()
{
    namespace fs = std::filesystem;
    const fs::path file = fs::temp_directory_path() / "quiz_load_bench.zlq";
    {
        std::string bytes;
        const int perGenre = kQuestions / 8;
        for (int g = 0; g < 8; ++g) {
            const int count = g < 7 ? perGenre : kQuestions - 7 * perGenre;
            bytes += quiz::testing::GenreRecordBytes(FullWidth(8), static_cast<std::int16_t>(count));
        }
        for (int k = 0; k < kQuestions; ++k) {
            bytes += quiz::testing::QuestionRecordBytes(
                FullWidth(40 + k % 18), {FullWidth(14), FullWidth(10), FullWidth(7), FullWidth(12), FullWidth(3)});
        }
        std::ofstream out(file, std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }

    std::vector<double> readMs;
    for (int run = 0; run < kRuns; ++run) {
        const auto start = std::chrono::steady_clock::now();
        quiz::ReadResult read = quiz::ReadQuizFile(file);
        const auto stop = std::chrono::steady_clock::now();
        if (read.quiz.questions.size() != kQuestions)
            return 1;
        readMs.push_back(std::chrono::duration<double, std::milli>(stop - start).count());
    }

    std::vector<double> ms;
    for (int run = 0; run < kRuns; ++run) {
        quiz::QuestionStore store;
        const auto start = std::chrono::steady_clock::now();
        const quiz::ReadError error = quiz::Load_zlq(file.wstring(), store);
        const auto stop = std::chrono::steady_clock::now();
        if (error != quiz::ReadError::None || store.QuizTotal != kQuestions) {
            std::fprintf(stderr, "load failed\n");
            return 1;
        }
        ms.push_back(std::chrono::duration<double, std::milli>(stop - start).count());
    }
    fs::remove(file);
    std::sort(ms.begin(), ms.end());
    std::sort(readMs.begin(), readMs.end());
    std::printf("reading and decoding alone: median %.2f ms\n", readMs[readMs.size() / 2]);
    std::printf("Load_zlq, %d questions, %d runs: median %.2f ms, fastest %.2f ms\n", kQuestions, kRuns,
                ms[ms.size() / 2], ms.front());
    return 0;
}
