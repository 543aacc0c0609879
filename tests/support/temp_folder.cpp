#include "tests/support/temp_folder.h"

#include <atomic>
#include <chrono>
#include <sstream>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace testsupport {

std::filesystem::path UniqueTempPath(const std::string& prefix, const std::string& extension)
{
    static std::atomic<unsigned> counter{0};
#ifdef _WIN32
    unsigned long pid = GetCurrentProcessId();
#else
    unsigned long pid = static_cast<unsigned long>(getpid());
#endif
    auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    std::ostringstream name;
    name << prefix << '-' << pid << '-' << ticks << '-' << counter++ << extension;
    return std::filesystem::temp_directory_path() / name.str();
}

ScopedTempFolder::ScopedTempFolder(const std::string& prefix) : path_(UniqueTempPath(prefix))
{
    std::filesystem::create_directories(path_);
}

ScopedTempFolder::~ScopedTempFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

} // namespace testsupport
