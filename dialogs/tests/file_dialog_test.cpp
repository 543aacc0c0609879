// The file dialog run through the exports and driven on the test's thread:
// listing, sorting, spoken feedback, typed names, questions, the acceptance
// hook and the caller's results.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "dialogs/folder/tests/folder_driver.h"
#include "dialogs/lumadlg.h"
#include "dialogs/tests/dialog_driver.h"
#include "tests/support/transcript_reader.h"
#include "tests/support/window_operation.h"
#include "win/cp932.h"
#include "win/handles.h"
#include "win/registry.h"

using namespace dialogtest;

namespace {

constexpr int kName = 1000, kFolderLine = 1001, kDrives = 1002, kList = 1004;

std::string Bytes(const std::wstring& text) { return cp932::FromWide(text); }

class FileDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        tree.Folder(L"beta");
        tree.Folder(L"Alpha");
        tree.File(L"a.zlq", 0);
        tree.File(L"b.txt", 50);
        tree.File(L"c.dat", 1123);
        tree.File(L"d.dat", 1124);
        tree.File(L"e.dat", 1048576);
        tree.File(L"Alpha\\inner.zlq", 5);
    }
    void TearDown() override
    {
        if (dialog)
            FileDlg_Delete(dialog);
    }

    HLUMADLG Create(int openMode, const std::wstring& folder, const std::wstring& filter = L"",
                    const std::wstring& defaultExt = L"")
    {
        std::string f = Bytes(folder), flt = Bytes(filter), ext = Bytes(defaultExt);
        dialog = FileDlg_Create(openMode, ext.empty() ? nullptr : ext.c_str(), nullptr, f.c_str(),
                                flt.empty() ? nullptr : flt.c_str(), nullptr);
        return dialog;
    }
    void SetStyle(DWORD mask, DWORD style, DWORD driveTypes = 0, FileDlgAcceptHook hook = nullptr)
    {
        FileDlgExStyle r = {};
        r.mask = mask;
        r.style = style;
        r.driveTypes = driveTypes;
        r.acceptHook = hook;
        FileDlg_SetExtendedStyle(dialog, &r);
    }
    std::wstring Path(unsigned index = 0)
    {
        char buffer[MAX_PATH * 2];
        FileDlg_GetPathName(dialog, buffer, sizeof buffer, index);
        return cp932::ToWide(buffer);
    }
    // Texts the reader was given: "SpeakEx:...", "Speak0:...", "Speak1:...".
    std::vector<std::wstring> Spoken()
    {
        std::vector<std::wstring> said;
        for (const auto& e : transcript.Entries()) {
            if (e.size() >= 5 && e[0] == L"reader" && e[1] == L"SpeakEx")
                said.push_back(L"SpeakEx:" + e[4]);
            else if (e.size() >= 4 && e[0] == L"reader" && e[1] == L"Speak")
                said.push_back(L"Speak" + e[2] + L":" + e[3]);
        }
        return said;
    }
    bool WasSpoken(const std::wstring& entry)
    {
        auto s = Spoken();
        return std::find(s.begin(), s.end(), entry) != s.end();
    }

    TempTree tree;
    testsupport::ScopedTranscript transcript;
    HLUMADLG dialog = nullptr;
};

TEST_F(FileDialog, CancelReturnsTwoAndRestoresTheReaderMode)
{
    Create(1, tree.Path());
    std::wstring title, ok, label;
    DialogDriver driver([&](HWND d) {
        wchar_t text[128] = {};
        GetWindowTextW(d, text, 128);
        title = text;
        ok = ControlText(d, IDOK);
        label = ControlText(d, 1016);
        EXPECT_EQ(GetFocus(), GetDlgItem(d, kName)) << "the name box has the focus";
        EXPECT_EQ(ControlText(d, kFolderLine), tree.Path());
        PostMessageW(d, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(FileDlg_DoModal(dialog), 2);
    EXPECT_TRUE(driver.ScriptRan());
    EXPECT_EQ(title, L"ファイルを開く");
    EXPECT_EQ(ok, L"開く");
    EXPECT_EQ(label, L"現在のドライブ");
    EXPECT_EQ(FileDlg_GetSelectedCount(dialog), 0);

    std::vector<std::vector<std::wstring>> modes;
    for (const auto& e : transcript.Entries())
        if (e.size() >= 4 && e[0] == L"reader" && e[1] == L"SetMode")
            modes.push_back(e);
    ASSERT_EQ(modes.size(), 2u);
    EXPECT_EQ(modes[0][2], L"131074");
    EXPECT_EQ(modes[0][3], L"524544");
    ASSERT_GE(modes[0].size(), 6u);
    EXPECT_EQ(modes[1][2], L"131074");
    EXPECT_EQ(modes[1][3], modes[0][5]) << "the saved mode is handed back";
}

TEST_F(FileDialog, CaptionOverridesServeOneRun)
{
    Create(0, tree.Path());
    FileDlg_SetWindowText(dialog, Bytes(L"クイズを開く").c_str(), -1);
    FileDlg_SetWindowText(dialog, Bytes(L"決定").c_str(), 1);
    FileDlg_SetWindowText(dialog, Bytes(L"場所").c_str(), 1017);
    std::vector<std::wstring> seen;
    auto record = [&](HWND d) {
        wchar_t text[128] = {};
        GetWindowTextW(d, text, 128);
        seen.push_back(text);
        seen.push_back(ControlText(d, IDOK));
        seen.push_back(ControlText(d, 1017));
        PostMessageW(d, WM_COMMAND, IDCANCEL, 0);
    };
    {
        DialogDriver driver(record);
        EXPECT_EQ(FileDlg_DoModal(dialog), 2);
    }
    {
        DialogDriver driver(record);
        EXPECT_EQ(FileDlg_DoModal(dialog), 2);
    }
    EXPECT_EQ(seen, (std::vector<std::wstring>{L"クイズを開く", L"決定", L"場所", L"ファイル名をつけて保存", L"保存",
                                               L"現在のフォルダ"}));
}

TEST_F(FileDialog, ListsFoldersThenFilesWithSizes)
{
    Create(1, tree.Path());
    std::vector<std::wstring> names, sizes;
    DialogDriver driver([&](HWND d) {
        HWND list = GetDlgItem(d, kList);
        names = ListColumn(list, 0);
        sizes = ListColumn(list, 1);
        PostMessageW(d, WM_COMMAND, IDCANCEL, 0);
    });
    FileDlg_DoModal(dialog);
    EXPECT_EQ(names, (std::vector<std::wstring>{L"上のフォルダへ", L"Alpha", L"beta", L"a.zlq", L"b.txt", L"c.dat",
                                                L"d.dat", L"e.dat"}));
    EXPECT_EQ(sizes, (std::vector<std::wstring>{L"", L"", L"", L"0KB", L"1KB", L"1KB", L"2KB", L"1,024KB"}));
}

// At most 65,535 entries are listed, folders before files: a folder of
// 65,536 entries (with "上のフォルダへ") leaves one file out, a larger one
// only files, and one that just fits is listed in full.
TEST_F(FileDialog, AtMost65535EntriesFoldersFirst)
{
    ManyEntries full(tree, L"full", 30000, 35535);
    ManyEntries over(tree, L"over", 40000, 30000);
    ASSERT_TRUE(full.Made() && over.Made());
    Create(1, full.Path().wstring());
    struct Seen {
        std::wstring line;
        int count;
        std::wstring lastFolder, firstFile, last;
    };
    std::vector<Seen> seen;
    int focusedOnEntry = -1;
    DialogDriver driver(
        [&](HWND d) {
            HWND list = GetDlgItem(d, kList);
            auto look = [&](int folders) {
                int count = ListCount(list);
                seen.push_back({ControlText(d, kFolderLine), count, ListText(list, folders),
                                ListText(list, folders + 1), ListText(list, count - 1)});
            };
            look(30000);
            SetFocus(list);
            focusedOnEntry = ListFocused(list);
            DeleteFileW((full.Path() / L"file00001.dat").c_str());
            TypeAndEnter(d, full.Path().wstring());
            look(30000);
            TypeAndEnter(d, over.Path().wstring());
            look(40000);
            PostMessageW(d, WM_COMMAND, IDCANCEL, 0);
        },
        60000);
    EXPECT_EQ(FileDlg_DoModal(dialog), 2);
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].line, full.Path().wstring());
    EXPECT_EQ(seen[0].count, 65535);
    EXPECT_EQ(seen[0].lastFolder, L"folder30000") << "every folder is listed";
    EXPECT_EQ(seen[0].firstFile.substr(0, 4), L"file");
    EXPECT_EQ(focusedOnEntry, 30001) << "the first file follows the folders";
    EXPECT_EQ(seen[1].count, 65535);
    EXPECT_EQ(seen[1].firstFile, L"file00002.dat");
    EXPECT_EQ(seen[1].last, L"file35535.dat") << "a folder that just fits is listed in full";
    EXPECT_EQ(seen[2].line, over.Path().wstring() + L"\\");
    EXPECT_EQ(seen[2].count, 65535);
    EXPECT_EQ(seen[2].lastFolder, L"folder40000");
    EXPECT_EQ(seen[2].firstFile.substr(0, 4), L"file");
}

TEST_F(FileDialog, RootListsTheDriveEntryFirst)
{
    std::wstring root = tree.Path().substr(0, 3);
    Create(1, root);
    std::vector<std::wstring> names;
    DialogDriver driver([&](HWND d) {
        names = ListColumn(GetDlgItem(d, kList), 0);
        PostMessageW(d, WM_COMMAND, IDCANCEL, 0);
    });
    FileDlg_DoModal(dialog);
    ASSERT_FALSE(names.empty());
    EXPECT_EQ(names[0], L"ドライブ選択へ");
    EXPECT_EQ(std::count(names.begin(), names.end(), L"上のフォルダへ"), 0);
}

TEST_F(FileDialog, HiddenAndReadOnlyRules)
{
    tree.File(L".secret", 1);
    tree.SetAttributes(L".secret", FILE_ATTRIBUTE_HIDDEN);
    tree.File(L"locked.txt", 1);
    tree.SetAttributes(L"locked.txt", FILE_ATTRIBUTE_READONLY);
    auto listed = [&](DWORD style) {
        Create(1, tree.Path());
        SetStyle(0x1, style);
        std::vector<std::wstring> names;
        DialogDriver driver([&](HWND d) {
            names = ListColumn(GetDlgItem(d, kList), 0);
            PostMessageW(d, WM_COMMAND, IDCANCEL, 0);
        });
        FileDlg_DoModal(dialog);
        FileDlg_Delete(dialog);
        dialog = nullptr;
        return names;
    };
    auto has = [](const std::vector<std::wstring>& v, const wchar_t* name) {
        return std::find(v.begin(), v.end(), name) != v.end();
    };
    auto plain = listed(0);
    EXPECT_FALSE(has(plain, L".secret"));
    EXPECT_TRUE(has(plain, L"locked.txt"));
    auto both = listed(FDS_SHOWHIDDEN | FDS_HIDEREADONLY);
    EXPECT_TRUE(has(both, L".secret"));
    EXPECT_FALSE(has(both, L"locked.txt"));
}

TEST_F(FileDialog, HiddenExtensionUntilATypedFilter)
{
    Create(1, tree.Path());
    SetStyle(0x1, FDS_FILEMUSTEXIST | FDS_HIDEEXTENSION);
    std::wstring before, after;
    DialogDriver driver([&](HWND d) {
        HWND list = GetDlgItem(d, kList);
        before = ListText(list, 3);
        TypeAndEnter(d, L"*.zlq");
        after = ListText(list, 3);
        EXPECT_EQ(GetFocus(), list) << "the focus moves on to the list";
        EXPECT_EQ(ListCount(list), 4) << "the up entry, both folders and a.zlq";
        PostMessageW(d, WM_COMMAND, IDCANCEL, 0);
    });
    FileDlg_DoModal(dialog);
    EXPECT_EQ(before, L"a");
    EXPECT_EQ(after, L"a.zlq");
}

TEST_F(FileDialog, SortingAndTheSpokenOrderNames)
{
    Create(1, tree.Path());
    std::vector<std::wstring> bySizeTwice;
    std::size_t before = 0;
    DialogDriver driver([&](HWND d) {
        Command(d, 1110);
        Command(d, 1110);
        bySizeTwice = ListColumn(GetDlgItem(d, kList), 0);
        TypeAndEnter(d, L".\\"); // a fresh listing of the same folder
        SetFocus(GetDlgItem(d, kList)); // a focused entry, which the sorts move
        before = Spoken().size();
        for (int i = 0; i < 5; ++i)
            Command(d, 1113);
        PostMessageW(d, WM_COMMAND, IDCANCEL, 0);
    });
    FileDlg_DoModal(dialog);
    EXPECT_EQ(bySizeTwice, (std::vector<std::wstring>{L"上のフォルダへ", L"e.dat", L"d.dat", L"c.dat", L"b.txt",
                                                      L"a.zlq", L"beta", L"Alpha"}));
    // Each sort says its order's name, and nothing else.
    std::vector<std::wstring> said = Spoken();
    said.erase(said.begin(), said.begin() + static_cast<std::ptrdiff_t>(std::min(before, said.size())));
    EXPECT_EQ(said, (std::vector<std::wstring>{L"Speak0:名前順", L"Speak0:サイズ順", L"Speak0:種類順",
                                               L"Speak0:日時順", L"Speak0:名前順"}));
}

TEST_F(FileDialog, FocusFeedbackAndDetails)
{
    Create(1, tree.Path());
    DialogDriver driver([&](HWND d) {
        HWND list = GetDlgItem(d, kList);
        SetFocus(list);
        EXPECT_EQ(ListFocused(list), 3) << "the first file after the folders";
        Command(d, 1100); // size of a.zlq
        SendMessageW(list, WM_KEYDOWN, VK_DOWN, 0);
        SendMessageW(list, WM_KEYUP, VK_DOWN, 0);
        Command(d, 1101); // type of b.txt: not fetched unless drawn or sorted
        SendMessageW(list, WM_KEYDOWN, VK_HOME, 0);
        Command(d, 1100); // the up entry
        Command(d, 1115);
        PostMessageW(d, WM_COMMAND, IDCANCEL, 0);
    });
    FileDlg_DoModal(dialog);
    EXPECT_TRUE(WasSpoken(L"SpeakEx:一覧 a.zlq"));
    EXPECT_TRUE(WasSpoken(L"SpeakEx:0KB"));
    EXPECT_TRUE(WasSpoken(L"SpeakEx:b.txt"));
    EXPECT_TRUE(WasSpoken(L"SpeakEx:上のフォルダへ"));
    EXPECT_TRUE(WasSpoken(L"Speak1:上のフォルダへ"));
    EXPECT_TRUE(WasSpoken(L"SpeakEx:" + tree.Path()));
}

// ---------------------------------------------------------------- the order of the entries

// An entry as the list's order sees it.
struct OrderEntry {
    std::wstring name;
    bool special = false;
    bool folder = false;
    DWORD size = 0;
    ULONGLONG written = 0;
    std::wstring type;
};

int NoCase(const std::wstring& a, const std::wstring& b)
{
    return CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()), b.data(),
                          static_cast<int>(b.size())) -
           CSTR_EQUAL;
}

// The list's comparison in ascending direction: folders before files, then
// by name ignoring case; files by size; files by type, then by name; both by
// date, the newest first.
int CompareAscending(const OrderEntry& a, const OrderEntry& b, unsigned key)
{
    if (a.folder != b.folder)
        return a.folder ? -1 : 1;
    if (key == 4)
        return a.written == b.written ? 0 : (a.written > b.written ? -1 : 1);
    if (a.folder || key == 1)
        return NoCase(a.name, b.name);
    if (key == 2)
        return a.size == b.size ? 0 : (a.size < b.size ? -1 : 1);
    int byType = NoCase(a.type, b.type);
    return byType != 0 ? byType : NoCase(a.name, b.name);
}

// Sorting as the list sorts: the special entry stays on top, the descending
// direction reverses every other comparison, and entries the comparison
// holds equal keep their places.
void SortAsTheList(std::vector<OrderEntry>& entries, unsigned key, bool descending)
{
    std::stable_sort(entries.begin(), entries.end(), [&](const OrderEntry& a, const OrderEntry& b) {
        if (a.special || b.special)
            return a.special && !b.special;
        int r = CompareAscending(a, b, key);
        return descending ? r > 0 : r < 0;
    });
}

std::vector<std::wstring> NamesOf(const std::vector<OrderEntry>& entries)
{
    std::vector<std::wstring> names;
    for (const OrderEntry& e : entries)
        names.push_back(e.name);
    return names;
}

void SetWritten(const std::filesystem::path& path, ULONGLONG written)
{
    win::UniqueFile file(CreateFileW(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                     OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    FILETIME time{static_cast<DWORD>(written), static_cast<DWORD>(written >> 32)};
    SetFileTime(file.get(), nullptr, nullptr, &time);
}

// A folder of names that differ only in case, width, kana type and digits,
// long names, and one name in several types; many entries share a size or
// a date. Returns the entries as a listing finds them: the special entry
// and the folders, then the files, each in the order the file system gives.
std::vector<OrderEntry> MakeMixedFolder(TempTree& tree, const std::filesystem::path& mixed)
{
    const std::vector<std::wstring> folders = {L"beta", L"Alpha", L"ＡＬＰＨＡ", L"あ", L"ア", L"data", L"10", L"9",
                                               L"co-op", L"coop"};
    const std::wstring longName = L"long" + std::wstring(180, L'n');
    const std::vector<std::wstring> files = {
        L"a.txt", L"ａ.txt", L"Ａ.DAT", L"あ.txt", L"ア.txt", L"ｱ.txt", L"ぁ.txt", L"file9.dat", L"file10.dat",
        L"file010.dat", longName + L"1.txt", longName + L"2.txt", longName + L".dat", L"data.txt", L"data.dat",
        L"data.zlq", L"co-op.txt", L"coop.txt", L"co'op.txt", L"_x.txt", L"~x.txt", L"x y.txt", L"日本.txt",
        L"二本.txt", L"ﾆﾎﾝ.txt", L"にほん.txt", L"ニホン.txt", L"README", L"b.Dat"};
    const std::wstring folder = mixed.filename().wstring();
    for (const std::wstring& name : folders)
        tree.Folder(folder + L"\\" + name);
    for (std::size_t i = 0; i < files.size(); ++i)
        tree.File(folder + L"\\" + files[i], (i % 4) * 100);
    // Names that differ from others only in letter case.
    if (!tree.MakeOnHost({folder + L"/BETA", folder + L"/ALPHA"},
                         {folder + L"/A.txt", folder + L"/Data.txt", folder + L"/readme"}))
        std::printf("(names that differ only in case cannot be made here)\n");
    // Three dates, so that many entries share one.
    int n = 0;
    for (const auto& entry : std::filesystem::directory_iterator(mixed))
        SetWritten(entry.path(), 133000000000000000ull + static_cast<ULONGLONG>(n++ % 3) * 864000000000ull);

    std::vector<OrderEntry> found, foundFiles;
    WIN32_FIND_DATAW data;
    win::UniqueFind find(FindFirstFileExW((mixed / L"*.*").c_str(), FindExInfoBasic, &data, FindExSearchNameMatch,
                                          nullptr, FIND_FIRST_EX_LARGE_FETCH));
    if (!find)
        return found;
    do {
        OrderEntry e;
        e.name = data.cFileName;
        e.written = (static_cast<ULONGLONG>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                    data.ftLastWriteTime.dwLowDateTime;
        if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            e.size = data.nFileSizeLow;
            foundFiles.push_back(e);
            continue;
        }
        if (e.name == L".")
            continue;
        e.folder = true;
        if (e.name == L"..") {
            e.special = true;
            e.name = L"上のフォルダへ";
        }
        found.push_back(e);
    } while (FindNextFileW(find.get(), &data));
    found.insert(found.end(), foundFiles.begin(), foundFiles.end());
    return found;
}

// Every sort gives the order of the comparison above, ties included.
TEST_F(FileDialog, SortsFollowTheComparisonTiesIncluded)
{
    const std::filesystem::path mixed = tree.Root() / L"mixed";
    std::vector<OrderEntry> found = MakeMixedFolder(tree, mixed);
    ASSERT_GT(found.size(), 40u);

    const int commands[] = {1109, 1109, 1110, 1110, 1112, 1112, 1111, 1111, 1110,
                            1112, 1109, 1111, 1113, 1113, 1113, 1113, 1113};
    std::vector<std::vector<std::wstring>> listed;
    std::vector<std::wstring> types;
    Create(1, mixed.wstring());
    DialogDriver driver([&](HWND d) {
        HWND list = GetDlgItem(d, kList);
        listed.push_back(ListColumn(list, 0));
        types = ListColumn(list, 2);
        for (int command : commands) {
            Command(d, command);
            listed.push_back(ListColumn(list, 0));
        }
        PostMessageW(d, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(FileDlg_DoModal(dialog), 2);
    ASSERT_EQ(listed.size(), std::size(commands) + 1);
    for (OrderEntry& e : found) {
        auto at = std::find(listed[0].begin(), listed[0].end(), e.name);
        ASSERT_NE(at, listed[0].end()) << "listed: " << cp932::FromWide(e.name);
        e.type = types[static_cast<std::size_t>(at - listed[0].begin())];
    }

    // A listing sorts by name; each command then sorts by its key, the same
    // key again in the other direction, as the list records its order.
    std::vector<OrderEntry> expected = found;
    SortAsTheList(expected, 1, false);
    EXPECT_EQ(listed[0], NamesOf(expected)) << "after the listing";
    unsigned key = 0;
    bool descending = false;
    for (std::size_t i = 0; i < std::size(commands); ++i) {
        unsigned next = commands[i] == 1113 ? (key == 4 ? 1 : key + 1) : static_cast<unsigned>(commands[i] - 1108);
        descending = next == key && !descending;
        key = next;
        SortAsTheList(expected, key, descending);
        EXPECT_EQ(listed[i + 1], NamesOf(expected)) << "after command " << i << ": key " << key
                                                    << (descending ? " descending" : " ascending");
    }
}

// The folder dialog lists the navigation entries first, then the folders by
// name ignoring case (ties as found), and "このフォルダで決定" last.
TEST_F(FileDialog, FolderDialogListsInTheOrderOfItsComparison)
{
    const std::filesystem::path mixed = tree.Root() / L"mixed";
    std::vector<OrderEntry> found = MakeMixedFolder(tree, mixed);
    std::vector<std::wstring> expected;
    std::vector<OrderEntry> folders;
    for (const OrderEntry& e : found)
        if (e.folder && !e.special)
            folders.push_back(e);
    std::stable_sort(folders.begin(), folders.end(), [](const OrderEntry& a, const OrderEntry& b) {
        return lstrcmpiW(a.name.c_str(), b.name.c_str()) < 0;
    });
    expected.push_back(L"上のフォルダへ");
    for (const OrderEntry& e : folders)
        expected.push_back(e.name);
    expected.push_back(L"このフォルダで決定");

    HLUMADLG folderDialog = FolderDlg_Create(cp932::FromWide(mixed.wstring()).c_str(), nullptr);
    ASSERT_TRUE(folderDialog);
    std::vector<std::wstring> listed;
    foldertest::Driver driver;
    int result = driver.Run([&] { return FolderDlg_DoModal(folderDialog); }, [&](HWND d) {
        listed = foldertest::ListTexts(d);
        PostMessageW(d, WM_COMMAND, IDCANCEL, 0);
    });
    FolderDlg_Delete(folderDialog);
    EXPECT_EQ(result, 2);
    EXPECT_EQ(listed, expected);
}

// The focused entry is read whenever its state changes: the focus arriving
// on it, or its selection changing (Ctrl+Space), once each.
TEST_F(FileDialog, SelectionChangesOfTheFocusedEntryAreRead)
{
    Create(1, tree.Path());
    SetStyle(0x1, FDS_MULTISELECT);
    std::size_t before = 0;
    DialogDriver driver([&](HWND d) {
        HWND list = GetDlgItem(d, kList);
        SetFocus(list); // a.zlq, selected and focused
        before = Spoken().size();
        SendMessageW(list, WM_KEYDOWN, VK_DOWN, 0);
        BYTE keys[256] = {};
        GetKeyboardState(keys);
        BYTE control = keys[VK_CONTROL];
        keys[VK_CONTROL] = 0x80;
        SetKeyboardState(keys);
        SendMessageW(list, WM_KEYDOWN, VK_SPACE, 0); // b.txt no longer selected
        SendMessageW(list, WM_KEYDOWN, VK_SPACE, 0); // selected again
        keys[VK_CONTROL] = control;
        SetKeyboardState(keys);
        EXPECT_EQ(SendMessageW(list, LVM_GETSELECTEDCOUNT, 0, 0), 1);
        PostMessageW(d, WM_COMMAND, IDCANCEL, 0);
    });
    FileDlg_DoModal(dialog);
    std::vector<std::wstring> said = Spoken();
    said.erase(said.begin(), said.begin() + static_cast<std::ptrdiff_t>(std::min(before, said.size())));
    EXPECT_EQ(said, (std::vector<std::wstring>{L"SpeakEx:b.txt", L"SpeakEx:b.txt", L"SpeakEx:b.txt"}));
}

TEST_F(FileDialog, GoingUpAndTheDriveList)
{
    Create(1, (tree.Root() / L"Alpha").wstring());
    std::wstring selectedAfterUp, line;
    bool upDisabled = false;
    DialogDriver driver([&](HWND d) {
        HWND list = GetDlgItem(d, kList);
        SetFocus(list);
        SendMessageW(list, WM_KEYDOWN, VK_BACK, 0);
        selectedAfterUp = ListText(list, ListFocused(list));
        EXPECT_EQ(ControlText(d, kFolderLine), tree.Path() + L"\\");
        TypeAndEnter(d, L":");
        line = ControlText(d, kFolderLine);
        upDisabled = !IsWindowEnabled(GetDlgItem(d, 1015)) && !IsWindowEnabled(GetDlgItem(d, 1012)) &&
                     !IsWindowEnabled(GetDlgItem(d, 1013)) && !IsWindowEnabled(GetDlgItem(d, 1014));
        PostMessageW(d, WM_COMMAND, IDCANCEL, 0);
    });
    FileDlg_DoModal(dialog);
    EXPECT_EQ(selectedAfterUp, L"Alpha");
    EXPECT_EQ(line, L"ﾏｲ ｺﾝﾋﾟｭｰﾀ");
    EXPECT_TRUE(upDisabled);
}

TEST_F(FileDialog, TypedFoldersAndRefusals)
{
    tree.Folder(L"other");
    Create(1, tree.Path());
    DialogDriver driver([&](HWND d) {
        HWND box = GetDlgItem(d, kName);
        TypeAndEnter(d, L"Alpha");
        EXPECT_EQ(ControlText(d, kFolderLine), tree.Path() + L"\\Alpha\\");
        DWORD start = 1, end = 0;
        SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, 0u);
        EXPECT_EQ(end, 5u) << "the whole text is selected";
        TypeAndEnter(d, L"..\\other");
        EXPECT_EQ(ControlText(d, kFolderLine), tree.Path() + L"\\other\\");
        TypeAndEnter(d, tree.Path().substr(2) + L"\\Alpha");
        EXPECT_EQ(ControlText(d, kFolderLine), tree.Path() + L"\\Alpha\\");
        driver.AnswerNextBox(L"OK");
        TypeAndEnter(d, L"nothere\\x.zlq");
        driver.AnswerNextBox(L"OK");
        TypeAndEnter(d, L"a|b");
        driver.AnswerNextBox(L"OK");
        TypeAndEnter(d, L"missing.zlq");
        // A drive letter in the other case is another drive: "sub" is looked
        // for at that drive's root.
        std::wstring other(1, static_cast<wchar_t>(towlower(tree.Path()[0])));
        driver.AnswerNextBox(L"OK");
        TypeAndEnter(d, other + L":Alpha");
        TypeAndEnter(d, tree.Path().substr(0, 3));
        driver.AnswerNextBox(L"OK");
        TypeAndEnter(d, L"..");
        PostMessageW(d, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(FileDlg_DoModal(dialog), 2);
    EXPECT_EQ(driver.BoxTexts(), (std::vector<std::wstring>{L"このパス名は存在しません。", L"このファイル名は無効です。",
                                                            L"missing.zlq は見つかりません。", L"Alpha は見つかりません。",
                                                            L"ルートディレクトリです。"}));
}

TEST_F(FileDialog, WildcardThenEnterOpensTheFocusedEntry)
{
    Create(1, tree.Path());
    DialogDriver driver([&](HWND d) {
        TypeAndEnter(d, L"*.dat");
        HWND list = GetDlgItem(d, kList);
        EXPECT_EQ(ListColumn(list, 0), (std::vector<std::wstring>{L"上のフォルダへ", L"Alpha", L"beta", L"c.dat", L"d.dat", L"e.dat"}));
        SetFocus(list);
        TypeAndEnter(d, L"");
    });
    EXPECT_EQ(FileDlg_DoModal(dialog), 1);
    EXPECT_EQ(Path(), tree.Path() + L"\\c.dat");
}

TEST_F(FileDialog, DefaultExtensionAndTheGamesCall)
{
    Create(1, tree.Path(), L"ゼルカクイズデータ(*.zlq)|*.zlq||", L".zlq");
    FileDlg_SetWindowText(dialog, Bytes(L"クイズを開く").c_str(), -1);
    std::vector<std::wstring> names;
    std::wstring type;
    DialogDriver driver([&](HWND d) {
        names = ListColumn(GetDlgItem(d, kList), 0);
        type = ControlText(d, 1003);
        TypeAndEnter(d, L"a");
    });
    EXPECT_EQ(FileDlg_DoModal(dialog), 1);
    EXPECT_EQ(names, (std::vector<std::wstring>{L"上のフォルダへ", L"Alpha", L"beta", L"a.zlq"}));
    EXPECT_EQ(type, L"ゼルカクイズデータ(*.zlq)");
    EXPECT_EQ(FileDlg_GetSelectedCount(dialog), 1);
    EXPECT_EQ(Path(), tree.Path() + L"\\a.zlq");
    EXPECT_EQ(Path(1), L"");
}

TEST_F(FileDialog, OverwriteQuestionNoKeepsTheDialogOpen)
{
    Create(0, tree.Path());
    bool stillOpen = false;
    int countAfterNo = -1;
    DialogDriver driver([&](HWND d) {
        driver.AnswerNextBox(L"いいえ");
        TypeAndEnter(d, L"b.txt");
        stillOpen = IsWindow(d) != FALSE;
        countAfterNo = FileDlg_GetSelectedCount(dialog);
        driver.AnswerNextBox(L"はい");
        TypeAndEnter(d, L"b.txt");
    });
    EXPECT_EQ(FileDlg_DoModal(dialog), 1);
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(countAfterNo, 0);
    ASSERT_EQ(driver.BoxTexts().size(), 2u);
    EXPECT_NE(driver.BoxTexts()[0].find(L"b.txt\nこのファイルは すでに存在します。\n\n上書き保存しますか？"),
              std::wstring::npos);
    EXPECT_EQ(Path(), tree.Path() + L"\\b.txt");
}

TEST_F(FileDialog, CreatePromptAndMustNotExist)
{
    Create(0, tree.Path());
    SetStyle(0x1, FDS_CREATEPROMPT | FDS_FILEMUSTNOTEXIST);
    DialogDriver driver([&](HWND d) {
        driver.AnswerNextBox(L"OK");
        TypeAndEnter(d, L"a.zlq"); // exists: refused with a guide message
        driver.AnswerNextBox(L"はい");
        TypeAndEnter(d, L"fresh.zlq");
    });
    EXPECT_EQ(FileDlg_DoModal(dialog), 1);
    ASSERT_EQ(driver.BoxTexts().size(), 2u);
    EXPECT_EQ(driver.BoxTexts()[0], L"a.zlq はすでに存在します。");
    EXPECT_NE(driver.BoxTexts()[1].find(L"fresh.zlqは見つかりません。新規作成しますか？"), std::wstring::npos);
    EXPECT_EQ(Path(), tree.Path() + L"\\fresh.zlq");
}

std::vector<std::string> g_hookPaths;
HLUMADLG g_hookDialog = nullptr;
int __cdecl RefuseFirst(const char* path, HLUMADLG dialog)
{
    g_hookPaths.push_back(path);
    g_hookDialog = dialog;
    return g_hookPaths.size() > 1 ? 1 : 0;
}

TEST_F(FileDialog, HookRefusesThenAccepts)
{
    g_hookPaths.clear();
    Create(1, tree.Path());
    SetStyle(0x8, 0, 0, &RefuseFirst);
    std::size_t modesWhileRefused = 0;
    DialogDriver driver([&](HWND d) {
        TypeAndEnter(d, L"a.zlq");
        EXPECT_TRUE(IsWindow(d));
        for (const auto& e : transcript.Entries())
            modesWhileRefused += (e.size() > 1 && e[0] == L"reader" && e[1] == L"SetMode");
        TypeAndEnter(d, L"b.txt");
    });
    EXPECT_EQ(FileDlg_DoModal(dialog), 1);
    EXPECT_EQ(modesWhileRefused, 1u) << "the reader mode is restored only when the dialog ends";
    ASSERT_EQ(g_hookPaths.size(), 2u);
    EXPECT_EQ(g_hookDialog, dialog);
    EXPECT_EQ(cp932::ToWide(g_hookPaths[1]), tree.Path() + L"\\b.txt");
    EXPECT_EQ(FileDlg_GetSelectedCount(dialog), 1) << "the refused path is not kept";
    EXPECT_EQ(Path(), tree.Path() + L"\\b.txt");
}

TEST_F(FileDialog, MultiSelectionTakesEverySelectedFile)
{
    Create(1, tree.Path());
    SetStyle(0x1, FDS_MULTISELECT);
    DialogDriver driver([&](HWND d) {
        HWND list = GetDlgItem(d, kList);
        LVITEMW state = {};
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        for (int i : {1, 3, 5, 7}) { // Alpha, a.zlq, c.dat, e.dat
            state.state = LVIS_SELECTED | (i == 5 ? LVIS_FOCUSED : 0);
            SendMessageW(list, LVM_SETITEMSTATE, i, reinterpret_cast<LPARAM>(&state));
        }
        TypeAndEnter(d, L"");
    });
    EXPECT_EQ(FileDlg_DoModal(dialog), 1);
    ASSERT_EQ(FileDlg_GetSelectedCount(dialog), 3);
    EXPECT_EQ(Path(0), tree.Path() + L"\\a.zlq");
    EXPECT_EQ(Path(1), tree.Path() + L"\\c.dat");
    EXPECT_EQ(Path(2), tree.Path() + L"\\e.dat");
}

TEST_F(FileDialog, LongPathIsCutForASmallBuffer)
{
    std::wstring longName(90, L'n');
    tree.File(longName + L"\\" + longName + L".zlq", 1);
    Create(1, (tree.Root() / longName).wstring());
    SetStyle(0x1, FDS_FOCUSLIST);
    DialogDriver driver([&](HWND d) {
        EXPECT_EQ(GetFocus(), GetDlgItem(d, kList)) << "FDS_FOCUSLIST";
        TypeAndEnter(d, L"");
    });
    EXPECT_EQ(FileDlg_DoModal(dialog), 1);
    std::string full = Bytes(tree.Path() + L"\\" + longName + L"\\" + longName + L".zlq");
    ASSERT_GE(full.size(), 120u);
    char buffer[100];
    std::memset(buffer, 0xCC, sizeof buffer);
    FileDlg_GetPathName(dialog, buffer, sizeof buffer, 0);
    EXPECT_EQ(std::string(buffer), full.substr(0, 99));
}

TEST_F(FileDialog, NoOfferedDriveMeansNoWindow)
{
    Create(1, tree.Path());
    SetStyle(0x2, 0, 0x10); // RAM disks only
    DialogDriver driver([&](HWND d) { PostMessageW(d, WM_COMMAND, IDCANCEL, 0); });
    EXPECT_EQ(FileDlg_DoModal(dialog), -1);
    EXPECT_FALSE(driver.ScriptRan());
}


TEST_F(FileDialog, ChoosingAFileTypeDropsTheTypedFilter)
{
    Create(1, tree.Path(), L"Quiz|*.zlq|Data|*.txt;*.DAT||");
    std::vector<std::wstring> typed, chosen;
    bool listFocused = false;
    DialogDriver driver([&](HWND d) {
        HWND list = GetDlgItem(d, kList);
        TypeAndEnter(d, L"b.*");
        typed = ListColumn(list, 0);
        HWND types = GetDlgItem(d, 1003);
        SendMessageW(types, CB_SETCURSEL, 1, 0);
        SendMessageW(d, WM_COMMAND, MAKEWPARAM(1003, CBN_SELENDOK), reinterpret_cast<LPARAM>(types));
        chosen = ListColumn(list, 0);
        listFocused = GetFocus() == list;
        PostMessageW(d, WM_COMMAND, IDCANCEL, 0);
    });
    FileDlg_DoModal(dialog);
    EXPECT_EQ(typed, (std::vector<std::wstring>{L"上のフォルダへ", L"Alpha", L"beta", L"b.txt"}));
    EXPECT_EQ(chosen, (std::vector<std::wstring>{L"上のフォルダへ", L"Alpha", L"beta", L"b.txt", L"c.dat", L"d.dat",
                                                 L"e.dat"}));
    EXPECT_TRUE(listFocused);
}

TEST_F(FileDialog, UpFromARootShowsTheDrives)
{
    std::wstring root = tree.Path().substr(0, 3);
    Create(1, root);
    std::wstring byKey, byButton;
    bool nameBoxFocused = false;
    DialogDriver driver([&](HWND d) {
        HWND list = GetDlgItem(d, kList);
        SetFocus(list);
        SendMessageW(list, WM_KEYDOWN, VK_BACK, 0);
        byKey = ControlText(d, kFolderLine);
        EXPECT_EQ(ListText(list, ListFocused(list)).find(root.substr(0, 2)) != std::wstring::npos, true)
            << "the drive of the folder is selected";
        TypeAndEnter(d, root);
        EXPECT_EQ(ControlText(d, kFolderLine), root);
        HWND up = GetDlgItem(d, 1015);
        SendMessageW(d, WM_COMMAND, MAKEWPARAM(1015, BN_CLICKED), reinterpret_cast<LPARAM>(up));
        byButton = ControlText(d, kFolderLine);
        nameBoxFocused = GetFocus() == GetDlgItem(d, kName);
        PostMessageW(d, WM_COMMAND, IDCANCEL, 0);
    });
    FileDlg_DoModal(dialog);
    EXPECT_EQ(byKey, L"ﾏｲ ｺﾝﾋﾟｭｰﾀ");
    EXPECT_EQ(byButton, L"ﾏｲ ｺﾝﾋﾟｭｰﾀ");
    EXPECT_TRUE(nameBoxFocused);
}

// Reads the items of the next popup menu the thread opens, then closes it.
thread_local std::vector<std::wstring>* t_menuItems = nullptr;
LRESULT CALLBACK ReadMenu(int code, WPARAM wParam, LPARAM lParam)
{
    auto* msg = reinterpret_cast<CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && msg->message == WM_INITMENUPOPUP && t_menuItems && HIWORD(msg->lParam) == 0) {
        HMENU menu = reinterpret_cast<HMENU>(msg->wParam);
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            wchar_t text[128] = {};
            GetMenuStringW(menu, i, text, 128, MF_BYPOSITION);
            t_menuItems->push_back(text[0] ? text : L"-");
        }
        t_menuItems = nullptr;
        EndMenu();
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(FileDialog, ApplicationKeyMenuFollowsTheWithdrawnOperations)
{
    auto menuFor = [&](DWORD disabledOps) {
        Create(1, tree.Path());
        FileDlgExStyle r = {};
        r.mask = 0x4;
        r.disabledOps = disabledOps;
        FileDlg_SetExtendedStyle(dialog, &r);
        std::vector<std::wstring> items;
        DialogDriver driver([&](HWND d) {
            HWND list = GetDlgItem(d, kList);
            SetFocus(list); // focuses a.zlq
            HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, &ReadMenu, nullptr, GetCurrentThreadId());
            t_menuItems = &items;
            SendMessageW(list, WM_KEYDOWN, VK_APPS, 0);
            UnhookWindowsHookEx(hook);
            t_menuItems = nullptr;
            PostMessageW(d, WM_COMMAND, IDCANCEL, 0);
        });
        FileDlg_DoModal(dialog);
        FileDlg_Delete(dialog);
        dialog = nullptr;
        return items;
    };
    EXPECT_EQ(menuFor(0), (std::vector<std::wstring>{L"コピー(&C)\tCtrl + C", L"削除(&D)\tDelete", L"名前の変更(&N)\tF2",
                                                     L"フォルダの作成(&F)\tCtrl + N", L"-",
                                                     L"サイズの読み上げ(&Z)\tAlt + F1", L"種類の読み上げ(&T)\tAlt + F2",
                                                     L"更新日時の読み上げ(&U)\tAlt + F3",
                                                     L"現在のフォルダの読み上げ(&L)\tAlt + F5", L"-", L"並び順の切替(&I)"}));
    EXPECT_EQ(menuFor(0x3F), (std::vector<std::wstring>{L"サイズの読み上げ(&Z)\tAlt + F1", L"種類の読み上げ(&T)\tAlt + F2",
                                                        L"更新日時の読み上げ(&U)\tAlt + F3",
                                                        L"現在のフォルダの読み上げ(&L)\tAlt + F5", L"-", L"並び順の切替(&I)"}));
    EXPECT_TRUE(WasSpoken(L"Speak0:メニューオープン"));
}

TEST_F(FileDialog, MissingInitialFolderFallsBackToADriveRoot)
{
    Create(1, tree.Path() + L"\\does-not-exist");
    std::wstring line;
    DialogDriver driver([&](HWND d) {
        line = ControlText(d, kFolderLine);
        PostMessageW(d, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(FileDlg_DoModal(dialog), 2);
    ASSERT_EQ(line.size(), 3u);
    EXPECT_EQ(line.substr(1), L":\\");
}

// Confirming the drive the box already shows lists that drive's root, from
// a folder deep in it and from the drive list alike.
TEST_F(FileDialog, ConfirmingTheCurrentDriveListsItsRoot)
{
    Create(1, (tree.Root() / L"Alpha").wstring());
    const std::wstring root = tree.Path().substr(0, 3);
    std::vector<std::wstring> lines;
    std::wstring first;
    DialogDriver driver([&](HWND d) {
        HWND box = GetDlgItem(d, kDrives);
        auto confirm = [&] {
            SendMessageW(d, WM_COMMAND, MAKEWPARAM(kDrives, CBN_SELENDOK), reinterpret_cast<LPARAM>(box));
            lines.push_back(ControlText(d, kFolderLine));
        };
        confirm();
        first = ListText(GetDlgItem(d, kList), 0);
        TypeAndEnter(d, L":");
        lines.push_back(ControlText(d, kFolderLine));
        confirm();
        PostMessageW(d, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(FileDlg_DoModal(dialog), 2);
    EXPECT_EQ(lines, (std::vector<std::wstring>{root, L"ﾏｲ ｺﾝﾋﾟｭｰﾀ", root}));
    EXPECT_EQ(first, L"ドライブ選択へ");
}

// O: is a CD-ROM drive without a medium in the test prefix: offered, never
// ready. Each way of reaching it says so and leaves the folder as it was.
TEST_F(FileDialog, ADriveThatIsNotReadyIsNeverEntered)
{
    Create(1, L"O:\\");
    std::wstring start, afterTyped, afterBox, afterList;
    DialogDriver driver([&](HWND d) {
        start = ControlText(d, kFolderLine);
        driver.AnswerNextBox(L"OK");
        TypeAndEnter(d, L"O:");
        afterTyped = ControlText(d, kFolderLine);

        HWND box = GetDlgItem(d, kDrives);
        int entry = -1;
        for (int i = 0; i < static_cast<int>(SendMessageW(box, CB_GETCOUNT, 0, 0)); ++i) {
            wchar_t text[MAX_PATH] = {};
            SendMessageW(box, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
            if (std::wstring(text).find(L"(O:)") != std::wstring::npos)
                entry = i;
        }
        ASSERT_GE(entry, 0) << "O: is in the drive box";
        driver.AnswerNextBox(L"OK");
        SendMessageW(box, CB_SETCURSEL, entry, 0);
        SendMessageW(d, WM_COMMAND, MAKEWPARAM(kDrives, CBN_SELENDOK), reinterpret_cast<LPARAM>(box));
        afterBox = ControlText(d, kFolderLine);

        TypeAndEnter(d, L":");
        HWND list = GetDlgItem(d, kList);
        std::vector<std::wstring> drives = ListColumn(list, 0);
        auto o = std::find_if(drives.begin(), drives.end(),
                              [](const std::wstring& name) { return name.find(L"(O:)") != std::wstring::npos; });
        ASSERT_NE(o, drives.end());
        LVITEMW state = {};
        state.stateMask = LVIS_FOCUSED | LVIS_SELECTED;
        state.state = LVIS_FOCUSED | LVIS_SELECTED;
        SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(o - drives.begin()), reinterpret_cast<LPARAM>(&state));
        SetFocus(list);
        driver.AnswerNextBox(L"OK");
        TypeAndEnter(d, L"");
        afterList = ControlText(d, kFolderLine);
        PostMessageW(d, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(FileDlg_DoModal(dialog), 2);
    EXPECT_FALSE(driver.TimedOut());
    // The start folder on a drive that is not ready gives way to a ready root.
    ASSERT_EQ(start.size(), 3u);
    EXPECT_NE(start[0], L'O');
    EXPECT_EQ(start.substr(1), L":\\");
    EXPECT_EQ(afterTyped, start);
    EXPECT_EQ(afterBox, start);
    EXPECT_EQ(afterList, L"ﾏｲ ｺﾝﾋﾟｭｰﾀ");
    EXPECT_EQ(driver.BoxTexts(), (std::vector<std::wstring>{L"ドライブの準備ができていません。", L"ドライブの準備ができていません",
                                                            L"ドライブの準備ができていません"}));
}

TEST_F(FileDialog, ShortcutToAFolderOpensIt)
{
    {
        win::ComInit com;
        win::ComPtr<IShellLinkW> link;
        win::ComPtr<IPersistFile> file;
        ASSERT_TRUE(SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                               link.put_void())));
        link->SetPath((tree.Root() / L"Alpha").c_str());
        ASSERT_TRUE(SUCCEEDED(link->QueryInterface(IID_IPersistFile, file.put_void())));
        ASSERT_TRUE(SUCCEEDED(file->Save((tree.Root() / L"to-alpha.lnk").c_str(), TRUE)));
    }
    Create(1, tree.Path());
    DialogDriver driver([&](HWND d) {
        HWND list = GetDlgItem(d, kList);
        int index = -1;
        for (int i = 0; i < ListCount(list); ++i)
            if (ListText(list, i) == L"to-alpha.lnk")
                index = i;
        ASSERT_GE(index, 0);
        LVITEMW state = {};
        state.state = state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(list, LVM_SETITEMSTATE, index, reinterpret_cast<LPARAM>(&state));
        Command(d, 1116);
        EXPECT_EQ(ControlText(d, kFolderLine), tree.Path() + L"\\Alpha\\");
        EXPECT_EQ(GetFocus(), GetDlgItem(d, kName));
        PostMessageW(d, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(FileDlg_DoModal(dialog), 2);
}

// With the user's WindowOperation setting on, the control assistant takes
// the controls over and Enter in the name box and the list goes through the
// dialog's Enter handlers; refusals are guide messages, shown and spoken.
TEST_F(FileDialog, EnterHandlersWithWindowOperationOn)
{
    testsupport::ScopedWindowOperation windowOperation(1);
    Create(1, tree.Path());
    DialogDriver driver([&](HWND d) {
        HWND box = GetDlgItem(d, kName);
        HWND list = GetDlgItem(d, kList);
        SetFocus(box);
        SetWindowTextW(box, L"missing.zlq");
        SendMessageW(box, WM_KEYDOWN, VK_RETURN, 0);
        EXPECT_TRUE(IsWindow(d));
        SetWindowTextW(box, L"Alpha");
        SendMessageW(box, WM_KEYDOWN, VK_RETURN, 0);
        EXPECT_EQ(ControlText(d, kFolderLine), tree.Path() + L"\\Alpha\\");
        SetWindowTextW(box, L"");
        SetFocus(list); // selects inner.zlq, the first file
        EXPECT_EQ(ListText(list, ListFocused(list)), L"inner.zlq");
        SendMessageW(list, WM_KEYDOWN, VK_RETURN, 0);
    });
    int result = FileDlg_DoModal(dialog);
    EXPECT_EQ(result, 1);
    EXPECT_TRUE(WasSpoken(L"Speak1:missing.zlq わ見つかりません"));
    EXPECT_TRUE(driver.BoxTexts().empty()) << "a guide window, not a message box";
    EXPECT_EQ(Path(), tree.Path() + L"\\Alpha\\inner.zlq");
}

} // namespace
