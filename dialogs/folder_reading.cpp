#include "dialogs/folder_reading.h"

#include <system_error>

namespace lumadlg {

FolderReading::FolderReading(FolderQuery query)
    : query_(std::move(query)), done_(CreateEventW(nullptr, TRUE, FALSE, nullptr))
{
    auto read = [this] {
        try {
            contents_ = ReadFolder(query_, stop_);
        } catch (...) {
            failure_ = std::current_exception();
        }
        SetEvent(done_.get());
    };
    try {
        if (done_)
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

FolderContents FolderReading::Take(const std::function<void()>& onSlow)
{
    const ULONGLONG start = GetTickCount64();
    bool told = false;
    HANDLE done = done_.get();
    while (done) {
        DWORD timeout = INFINITE;
        if (!told) {
            ULONGLONG waited = GetTickCount64() - start;
            timeout = waited >= kSilentReadingMs ? 0 : static_cast<DWORD>(kSilentReadingMs - waited);
        }
        DWORD woken = MsgWaitForMultipleObjectsEx(1, &done, timeout, QS_PAINT | QS_SENDMESSAGE, 0);
        if (woken == WAIT_OBJECT_0 || woken == WAIT_FAILED)
            break;
        if (woken == WAIT_TIMEOUT) {
            told = true;
            if (onSlow)
                onSlow();
            continue;
        }
        // Peeking runs what other threads sent; paints are dispatched.
        MSG msg;
        while (PeekMessageW(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE))
            DispatchMessageW(&msg);
    }
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
