#include "tests/support/temp_folder.h"

#include <atomic>
#include <chrono>
#include <fstream>
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
#ifdef _WIN32
    for (auto it = std::filesystem::recursive_directory_iterator(path_, ignored);
         it != std::filesystem::recursive_directory_iterator(); it.increment(ignored))
        SetFileAttributesW(it->path().c_str(), FILE_ATTRIBUTE_NORMAL);
#endif
    std::filesystem::remove_all(path_, ignored);
}

std::filesystem::path ScopedTempFolder::Folder(const std::filesystem::path& relative) const
{
    std::filesystem::create_directories(path_ / relative);
    return path_ / relative;
}

std::filesystem::path ScopedTempFolder::File(const std::filesystem::path& relative, std::size_t bytes) const
{
    std::filesystem::path file = path_ / relative;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << std::string(bytes, 'x');
    return file;
}

} // namespace testsupport
