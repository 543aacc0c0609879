#include "dialogs/type_names_ahead.h"

#include <windows.h>
#include <objbase.h>

#include <algorithm>
#include <system_error>

#include "dialogs/shell_icons.h"

namespace lumadlg {

TypeNamesAhead::~TypeNamesAhead()
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stop_ = true;
    }
    changed_.notify_all();
    if (thread_.joinable())
        thread_.join();
}

void TypeNamesAhead::Ask(std::wstring_view kind, const std::wstring& folder, std::wstring_view name)
{
    if (gaveUp_ || asked_.size() >= kMaxKinds || std::find(asked_.begin(), asked_.end(), kind) != asked_.end())
        return;
    asked_.emplace_back(kind);
    {
        std::lock_guard<std::mutex> lock(mutex_);
        kinds_.push_back({std::wstring(kind), folder + std::wstring(name), {}, State::Waiting});
    }
    if (!thread_.joinable()) {
        try {
            thread_ = std::thread([this] { Run(); });
        } catch (const std::system_error&) {
            // No thread: the list asks the shell itself, as Take says.
            std::lock_guard<std::mutex> lock(mutex_);
            for (Kind& k : kinds_)
                k.state = State::Dropped;
            gaveUp_ = true;
            return;
        }
    }
    changed_.notify_all();
}

void TypeNamesAhead::Close()
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        closed_ = true;
    }
    changed_.notify_all();
}

std::optional<std::wstring> TypeNamesAhead::Take(std::wstring_view kind)
{
    std::unique_lock<std::mutex> lock(mutex_);
    auto it = std::find_if(kinds_.begin(), kinds_.end(), [&](const Kind& k) { return k.kind == kind; });
    if (it == kinds_.end())
        return std::nullopt;
    if (it->state == State::Waiting)
        it->state = State::Dropped;
    if (it->state == State::Dropped)
        return std::nullopt;
    // By index: the reading may still add kinds while this waits.
    const std::size_t index = static_cast<std::size_t>(it - kinds_.begin());
    changed_.wait(lock, [&] { return kinds_[index].state == State::Done; });
    return kinds_[index].name;
}

void TypeNamesAhead::Run()
{
    // The shell is asked from a thread with COM, as it expects; in the
    // process's multithreaded apartment, which needs no message loop.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        auto next = std::find_if(kinds_.begin(), kinds_.end(), [](const Kind& k) { return k.state == State::Waiting; });
        if (stop_)
            break;
        if (next == kinds_.end()) {
            if (closed_)
                break;
            changed_.wait(lock);
            continue;
        }
        next->state = State::Looking;
        const std::size_t index = static_cast<std::size_t>(next - kinds_.begin());
        const std::wstring path = next->path;
        lock.unlock();
        std::wstring name = ShellTypeName(path);
        lock.lock();
        kinds_[index].name = std::move(name);
        kinds_[index].state = State::Done;
        changed_.notify_all();
    }
    lock.unlock();
    if (SUCCEEDED(com))
        CoUninitialize();
}

} // namespace lumadlg
