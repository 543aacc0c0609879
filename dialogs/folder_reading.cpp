#include "dialogs/folder_reading.h"

#include <system_error>

namespace lumadlg {

FolderReading::FolderReading(FolderQuery query)
    : query_(std::move(query)), searched_(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
      done_(CreateEventW(nullptr, TRUE, FALSE, nullptr)), started_(GetTickCount64())
{
    auto read = [this] {
        try {
            contents_ = ReadFolder(query_, stop_, [this](bool found) {
                found_ = found;
                SetEvent(searched_.get());
            });
        } catch (...) {
            failure_ = std::current_exception();
        }
        SetEvent(done_.get());
    };
    try {
        if (searched_ && done_)
            thread_ = std::thread(read);
    } catch (const std::system_error&) {
    }
    if (!thread_.joinable()) // no thread to be had: read here
        read();
}

FolderReading::~FolderReading()
{
    stop_ = true;
    if (thread_.joinable())
        thread_.join();
}

void FolderReading::Wait(std::initializer_list<HANDLE> events, const std::function<void()>& onSlow)
{
    const DWORD count = static_cast<DWORD>(events.size());
    for (HANDLE event : events)
        if (!event)
            return; // read without a thread: done already
    for (;;) {
        DWORD timeout = INFINITE;
        if (!told_) {
            ULONGLONG waited = GetTickCount64() - started_;
            timeout = waited >= kSilentReadingMs ? 0 : static_cast<DWORD>(kSilentReadingMs - waited);
        }
        DWORD woken = MsgWaitForMultipleObjectsEx(count, events.begin(), timeout, QS_PAINT | QS_SENDMESSAGE, 0);
        if (woken < WAIT_OBJECT_0 + count || woken == WAIT_FAILED)
            return;
        if (woken == WAIT_TIMEOUT) {
            told_ = true;
            if (onSlow)
                onSlow();
            continue;
        }
        // Peeking runs what other threads sent; paints are dispatched.
        MSG msg;
        while (PeekMessageW(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE))
            DispatchMessageW(&msg);
    }
}

bool FolderReading::FoundAnything(const std::function<void()>& onSlow)
{
    Wait({searched_.get(), done_.get()}, onSlow);
    return found_;
}

FolderContents FolderReading::Take(const std::function<void()>& onSlow)
{
    Wait({done_.get()}, onSlow);
    if (thread_.joinable())
        thread_.join();
    if (failure_)
        std::rethrow_exception(failure_);
    return std::move(contents_);
}

std::unique_ptr<FolderReading> ReadingFor(const FolderQuery& query, std::unique_ptr<FolderReading>& ahead)
{
    std::unique_ptr<FolderReading> reading = std::move(ahead);
    if (reading && reading->Query() == query)
        return reading;
    reading.reset();
    return std::make_unique<FolderReading>(query);
}

} // namespace lumadlg
