// The names the readers' tests drive the file dialog with, on the shared
// driver (tests/support/dialog_driver.h): a temporary folder tree, and a
// driver that runs a script in the next file dialog of the thread.
#pragma once

#include "tests/support/dialog_driver.h"

namespace dialogtest {

struct TempTree : testsupport::ScopedTempFolder {
    TempTree() : ScopedTempFolder("lumadlg") {}
    const std::filesystem::path& Root() const { return ScopedTempFolder::Path(); }
    std::wstring Path() const { return Root().wstring(); }
};

class DialogDriver : public Driver {
public:
    explicit DialogDriver(std::function<void(HWND)> script) : Driver(HasList(1004)) { Start(std::move(script)); }
    ~DialogDriver() { Finish(); }
};

} // namespace dialogtest
