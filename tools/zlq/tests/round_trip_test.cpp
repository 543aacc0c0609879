// zlq make, then zlq dump through the game's own loader.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tools/zlq/dump.h"
#include "tools/zlq/make.h"

namespace {

namespace fs = std::filesystem;

class ZlqRoundTrip : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() / "zlq_round_trip";
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    // Makes a quiz from source and returns its dump.
    std::string MakeAndDump(const fs::path& source)
    {
        const fs::path out = dir_ / "quiz.zlq";
        std::ostringstream err, dump;
        EXPECT_EQ(zlq::Make(source, out, err), 0) << err.str();
        EXPECT_EQ(zlq::Dump(out, dump, err), 0) << err.str();
        return dump.str();
    }

    static std::string ReadAll(const fs::path& p)
    {
        std::ifstream in(p, std::ios::binary);
        std::ostringstream s;
        s << in.rdbuf();
        return s.str();
    }

    fs::path dir_;
};

TEST_F(ZlqRoundTrip, DumpShowsWhatMakeWasGiven)
{
    const fs::path source = dir_ / "クイズ.txt";
    std::ofstream(source, std::ios::binary) << "[歴史]\n"
                                               "? 鎌倉幕府を開いた人物は？\n"
                                               "= 源頼朝\n- 足利尊氏\n- 徳川家康\n- 平清盛\n- 北条時政\n"
                                               "? 江戸幕府の最後の将軍は？\n"
                                               "= 徳川慶喜\n- 徳川家茂\n- 徳川吉宗\n- 徳川綱吉\n- 徳川家光\n"
                                               "[日本 地理]\n"
                                               "? 日本で一番長い川は？\n"
                                               "= 信濃川\n- 利根川\n- 石狩川\n- 天塩川\n- 北上川\n";
    const std::string blank6 = "　　　　　　", spaces = "        ";
    EXPECT_EQ(MakeAndDump(source),
              "genre\t0\t歴史" + blank6 + spaces + "\t2\n"
              "genre\t1\t日本　地理　　　" + spaces + "\t1\n"
              "genre\t2\t　　　　　　　　" + spaces + "\t0\n"
              "genre\t3\t　　　　　　　　" + spaces + "\t0\n"
              "genre\t4\t　　　　　　　　" + spaces + "\t0\n"
              "genre\t5\t　　　　　　　　" + spaces + "\t0\n"
              "genre\t6\t　　　　　　　　" + spaces + "\t0\n"
              "genre\t7\t　　　　　　　　" + spaces + "\t0\n"
              "total\t3\n"
              "question\t0\t鎌倉幕府を開いた人物は？\t源頼朝\t足利尊氏\t徳川家康\t平清盛\t北条時政\n"
              "question\t1\t江戸幕府の最後の将軍は？\t徳川慶喜\t徳川家茂\t徳川吉宗\t徳川綱吉\t徳川家光\n"
              "question\t2\t日本で一番長い川は？\t信濃川\t利根川\t石狩川\t天塩川\t北上川\n");
}

TEST_F(ZlqRoundTrip, SampleQuizzesComeBackUnchanged)
{
    // Every question line of each sample source, compared with the dump.
    const fs::path samples = fs::path(VEMO_SOURCE_DIR) / "assets" / "quizzes";
    int files = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(samples)) {
        if (entry.path().extension() != ".txt")
            continue;
        ++files;
        std::ifstream in(entry.path(), std::ios::binary);
        std::string expected, genreLines, line;
        int questions = 0;
        std::string current;
        while (std::getline(in, line)) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            if (line.empty() || line[0] == '#' || line[0] == '[')
                continue;
            std::string text = line.substr(1);
            text.erase(0, text.find_first_not_of(' '));
            if (line[0] == '?') {
                if (!current.empty())
                    expected += current + "\n";
                current = "question\t" + std::to_string(questions++) + "\t" + text;
            } else {
                current += "\t" + text;
            }
        }
        expected += current + "\n";
        const std::string dump = MakeAndDump(entry.path());
        const std::size_t first = dump.find("question\t");
        ASSERT_NE(first, std::string::npos);
        EXPECT_EQ(dump.substr(first), expected) << entry.path();
        EXPECT_NE(dump.find("total\t" + std::to_string(questions) + "\n"), std::string::npos);
        EXPECT_GE(questions, 40) << entry.path();

        // The build made the program folder's copy with the maker built for
        // the build machine: it must be the same file.
        const fs::path built = fs::path(VEMO_BIN_DIR) / entry.path().stem() += ".zlq";
        EXPECT_EQ(ReadAll(built), ReadAll(dir_ / "quiz.zlq")) << built;
    }
    EXPECT_GE(files, 2);
}

TEST_F(ZlqRoundTrip, UnreadableFilesGiveAnErrorAndStatusOne)
{
    std::ostringstream out, err;
    EXPECT_EQ(zlq::Dump(dir_ / "missing.zlq", out, err), 1);
    EXPECT_NE(err.str().find("missing.zlq"), std::string::npos) << err.str();
    EXPECT_TRUE(out.str().empty());

    std::ofstream(dir_ / "short.zlq", std::ios::binary) << std::string(2000, ' ');
    err.str("");
    EXPECT_EQ(zlq::Dump(dir_ / "short.zlq", out, err), 1);
    EXPECT_NE(err.str().find("not a quiz file"), std::string::npos) << err.str();
    EXPECT_TRUE(out.str().empty());
}

} // namespace
