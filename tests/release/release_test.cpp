// The release packages as a player gets them, unpacked by check-package into
// a folder whose path has a space and Japanese characters (its environment
// names the folders): every sample quiz read by zlq and one opened by the
// game through the dialog, the version of every program and DLL, and the
// kit's two examples, built from the unpacked kit alone, driven to a result.
#include <gtest/gtest.h>

#include <windows.h>

#include <functional>
#include <fstream>
#include <iterator>
#include <vector>

#include "tests/support/e2e/driver.h"
#include "tests/support/temp_folder.h"
#include "tests/support/transcript_reader.h"
#include "win/cp932.h"
#include "win/window.h"

namespace {

namespace fs = std::filesystem;

constexpr DWORD kTimeout = 20000;

fs::path FromEnv(const wchar_t* name)
{
    wchar_t value[1024] = {};
    const DWORD n = GetEnvironmentVariableW(name, value, 1024);
    return n > 0 && n < 1024 ? fs::path(value) : fs::path();
}

const fs::path kPackage = FromEnv(L"VEMO_PACKAGE");
const fs::path kPackage32 = FromEnv(L"VEMO_PACKAGE32");
const fs::path kExamples = FromEnv(L"VEMO_EXAMPLES");

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
    const std::wstring version = FromEnv(L"VEMO_VERSION").wstring();
    ASSERT_FALSE(version.empty());
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
            const DWORD ms = fixed->dwFileVersionMS, ls = fixed->dwFileVersionLS;
            EXPECT_EQ(std::to_wstring(HIWORD(ms)) + L"." + std::to_wstring(LOWORD(ms)) + L"." +
                          std::to_wstring(HIWORD(ls)) + L"." + std::to_wstring(LOWORD(ls)),
                      version + L".0");
            EXPECT_EQ(VersionString(info, L"FileVersion"), version);
            ++checked;
        }
    }
    EXPECT_EQ(checked, 8) << "Vemo.exe, zlq.exe, LUMADLG.dll and VOSKUSR.dll in each package";
}

// Runs one of the kit's examples, acts on its dialog once it is shown, and
// gives its exit code and the line it printed (code page 932).
std::pair<DWORD, std::wstring> RunExample(const wchar_t* program, const std::wstring& title,
                                          const std::function<void(HWND)>& act)
{
    testsupport::ScopedTempFolder output;
    e2e::Process example(kExamples / program, {}, output / L"out.txt");
    HWND dialog = e2e::WaitForWindow(example.Id(), L"#32770", kTimeout);
    EXPECT_TRUE(dialog) << program;
    if (!dialog)
        return {STILL_ACTIVE, {}};
    EXPECT_EQ(win::GetText(dialog), title);
    act(dialog);
    EXPECT_TRUE(example.WaitForExit(kTimeout)) << program;
    std::ifstream in(output / L"out.txt", std::ios::binary);
    const std::string printed{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::wstring line = cp932::ToWide(printed.c_str());
    while (!line.empty() && (line.back() == L'\n' || line.back() == L'\r'))
        line.pop_back();
    return {example.ExitCode(), line};
}

TEST(Package, TheKitsExamplesPrintWhatWasChosenOrThatItWasCancelled)
{
    ASSERT_TRUE(fs::exists(kExamples / L"LUMADLG.dll")) << "VEMO_EXAMPLES " << kExamples;
    // A typed name takes the default extension, and the example's acceptance
    // hook lets the readable file through.
    const fs::path note = kExamples / L"メモ.txt";
    std::ofstream(note) << "note\n";
    const auto typed = RunExample(L"open_file.exe", L"Open a text file", [](HWND dialog) {
        Type(e2e::FocusOf(dialog), L"メモ");
        e2e::PressKey(dialog, VK_RETURN);
    });
    EXPECT_EQ(typed, std::make_pair(DWORD{0}, note.wstring()));
    fs::remove(note);
    const auto cancelled =
        RunExample(L"open_file.exe", L"Open a text file", [](HWND dialog) { e2e::PostCommand(dialog, IDCANCEL); });
    EXPECT_EQ(cancelled, std::make_pair(DWORD{1}, std::wstring(L"cancelled")));

    // The folder list starts on the first folder below "上のフォルダへ".
    const fs::path folder = kExamples / L"サブ フォルダ";
    ASSERT_TRUE(fs::create_directory(folder));
    const auto chosen =
        RunExample(L"choose_folder.exe", L"Choose a folder", [](HWND dialog) { e2e::PostCommand(dialog, IDOK); });
    EXPECT_EQ(chosen, std::make_pair(DWORD{0}, folder.wstring()));
    fs::remove(folder);
}

} // namespace
