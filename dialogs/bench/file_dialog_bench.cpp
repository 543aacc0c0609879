// Benchmark of the file dialog on large folders: time from FileDlg_DoModal
// to the filled list, each sort key on the full list, and memory per entry;
// and, as the yardstick, the platform's own open dialog (GetOpenFileNameW)
// on the same folders, timed to its filled list. Prints figures.
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <ole2.h>
#include <psapi.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "dialogs/lumadlg.h"
#include "win/cp932.h"

namespace {

double Now()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

SIZE_T PrivateBytes()
{
    PROCESS_MEMORY_COUNTERS_EX counters = {};
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
    // Some systems leave the private byte count at 0; the working set serves then.
    return counters.PrivateUsage ? counters.PrivateUsage : counters.WorkingSetSize;
}

// The folder of `files` files under base, made here unless it already holds
// that many (scripts may make it faster from outside).
std::filesystem::path MakeFolder(const std::filesystem::path& base, int files)
{
    std::filesystem::path folder = base / (L"lumadlg-bench-" + std::to_wstring(files));
    std::filesystem::create_directories(folder);
    int existing = 0;
    for (auto it = std::filesystem::directory_iterator(folder); it != std::filesystem::directory_iterator(); ++it)
        ++existing;
    for (int i = existing; i < files; ++i) {
        wchar_t name[64];
        swprintf(name, 64, L"file%06d.dat", (i * 7919) % files);
        HANDLE h = CreateFileW((folder / name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        if (h != INVALID_HANDLE_VALUE) {
            DWORD written = 0;
            std::string data(static_cast<std::size_t>(i % 3000), 'x');
            WriteFile(h, data.data(), static_cast<DWORD>(data.size()), &written, nullptr);
            CloseHandle(h);
        }
    }
    return folder;
}

// ---------------------------------------------------------------- our dialog

struct OurRun {
    double start = 0, listed = 0;
    double sorts[4] = {};
    int entries = 0;
    SIZE_T before = 0, during = 0;
} g_our;
HHOOK g_hook = nullptr;

void CALLBACK MeasureOurs(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    HWND dialog = GetActiveWindow();
    HWND list = GetDlgItem(dialog, 1004);
    g_our.entries = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    g_our.during = PrivateBytes();
    for (int key = 0; key < 4; ++key) {
        double t = Now();
        SendMessageW(dialog, WM_COMMAND, 1109 + key, 0);
        UpdateWindow(list);
        g_our.sorts[key] = Now() - t;
    }
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
}

LRESULT CALLBACK OurCbt(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_ACTIVATE && GetDlgItem(reinterpret_cast<HWND>(wParam), 1004) && g_our.listed == 0) {
        // The list was filled during initialisation; it is drawn when the
        // window shows, just after activation.
        HWND list = GetDlgItem(reinterpret_cast<HWND>(wParam), 1004);
        UpdateWindow(list);
        g_our.listed = Now();
        SetTimer(nullptr, 0, 0, &MeasureOurs);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void RunOurs(const std::filesystem::path& folder)
{
    g_our = {};
    std::string path = cp932::FromWide(folder.wstring());
    HLUMADLG d = FileDlg_Create(1, nullptr, nullptr, path.c_str(), nullptr, nullptr);
    g_hook = SetWindowsHookExW(WH_CBT, &OurCbt, nullptr, GetCurrentThreadId());
    g_our.before = PrivateBytes();
    g_our.start = Now();
    FileDlg_DoModal(d);
    UnhookWindowsHookEx(g_hook);
    FileDlg_Delete(d);
    std::printf("  LUMADLG file dialog: %d entries listed in %.0f ms\n", g_our.entries, g_our.listed - g_our.start);
    const char* keys[] = {"name", "size", "type", "date"};
    for (int k = 0; k < 4; ++k)
        std::printf("    sort by %-4s: %.0f ms\n", keys[k], g_our.sorts[k]);
    if (g_our.entries > 0 && g_our.during > g_our.before)
        std::printf("    memory: about %.0f bytes per entry\n",
                    static_cast<double>(g_our.during - g_our.before) / g_our.entries);
}

// ---------------------------------------------------------------- the platform's dialog

struct StandardRun {
    double start = 0, listed = 0;
    int expected = 0, entries = 0;
    HWND dialog = nullptr;
} g_std;

HWND FindListView(HWND dialog)
{
    HWND view = FindWindowExW(dialog, nullptr, L"SHELLDLL_DefView", nullptr);
    return view ? FindWindowExW(view, nullptr, L"SysListView32", nullptr) : nullptr;
}

void CALLBACK PollStandard(HWND, UINT, UINT_PTR id, DWORD)
{
    HWND list = FindListView(g_std.dialog);
    int count = list ? static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)) : 0;
    if (count >= g_std.expected || Now() - g_std.start > 600000) {
        KillTimer(nullptr, id);
        if (list)
            UpdateWindow(list);
        g_std.listed = Now();
        g_std.entries = count;
        PostMessageW(g_std.dialog, WM_COMMAND, IDCANCEL, 0);
    }
}

UINT_PTR CALLBACK StandardHook(HWND child, UINT msg, WPARAM, LPARAM lParam)
{
    if (msg == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == CDN_INITDONE) {
        g_std.dialog = GetParent(child);
        SetTimer(nullptr, 0, 1, &PollStandard);
    }
    return 0;
}

void RunStandard(const std::filesystem::path& folder, int files)
{
    g_std = {};
    g_std.expected = files;
    wchar_t result[MAX_PATH] = {};
    std::wstring initial = folder.wstring();
    OPENFILENAMEW ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.lpstrFile = result;
    ofn.nMaxFile = MAX_PATH;
    ofn.lpstrInitialDir = initial.c_str();
    ofn.lpstrFilter = L"All files\0*.*\0";
    ofn.Flags = OFN_EXPLORER | OFN_ENABLEHOOK | OFN_FILEMUSTEXIST;
    ofn.lpfnHook = &StandardHook;
    g_std.start = Now();
    GetOpenFileNameW(&ofn);
    std::printf("  platform open dialog: %d entries listed in %.0f ms\n", g_std.entries, g_std.listed - g_std.start);
}

} // namespace

// The folders go under the folder named by the first argument, or under the
// temporary folder.
int wmain(int argc, wchar_t** argv)
{
    std::filesystem::path base;
    if (argc > 1) {
        base = argv[1];
    } else {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        base = temp;
    }
    OleInitialize(nullptr);
    for (int files : {10000, 70000}) {
        std::printf("Folder of %d files:\n", files);
        std::fflush(stdout);
        std::filesystem::path folder = MakeFolder(base, files);
        RunOurs(folder);
        std::fflush(stdout);
        RunStandard(folder, files);
        std::fflush(stdout);
    }
    OleUninitialize();
    return 0;
}
