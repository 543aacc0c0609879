#include "dialogs/folder_reading.h"

#include <objbase.h>

#include <algorithm>
#include <system_error>

#include "dialogs/shell_info_cache.h"
#include "dialogs/waiting.h"

namespace lumadlg {

namespace {

// The type names a reading looks up while it puts the entries in order: of
// the first kinds found, enough for the first rows the list shows.
constexpr std::size_t kKindsLookedUp = 16;

using TypeNames = std::vector<std::pair<std::wstring, std::wstring>>;

// The first kinds among the records (kind, and the name of an entry of it).
TypeNames FirstKinds(const std::vector<FileItem>& records)
{
    TypeNames kinds;
    for (const FileItem& record : records) {
        if (record.kind != ItemKind::File && record.kind != ItemKind::Folder)
            continue;
        std::wstring kind = ShellInfoCache::KindOf(record);
        if (std::none_of(kinds.begin(), kinds.end(), [&](const auto& known) { return known.first == kind; }))
            kinds.emplace_back(std::move(kind), record.name);
        if (kinds.size() == kKindsLookedUp)
            break;
    }
    return kinds;
}

} // namespace

FolderReading::FolderReading(FolderQuery query)
    : query_(std::move(query)), searched_(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
      done_(CreateEventW(nullptr, TRUE, FALSE, nullptr)), started_(GetTickCount64())
{
    auto read = [this] {
        // Asking the shell for a type name can take as long as reading the
        // folder again: it is done on a thread of its own while the entries
        // are put in order.
        TypeNames typeNames;
        std::atomic<bool> typeNamesFailed{false};
        std::thread typeLookUp;
        ReadingSteps steps;
        steps.searched = [this](bool found) {
            found_ = found;
            SetEvent(searched_.get());
        };
        if (query_.typeNames) {
            steps.found = [&](const std::vector<FileItem>& records) {
                typeNames = FirstKinds(records);
                try {
                    typeLookUp = std::thread([&] {
                        HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
                        try {
                            for (auto& [kind, name] : typeNames)
                                name = stop_ ? std::wstring() : ShellInfoCache::LookUpTypeName(query_.folder + name);
                        } catch (...) {
                            typeNamesFailed = true;
                        }
                        if (SUCCEEDED(com))
                            CoUninitialize();
                    });
                } catch (const std::system_error&) {
                    typeNames.clear(); // looked up when shown, then
                }
            };
        }
        try {
            contents_ = ReadFolder(query_, stop_, steps);
        } catch (...) {
            failure_ = std::current_exception();
        }
        if (typeLookUp.joinable()) {
            typeLookUp.join();
            if (!stop_ && !typeNamesFailed)
                contents_.typeNames = std::move(typeNames);
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
