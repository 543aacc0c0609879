#include "dialogs/tests/dialog_driver.h"

#include <commctrl.h>

#include <cwchar>
#include <fstream>

#include <gtest/gtest.h>

#include "win/cp932.h"
#include "win/handles.h"

namespace dialogtest {

namespace {

thread_local DialogDriver* t_driver = nullptr;

bool IsDialogClass(HWND hwnd)
{
    wchar_t cls[16] = {};
    return GetClassNameW(hwnd, cls, 16) > 0 && lstrcmpW(cls, L"#32770") == 0;
}

BOOL CALLBACK CollectText(HWND child, LPARAM param)
{
    wchar_t cls[32] = {};
    GetClassNameW(child, cls, 32);
    if (lstrcmpiW(cls, L"Static") == 0) {
        auto* text = reinterpret_cast<std::wstring*>(param);
        int n = GetWindowTextLengthW(child);
        std::wstring t(static_cast<std::size_t>(n) + 1, L'\0');
        GetWindowTextW(child, t.data(), n + 1);
        t.resize(n);
        if (!t.empty())
            *text += (text->empty() ? L"" : L"|") + t;
    }
    return TRUE;
}

struct ButtonSearch {
    std::wstring caption;
    HWND found = nullptr;
};

BOOL CALLBACK FindButton(HWND child, LPARAM param)
{
    auto* search = reinterpret_cast<ButtonSearch*>(param);
    wchar_t cls[32] = {};
    GetClassNameW(child, cls, 32);
    if (lstrcmpiW(cls, L"Button") != 0)
        return TRUE;
    wchar_t text[128] = {};
    GetWindowTextW(child, text, 128);
    if (std::wstring(text).rfind(search->caption, 0) == 0) {
        search->found = child;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CancelWindow(HWND hwnd, LPARAM)
{
    if (IsDialogClass(hwnd))
        PostMessageW(hwnd, WM_COMMAND, IDCANCEL, 0);
    return TRUE;
}

// Under Wine: the host's path of a path, and the path of a host's path; ""
// when the process does not run under Wine.
using HostNameFunction = char*(CDECL*)(const wchar_t*);
using DosNameFunction = wchar_t*(CDECL*)(const char*);

template <typename Function>
Function WineFunction(const char* name)
{
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), name)));
}

std::string HostPath(const std::filesystem::path& path)
{
    auto hostName = WineFunction<HostNameFunction>("wine_get_unix_file_name");
    char* name = hostName ? hostName(path.c_str()) : nullptr;
    if (!name)
        return {};
    std::string result = name;
    HeapFree(GetProcessHeap(), 0, name);
    return result;
}

std::filesystem::path PathOfHostPath(const std::string& host)
{
    auto dosName = WineFunction<DosNameFunction>("wine_get_dos_file_name");
    wchar_t* name = dosName ? dosName(host.c_str()) : nullptr;
    if (!name)
        return {};
    std::filesystem::path result = name;
    HeapFree(GetProcessHeap(), 0, name);
    return result;
}

// Runs a shell command of the host and waits (at most two minutes) until
// `finished` holds. Wine starts host programs without a process to wait for:
// the command signals its end through the file system, in `watched`.
bool RunOnHost(const std::string& command, const std::filesystem::path& watched,
               const std::function<bool()>& finished)
{
    int size = MultiByteToWideChar(CP_UTF8, 0, command.data(), static_cast<int>(command.size()), nullptr, 0);
    std::wstring script(static_cast<std::size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, command.data(), static_cast<int>(command.size()), script.data(), size);
    std::wstring line = L"/bin/sh -c \"" + script + L"\"";
    STARTUPINFOW startup = {sizeof startup};
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    HANDLE change = FindFirstChangeNotificationW(watched.c_str(), FALSE,
                                                 FILE_NOTIFY_CHANGE_FILE_NAME | FILE_NOTIFY_CHANGE_DIR_NAME);
    ULONGLONG deadline = GetTickCount64() + 120000;
    bool done = false;
    while (!(done = finished()) && GetTickCount64() < deadline) {
        // The notification wakes the wait; its time-out only looks again.
        if (change != INVALID_HANDLE_VALUE && WaitForSingleObject(change, 500) == WAIT_OBJECT_0)
            FindNextChangeNotification(change);
        else if (change == INVALID_HANDLE_VALUE)
            Sleep(100);
    }
    if (change != INVALID_HANDLE_VALUE)
        FindCloseChangeNotification(change);
    return done;
}

} // namespace

DialogDriver::DialogDriver(std::function<void(HWND)> script, UINT timeoutMs) : script_(std::move(script))
{
    t_driver = this;
    hook_ = SetWindowsHookExW(WH_CBT, &DialogDriver::CbtProc, nullptr, GetCurrentThreadId());
    watchdog_ = SetTimer(nullptr, 0, timeoutMs, &DialogDriver::Watchdog);
}

DialogDriver::~DialogDriver()
{
    if (watchdog_)
        KillTimer(nullptr, watchdog_);
    if (hook_)
        UnhookWindowsHookEx(hook_);
    t_driver = nullptr;
    EXPECT_FALSE(timedOut_) << "a dialog did not end in time";
}

LRESULT CALLBACK DialogDriver::CbtProc(int code, WPARAM wParam, LPARAM lParam)
{
    DialogDriver* self = t_driver;
    if (code == HCBT_ACTIVATE && self) {
        HWND hwnd = reinterpret_cast<HWND>(wParam);
        if (IsDialogClass(hwnd)) {
            if (GetDlgItem(hwnd, 1004) && !self->fileDialog_) {
                self->fileDialog_ = hwnd;
                SetTimer(nullptr, 0, 0, &DialogDriver::RunScript);
            } else if (hwnd != self->fileDialog_ &&
                       std::find(self->pendingBoxes_.begin(), self->pendingBoxes_.end(), hwnd) ==
                           self->pendingBoxes_.end()) {
                self->pendingBoxes_.push_back(hwnd);
                SetTimer(nullptr, 0, 0, &DialogDriver::AnswerBox);
            }
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void CALLBACK DialogDriver::RunScript(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    DialogDriver* self = t_driver;
    if (!self || self->scriptRan_ || !IsWindow(self->fileDialog_))
        return;
    self->scriptRan_ = true;
    self->script_(self->fileDialog_);
}

void CALLBACK DialogDriver::AnswerBox(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    DialogDriver* self = t_driver;
    if (!self || self->pendingBoxes_.empty())
        return;
    HWND box = self->pendingBoxes_.front();
    self->pendingBoxes_.erase(self->pendingBoxes_.begin());
    if (!IsWindow(box))
        return;
    std::wstring text;
    EnumChildWindows(box, &CollectText, reinterpret_cast<LPARAM>(&text));
    self->boxTexts_.push_back(text);
    if (self->answers_.empty()) {
        ADD_FAILURE() << "an unexpected box was shown";
        PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
        return;
    }
    ButtonSearch search{self->answers_.front()};
    self->answers_.pop_front();
    EnumChildWindows(box, &FindButton, reinterpret_cast<LPARAM>(&search));
    if (!search.found) {
        ADD_FAILURE() << "no button for the answer";
        PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
        return;
    }
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(search.found), BN_CLICKED),
                 reinterpret_cast<LPARAM>(search.found));
}

void CALLBACK DialogDriver::Watchdog(HWND, UINT, UINT_PTR id, DWORD)
{
    DialogDriver* self = t_driver;
    if (!self)
        return;
    self->timedOut_ = true;
    EndMenu();
    EnumThreadWindows(GetCurrentThreadId(), &CancelWindow, 0);
}

std::wstring ControlText(HWND dialog, int id)
{
    wchar_t text[1024] = {};
    GetDlgItemTextW(dialog, id, text, 1024);
    return text;
}

std::wstring ListText(HWND list, int item, int column)
{
    wchar_t text[520] = {};
    LVITEMW lv = {};
    lv.iSubItem = column;
    lv.pszText = text;
    lv.cchTextMax = 520;
    SendMessageW(list, LVM_GETITEMTEXTW, item, reinterpret_cast<LPARAM>(&lv));
    return text;
}

int ListCount(HWND list)
{
    return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
}

int ListFocused(HWND list)
{
    return static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
}

std::vector<std::wstring> ListColumn(HWND list, int column)
{
    std::vector<std::wstring> texts;
    for (int i = 0; i < ListCount(list); ++i)
        texts.push_back(ListText(list, i, column));
    return texts;
}

std::optional<FileId> FileIdOf(const std::wstring& path)
{
    // Backup semantics let a folder be opened too.
    win::UniqueFile file(CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                     nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION info = {};
    if (!file || !GetFileInformationByHandle(file.get(), &info))
        return std::nullopt;
    return FileId{info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
}

std::optional<FileId> FileIdOf(const std::string& cp932Path)
{
    return FileIdOf(cp932::ToWide(cp932Path));
}

void TypeAndEnter(HWND dialog, const std::wstring& text)
{
    SetDlgItemTextW(dialog, 1000, text.c_str());
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
}

void Command(HWND dialog, int id)
{
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

TempTree::TempTree()
{
    wchar_t base[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, base);
    static int counter = 0;
    root_ = std::filesystem::path(base) /
            (L"lumadlg-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++counter));
    std::filesystem::create_directories(root_);
}

TempTree::~TempTree()
{
    std::error_code ignored;
    for (auto it = std::filesystem::recursive_directory_iterator(root_, ignored);
         it != std::filesystem::recursive_directory_iterator(); it.increment(ignored))
        SetFileAttributesW(it->path().c_str(), FILE_ATTRIBUTE_NORMAL);
    std::filesystem::remove_all(root_, ignored);
}

std::filesystem::path TempTree::Folder(const std::wstring& relative)
{
    std::filesystem::path p = root_ / relative;
    std::filesystem::create_directories(p);
    return p;
}

std::filesystem::path TempTree::File(const std::wstring& relative, std::size_t bytes)
{
    std::filesystem::path p = root_ / relative;
    std::filesystem::create_directories(p.parent_path());
    std::ofstream out(p, std::ios::binary);
    std::string data(bytes, 'x');
    out.write(data.data(), static_cast<std::streamsize>(data.size()));
    return p;
}

void TempTree::SetAttributes(const std::wstring& relative, DWORD attributes)
{
    SetFileAttributesW((root_ / relative).c_str(), attributes);
}

bool TempTree::MakeOnHost(const std::vector<std::wstring>& folders, const std::vector<std::wstring>& files)
{
    std::string root = HostPath(root_);
    if (root.empty())
        return false;
    auto quoted = [](const std::wstring& name) { return " '" + std::string(name.begin(), name.end()) + "'"; };
    std::string command = "cd '" + root + "'";
    for (const std::wstring& folder : folders)
        command += " && mkdir" + quoted(folder);
    for (const std::wstring& file : files)
        command += " && touch" + quoted(file);
    std::filesystem::path mark = root_ / L"host.made";
    command += " && : > host.made";
    bool made = RunOnHost(command, root_, [&] { return std::filesystem::exists(mark); });
    DeleteFileW(mark.c_str());
    return made;
}

ManyEntries::ManyEntries(TempTree& tree, const std::wstring& name, int folders, int files)
{
    std::string treeHost = HostPath(tree.Root());
    if (treeHost.empty()) {
        path_ = tree.Folder(name);
        wchar_t entry[32];
        for (int i = 1; i <= folders; ++i) {
            swprintf(entry, 32, L"folder%05d", i);
            CreateDirectoryW((path_ / entry).c_str(), nullptr);
        }
        for (int i = 1; i <= files; ++i) {
            swprintf(entry, 32, L"file%05d.dat", i);
            CloseHandle(CreateFileW((path_ / entry).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
        }
        made_ = true;
        return;
    }
    // In the host's memory-backed temporary folder when it has one: on a
    // busy disk, making and removing this many entries takes minutes.
    std::string base = "/dev/shm";
    std::filesystem::path baseFolder = PathOfHostPath(base);
    if (baseFolder.empty() || !std::filesystem::is_directory(baseFolder)) {
        base = treeHost;
        baseFolder = tree.Root();
    }
    std::string leaf = tree.Root().filename().string() + "-" + std::filesystem::path(name).string();
    host_ = base + "/" + leaf;
    path_ = baseFolder / leaf;
    std::filesystem::path madeMark = baseFolder / (leaf + ".made");
    std::string command = "rm -rf '" + host_ + "' && mkdir '" + host_ + "' && cd '" + host_ + "' && ";
    if (folders > 0)
        command += "seq -f folder%05g 1 " + std::to_string(folders) + " | xargs mkdir && ";
    if (files > 0)
        command += "seq -f file%05g.dat 1 " + std::to_string(files) + " | xargs touch && ";
    command += ": > '" + host_ + ".made'";
    made_ = RunOnHost(command, baseFolder, [&] { return std::filesystem::exists(madeMark); });
}

ManyEntries::~ManyEntries()
{
    if (host_.empty())
        return; // inside the tree, which removes it
    std::filesystem::path madeMark = path_.parent_path() / (path_.filename().wstring() + L".made");
    RunOnHost("rm -rf '" + host_ + "' && rm -f '" + host_ + ".made'", path_.parent_path(),
              [&] { return !std::filesystem::exists(madeMark) && !std::filesystem::exists(path_); });
}

} // namespace dialogtest
