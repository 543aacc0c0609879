// A folder read on a worker thread while the window that asked for it stays
// alive: it paints and answers what other programs (a screen reader) ask,
// and when the reading keeps the player waiting, says why.
#pragma once

#include <windows.h>

#include <atomic>
#include <exception>
#include <functional>
#include <initializer_list>
#include <memory>
#include <thread>

#include "dialogs/folder_reader.h"
#include "dialogs/type_names_ahead.h"
#include "win/handles.h"

namespace lumadlg {

// How long a reading may keep the player waiting before the dialog says why.
inline constexpr DWORD kSilentReadingMs = 100;

class FolderReading {
public:
    // Starts reading at once.
    explicit FolderReading(FolderQuery query);
    // Stops a reading nobody took and waits for its thread.
    ~FolderReading();
    FolderReading(const FolderReading&) = delete;
    FolderReading& operator=(const FolderReading&) = delete;

    const FolderQuery& Query() const { return query_; }

    // Waits for the contents. Meanwhile the thread's windows are painted and
    // messages sent to them are handled; keys and clicks wait in the queue
    // until the list is there. `onSlow` runs once, at the latest when the
    // player has waited kSilentReadingMs since the reading began.
    FolderContents Take(const std::function<void()>& onSlow);

    // Whether the folder's search found anything at all, known as soon as
    // the search began; waits as Take does.
    bool FoundAnything(const std::function<void()>& onSlow);

    // The type names of the files' first extensions, asked of the shell
    // while the folder was read (none for a reading of folders alone);
    // after Take.
    std::unique_ptr<TypeNamesAhead> TakeTypeNames() { return std::move(typeNames_); }

private:
    // Waits for one of the events, as Take describes (WaitWithWindowsAlive).
    void Wait(std::initializer_list<HANDLE> events, const std::function<void()>& onSlow);

    FolderQuery query_;
    FolderContents contents_;
    std::exception_ptr failure_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> found_{false};
    win::UniqueHandle searched_;
    win::UniqueHandle done_;
    ULONGLONG started_ = 0;
    bool told_ = false; // onSlow ran
    std::unique_ptr<TypeNamesAhead> typeNames_;
    std::thread thread_;
};

// The reading to use for `query`: the one started ahead when it reads the
// same (taken from `ahead`), else a new one.
std::unique_ptr<FolderReading> ReadingFor(const FolderQuery& query, std::unique_ptr<FolderReading>& ahead);

} // namespace lumadlg
