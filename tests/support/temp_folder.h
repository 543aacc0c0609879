// Fresh names and folders in the temporary folder for tests, so that what a
// failed run leaves behind never meets the next run.
#pragma once

#include <filesystem>
#include <string>

namespace testsupport {

// A path in the temporary folder that no other process or call has been
// given: the prefix, the process id, the time and a counter.
std::filesystem::path UniqueTempPath(const std::string& prefix, const std::string& extension = {});

// A new, empty folder in the temporary folder, removed with everything in it
// when the object goes (read-only entries included).
class ScopedTempFolder {
public:
    explicit ScopedTempFolder(const std::string& prefix = "vemo-test");
    ~ScopedTempFolder();
    ScopedTempFolder(const ScopedTempFolder&) = delete;
    ScopedTempFolder& operator=(const ScopedTempFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path operator/(const std::filesystem::path& name) const { return path_ / name; }
    // A folder, or a file of `bytes` bytes, made with the folders above it.
    std::filesystem::path Folder(const std::filesystem::path& relative) const;
    std::filesystem::path File(const std::filesystem::path& relative, std::size_t bytes = 10) const;

private:
    std::filesystem::path path_;
};

} // namespace testsupport
