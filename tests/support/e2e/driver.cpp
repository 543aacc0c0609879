#include "tests/support/e2e/driver.h"

namespace e2e {

namespace {

// Calls check() until it is true, waking on `signal` (or every 200 ms, in
// case a change notification was missed); false on time-out.
bool WaitUntil(const std::function<bool()>& check, const std::function<HANDLE()>& signal, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    for (;;) {
        if (check())
            return true;
        DWORD spent = GetTickCount() - start;
        if (spent >= timeoutMs)
            return false;
        DWORD left = timeoutMs - spent;
        HANDLE h = signal ? signal() : nullptr;
        if (h)
            WaitForSingleObject(h, left < 200 ? left : 200);
        else
            MsgWaitForMultipleObjects(0, nullptr, FALSE, left < 50 ? left : 50, QS_ALLINPUT);
    }
}

} // namespace

Process::Process(const std::filesystem::path& exe, const std::wstring& arguments,
                 const std::filesystem::path& output)
{
    STARTUPINFOW si = {sizeof si};
    PROCESS_INFORMATION pi = {};
    std::wstring command = L"\"" + exe.wstring() + L"\"";
    if (!arguments.empty())
        command += L" " + arguments;
    std::wstring folder = exe.parent_path().wstring();
    win::UniqueFile out;
    if (!output.empty()) {
        SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
        out.reset(CreateFileW(output.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!out)
            return;
        si.dwFlags = STARTF_USESTDHANDLES;
        si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
        si.hStdOutput = out.get();
        si.hStdError = out.get();
    }
    if (CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, out ? TRUE : FALSE, 0, nullptr,
                       folder.c_str(), &si, &pi)) {
        CloseHandle(pi.hThread);
        process_.reset(pi.hProcess);
        id_ = pi.dwProcessId;
    }
}

Process::~Process()
{
    if (process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_.get(), 1);
        WaitForSingleObject(process_.get(), 5000);
    }
}

bool Process::WaitForExit(DWORD timeoutMs)
{
    return process_ && WaitForSingleObject(process_.get(), timeoutMs) == WAIT_OBJECT_0;
}

DWORD Process::ExitCode() const
{
    DWORD code = STILL_ACTIVE;
    if (process_)
        GetExitCodeProcess(process_.get(), &code);
    return code;
}

HWND WaitForWindow(DWORD processId, const std::wstring& className, DWORD timeoutMs)
{
    HWND found = nullptr;
    WaitFor(
        [&] {
            for (HWND w = FindWindowExW(nullptr, nullptr, className.c_str(), nullptr); w && !found;
                 w = FindWindowExW(nullptr, w, className.c_str(), nullptr)) {
                DWORD pid = 0;
                GetWindowThreadProcessId(w, &pid);
                if (pid == processId && IsWindowVisible(w))
                    found = w;
            }
            return found != nullptr;
        },
        timeoutMs);
    return found;
}

bool WaitFor(const std::function<bool()>& check, DWORD timeoutMs)
{
    return WaitUntil(check, nullptr, timeoutMs);
}

HWND FocusOf(HWND window)
{
    GUITHREADINFO info = {sizeof info};
    DWORD thread = GetWindowThreadProcessId(window, nullptr);
    return thread && GetGUIThreadInfo(thread, &info) && info.hwndFocus ? info.hwndFocus : window;
}

void PressKey(HWND window, UINT virtualKey)
{
    HWND target = FocusOf(window);
    UINT scan = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
    PostMessageW(target, WM_KEYDOWN, virtualKey, 1 | (static_cast<LPARAM>(scan) << 16));
    PostMessageW(target, WM_KEYUP, virtualKey, 1 | (static_cast<LPARAM>(scan) << 16) | 0xC0000000);
}

void PostCommand(HWND window, int commandId)
{
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(commandId, 0), 0);
}

std::optional<size_t> WaitForLine(const std::filesystem::path& transcript, const std::wstring& line, size_t from,
                                  DWORD timeoutMs)
{
    return WaitForLine(transcript, [&](const std::wstring& said) { return said == line; }, from, timeoutMs);
}

std::optional<size_t> WaitForLine(const std::filesystem::path& transcript,
                                  const std::function<bool(const std::wstring&)>& matches, size_t from,
                                  DWORD timeoutMs)
{
    std::optional<size_t> found;
    std::wstring folder = transcript.parent_path().wstring();
    HANDLE change = FindFirstChangeNotificationW(folder.c_str(), FALSE,
                                                 FILE_NOTIFY_CHANGE_SIZE | FILE_NOTIFY_CHANGE_LAST_WRITE);
    WaitUntil(
        [&] {
            auto lines = testsupport::SaidLines(transcript);
            for (size_t i = from; i < lines.size(); ++i)
                if (matches(lines[i])) {
                    found = i;
                    return true;
                }
            return false;
        },
        [&]() -> HANDLE {
            if (change == INVALID_HANDLE_VALUE)
                return nullptr;
            FindNextChangeNotification(change);
            return change;
        },
        timeoutMs);
    if (change != INVALID_HANDLE_VALUE)
        FindCloseChangeNotification(change);
    return found;
}

} // namespace e2e
