// What the tests of the screen-reader routes need around the stand-ins of
// this folder: the running state of the NVDA stand-in, JAWS "running"
// (its automation object registered and its main window open), the system's
// screen-reader flag, and the routes seen in the transcript.
#pragma once

#include <windows.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/e2e/driver.h"
#include "win/handles.h"

namespace standins {

// The folder of the stand-ins and of the test program, beside its copies of
// VOSKUSR.dll and LUMADLG.dll.
std::filesystem::path Folder();

// NVDA's stand-in plays "running", "stopped" or "old" (see
// nvda_client_standin.cpp) for as long as the object lives, and "stopped"
// afterwards.
class ScopedNvda {
public:
    explicit ScopedNvda(const wchar_t* state) : state_(L"STANDIN_NVDA", state) {}
    void Set(const wchar_t* state) { SetEnvironmentVariableW(L"STANDIN_NVDA", state); }

private:
    e2e::ScopedEnv state_;
};

// JAWS runs: the stand-in automation object is registered for its ProgID in
// this prefix and a window of JAWS's main window class is open. Both go
// again with the object; Quit closes the window earlier.
class ScopedJaws {
public:
    ScopedJaws();
    ~ScopedJaws();
    ScopedJaws(const ScopedJaws&) = delete;
    ScopedJaws& operator=(const ScopedJaws&) = delete;
    void Quit() { window_.reset(); }

private:
    win::UniqueWindow window_;
};

// The system's screen-reader flag set for as long as the object lives.
class ScopedScreenReaderFlag {
public:
    ScopedScreenReaderFlag() { Set(true); }
    ~ScopedScreenReaderFlag() { Set(false); }
    ScopedScreenReaderFlag(const ScopedScreenReaderFlag&) = delete;
    ScopedScreenReaderFlag& operator=(const ScopedScreenReaderFlag&) = delete;
    static void Set(bool on) { SystemParametersInfoW(SPI_SETSCREENREADER, on, nullptr, SPIF_SENDCHANGE); }
};

// The transcript's lines from index `from` on, routes kept, without NVDA's
// "is it running" checks (their number depends on time).
std::vector<std::wstring> LinesFrom(const std::filesystem::path& transcript, size_t from);

} // namespace standins
