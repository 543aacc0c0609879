// Measures how much processor time Vemo.exe uses while it waits for an
// answer: starts the game of the stand-in folder with a quiz, begins a
// relaxed game, waits until the choices are offered, then takes the game's
// processor time over ten seconds and prints it as a share of one core.
// When the measured ten seconds begin it creates the file named in
// VEMO_BENCH_READY, so that a script can take the same figure from the host
// system (answer_wait_bench.sh does, as Wine does not report another
// process's times).
// Not a test: the figure depends on the machine and its load.
#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "game/quiz/tests/quiz_file_builder.h"
#include "tests/support/e2e/driver.h"
#include "tests/support/transcript_reader.h"
#include "win/module.h"

namespace {

constexpr DWORD kTimeout = 30000;
constexpr DWORD kMeasureMs = 10000;

unsigned long long CpuTime100ns(HANDLE process)
{
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(process, &created, &exited, &kernel, &user))
        return 0;
    auto value = [](const FILETIME& t) { return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
    return value(kernel) + value(user);
}

} // namespace

int main()
{
    namespace fs = std::filesystem;
    const fs::path quiz = fs::temp_directory_path() / "answer_wait_bench.zlq";
    std::ofstream(quiz, std::ios::binary) << quiz::testing::QuizFileBytes({30}, 30);
    SetEnvironmentVariableW(L"VEMO_STANDIN_PATH", quiz.wstring().c_str());

    testsupport::ScopedTranscript transcript;
    e2e::Process game(fs::path(win::ModuleFolder(nullptr)) / L"standin" / L"Vemo.exe");
    if (!game.Started() || !e2e::WaitForLine(transcript.Path(), L"voice Speak 0  F2でクイズを開いてください", 0, kTimeout)) {
        std::printf("the game did not start\n");
        return 1;
    }
    HWND main = e2e::WaitForWindow(game.Id(), L"VemoQuizWindow", kTimeout);
    e2e::PressKey(main, VK_F2);
    auto loaded = e2e::WaitForLine(transcript.Path(), L"voice Speak 0 F3でカルミオできます", 0, kTimeout);
    if (!main || !loaded) {
        std::printf("the quiz was not loaded\n");
        return 1;
    }
    e2e::PressKey(main, VK_F3);
    // The first choice is spoken as the game starts waiting.
    bool offered = e2e::WaitFor(
        [&] {
            for (const auto& line : transcript.Said())
                if (line.rfind(L"voice Speak 0 a", 0) == 0)
                    return true;
            return false;
        },
        kTimeout);
    if (!offered) {
        std::printf("no choices were offered\n");
        return 1;
    }
    Sleep(500); // let the game settle into its wait

    win::UniqueHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, game.Id()));
    wchar_t ready[MAX_PATH] = {};
    if (GetEnvironmentVariableW(L"VEMO_BENCH_READY", ready, MAX_PATH) > 0)
        std::ofstream(fs::path(ready)) << "waiting\n";
    const unsigned long long before = CpuTime100ns(process.get());
    const ULONGLONG start = GetTickCount64();
    Sleep(kMeasureMs);
    const unsigned long long after = CpuTime100ns(process.get());
    const ULONGLONG wall = GetTickCount64() - start;

    const double cpuMs = static_cast<double>(after - before) / 10000.0;
    if (before == 0 && after == 0)
        std::printf("the system reports no processor times of another process\n");
    else
        std::printf("Vemo.exe waiting for an answer (system report): %.1f ms of processor time in %llu ms = %.2f %% of one core\n",
                cpuMs, wall, 100.0 * cpuMs / static_cast<double>(wall));
    PostMessageW(main, WM_CLOSE, 0, 0);
    game.WaitForExit(kTimeout);
    fs::remove(quiz);
    return 0;
}
