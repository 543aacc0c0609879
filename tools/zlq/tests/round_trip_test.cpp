// zlq make, then zlq dump through the game's own loader: the player is shown
// what the source says, the samples are the files the build put beside the
// game, and a file that is no quiz gives an error.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/support/temp_folder.h"
#include "tools/zlq/dump.h"
#include "tools/zlq/make.h"

namespace {

namespace fs = std::filesystem;

std::string Read(const fs::path& p)
{
    std::ostringstream s;
    s << std::ifstream(p, std::ios::binary).rdbuf();
    return s.str();
}

TEST(ZlqRoundTrip, MakeThenDump)
{
    const testsupport::ScopedTempFolder dir;
    auto makeAndDump = [&](const fs::path& source) {
        std::ostringstream err, dump;
        EXPECT_EQ(zlq::Make(source, dir / "quiz.zlq", err), 0) << err.str();
        EXPECT_EQ(zlq::Dump(dir / "quiz.zlq", dump, err), 0) << err.str();
        return dump.str();
    };
    // Genre names padded to 16, blanks among the first 8 full-width.
    std::ofstream(dir / "クイズ.txt", std::ios::binary) << "[歴史]\n? 鎌倉幕府を開いた人物は？\n= 源頼朝\n- 足利尊氏\n"
        "- 徳川家康\n- 平清盛\n- 北条時政\n? 江戸幕府の最後の将軍は？\n= 徳川慶喜\n- 徳川家茂\n- 徳川吉宗\n- 徳川綱吉\n"
        "- 徳川家光\n[日本 地理]\n? 日本で一番長い川は？\n= 信濃川\n- 利根川\n- 石狩川\n- 天塩川\n- 北上川\n";
    std::string genres;
    for (int g = 2; g < 8; ++g)
        genres += "genre\t" + std::to_string(g) + "\t　　　　　　　　        \t0\n";
    EXPECT_EQ(makeAndDump(dir / "クイズ.txt"),
              "genre\t0\t歴史　　　　　　        \t2\ngenre\t1\t日本　地理　　　        \t1\n" + genres + "total\t3\n"
              "question\t0\t鎌倉幕府を開いた人物は？\t源頼朝\t足利尊氏\t徳川家康\t平清盛\t北条時政\n"
              "question\t1\t江戸幕府の最後の将軍は？\t徳川慶喜\t徳川家茂\t徳川吉宗\t徳川綱吉\t徳川家光\n"
              "question\t2\t日本で一番長い川は？\t信濃川\t利根川\t石狩川\t天塩川\t北上川\n");

    // The build made the samples with the maker built for the build machine.
    int files = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(fs::path(VEMO_SOURCE_DIR) / "assets" / "quizzes")) {
        if (entry.path().extension() != ".txt")
            continue;
        EXPECT_NE(makeAndDump(entry.path()).find("question\t39\t"), std::string::npos) << entry.path();
        EXPECT_EQ(Read(fs::path(VEMO_BIN_DIR) / entry.path().stem() += ".zlq"), Read(dir / "quiz.zlq")) << entry.path();
        ++files;
    }
    EXPECT_GE(files, 2);

    std::ofstream(dir / "short.zlq", std::ios::binary) << std::string(2000, ' ');
    for (const char* name : {"missing.zlq", "short.zlq"}) {
        std::ostringstream out, err;
        EXPECT_EQ(zlq::Dump(dir / name, out, err), 1);
        EXPECT_NE(err.str().find(name), std::string::npos) << err.str();
        EXPECT_TRUE(out.str().empty());
    }
}

} // namespace
