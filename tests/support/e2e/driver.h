// Driving a program of ours from another process in end-to-end tests.
//
// Under Wine another process can post keys and commands to a window and read
// window titles, but cannot read a menu: menu states are checked in process
// or by their effect. Every wait here has a time-out and wakes on the signal
// it waits for (a change of the transcript's folder, the process ending), never on a fixed sleep.
#pragma once

#include <windows.h>

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/transcript_reader.h"
#include "win/handles.h"

namespace e2e {

// A program started for a test. Killed when still running at destruction.
class Process {
public:
    // Starts exe (with the test's environment, which the program inherits)
    // in its own folder, with the command-line arguments given; with an
    // output file, the program's standard output and error go there.
    explicit Process(const std::filesystem::path& exe, const std::wstring& arguments = {},
                     const std::filesystem::path& output = {});
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    bool Started() const { return static_cast<bool>(process_); }
    DWORD Id() const { return id_; }
    // Waits for the process to end; false on time-out.
    bool WaitForExit(DWORD timeoutMs);
    DWORD ExitCode() const;

private:
    win::UniqueHandle process_;
    DWORD id_ = 0;
};

// An environment variable set for as long as the object lives; programs
// started meanwhile inherit it.
class ScopedEnv {
public:
    ScopedEnv(const wchar_t* name, const std::wstring& value) : name_(name)
    {
        SetEnvironmentVariableW(name_, value.c_str());
    }
    ~ScopedEnv() { SetEnvironmentVariableW(name_, nullptr); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const wchar_t* name_;
};

// A visible top-level window of the process with that class name, waiting up
// to timeoutMs for it to appear; null on time-out.
HWND WaitForWindow(DWORD processId, const std::wstring& className, DWORD timeoutMs);

// The control that has the keyboard focus in the window's thread (or the
// window itself when none has).
HWND FocusOf(HWND window);

// Posts a key press (down and up) to the focused control of the window's
// thread.
void PressKey(HWND window, UINT virtualKey);

// Posts a menu command, as choosing the item does.
void PostCommand(HWND window, int commandId);

// Checks `check` until it is true, letting this thread's messages run
// between checks; false on time-out. For states that send no signal (what a
// window shows on screen).
bool WaitFor(const std::function<bool()>& check, DWORD timeoutMs);

// Waits until the transcript has a line equal to `line` at or after index
// `from`; returns its index, or nothing on time-out.
std::optional<size_t> WaitForLine(const std::filesystem::path& transcript, const std::wstring& line, size_t from,
                                  DWORD timeoutMs);
// The same for the first line that `matches` accepts.
std::optional<size_t> WaitForLine(const std::filesystem::path& transcript,
                                  const std::function<bool(const std::wstring&)>& matches, size_t from,
                                  DWORD timeoutMs);

} // namespace e2e
