// Drives our modal dialogs (the file and folder dialogs, the message and
// input boxes) from inside the test's own thread. A thread-local hook sees
// each dialog shown and hands it, through a message to a window of the
// driver, to the test's script (the first dialog of a run) or to the next
// answer queued (any other). A watchdog ends every dialog of the
// thread after a time-out and fails the test. Keys are posted to the
// focused control and settled: every posted message and injected key
// handled, through the keyboard navigation of the dialog they are for.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/temp_folder.h"

namespace dialogtest {

using Texts = std::vector<std::wstring>;

// A box as an answer saw it: its title, longest static text, visible buttons.
struct Box {
    std::wstring title, text;
    Texts buttons;
};
Box LookAt(HWND box);

class Driver {
public:
    explicit Driver(UINT timeoutMs = 20000);
    ~Driver();
    Driver(const Driver&) = delete;
    Driver& operator=(const Driver&) = delete;

    // Runs `call`, which runs the main dialog modally; `script` runs once
    // in its loop, and the dialog is cancelled after it unless it ended.
    // Fails on a time-out, on a dialog no answer was queued for, and on an
    // answer left unused.
    int Run(const std::function<int()>& call, std::function<void(HWND)> script = nullptr);

    // The next other dialog (with this title, unless empty) goes to `answer`;
    // Press answers a box with a button, recording it in Boxes(); Type
    // answers an input box with a text and OK.
    void Answer(std::function<void(HWND)> answer, std::wstring title = {});
    void Press(std::wstring caption, std::wstring title = {});
    void Type(std::wstring text, std::wstring title = {});
    const std::vector<Box>& Boxes() const { return boxes_; }
    Texts BoxTexts() const; // the text of each box, in turn
    // The items of each popup menu opened ("1114 text", "0 " a separator),
    // which is closed once read.
    const std::vector<Texts>& Menus() const { return menus_; }
    bool Shown() const { return main_ != nullptr; }

private:
    static LRESULT CALLBACK ShowProc(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void OnShow(HWND window);
    void Queue(HWND window, std::function<void(HWND)> action);

    Driver* previous_; // a driver of an outer run, whose hook serves this one
    HHOOK hook_ = nullptr;
    HWND window_ = nullptr, main_ = nullptr;
    UINT timeoutMs_;
    std::function<void(HWND)> script_;
    std::deque<std::pair<std::wstring, std::function<void(HWND)>>> answers_;
    std::deque<std::pair<HWND, std::function<void(HWND)>>> pending_;
    std::vector<Box> boxes_;
    std::vector<Texts> menus_;
    Texts unanswered_;
    std::string stuck_; // the titles of the dialogs the watchdog ended
};

// Settles all posted messages and injected keys; false after 5 seconds.
bool Settle();
// A key posted to the focused window and settled; Shift and Ctrl held with
// injected keys, Alt as a system key.
struct Mods {
    bool shift = false, ctrl = false, alt = false;
};
bool Press(WORD vk, Mods mods = {});
bool Char(WPARAM ch);
// A command sent to the dialog as its button would.
void Command(HWND dialog, int id);

int FocusId(HWND dialog); // a combo box's edit counts as the combo box
std::wstring StatusText(HWND dialog); // the status bar 1005
std::wstring ItemText(HWND list, int index, int column = 0);
Texts ListTexts(HWND list, int column = 0);
std::wstring FocusedText(HWND list);
// Selects the entries named; focuses `focus`, or the first of them listed.
bool Select(HWND list, const Texts& names, const std::wstring& focus = {});

// Which file or folder a path opens (volume and index), nullopt for none;
// a narrow path is code page 932, opened as a caller of the library does.
struct FileId {
    DWORD volume = 0, high = 0, low = 0;
    bool operator==(const FileId&) const = default;
};
std::optional<FileId> FileIdOf(const std::wstring& path);
std::optional<FileId> FileIdOf(const std::string& cp932Path);

// Under Wine: runs commands of the host's shell in `folder` and waits (two
// minutes at most) until they are done. Names differing only in case live
// side by side there, and tens of thousands of entries take seconds to make,
// not the minutes they take through Wine.
bool RunOnHost(const std::filesystem::path& folder, const std::string& commands);

} // namespace dialogtest
