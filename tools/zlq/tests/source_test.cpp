// The quiz maker: a UTF-8 source read into Shift-JIS fields, laid out so
// that the game's own reader reads it back; every problem reported with its
// line; and a broken source never writing or damaging a quiz file.
#include "tools/zlq/source.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "game/quiz/reader.h"
#include "tests/support/temp_folder.h"
#include "tools/zlq/make.h"
#include "tools/zlq/writer.h"

namespace {

namespace fs = std::filesystem;

// A byte order mark, CR LF and LF, blanks around marks and texts.
const char kSource[] = "\xEF\xBB\xBF# 見本\r\n[歴史]\r\n? 鎌倉幕府を開いた人物は？\r\n= 源頼朝\r\n- 足利尊氏\r\n"
                       "- 徳川家康\r\n- 平清盛\r\n- 北条時政\r\n\r\n[地理]\n?日本一長い川は？\n=信濃川\n-利根川\n"
                       "-石狩川\n-  天塩川  \n-北上川\n";

TEST(ZlqSource, BuiltFileReadsBackThroughTheGameReader)
{
    const zlq::ParseResult r = zlq::ParseSource(kSource, zlq::Cp932Encoder());
    ASSERT_TRUE(r.problems.empty()) << r.problems[0].line << ": " << r.problems[0].message;
    ASSERT_EQ(r.quiz.genres.size(), 2u);
    const std::string bytes = zlq::BuildQuizFile(r.quiz);
    ASSERT_EQ(bytes.size(), 10 * quiz::kRecordSize);
    // Genre names stored as they are, filled with spaces; the reserved bytes zero.
    EXPECT_EQ(bytes.substr(0, 256), std::string("\x97\xf0\x8e\x6a") + std::string(12, ' ') + std::string(2, '\0') +
                                        '\x01' + std::string(237, '\0'));
    EXPECT_EQ(bytes.substr(2 * 256, 16), std::string(16, ' ')); // an unused genre
    std::istringstream in(bytes);
    const quiz::ReadResult read = quiz::ReadQuiz(in);
    ASSERT_EQ(read.error, quiz::ReadError::None);
    EXPECT_EQ(read.quiz.counts, (std::array<int, 8>{1, 1}));
    EXPECT_EQ(read.quiz.questions[0].text, r.quiz.genres[0].questions[0].text);
    EXPECT_EQ(read.quiz.questions[1].answers[3], "\x93\x56\x89\x96\x90\xec"); // 天塩川, its blanks trimmed
}

TEST(ZlqSource, EveryProblemIsReportedWithItsLine)
{
    auto Kanji = [](int n) { // n full-width characters, 2 x n bytes in Shift-JIS
        std::string s;
        while (n-- > 0)
            s += "問";
        return s;
    };
    const std::string answers = "= 甲\n- 乙\n- 丙\n- 丁\n- 戊\n";
    std::string nine;
    for (int g = 1; g <= 9; ++g)
        nine += "[分野" + std::to_string(g) + "]\n? 問\n" + answers;
    const std::pair<std::string, std::vector<int>> cases[] = {
        // Field sizes in Shift-JIS bytes (16, 116, 28 fit) and characters it lacks.
        {"[" + Kanji(8) + "]\n? " + Kanji(58) + "\n= " + Kanji(14) + "\n- 乙\n- 丙\n- 丁\n- 戊\n[" + Kanji(9) + "]\n? " +
             Kanji(59) + "\n= " + Kanji(15) + "\n- 😀\n- 〜\n- a\tb\n- \xFF\xFE\n",
         {8, 9, 10, 11, 12, 13, 14}},
        {"? 前置き\n" + answers + "[ジャンル]\n- 先に誤答\n? 問題一\n- 誤答が先\n= 正解\n- 乙\n= 二つ目\n- 正解\n"
         "? 問題二\n" + answers + "- 六つ目\n?\nこれは何\n[名前\n",
         {1, 8, 9, 10, 13, 14, 21, 22, 22, 23, 24}},
        {nine, {57}},
        {"# nothing\n", {0}},
    };
    for (const auto& [source, lines] : cases) {
        std::vector<int> reported;
        for (const zlq::Problem& p : zlq::ParseSource(source, zlq::Cp932Encoder()).problems)
            reported.push_back(p.line);
        EXPECT_EQ(reported, lines) << source;
    }
}

TEST(ZlqSource, BrokenSourceNeverWritesAFile)
{
    const testsupport::ScopedTempFolder dir;
    auto make = [&](const std::string& source, const fs::path& out) {
        std::ofstream(dir / "src.txt", std::ios::binary) << source;
        std::ostringstream err;
        const int status = zlq::Make(source.empty() ? dir / "missing.txt" : dir / "src.txt", out, err);
        return std::pair(status, err.str());
    };
    const fs::path out = dir / "quiz.zlq";
    ASSERT_EQ(make(kSource, out), std::pair(0, std::string()));
    const auto broken = make("[歴史]\n? 問\n= 甲\n", out); // "SOURCE:LINE: ...", the old file kept
    EXPECT_EQ(broken.first, 1);
    EXPECT_NE(broken.second.find("src.txt:2: "), std::string::npos) << broken.second;
    EXPECT_EQ(fs::file_size(out), 10 * quiz::kRecordSize);
    EXPECT_EQ(make("[歴史]\n? 問\n= 甲\n- 乙\n- 丙\n- 丁\n- 戊\n", out).first, 0);
    EXPECT_EQ(fs::file_size(out), 9 * quiz::kRecordSize);
    // A source that is missing, and an output whose folder does not exist.
    for (const auto& [source, output] : {std::pair{std::string(), out}, {std::string(kSource), dir / "no" / "quiz.zlq"}})
        EXPECT_EQ(make(source, output).first, 1) << source;
}

} // namespace
