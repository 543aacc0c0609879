// Starting other programs: the text editor that shows the manual, and the
// web browser for the download pages. The main window goes through this
// interface so that another implementation can stand in for the system.
#pragma once

#include <string>

namespace game {

class Launcher {
public:
    virtual ~Launcher() = default;

    // Starts a program from a command line (program, then its arguments) in
    // a normal window that takes the focus. False when it could not start.
    virtual bool StartProgram(const std::wstring& commandLine) = 0;
    // Opens an address in a new instance of the system's web browser,
    // driven through its automation interface, and makes it visible. False
    // when no such browser could be created or it refused the address.
    virtual bool OpenInBrowser(const std::wstring& address) = 0;
    // Opens an address with whatever program the user has chosen for it.
    virtual bool OpenWithDefault(const std::wstring& address) = 0;
};

// The launcher of the running system.
class SystemLauncher : public Launcher {
public:
    bool StartProgram(const std::wstring& commandLine) override;
    bool OpenInBrowser(const std::wstring& address) override;
    bool OpenWithDefault(const std::wstring& address) override;
};

// Opens a download page in a new browser instance, or, when none can be
// created, in the user's default browser.
bool OpenDownloadPage(Launcher& launcher, const std::wstring& address);

} // namespace game
