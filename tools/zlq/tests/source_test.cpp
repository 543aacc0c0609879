#include "tools/zlq/source.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "game/quiz/reader.h"
#include "tools/zlq/make.h"
#include "tools/zlq/writer.h"

namespace {

namespace fs = std::filesystem;

const char* const kSource =
    "\xEF\xBB\xBF# 見本\r\n"
    "[歴史]\r\n"
    "? 鎌倉幕府を開いた人物は？\r\n"
    "= 源頼朝\r\n"
    "- 足利尊氏\r\n"
    "- 徳川家康\r\n"
    "- 平清盛\r\n"
    "- 北条時政\r\n"
    "\r\n"
    "[地理]\n"
    "?日本でいちばん長い川は？\n"
    "=信濃川\n"
    "-利根川\n"
    "-石狩川\n"
    "-  天塩川  \n"
    "-北上川\n";

zlq::ParseResult Parse(const std::string& text)
{
    return zlq::ParseSource(text, zlq::Cp932Encoder());
}

// "line: message" of every problem, for comparison.
std::vector<int> Lines(const zlq::ParseResult& r)
{
    std::vector<int> lines;
    for (const zlq::Problem& p : r.problems)
        lines.push_back(p.line);
    return lines;
}

std::string Problems(const zlq::ParseResult& r)
{
    std::string all;
    for (const zlq::Problem& p : r.problems)
        all += std::to_string(p.line) + ": " + p.message + "\n";
    return all;
}

TEST(ZlqSource, ParsesGenresQuestionsAndAnswersIntoShiftJis)
{
    zlq::ParseResult r = Parse(kSource);
    ASSERT_TRUE(r.problems.empty()) << Problems(r);
    ASSERT_EQ(r.quiz.genres.size(), 2u);
    EXPECT_EQ(r.quiz.genres[0].name, "\x97\xf0\x8e\x6a"); // 歴史
    ASSERT_EQ(r.quiz.genres[0].questions.size(), 1u);
    ASSERT_EQ(r.quiz.genres[1].questions.size(), 1u);
    const zlq::SourceQuestion& q = r.quiz.genres[1].questions[0];
    EXPECT_EQ(q.line, 11);
    EXPECT_EQ(q.answers[0], "\x90\x4d\x94\x5a\x90\xec"); // 信濃川
    EXPECT_EQ(q.answers[3], "\x93\x56\x89\x96\x90\xec"); // 天塩川, blanks trimmed
}

TEST(ZlqSource, BuiltFileReadsBackThroughTheGameReader)
{
    zlq::ParseResult r = Parse(kSource);
    ASSERT_TRUE(r.problems.empty()) << Problems(r);
    const std::string bytes = zlq::BuildQuizFile(r.quiz);
    ASSERT_EQ(bytes.size(), 10 * quiz::kRecordSize);

    // Genre records: name and fill untransformed, count at 18-19, reserved zero.
    EXPECT_EQ(bytes.substr(0, 16), std::string("\x97\xf0\x8e\x6a") + std::string(12, ' '));
    EXPECT_EQ(bytes[18], '\x01');
    EXPECT_EQ(bytes[19], '\x00');
    EXPECT_EQ(bytes.substr(20, 236), std::string(236, '\0'));
    EXPECT_EQ(bytes.substr(16, 2), std::string(2, '\0'));
    EXPECT_EQ(bytes.substr(2 * 256, 16), std::string(16, ' ')); // unused genre 3
    // Question records: text bytes XOR 0x80, fill 0x20.
    EXPECT_EQ(bytes[8 * 256], static_cast<char>(0x8A ^ 0x80)); // 鎌 = 8A 99
    EXPECT_EQ(bytes[8 * 256 + 115], ' ');

    std::istringstream in(bytes);
    quiz::ReadResult read = quiz::ReadQuiz(in);
    ASSERT_EQ(read.error, quiz::ReadError::None);
    ASSERT_EQ(read.quiz.questions.size(), 2u);
    EXPECT_EQ(read.quiz.counts[0], 1);
    EXPECT_EQ(read.quiz.counts[1], 1);
    EXPECT_EQ(read.quiz.questions[0].text, r.quiz.genres[0].questions[0].text);
    EXPECT_EQ(read.quiz.questions[1].answers, r.quiz.genres[1].questions[0].answers);
}

TEST(ZlqSource, EveryLimitIsReportedWithItsLine)
{
    std::string src;
    src += "[一二三四五六七八]\n";              // 1: 16 bytes: fine
    src += "? 問題\n";                          // 2
    src += "= 正解\n";                           // 3
    src += "- 誤答一\n- 誤答二\n- 誤答三\n- 誤答四\n"; // 4-7
    src += "[一二三四五六七八九]\n";            // 8: 18 bytes
    std::string q58, q59, a14, a15;
    for (int i = 0; i < 58; ++i)
        q58 += "問";
    q59 = q58 + "問";
    for (int i = 0; i < 14; ++i)
        a14 += "答";
    a15 = a14 + "答";
    src += "? " + q59 + "\n";                    // 9: 118 bytes
    src += "= " + a15 + "\n";                    // 10: 30 bytes
    src += "- " + a14 + "\n- 乙\n- 丙\n- 丁\n";  // 11-14: fine
    src += "? " + q58 + "\n";                    // 15: fine
    src += "= 😀\n";                              // 16: no Shift-JIS form
    src += "- 〜\n";                              // 17: maps to another character only
    src += "- a\tb\n";                           // 18: control character
    src += "- \xFF\xFE\n";                        // 19: not UTF-8
    src += "- 丁\n";                              // 20
    zlq::ParseResult r = Parse(src);
    EXPECT_EQ(Lines(r), (std::vector<int>{8, 9, 10, 16, 17, 18, 19})) << Problems(r);
    for (const zlq::Problem& p : r.problems)
        EXPECT_FALSE(p.message.empty());
    EXPECT_NE(r.problems[0].message.find("18 bytes"), std::string::npos) << r.problems[0].message;
    EXPECT_NE(r.problems[1].message.find("118 bytes"), std::string::npos) << r.problems[1].message;
    EXPECT_NE(r.problems[3].message.find("U+1F600"), std::string::npos) << r.problems[3].message;
}

TEST(ZlqSource, StructureProblemsAreReportedWithTheirLines)
{
    const std::string src =
        "? 前置きの問題\n"        // 1: before the first genre
        "= 答\n- 乙\n- 丙\n- 丁\n- 戊\n"
        "[ジャンル]\n"            // 7
        "- 先に誤答\n"            // 8: wrong answer before a question... no question yet
        "? 問題一\n"              // 9: only 3 answers
        "- 誤答が先\n"            // 10: wrong answer before the correct one
        "= 正解\n"                // 11
        "- 乙\n"                  // 12
        "= 二つ目の正解\n"        // 13
        "- 正解\n"                // 14: same as line 11
        "? 問題二\n"              // 15
        "= 甲\n- 乙\n- 丙\n- 丁\n- 戊\n"
        "- 六つ目\n"              // 21: a fifth wrong answer
        "?\n"                     // 22: empty question, and no answers
        "これは何\n"              // 23: unknown line
        "[名前\n";                // 24: not a genre line
    zlq::ParseResult r = Parse(src);
    EXPECT_EQ(Lines(r), (std::vector<int>{1, 8, 9, 10, 13, 14, 21, 22, 22, 23, 24})) << Problems(r);
}

TEST(ZlqSource, AtMostEightGenres)
{
    std::string src;
    for (int g = 1; g <= 9; ++g)
        src += "[分野" + std::to_string(g) + "]\n? 問\n= 甲\n- 乙\n- 丙\n- 丁\n- 戊\n";
    zlq::ParseResult r = Parse(src);
    EXPECT_EQ(Lines(r), (std::vector<int>{57})) << Problems(r);
    EXPECT_EQ(Lines(Parse("# nothing\n")), (std::vector<int>{0}));
}

class ZlqMakeFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() / "zlq_make_test";
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }
    fs::path Write(const std::string& name, const std::string& text)
    {
        std::ofstream(dir_ / name, std::ios::binary) << text;
        return dir_ / name;
    }
    static std::string Read(const fs::path& p)
    {
        std::ifstream in(p, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }
    fs::path dir_;
};

TEST_F(ZlqMakeFiles, BrokenSourceNeverWritesAFile)
{
    const fs::path out = dir_ / "quiz.zlq";
    std::ostringstream err;
    ASSERT_EQ(zlq::Make(Write("good.txt", kSource), out, err), 0) << err.str();
    const std::string good = Read(out);
    EXPECT_EQ(good.size(), 10 * quiz::kRecordSize);

    // A broken source reports "SOURCE:LINE: ..." and leaves the old file alone.
    err.str("");
    EXPECT_EQ(zlq::Make(Write("bad.txt", "[歴史]\n? 問\n= 甲\n"), out, err), 1);
    EXPECT_NE(err.str().find("bad.txt:2: "), std::string::npos) << err.str();
    EXPECT_EQ(Read(out), good);
    EXPECT_FALSE(fs::exists(dir_ / "quiz.zlq.tmp"));

    // A good source replaces the file.
    err.str("");
    EXPECT_EQ(zlq::Make(Write("one.txt", "[歴史]\n? 問\n= 甲\n- 乙\n- 丙\n- 丁\n- 戊\n"), out, err), 0) << err.str();
    EXPECT_EQ(Read(out).size(), 9 * quiz::kRecordSize);

    err.str("");
    EXPECT_EQ(zlq::Make(dir_ / "missing.txt", out, err), 1);
    EXPECT_FALSE(err.str().empty());
    // An output that cannot be written: its folder does not exist.
    err.str("");
    EXPECT_EQ(zlq::Make(dir_ / "good.txt", dir_ / "no" / "quiz.zlq", err), 1);
    EXPECT_FALSE(err.str().empty());
}

} // namespace
