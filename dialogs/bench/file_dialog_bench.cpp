// Benchmark of the dialogs' lists on large folders, each measured against
// the raw enumeration of the same folder in the same run (FindFirstFileExW
// with basic information and large fetch, nothing else):
//   - the file dialog, from FileDlg_DoModal to its filled, focused list, on
//     folders of 10,000 and 70,000 files (65,535 listed);
//   - the folder dialog, from FolderDlg_DoModal to its filled, focused list,
//     on folders of 10,000 and 70,000 subfolders;
//   - on the 65,535-entry list, each sort key (the first sort by a key, with
//     anything it computes on first use) and toggling its direction;
//   - memory per entry (heap bytes in use), and the longest time the window
//     did not answer while a folder was being listed;
//   - both dialogs on folders of one entry: their own time besides listing;
//   - once, as the yardstick, the platform's own open dialog
//     (GetOpenFileNameW) on the file folders, timed to its filled list.
// Each figure is the median of several runs. Prints figures; not a test.
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <ole2.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cwchar>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "dialogs/lumadlg.h"
#include "win/cp932.h"

namespace {

constexpr int kList = 1004;
constexpr int kFolderList = 1029;
constexpr int kMaxEntries = 65535;

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

// Bytes in use in all of the process's heaps, walked: memory that a heap
// keeps after it was freed does not count, so each run measures alike.
SIZE_T HeapBytesInUse()
{
    std::vector<HANDLE> heaps(GetProcessHeaps(0, nullptr) + 16);
    DWORD count = GetProcessHeaps(static_cast<DWORD>(heaps.size()), heaps.data());
    SIZE_T total = 0;
    for (DWORD i = 0; i < count && i < heaps.size(); ++i) {
        if (!HeapLock(heaps[i]))
            continue;
        PROCESS_HEAP_ENTRY entry = {};
        while (HeapWalk(heaps[i], &entry))
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY)
                total += entry.cbData + entry.cbOverhead;
        HeapUnlock(heaps[i]);
    }
    return total;
}

double Median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// The folder of `count` files (or subfolders) under base, made here unless it
// already holds that many (scripts/bench makes them faster from outside).
std::filesystem::path MakeFolder(const std::filesystem::path& base, int count, bool folders)
{
    std::filesystem::path folder =
        base / ((folders ? L"lumadlg-bench-dirs-" : L"lumadlg-bench-") + std::to_wstring(count));
    std::filesystem::create_directories(folder);
    int existing = 0;
    for (auto it = std::filesystem::directory_iterator(folder); it != std::filesystem::directory_iterator(); ++it)
        ++existing;
    for (int i = existing; i < count; ++i) {
        wchar_t name[64];
        if (folders) {
            swprintf(name, 64, L"folder%06d", (i * 7919) % count);
            CreateDirectoryW((folder / name).c_str(), nullptr);
            continue;
        }
        swprintf(name, 64, L"file%06d.dat", (i * 7919) % count);
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

// ---------------------------------------------------------------- raw enumeration

struct Raw {
    double ms = 0;
    int entries = 0; // besides "." and ".."
};

Raw RawEnumeration(const std::filesystem::path& folder)
{
    Raw raw;
    double start = Now();
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileExW((folder / L"*.*").c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr,
                                   FIND_FIRST_EX_LARGE_FETCH);
    if (find != INVALID_HANDLE_VALUE) {
        do
            ++raw.entries;
        while (FindNextFileW(find, &found));
        FindClose(find);
    }
    raw.ms = Now() - start;
    raw.entries = std::max(0, raw.entries - 2);
    return raw;
}

// ---------------------------------------------------------------- one dialog run

// What one run of a dialog measured.
struct Run {
    double ready = 0;     // ms from the DoModal call to the filled, focused, drawn list
    double sorts[8] = {}; // name, name again, size, size again, ... (file dialog only)
    int entries = 0;
    double bytesPerEntry = 0;
    double longestSilence = 0; // longest wait for the window to answer while it listed
};

// The run under way: the thread's hooks find its window and measure it.
struct Measure {
    int listId = 0;
    int expected = 0; // entries of the filled list
    bool sorts = false;
    double start = 0;
    SIZE_T before = 0;
    HWND dialog = nullptr;
    bool ready = false;
    Run run;
    HHOOK cbt = nullptr;
    HHOOK getMessage = nullptr;
} g_measure;

// A thread that keeps asking the window for an answer (as a screen reader
// does) and records the longest wait, until told to stop.
class Prober {
public:
    Prober()
    {
        thread_ = std::thread([this] {
            while (!stop_) {
                HWND dialog = target_.load();
                if (dialog) {
                    double t = Now();
                    DWORD_PTR ignored = 0;
                    SendMessageTimeoutW(dialog, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &ignored);
                    double waited = Now() - t;
                    if (!ready_)
                        longest_ = std::max(longest_.load(), waited);
                }
                Sleep(5);
            }
        });
    }
    ~Prober()
    {
        stop_ = true;
        thread_.join();
    }
    void Watch(HWND dialog) { target_ = dialog; }
    void Ready() { ready_ = true; }
    double Longest() const { return longest_; }

private:
    std::atomic<HWND> target_{nullptr};
    std::atomic<bool> ready_{false};
    std::atomic<bool> stop_{false};
    std::atomic<double> longest_{0};
    std::thread thread_;
};
Prober* g_prober = nullptr;

double TimedCommand(HWND dialog, int command)
{
    HWND list = GetDlgItem(dialog, kList);
    double t = Now();
    SendMessageW(dialog, WM_COMMAND, command, 0);
    UpdateWindow(list);
    return Now() - t;
}

void CALLBACK MeasureSorts(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    HWND dialog = g_measure.dialog;
    for (int key = 0; key < 4; ++key) {
        g_measure.run.sorts[2 * key] = TimedCommand(dialog, 1109 + key);     // the key, ascending
        g_measure.run.sorts[2 * key + 1] = TimedCommand(dialog, 1109 + key); // the same key: direction toggled
    }
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
}

// Ready: the list holds every entry and has the focus. Checked at every
// message the dialog's modal loop takes.
LRESULT CALLBACK OnGetMessage(int code, WPARAM wParam, LPARAM lParam)
{
    Measure& m = g_measure;
    if (code == HC_ACTION && m.dialog && !m.ready) {
        HWND list = GetDlgItem(m.dialog, m.listId);
        if (list && GetFocus() == list &&
            static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)) == m.expected) {
            UpdateWindow(list);
            m.ready = true;
            m.run.ready = Now() - m.start;
            m.run.entries = m.expected;
            SIZE_T during = HeapBytesInUse();
            if (during > m.before)
                m.run.bytesPerEntry = static_cast<double>(during - m.before) / m.expected;
            if (g_prober)
                g_prober->Ready();
            if (m.sorts)
                SetTimer(nullptr, 0, 0, &MeasureSorts);
            else
                PostMessageW(m.dialog, WM_COMMAND, IDCANCEL, 0);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK OnCbt(int code, WPARAM wParam, LPARAM lParam)
{
    // The dialog is created (and lists) inside DoModal; the prober watches
    // it from its first message on.
    if (code == HCBT_CREATEWND && !g_measure.dialog) {
        auto* create = reinterpret_cast<CBT_CREATEWNDW*>(lParam);
        if (create->lpcs->lpszClass == MAKEINTATOM(32770) && g_prober)
            g_prober->Watch(reinterpret_cast<HWND>(wParam));
    }
    if (code == HCBT_ACTIVATE && !g_measure.dialog && GetDlgItem(reinterpret_cast<HWND>(wParam), g_measure.listId))
        g_measure.dialog = reinterpret_cast<HWND>(wParam);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

template <typename RunDialog>
Run MeasureRun(int listId, int expected, bool sorts, RunDialog runDialog)
{
    g_measure = {};
    g_measure.listId = listId;
    g_measure.expected = expected;
    g_measure.sorts = sorts;
    Prober prober;
    g_prober = &prober;
    g_measure.cbt = SetWindowsHookExW(WH_CBT, &OnCbt, nullptr, GetCurrentThreadId());
    g_measure.getMessage = SetWindowsHookExW(WH_GETMESSAGE, &OnGetMessage, nullptr, GetCurrentThreadId());
    g_measure.before = HeapBytesInUse();
    g_measure.start = Now();
    runDialog();
    UnhookWindowsHookEx(g_measure.getMessage);
    UnhookWindowsHookEx(g_measure.cbt);
    g_prober = nullptr;
    Run run = g_measure.run;
    run.longestSilence = prober.Longest();
    if (!g_measure.ready)
        std::printf("    (the list never held the %d entries expected)\n", expected);
    return run;
}

Run RunFileDialog(const std::filesystem::path& folder, int expected, bool sorts)
{
    std::string path = cp932::FromWide(folder.wstring());
    HLUMADLG d = FileDlg_Create(1, nullptr, nullptr, path.c_str(), nullptr, nullptr);
    FileDlgExStyle style = {};
    style.mask = 0x1;
    style.style = FDS_FILEMUSTEXIST | FDS_FOCUSLIST;
    FileDlg_SetExtendedStyle(d, &style);
    Run run = MeasureRun(kList, expected, sorts, [&] { FileDlg_DoModal(d); });
    FileDlg_Delete(d);
    return run;
}

Run RunFolderDialog(const std::filesystem::path& folder, int expected)
{
    std::string path = cp932::FromWide(folder.wstring());
    HLUMADLG d = FolderDlg_Create(path.c_str(), nullptr);
    Run run = MeasureRun(kFolderList, expected, false, [&] { FolderDlg_DoModal(d); });
    FolderDlg_Delete(d);
    return run;
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

// ---------------------------------------------------------------- report

struct Medians {
    std::vector<double> raw, ready, bytes, silence;
    std::vector<double> sorts[8];
};

void PrintReady(const char* what, const Medians& m, int entries)
{
    double raw = Median(m.raw), ready = Median(m.ready);
    std::printf("  %s: %d entries ready in %.0f ms; raw enumeration %.0f ms; ratio %.2f\n", what, entries, ready, raw,
                raw > 0 ? ready / raw : 0.0);
    std::printf("    longest wait for the window to answer while listing: %.0f ms\n", Median(m.silence));
}

void PrintSorts(const Medians& m)
{
    const char* keys[] = {"name", "size", "type", "date"};
    for (int k = 0; k < 4; ++k)
        std::printf("    sort by %-4s: %.0f ms; direction toggled: %.0f ms\n", keys[k], Median(m.sorts[2 * k]),
                    Median(m.sorts[2 * k + 1]));
    std::printf("    memory: about %.0f bytes per entry\n", Median(m.bytes));
}

} // namespace

// lumadlg_bench [--runs N] [--no-platform] [folder]
// The folders go under `folder`, or under the temporary folder.
int wmain(int argc, wchar_t** argv)
{
    std::filesystem::path base;
    int runs = 5;
    bool platform = true;
    for (int i = 1; i < argc; ++i) {
        std::wstring arg = argv[i];
        if (arg == L"--runs" && i + 1 < argc)
            runs = std::max(1, _wtoi(argv[++i]));
        else if (arg == L"--no-platform")
            platform = false;
        else
            base = arg;
    }
    if (base.empty()) {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        base = temp;
    }
    OleInitialize(nullptr);
    std::printf("Medians of %d runs.\n", runs);
    // A folder of one entry first: what the dialogs take besides listing.
    for (int count : {1, 10000, 70000}) {
        std::filesystem::path files = MakeFolder(base, count, false);
        std::filesystem::path folders = MakeFolder(base, count, true);
        RawEnumeration(files); // the first reading of a folder warms the system's caches
        RawEnumeration(folders);

        Medians ours, theirs;
        int listed = 0, folderEntries = 0;
        for (int r = 0; r < runs; ++r) {
            Raw raw = RawEnumeration(files);
            listed = std::min(kMaxEntries, raw.entries + 1); // with "上のフォルダへ"
            ours.raw.push_back(raw.ms);
            Run run = RunFileDialog(files, listed, listed == kMaxEntries);
            ours.ready.push_back(run.ready);
            ours.bytes.push_back(run.bytesPerEntry);
            ours.silence.push_back(run.longestSilence);
            for (int s = 0; s < 8; ++s)
                ours.sorts[s].push_back(run.sorts[s]);

            Raw rawFolders = RawEnumeration(folders);
            folderEntries = rawFolders.entries + 2; // with "上のフォルダへ" and "このフォルダで決定"
            theirs.raw.push_back(rawFolders.ms);
            Run folderRun = RunFolderDialog(folders, folderEntries);
            theirs.ready.push_back(folderRun.ready);
            theirs.silence.push_back(folderRun.longestSilence);
        }
        if (count == 1) {
            std::printf("Folders of 1 file and of 1 subfolder (the dialogs' own time):\n");
            std::printf("  LUMADLG file dialog ready in %.0f ms, folder dialog in %.0f ms\n", Median(ours.ready),
                        Median(theirs.ready));
            continue;
        }
        std::printf("Folder of %d files:\n", count);
        PrintReady("LUMADLG file dialog", ours, listed);
        if (listed == kMaxEntries)
            PrintSorts(ours);
        else
            std::printf("    memory: about %.0f bytes per entry\n", Median(ours.bytes));
        if (platform)
            RunStandard(files, count);
        std::printf("Folder of %d subfolders:\n", count);
        PrintReady("LUMADLG folder dialog", theirs, folderEntries);
        std::fflush(stdout);
    }
    OleUninitialize();
    return 0;
}
