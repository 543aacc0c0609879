#include "dialogs/folder_reading.h"

#include <system_error>

#include "dialogs/core/paths.h"
#include "dialogs/waiting.h"

namespace lumadlg {

FolderReading::FolderReading(FolderQuery query)
    : query_(std::move(query)), searched_(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
      done_(CreateEventW(nullptr, TRUE, FALSE, nullptr)), started_(GetTickCount64())
{
    if (!query_.foldersOnly)
        typeNames_ = std::make_unique<TypeNamesAhead>();
    auto read = [this] {
        // The type names of the first extensions found are asked at once:
        // the list needs them for its first rows.
        auto fileFound = [this](std::wstring_view name) { typeNames_->Ask(ExtensionOf(name), query_.folder, name); };
        try {
            contents_ = ReadFolder(
                query_, stop_,
                [this](bool found) {
                    found_ = found;
                    SetEvent(searched_.get());
                },
                typeNames_ ? std::function<void(std::wstring_view)>(fileFound) : nullptr);
        } catch (...) {
            failure_ = std::current_exception();
        }
        if (typeNames_)
            typeNames_->Close();
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
    for (HANDLE event : events)
        if (!event)
            return; // read without a thread: done already
    WaitWithWindowsAlive(events, started_ + kSilentReadingMs, told_, onSlow);
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
