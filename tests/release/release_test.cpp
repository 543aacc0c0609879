// The release packages as a player and a program author get them, unpacked
// by check-package into a folder whose path has a space and Japanese
// characters (its environment names the folders): the game started from
// there, the quiz tool on every sample quiz, the version of every program
// and DLL, and the kit's examples built from the package alone.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <vector>

#include "tests/support/e2e/driver.h"
#include "tests/support/transcript_reader.h"
#include "win/cp932.h"

namespace {

namespace fs = std::filesystem;

constexpr DWORD kTimeout = 20000;

// A folder named by the environment (set by check-package).
fs::path FolderFromEnv(const wchar_t* name)
{
    wchar_t value[1024] = {};
    DWORD n = GetEnvironmentVariableW(name, value, 1024);
    return n > 0 && n < 1024 ? fs::path(value) : fs::path();
}

std::string ReadBytes(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Runs a program of the package to its end; its exit code and output.
struct Run {
    DWORD exitCode = STILL_ACTIVE;
    std::string output;
};
Run RunToEnd(const fs::path& exe, const std::wstring& arguments, const fs::path& outputFile)
{
    Run run;
    e2e::Process process(exe, arguments, outputFile);
    if (process.Started() && process.WaitForExit(kTimeout))
        run.exitCode = process.ExitCode();
    run.output = ReadBytes(outputFile);
    return run;
}

// The question count that `zlq dump` reports for a quiz, after checking
// that it printed that many questions; -1 when it failed.
int DumpedQuestionCount(const fs::path& zlq, const fs::path& quiz, const fs::path& outputFile)
{
    Run dump = RunToEnd(zlq, L"dump \"" + quiz.wstring() + L"\"", outputFile);
    if (dump.exitCode != 0)
        return -1;
    std::istringstream lines(dump.output);
    std::string line;
    int total = -1, questions = 0;
    while (std::getline(lines, line)) {
        if (line.starts_with("total\t"))
            total = std::stoi(line.substr(6));
        else if (line.starts_with("question\t"))
            ++questions;
    }
    return total == questions ? total : -1;
}

void Type(HWND control, const std::wstring& text)
{
    for (wchar_t c : text)
        PostMessageW(control, WM_CHAR, c, 1);
}

class Package : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(fs::exists(package_ / L"Vemo.exe")) << "VEMO_PACKAGE: " << package_;
        ASSERT_TRUE(fs::exists(package32_ / L"Vemo.exe")) << "VEMO_PACKAGE32: " << package32_;
        ASSERT_TRUE(fs::exists(examples_ / L"LUMADLG.dll")) << "VEMO_EXAMPLES: " << examples_;
        ASSERT_TRUE(fs::create_directory(scratch_)) << scratch_;
    }
    void TearDown() override { fs::remove_all(scratch_); }

    const fs::path package_ = FolderFromEnv(L"VEMO_PACKAGE");
    const fs::path package32_ = FolderFromEnv(L"VEMO_PACKAGE32");
    const fs::path examples_ = FolderFromEnv(L"VEMO_EXAMPLES");
    // What the programs print.
    const fs::path scratch_ = fs::temp_directory_path() / (L"vemo-release-" + std::to_wstring(GetCurrentProcessId()));
};

TEST_F(Package, SamplesDumpAndTheGameOpensOneThroughTheDialog)
{
    std::map<std::wstring, int> questions; // by file name without extension
    for (const auto& entry : fs::directory_iterator(package_)) {
        if (entry.path().extension() != L".zlq")
            continue;
        int count = DumpedQuestionCount(package_ / L"zlq.exe", entry.path(), scratch_ / L"dump.txt");
        EXPECT_GT(count, 0) << entry.path();
        questions[entry.path().stem().wstring()] = count;
    }
    ASSERT_FALSE(questions.empty()) << "no sample quiz in " << package_;
    const auto& [quiz, count] = *questions.begin();

    testsupport::ScopedTranscript transcript;
    e2e::Process game(package_ / L"Vemo.exe");
    ASSERT_TRUE(game.Started());
    auto greeting = e2e::WaitForLine(transcript.Path(), L"voice Speak 0 カルミオ\xF8F2", 0, kTimeout);
    ASSERT_TRUE(greeting);
    auto hint = e2e::WaitForLine(transcript.Path(), L"voice Speak 0  F2でクイズを開いてください", *greeting, kTimeout);
    ASSERT_TRUE(hint);
    HWND main = e2e::WaitForWindow(game.Id(), L"VemoQuizWindow", kTimeout);
    ASSERT_TRUE(main);

    // The dialog lists the program folder; the quiz's name typed without
    // its extension opens it.
    e2e::PressKey(main, VK_F2);
    HWND dialog = e2e::WaitForWindow(game.Id(), L"#32770", kTimeout);
    ASSERT_TRUE(dialog);
    Type(e2e::FocusOf(dialog), quiz);
    e2e::PressKey(dialog, VK_RETURN);
    const std::wstring loaded = L"voice Speak 0 問題数" + std::to_wstring(count) + L"\xF8F2ロード おわり\xF8F2";
    ASSERT_TRUE(e2e::WaitForLine(transcript.Path(), loaded, *hint, kTimeout)) << "said: " << transcript.Lines().back();
    EXPECT_EQ(e2e::Title(main), L"カルミオ - " + quiz + L".zlq");

    PostMessageW(main, WM_CLOSE, 0, 0);
    ASSERT_TRUE(game.WaitForExit(kTimeout));
    EXPECT_TRUE(e2e::WaitForLine(transcript.Path(), L"voice Speak 0 カルミオ おわり", *hint, 0));
}

// One string of a file's version resource (Japanese, Unicode).
std::wstring VersionString(const std::vector<BYTE>& info, const wchar_t* name)
{
    wchar_t* value = nullptr;
    UINT length = 0;
    std::wstring key = std::wstring(L"\\StringFileInfo\\041104B0\\") + name;
    if (!VerQueryValueW(info.data(), key.c_str(), reinterpret_cast<void**>(&value), &length) || !value)
        return {};
    return std::wstring(value, wcsnlen(value, length));
}

TEST_F(Package, EveryProgramAndDllCarriesTheVersion)
{
    // The version as the zip's name gives it, e.g. 1.0.0.
    wchar_t version[64] = {};
    ASSERT_GT(GetEnvironmentVariableW(L"VEMO_VERSION", version, 64), 0u);
    unsigned major = 0, minor = 0, patch = 0;
    ASSERT_EQ(swscanf(version, L"%u.%u.%u", &major, &minor, &patch), 3) << version;

    int checked = 0;
    for (const fs::path& folder : {package_, package32_}) {
        for (const auto& entry : fs::directory_iterator(folder)) {
            const std::wstring extension = entry.path().extension().wstring();
            if (extension != L".exe" && extension != L".dll")
                continue;
            SCOPED_TRACE(entry.path().wstring());
            DWORD ignored = 0;
            DWORD size = GetFileVersionInfoSizeW(entry.path().c_str(), &ignored);
            ASSERT_GT(size, 0u) << "no version resource";
            std::vector<BYTE> info(size);
            ASSERT_TRUE(GetFileVersionInfoW(entry.path().c_str(), 0, size, info.data()));
            VS_FIXEDFILEINFO* fixed = nullptr;
            UINT length = 0;
            ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
            EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(minor, major));
            EXPECT_EQ(fixed->dwFileVersionLS, MAKELONG(0, patch));
            EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
            EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS);
            EXPECT_EQ(VersionString(info, L"FileVersion"), version);
            EXPECT_EQ(VersionString(info, L"ProductVersion"), version);
            EXPECT_EQ(VersionString(info, L"ProductName"), L"カルミオ");
            EXPECT_EQ(VersionString(info, L"OriginalFilename"), entry.path().filename().wstring());
            EXPECT_FALSE(VersionString(info, L"FileDescription").empty());
            ++checked;
        }
    }
    EXPECT_EQ(checked, 8) << "Vemo.exe, zlq.exe, LUMADLG.dll and VOSKUSR.dll in each package";
}

// What an example printed: a code page 932 line.
std::wstring PrintedLine(const std::string& output)
{
    std::wstring line = cp932::ToWide(output);
    while (!line.empty() && (line.back() == L'\n' || line.back() == L'\r'))
        line.pop_back();
    return line;
}

TEST_F(Package, FileExampleChoosesATypedNameOrCancels)
{
    const fs::path note = examples_ / L"メモ.txt";
    std::ofstream(note) << "note\n";
    {
        e2e::Process example(examples_ / L"open_file.exe", {}, scratch_ / L"open.txt");
        ASSERT_TRUE(example.Started());
        HWND dialog = e2e::WaitForWindow(example.Id(), L"#32770", kTimeout);
        ASSERT_TRUE(dialog);
        EXPECT_EQ(e2e::Title(dialog), L"Open a text file");
        // The default extension completes the typed name; the example's
        // acceptance hook lets the readable file through.
        Type(e2e::FocusOf(dialog), L"メモ");
        e2e::PressKey(dialog, VK_RETURN);
        ASSERT_TRUE(example.WaitForExit(kTimeout));
        EXPECT_EQ(example.ExitCode(), 0u);
    }
    EXPECT_EQ(PrintedLine(ReadBytes(scratch_ / L"open.txt")), note.wstring());
    fs::remove(note);

    e2e::Process example(examples_ / L"open_file.exe", {}, scratch_ / L"cancel.txt");
    HWND dialog = e2e::WaitForWindow(example.Id(), L"#32770", kTimeout);
    ASSERT_TRUE(dialog);
    e2e::PostCommand(dialog, IDCANCEL);
    ASSERT_TRUE(example.WaitForExit(kTimeout));
    EXPECT_EQ(example.ExitCode(), 1u);
    EXPECT_EQ(PrintedLine(ReadBytes(scratch_ / L"cancel.txt")), L"cancelled");
}

TEST_F(Package, FolderExampleChoosesTheFocusedFolder)
{
    // The list starts on the first folder below "上のフォルダへ": the only one.
    const fs::path folder = examples_ / L"サブ フォルダ";
    ASSERT_TRUE(fs::create_directory(folder));
    {
        e2e::Process example(examples_ / L"choose_folder.exe", {}, scratch_ / L"folder.txt");
        ASSERT_TRUE(example.Started());
        HWND dialog = e2e::WaitForWindow(example.Id(), L"#32770", kTimeout);
        ASSERT_TRUE(dialog);
        EXPECT_EQ(e2e::Title(dialog), L"Choose a folder");
        e2e::PostCommand(dialog, IDOK);
        ASSERT_TRUE(example.WaitForExit(kTimeout));
        EXPECT_EQ(example.ExitCode(), 0u);
    }
    EXPECT_EQ(PrintedLine(ReadBytes(scratch_ / L"folder.txt")), folder.wstring());
    fs::remove(folder);
}

} // namespace
