// Type names of a folder's files asked of the shell on a thread of their
// own while the folder is still being read. Asking the type name of a file
// by its path can take as long as reading its folder; asked ahead for the
// first few extensions the reading meets, the list finds them ready when it
// first draws them instead of asking while it paints. Extensions are told
// apart as written (".TXT" is not ".txt"), so that a name taken from here
// is the one the list would have asked for itself.
#pragma once

#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace lumadlg {

class TypeNamesAhead {
public:
    // Extensions asked ahead at most: a folder of many has the rest looked
    // up as its rows are drawn.
    static constexpr std::size_t kMaxKinds = 4;

    TypeNamesAhead() = default;
    // Lets the lookup under way finish, drops the others, waits for the thread.
    ~TypeNamesAhead();
    TypeNamesAhead(const TypeNamesAhead&) = delete;
    TypeNamesAhead& operator=(const TypeNamesAhead&) = delete;

    // A file `name` in `folder` (with its "\"), with the extension `kind`:
    // the type name is asked unless it was for that extension or kMaxKinds
    // were. Called for every file found, from the reading's thread alone.
    void Ask(std::wstring_view kind, const std::wstring& folder, std::wstring_view name);
    // Nothing more will be asked: the thread ends after the lookups asked.
    void Close();

    // The type name for an extension whose lookup began, waited for;
    // nothing when it was not asked or its lookup had not begun (it is then
    // dropped, and the caller asks the shell itself).
    std::optional<std::wstring> Take(std::wstring_view kind);

private:
    enum class State { Waiting, Looking, Done, Dropped };
    struct Kind {
        std::wstring kind;
        std::wstring path;
        std::wstring name;
        State state = State::Waiting;
    };
    void Run();

    // The asking thread's own record, read without the lock: the kinds
    // asked, and whether asking gave up (no thread could be started).
    std::vector<std::wstring> asked_;
    bool gaveUp_ = false;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<Kind> kinds_;
    bool stop_ = false;   // drop what was not begun
    bool closed_ = false; // end after what was asked
    std::thread thread_;
};

} // namespace lumadlg
