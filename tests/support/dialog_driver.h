// Drives our modal dialogs (the file and folder dialogs, the message and
// input boxes) from inside the test's own thread. A thread-local hook sees
// each dialog shown and hands it, through a message to a window of the
// driver, to the test's script (the first dialog the driver is told to take
// as its main one) or to the next answer queued (every other dialog). A
// watchdog ends every dialog of the thread after a time-out and fails the
// test. Keys are posted to the focused control and settled: every posted
// message and injected key handled, through the dialog's keyboard navigation.
#pragma once

#include <windows.h>

#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/temp_folder.h"

namespace dialogtest {

// The first top-level dialog shown.
bool AnyDialog(HWND window);
// A dialog holding a list view as control `id`: 1004 the file dialog, 1029
// the folder dialog.
std::function<bool(HWND)> HasList(int id);

// A message box as an answer saw it.
struct Box {
    std::wstring title, text; // text: the longest static text
    std::vector<std::wstring> buttons; // the visible buttons' captions
};

class Driver {
public:
    explicit Driver(std::function<bool(HWND)> isMain = AnyDialog, UINT timeoutMs = 20000);
    ~Driver();
    Driver(const Driver&) = delete;
    Driver& operator=(const Driver&) = delete;

    // Runs `call` (which runs the main dialog modally); `script` runs once,
    // inside the dialog's loop, when it is shown. Fails the test on a
    // time-out, on a dialog no answer was queued for and on an answer left
    // unused. Returns what `call` returned.
    int Run(const std::function<int()>& call, std::function<void(HWND)> script = nullptr);
    // Run in two halves, for a caller that runs the dialog itself.
    void Start(std::function<void(HWND)> script);
    void Finish();

    // The next other dialog shown (with this title, unless empty) goes to
    // `answer`.
    void Answer(std::function<void(HWND)> answer, std::wstring title = {});
    // Answers the next box with the button of that caption, recording it.
    void Press(std::wstring caption, std::wstring title = {});
    // Answers an input box with `text` and OK.
    void Type(std::wstring text, std::wstring title = {});
    const std::vector<Box>& Boxes() const { return boxes_; }
    // The items of every popup menu opened ("1114 text", "0 " a separator);
    // each menu is closed as soon as it was read.
    const std::vector<std::vector<std::wstring>>& Menus() const { return menus_; }
    bool Shown() const { return main_ != nullptr; }

private:
    static LRESULT CALLBACK ShowProc(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void OnShow(HWND window);

    Driver* previous_; // a driver of an outer run, whose hook serves this one
    HHOOK hook_ = nullptr;
    HWND window_ = nullptr;
    UINT timeoutMs_;
    std::function<bool(HWND)> isMain_;
    std::function<void(HWND)> script_;
    std::deque<std::pair<std::wstring, std::function<void(HWND)>>> answers_;
    std::deque<std::pair<HWND, std::function<void(HWND)>>> pending_;
    std::vector<Box> boxes_;
    std::vector<std::vector<std::wstring>> menus_;
    std::vector<std::wstring> unanswered_;
    HWND main_ = nullptr;
    bool timedOut_ = false;
    std::string stuck_; // the titles of the dialogs the watchdog ended
};

// Lets every message posted so far and every key injected so far (also
// those injected while handling them) be handled. False after 5 seconds.
bool Settle();
// A key posted to the focused window, settled; Shift and Ctrl held with
// injected keys when asked.
struct Mods {
    bool shift = false, ctrl = false;
};
bool Press(WORD vk, Mods mods = {});
bool PressAlt(WORD vk);
bool Char(WPARAM ch);
// A key-down sent straight to a window, Ctrl held in the thread's key state
// when asked.
void SendKey(HWND window, WORD vk, bool ctrl = false);
// A command sent to the dialog as its button would.
void Command(HWND dialog, int id);

// The id of the focused control (a combo box's edit counts as the combo).
int FocusId(HWND dialog);
RECT ChildRect(HWND parent, HWND child);
Box LookAt(HWND box);
std::wstring StatusText(HWND dialog); // status bar 1005

// A list view's column texts, its focused entry, and selecting entries by
// their texts (the first of `names` listed is focused).
std::vector<std::wstring> ListTexts(HWND list, int column = 0);
std::wstring FocusedText(HWND list);
bool Select(HWND list, const std::vector<std::wstring>& names, const std::wstring& focus = {});

// Which file or folder a path opens (volume and index); nullopt when none.
// A narrow path is code page 932, opened as a caller of the library does.
struct FileId {
    DWORD volume = 0, high = 0, low = 0;
    bool operator==(const FileId&) const = default;
};
std::optional<FileId> FileIdOf(const std::wstring& path);
std::optional<FileId> FileIdOf(const std::string& cp932Path);

// Under Wine: folders and empty files (relative '/' paths) made through the
// host's file system, where names differing only in letter case live side
// by side. False elsewhere.
bool MakeOnHost(const testsupport::ScopedTempFolder& tree, const std::vector<std::wstring>& folders,
                const std::vector<std::wstring>& files);

// A folder holding `folders` subfolders ("folder00001" ...) and `files`
// empty files ("file00001.dat" ...). Under Wine the host's shell makes and
// removes it in the host's memory-backed temporary folder when there is one
// (tens of thousands of entries made through Wine take minutes).
class ManyEntries {
public:
    ManyEntries(const testsupport::ScopedTempFolder& tree, const std::wstring& name, int folders, int files);
    ~ManyEntries();
    ManyEntries(const ManyEntries&) = delete;
    ManyEntries& operator=(const ManyEntries&) = delete;
    bool Made() const { return made_; }
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
    std::string host_;
    bool made_ = false;
};

} // namespace dialogtest
