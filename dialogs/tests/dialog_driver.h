// Drives the library's dialogs from inside the test process, on the thread
// that runs them: a thread-local CBT hook sees each dialog activate; a timer
// of the same thread then runs the test's script against the file dialog, or
// answers a message box the way the test asked. A watchdog cancels
// everything the thread shows after a time-out and records the failure.
#pragma once

#include <windows.h>

#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace dialogtest {

class DialogDriver {
public:
    // `script` runs once, with the file dialog's window, as soon as its
    // modal loop is idle.
    explicit DialogDriver(std::function<void(HWND)> script, UINT timeoutMs = 20000);
    ~DialogDriver();
    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;

    // The next message box shown is answered with the button whose caption
    // begins with `caption` ("はい", "いいえ", "OK"); its text is recorded.
    void AnswerNextBox(std::wstring caption) { answers_.push_back(std::move(caption)); }
    const std::vector<std::wstring>& BoxTexts() const { return boxTexts_; }

    bool ScriptRan() const { return scriptRan_; }
    bool TimedOut() const { return timedOut_; }

private:
    static LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK RunScript(HWND, UINT, UINT_PTR id, DWORD);
    static void CALLBACK AnswerBox(HWND, UINT, UINT_PTR id, DWORD);
    static void CALLBACK Watchdog(HWND, UINT, UINT_PTR id, DWORD);

    std::function<void(HWND)> script_;
    HHOOK hook_ = nullptr;
    UINT_PTR watchdog_ = 0;
    HWND fileDialog_ = nullptr;
    std::vector<HWND> pendingBoxes_;
    std::deque<std::wstring> answers_;
    std::vector<std::wstring> boxTexts_;
    bool scriptRan_ = false;
    bool timedOut_ = false;
};

// Texts of a dialog's controls.
std::wstring ControlText(HWND dialog, int id);
// The text of a list view cell (the file list asks its dialog for it).
std::wstring ListText(HWND list, int item, int column = 0);
int ListCount(HWND list);
int ListFocused(HWND list);
std::vector<std::wstring> ListColumn(HWND list, int column = 0);

// Which file or folder a path opens: its volume's serial number and its
// index there, the same for every path to it; nullopt when it cannot be
// opened. A path in code page 932 is opened as a caller of the library
// opens it.
struct FileId {
    DWORD volume = 0, high = 0, low = 0;
    bool operator==(const FileId&) const = default;
};
std::optional<FileId> FileIdOf(const std::wstring& path);
std::optional<FileId> FileIdOf(const std::string& cp932Path);

// Puts text into the name box and presses OK.
void TypeAndEnter(HWND dialog, const std::wstring& text);
// Sends a command as a menu or accelerator would.
void Command(HWND dialog, int id);

// A folder tree in the temporary folder, deleted afterwards (attributes that
// would stop the deletion are cleared first).
class TempTree {
public:
    TempTree();
    ~TempTree();
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;

    const std::filesystem::path& Root() const { return root_; }
    std::wstring Path() const { return root_.wstring(); }
    std::filesystem::path Folder(const std::wstring& relative);
    std::filesystem::path File(const std::wstring& relative, std::size_t bytes = 10);
    void SetAttributes(const std::wstring& relative, DWORD attributes);
    // Under Wine: makes folders and empty files (ASCII names, relative to the
    // root) through the host's file system, where names that differ only in
    // letter case live side by side. False elsewhere or when it failed.
    bool MakeOnHost(const std::vector<std::wstring>& folders, const std::vector<std::wstring>& files);

private:
    std::filesystem::path root_;
};

// A fresh folder holding `folders` subfolders ("folder00001" ...) and
// `files` empty files ("file00001.dat" ...), removed again by the
// destructor. Under Wine the host's shell makes and removes it, in the
// host's memory-backed temporary folder when there is one: making tens of
// thousands of entries through Wine, or on a busy disk, takes minutes.
// Elsewhere it is a folder of the tree.
class ManyEntries {
public:
    ManyEntries(TempTree& tree, const std::wstring& name, int folders, int files);
    ~ManyEntries();
    ManyEntries(const ManyEntries&) = delete;
    ManyEntries& operator=(const ManyEntries&) = delete;

    // False when the folder could not be made in time.
    bool Made() const { return made_; }
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
    std::string host_; // the host's path of path_, when the host made it
    bool made_ = false;
};

} // namespace dialogtest
