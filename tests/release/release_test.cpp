// The release packages as a player gets them, unpacked by check-package into
// a folder whose path has a space and Japanese characters (its environment
// names the folders): every sample quiz read by zlq and one opened by the
// game through the dialog, and the version of every program and DLL.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <vector>

#include "tests/support/e2e/driver.h"
#include "tests/support/temp_folder.h"
#include "tests/support/transcript_reader.h"

namespace {

namespace fs = std::filesystem;

constexpr DWORD kTimeout = 20000;

fs::path FolderFromEnv(const wchar_t* name)
{
    wchar_t value[1024] = {};
    const DWORD n = GetEnvironmentVariableW(name, value, 1024);
    return n > 0 && n < 1024 ? fs::path(value) : fs::path();
}

const fs::path kPackage = FolderFromEnv(L"VEMO_PACKAGE");
const fs::path kPackage32 = FolderFromEnv(L"VEMO_PACKAGE32");

void Type(HWND control, const std::wstring& text)
{
    for (wchar_t c : text)
        PostMessageW(control, WM_CHAR, c, 1);
}

TEST(Package, SamplesAreReadAndTheGameOpensOneThroughTheDialog)
{
    testsupport::ScopedTempFolder output;
    std::wstring quiz;
    for (const auto& entry : fs::directory_iterator(kPackage)) {
        if (entry.path().extension() != L".zlq")
            continue;
        e2e::Process dump(kPackage / L"zlq.exe", L"dump \"" + entry.path().wstring() + L"\"", output / L"dump.txt");
        EXPECT_TRUE(dump.WaitForExit(kTimeout) && dump.ExitCode() == 0) << entry.path();
        quiz = entry.path().stem().wstring();
    }
    ASSERT_FALSE(quiz.empty()) << "no sample quiz in VEMO_PACKAGE " << kPackage;

    testsupport::ScopedTranscript transcript;
    e2e::Process game(kPackage / L"Vemo.exe");
    ASSERT_TRUE(e2e::WaitForLine(transcript.Path(), L"voice Speak 0  F2でクイズを開いてください", 0, kTimeout));
    HWND main = e2e::WaitForWindow(game.Id(), L"VemoQuizWindow", kTimeout);
    ASSERT_TRUE(main);
    // The dialog lists the program folder; the quiz's name typed without its
    // extension opens it.
    e2e::PressKey(main, VK_F2);
    HWND dialog = e2e::WaitForWindow(game.Id(), L"#32770", kTimeout);
    ASSERT_TRUE(dialog);
    Type(e2e::FocusOf(dialog), quiz);
    e2e::PressKey(dialog, VK_RETURN);
    EXPECT_TRUE(e2e::WaitForLine(
        transcript.Path(),
        [](const std::wstring& line) {
            return line.starts_with(L"voice Speak 0 問題数") && line.ends_with(L"\xF8F2ロード おわり\xF8F2");
        },
        0, kTimeout));
    EXPECT_EQ(e2e::Title(main), L"カルミオ - " + quiz + L".zlq");
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(game.WaitForExit(kTimeout));
}

// One string of a file's version resource (Japanese, Unicode).
std::wstring VersionString(const std::vector<BYTE>& info, const wchar_t* name)
{
    wchar_t* value = nullptr;
    UINT length = 0;
    const std::wstring key = std::wstring(L"\\StringFileInfo\\041104B0\\") + name;
    if (!VerQueryValueW(info.data(), key.c_str(), reinterpret_cast<void**>(&value), &length) || !value)
        return {};
    return std::wstring(value, wcsnlen(value, length));
}

TEST(Package, EveryProgramAndDllCarriesTheVersion)
{
    // The version as the zip's name gives it, e.g. 1.0.0.
    wchar_t version[64] = {};
    unsigned major = 0, minor = 0, patch = 0;
    GetEnvironmentVariableW(L"VEMO_VERSION", version, 64);
    ASSERT_EQ(swscanf(version, L"%u.%u.%u", &major, &minor, &patch), 3) << "VEMO_VERSION " << version;
    int checked = 0;
    for (const fs::path& folder : {kPackage, kPackage32}) {
        for (const auto& entry : fs::directory_iterator(folder)) {
            const fs::path& file = entry.path();
            if (file.extension() != L".exe" && file.extension() != L".dll")
                continue;
            SCOPED_TRACE(file.wstring());
            DWORD ignored = 0;
            std::vector<BYTE> info(GetFileVersionInfoSizeW(file.c_str(), &ignored));
            VS_FIXEDFILEINFO* fixed = nullptr;
            UINT length = 0;
            ASSERT_TRUE(!info.empty() && GetFileVersionInfoW(file.c_str(), 0, info.size(), info.data()) &&
                        VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
            EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(minor, major));
            EXPECT_EQ(fixed->dwFileVersionLS, MAKELONG(0, patch));
            EXPECT_EQ(VersionString(info, L"FileVersion"), version);
            EXPECT_EQ(VersionString(info, L"ProductName"), L"カルミオ");
            EXPECT_EQ(VersionString(info, L"OriginalFilename"), file.filename().wstring());
            ++checked;
        }
    }
    EXPECT_EQ(checked, 8) << "Vemo.exe, zlq.exe, LUMADLG.dll and VOSKUSR.dll in each package";
}

} // namespace
