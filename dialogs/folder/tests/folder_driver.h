// Drives the folder dialog from inside the test process, on its own thread:
// a thread-local hook sees each dialog being shown and hands it, through a
// message to a window of the driver, to the test's script (the folder
// dialog) or to the next answer queued for its title (input and message
// boxes). A watchdog timer cancels every dialog of the thread after a
// time-out and records the failure.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace foldertest {

// True for the library's folder dialog.
bool IsFolderDialog(HWND window);

class Driver {
public:
    // isMain picks the dialog that the scripts of Run() act on; every other
    // dialog shown is matched against the queued answers.
    explicit Driver(UINT timeoutMs = 20000, std::function<bool(HWND)> isMain = IsFolderDialog);
    ~Driver();
    Driver(const Driver&) = delete;
    Driver& operator=(const Driver&) = delete;

    // Runs `call` (which runs the main dialog); `script` runs once in the
    // dialog's loop, as soon as it is shown. Returns what call returned.
    int Run(const std::function<int()>& call, std::function<void(HWND)> script);

    // The next dialog shown with this title is handed to `answer`.
    void Answer(std::wstring title, std::function<void(HWND)> answer);
    bool AllAnswered() const { return answers_.empty(); }
    // Titles of the dialogs shown that no answer was queued for; each was
    // closed at once with its last button, or cancelled.
    const std::vector<std::wstring>& Unanswered() const { return unanswered_; }

    // The items of every popup menu opened, one line per item ("1114 text",
    // "0 " for a separator); each menu is closed as soon as it was read.
    const std::vector<std::vector<std::wstring>>& Menus() const { return menus_; }

    bool ScriptRan() const { return scriptRan_; }
    bool TimedOut() const { return timedOut_; }

    // Lets every message posted so far be handled, through the keyboard
    // navigation of the dialog it is meant for.
    void Settle();

private:
    static LRESULT CALLBACK ShowProc(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void OnShow(HWND window);
    void OnMenu(HMENU menu);

    HHOOK hook_ = nullptr;
    HWND window_ = nullptr;
    UINT timeoutMs_;
    std::function<bool(HWND)> isMain_;
    std::function<void(HWND)> script_;
    std::deque<std::pair<std::wstring, std::function<void(HWND)>>> answers_;
    std::vector<std::function<void(HWND)>> pending_;
    std::vector<std::vector<std::wstring>> menus_;
    std::vector<std::wstring> unanswered_;
    HWND folderDialog_ = nullptr;
    bool scriptRan_ = false;
    bool timedOut_ = false;
    bool marker_ = false;
};

// Keys posted to the focused control, then settled. Ctrl is held in the
// thread's key state for the key when asked.
void Press(Driver& driver, WORD vk, bool ctrl = false);
// Alt + key, as the system key it arrives as.
void PressAlt(Driver& driver, WORD vk);
// A posted command to a dialog, settled.
void Command(Driver& driver, HWND dialog, int id);

// The folder dialog's controls as the tests read them.
std::vector<std::wstring> ListTexts(HWND dialog);
int FocusedItem(HWND dialog);
std::wstring FocusedText(HWND dialog);
std::wstring StatusText(HWND dialog);
bool IsEnabled(HWND dialog, int id);
// Moves the list's focus and selection to the entry with that text.
bool FocusEntry(HWND dialog, const std::wstring& text);

// Answers an input box with `text` and OK; a message box with its first
// button, recording its text.
std::function<void(HWND)> TypeAndOk(std::wstring text);
std::function<void(HWND)> PressFirstButton(std::vector<std::wstring>* texts);
// Answers a message box with the button of that caption, recording its text.
std::function<void(HWND)> PressButton(std::wstring caption, std::vector<std::wstring>* texts);
// The message of a box: its longest static text.
std::wstring BoxMessage(HWND box);

} // namespace foldertest
