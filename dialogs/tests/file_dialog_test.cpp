// The file dialog run through the exports and driven from inside its loop:
// what it lists and in which order, what it says, typed names and their
// refusals, questions, the acceptance hook, the drives, and the paths the
// caller reads.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "dialogs/lumadlg.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/transcript_reader.h"
#include "tests/support/window_operation.h"
#include "win/cp932.h"
#include "win/handles.h"
#include "win/window.h"

using namespace dialogtest;
using Names = std::vector<std::wstring>;

namespace {

constexpr int kName = 1000, kFolderLine = 1001, kDrives = 1002, kList = 1004;
constexpr wchar_t kMyComputer[] = L"ﾏｲ ｺﾝﾋﾟｭｰﾀ";

// Puts text into the name box and presses OK.
void TypeAndEnter(HWND d, const std::wstring& text)
{
    SetDlgItemTextW(d, kName, text.c_str());
    SendMessageW(d, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(d, IDOK)));
}
std::wstring Line(HWND d) { return win::GetText(GetDlgItem(d, kFolderLine)); }
HWND List(HWND d) { return GetDlgItem(d, kList); }
void ConfirmDrive(HWND d, int index = -1)
{
    HWND box = GetDlgItem(d, kDrives);
    if (index >= 0)
        SendMessageW(box, CB_SETCURSEL, index, 0);
    SendMessageW(d, WM_COMMAND, MAKEWPARAM(kDrives, CBN_SELENDOK), reinterpret_cast<LPARAM>(box));
}

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
    void TearDown() override { Delete(); }
    void Delete()
    {
        if (dialog)
            FileDlg_Delete(dialog);
        dialog = nullptr;
    }
    void Create(int openMode, const std::wstring& folder, const std::wstring& filter = L"", const char* ext = nullptr)
    {
        Delete();
        std::string f = cp932::FromWide(folder), flt = cp932::FromWide(filter);
        dialog = FileDlg_Create(openMode, ext, nullptr, f.c_str(), flt.empty() ? nullptr : flt.c_str(), nullptr);
    }
    void SetStyle(DWORD mask, DWORD style, DWORD drives = 0, FileDlgAcceptHook hook = nullptr, DWORD ops = 0)
    {
        FileDlgExStyle r = {0, mask, style, drives, ops, hook};
        FileDlg_SetExtendedStyle(dialog, &r);
    }
    // Runs the dialog; the script ends it, or it is cancelled afterwards.
    int Run(const std::function<void(HWND)>& script)
    {
        return driver.Run([&] { return FileDlg_DoModal(dialog); }, [&](HWND d) {
            script(d);
            if (IsWindow(d) && IsWindowVisible(d))
                PostMessageW(d, WM_COMMAND, IDCANCEL, 0);
        });
    }
    std::wstring Path(unsigned index = 0)
    {
        char buffer[MAX_PATH * 2];
        FileDlg_GetPathName(dialog, buffer, sizeof buffer, index);
        return cp932::ToWide(buffer);
    }
    std::wstring At(const std::wstring& name = {}) { return name.empty() ? root() : (tree / name).wstring(); }
    std::wstring root() { return tree.Path().wstring(); }
    std::vector<std::vector<std::wstring>> SetModes()
    {
        std::vector<std::vector<std::wstring>> modes;
        for (const auto& e : transcript.Entries())
            if (e.size() >= 4 && e[0] == L"reader" && e[1] == L"SetMode")
                modes.push_back(e);
        return modes;
    }
    std::vector<std::wstring> BoxTexts()
    {
        std::vector<std::wstring> texts;
        for (const Box& box : driver.Boxes())
            texts.push_back(box.text);
        return texts;
    }

    testsupport::ScopedTempFolder tree{"lumadlg"};
    testsupport::ScopedTranscript transcript;
    Driver driver{HasList(kList)};
    HLUMADLG dialog = nullptr;
};

// Folders before files, sizes rounded to KB; captions given serve one run;
// the reader's mode is set for the run and the saved one handed back.
TEST_F(FileDialog, ListsCaptionsAndTheReaderMode)
{
    Create(0, At());
    FileDlg_SetWindowText(dialog, cp932::FromWide(L"クイズを開く").c_str(), -1);
    FileDlg_SetWindowText(dialog, cp932::FromWide(L"場所").c_str(), 1017);
    Names seen, names, sizes;
    auto look = [&](HWND d) {
        for (HWND w : {d, GetDlgItem(d, IDOK), GetDlgItem(d, 1016), GetDlgItem(d, 1017)})
            seen.push_back(win::GetText(w));
        names = ListTexts(List(d));
        sizes = ListTexts(List(d), 1);
        EXPECT_EQ(FocusId(d), kName);
        EXPECT_EQ(Line(d), At());
    };
    EXPECT_EQ(Run(look), 2);
    EXPECT_EQ(Run(look), 2);
    EXPECT_EQ(FileDlg_GetSelectedCount(dialog), 0);
    EXPECT_EQ(seen, (Names{L"クイズを開く", L"保存", L"現在のドライブ", L"場所", L"ファイル名をつけて保存", L"保存",
                           L"現在のドライブ", L"現在のフォルダ"}));
    EXPECT_EQ(names, (Names{L"上のフォルダへ", L"Alpha", L"beta", L"a.zlq", L"b.txt", L"c.dat", L"d.dat", L"e.dat"}));
    EXPECT_EQ(sizes, (Names{L"", L"", L"", L"0KB", L"1KB", L"1KB", L"2KB", L"1,024KB"}));
    std::vector<std::vector<std::wstring>> modes = SetModes();
    ASSERT_EQ(modes.size(), 4u);
    ASSERT_GE(modes[0].size(), 6u);
    EXPECT_EQ(modes[0][2] + L" " + modes[0][3], L"131074 524544");
    EXPECT_EQ(modes[1][2] + L" " + modes[1][3], L"131074 " + modes[0][5]) << "the saved mode is handed back";
}

// At most 65,535 entries, folders before files: a folder of 65,536 entries
// (with "上のフォルダへ") leaves one file out, a larger one only files, and
// one that just fits is listed in full.
TEST_F(FileDialog, AtMost65535EntriesFoldersFirst)
{
    ManyEntries full(tree, L"full", 30000, 35535);
    ManyEntries over(tree, L"over", 40000, 30000);
    ASSERT_TRUE(full.Made() && over.Made());
    Create(1, full.Path().wstring());
    struct Seen {
        int count;
        std::wstring lastFolder, firstFile, last;
    };
    std::vector<Seen> seen;
    std::wstring focused;
    Driver slow(HasList(kList), 60000);
    slow.Run([&] { return FileDlg_DoModal(dialog); }, [&](HWND d) {
        auto look = [&](int folders) {
            int count = ListView_GetItemCount(List(d));
            Names all = ListTexts(List(d));
            seen.push_back({count, all[folders], all[folders + 1], all[count - 1]});
        };
        look(30000);
        SetFocus(List(d));
        focused = FocusedText(List(d));
        DeleteFileW((full.Path() / L"file00001.dat").c_str());
        TypeAndEnter(d, full.Path().wstring());
        look(30000);
        TypeAndEnter(d, over.Path().wstring());
        look(40000);
        PostMessageW(d, WM_COMMAND, IDCANCEL, 0);
    });
    ASSERT_EQ(seen.size(), 3u);
    for (const Seen& s : seen)
        EXPECT_EQ(s.count, 65535);
    EXPECT_EQ(seen[0].lastFolder, L"folder30000") << "every folder is listed";
    EXPECT_EQ(seen[0].firstFile.substr(0, 4), L"file");
    EXPECT_EQ(focused, seen[0].firstFile) << "the first file follows the folders";
    EXPECT_EQ(seen[1].firstFile, L"file00002.dat");
    EXPECT_EQ(seen[1].last, L"file35535.dat") << "a folder that just fits is listed in full";
    EXPECT_EQ(seen[2].lastFolder, L"folder40000");
    EXPECT_EQ(seen[2].firstFile.substr(0, 4), L"file");
}

// Backspace goes up with the folder left selected; from a root it lists the
// drives, where the folder buttons are off. Confirming the drive the box
// shows lists its root, from deep in it and from the drives alike.
TEST_F(FileDialog, GoingUpAndTheDrives)
{
    Create(1, At(L"Alpha"));
    const std::wstring drive = root().substr(0, 3);
    Run([&](HWND d) {
        SetFocus(List(d));
        SendKey(List(d), VK_BACK);
        EXPECT_EQ(Line(d), At() + L"\\");
        EXPECT_EQ(FocusedText(List(d)), L"Alpha");
        TypeAndEnter(d, L"Alpha");
        ConfirmDrive(d);
        EXPECT_EQ(Line(d), drive);
        Names names = ListTexts(List(d));
        EXPECT_EQ(names.front(), L"ドライブ選択へ");
        EXPECT_EQ(std::count(names.begin(), names.end(), L"上のフォルダへ"), 0);
        SetFocus(List(d));
        SendKey(List(d), VK_BACK);
        EXPECT_EQ(Line(d), kMyComputer);
        EXPECT_NE(FocusedText(List(d)).find(drive.substr(0, 2)), std::wstring::npos) << "the drive left";
        for (int id : {1015, 1012, 1013, 1014})
            EXPECT_FALSE(IsWindowEnabled(GetDlgItem(d, id))) << id;
        ConfirmDrive(d);
        EXPECT_EQ(Line(d), drive);
        Command(d, 1015);
        EXPECT_EQ(Line(d), kMyComputer) << "the up button";
        EXPECT_EQ(FocusId(d), kName);
    });
    Create(1, At(L"does-not-exist"));
    Run([&](HWND d) { EXPECT_EQ(Line(d), L"C:\\") << "a missing folder gives way to a drive's root"; });
}

// O: is a CD-ROM drive without a medium in the test prefix: offered, never
// ready. Each way of reaching it says so and leaves the folder as it was.
TEST_F(FileDialog, ADriveThatIsNotReadyIsNeverEntered)
{
    Create(1, L"O:\\");
    for (int i = 0; i < 3; ++i)
        driver.Press(L"OK");
    Run([&](HWND d) {
        const std::wstring start = Line(d);
        EXPECT_EQ(start, L"C:\\") << "the start folder gives way to a ready root";
        TypeAndEnter(d, L"O:");
        EXPECT_EQ(Line(d), start);
        HWND box = GetDlgItem(d, kDrives);
        int o = -1;
        for (int i = 0; i < SendMessageW(box, CB_GETCOUNT, 0, 0); ++i) {
            wchar_t text[MAX_PATH] = {};
            SendMessageW(box, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
            o = std::wstring(text).find(L"(O:)") != std::wstring::npos ? i : o;
        }
        ASSERT_GE(o, 0) << "O: is in the drive box";
        ConfirmDrive(d, o);
        EXPECT_EQ(Line(d), start);
        TypeAndEnter(d, L":");
        for (const std::wstring& name : ListTexts(List(d)))
            if (name.find(L"(O:)") != std::wstring::npos)
                Select(List(d), {name});
        SetFocus(List(d));
        TypeAndEnter(d, L"");
        EXPECT_EQ(Line(d), kMyComputer);
    });
    EXPECT_EQ(BoxTexts(), (Names{L"ドライブの準備ができていません。", L"ドライブの準備ができていません",
                                 L"ドライブの準備ができていません"}));
}

TEST_F(FileDialog, StylesHideAndShow)
{
    tree.File(L".secret", 1);
    SetFileAttributesW(At(L".secret").c_str(), FILE_ATTRIBUTE_HIDDEN);
    tree.File(L"locked.txt", 1);
    SetFileAttributesW(At(L"locked.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    for (DWORD style : {0u, unsigned{FDS_SHOWHIDDEN | FDS_HIDEREADONLY}}) {
        Create(1, At());
        SetStyle(FDSM_STYLE, style);
        Run([&](HWND d) {
            Names names = ListTexts(List(d));
            EXPECT_EQ(std::count(names.begin(), names.end(), L".secret"), style ? 1 : 0);
            EXPECT_EQ(std::count(names.begin(), names.end(), L"locked.txt"), style ? 0 : 1);
        });
    }
    // Names without extensions until a filter is typed; a typed filter moves
    // the focus to the list.
    Create(1, At());
    SetStyle(FDSM_STYLE, FDS_FILEMUSTEXIST | FDS_HIDEEXTENSION);
    Run([&](HWND d) {
        EXPECT_EQ(ListTexts(List(d))[3], L"a");
        TypeAndEnter(d, L"*.zlq");
        EXPECT_EQ(ListTexts(List(d)), (Names{L"上のフォルダへ", L"Alpha", L"beta", L"a.zlq"}));
        EXPECT_EQ(FocusId(d), kList);
    });
}

// Each sort says its order's name and nothing else, though it moves the
// focused entry; sorting by size twice turns the files round.
TEST_F(FileDialog, SortsSayOnlyTheOrdersName)
{
    Create(1, At());
    Names said;
    Run([&](HWND d) {
        Command(d, 1110);
        Command(d, 1110);
        EXPECT_EQ(ListTexts(List(d)), (Names{L"上のフォルダへ", L"e.dat", L"d.dat", L"c.dat", L"b.txt", L"a.zlq",
                                             L"beta", L"Alpha"}));
        TypeAndEnter(d, L".\\"); // a fresh listing of the same folder
        SetFocus(List(d));
        std::size_t before = transcript.Said().size();
        for (int i = 0; i < 5; ++i)
            Command(d, 1113);
        said = transcript.Said(before);
    });
    EXPECT_EQ(said, (Names{L"reader Speak 0 名前順", L"reader Speak 0 サイズ順",
                                              L"reader Speak 0 種類順", L"reader Speak 0 日時順",
                                              L"reader Speak 0 名前順"}));
}

// The focused entry is read when the focus arrives and whenever its
// selection changes (Ctrl+Space), once each; the detail commands read it.
TEST_F(FileDialog, TheFocusedEntryIsRead)
{
    Create(1, At());
    SetStyle(FDSM_STYLE, FDS_MULTISELECT);
    std::size_t before = 0;
    Run([&](HWND d) {
        SetFocus(List(d)); // a.zlq, the first file
        Command(d, 1100);
        before = transcript.Said().size();
        SendKey(List(d), VK_DOWN);
        SendKey(List(d), VK_SPACE, true);
        SendKey(List(d), VK_SPACE, true);
        EXPECT_EQ(ListView_GetSelectedCount(List(d)), 1u);
        EXPECT_EQ(transcript.Said(before), Names(3, L"reader SpeakEx 4 1 b.txt"));
        SendKey(List(d), VK_HOME);
        Command(d, 1100);
        Command(d, 1115);
    });
    for (const std::wstring& said : Names{L"reader SpeakEx 4 1 一覧 a.zlq", L"reader SpeakEx 4 1 0KB",
                                     L"reader Speak 1 上のフォルダへ", (L"reader SpeakEx 4 1 " + At())})
        EXPECT_GE(transcript.Count(said), 1u) << cp932::FromWide(said);
}

// ---------------------------------------------------------------- the order of the entries

// An entry as the list's order sees it.
struct OrderEntry {
    std::wstring name;
    bool special = false, folder = false;
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

// The platform's comparison as the list must apply it, ascending: folders
// first, then by name ignoring case; files by size; by type, then name;
// both by date, the newest first. The special entry stays on top, the
// descending direction reverses the rest, ties keep their places.
void SortAsTheList(std::vector<OrderEntry>& entries, unsigned key, bool descending)
{
    std::stable_sort(entries.begin(), entries.end(), [&](const OrderEntry& a, const OrderEntry& b) {
        if (a.special || b.special)
            return a.special && !b.special;
        int r = 0;
        if (a.folder != b.folder)
            r = a.folder ? -1 : 1;
        else if (key == 4)
            r = a.written == b.written ? 0 : (a.written > b.written ? -1 : 1);
        else if (a.folder || key == 1)
            r = NoCase(a.name, b.name);
        else if (key == 2)
            r = a.size == b.size ? 0 : (a.size < b.size ? -1 : 1);
        else
            r = NoCase(a.type, b.type) ? NoCase(a.type, b.type) : NoCase(a.name, b.name);
        return descending ? r > 0 : r < 0;
    });
}

Names NamesOf(const std::vector<OrderEntry>& entries)
{
    Names names;
    for (const OrderEntry& e : entries)
        names.push_back(e.name);
    return names;
}

// A folder of names that differ only in case, width, kana type and digits,
// long names and one name in several types; many share a size or a date.
// Returns the entries as a listing finds them: the special entry and the
// folders, then the files, each in the order the file system gives.
std::vector<OrderEntry> MakeMixedFolder(const testsupport::ScopedTempFolder& tree)
{
    const std::wstring longName = L"long" + std::wstring(180, L'n');
    for (const wchar_t* name : {L"beta", L"Alpha", L"ＡＬＰＨＡ", L"あ", L"ア", L"data", L"10", L"9", L"co-op", L"coop"})
        tree.Folder(std::wstring(L"mixed\\") + name);
    const Names files = {L"a.txt", L"ａ.txt", L"Ａ.DAT", L"あ.txt", L"ア.txt", L"ｱ.txt", L"ぁ.txt", L"file9.dat",
                         L"file10.dat", L"file010.dat", longName + L"1.txt", longName + L"2.txt", longName + L".dat",
                         L"data.txt", L"data.dat", L"data.zlq", L"co-op.txt", L"coop.txt", L"co'op.txt", L"_x.txt",
                         L"~x.txt", L"x y.txt", L"日本.txt", L"二本.txt", L"ﾆﾎﾝ.txt", L"にほん.txt", L"ニホン.txt",
                         L"README", L"b.Dat"};
    for (std::size_t i = 0; i < files.size(); ++i)
        tree.File(L"mixed\\" + files[i], (i % 4) * 100);
    // Names that differ from others only in letter case.
    EXPECT_TRUE(MakeOnHost(tree, {L"mixed/BETA", L"mixed/ALPHA"}, {L"mixed/A.txt", L"mixed/Data.txt", L"mixed/readme"}));
    int n = 0;
    for (const auto& entry : std::filesystem::directory_iterator(tree / L"mixed")) {
        win::UniqueFile file(CreateFileW(entry.path().c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                                         OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
        ULONGLONG written = 133000000000000000ull + static_cast<ULONGLONG>(n++ % 3) * 864000000000ull;
        FILETIME time{static_cast<DWORD>(written), static_cast<DWORD>(written >> 32)};
        SetFileTime(file.get(), nullptr, nullptr, &time);
    }
    std::vector<OrderEntry> found, foundFiles;
    WIN32_FIND_DATAW data;
    win::UniqueFind find(FindFirstFileExW((tree / L"mixed\\*.*").c_str(), FindExInfoBasic, &data,
                                          FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
    while (find) {
        OrderEntry e{data.cFileName};
        e.written = (static_cast<ULONGLONG>(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime;
        e.folder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        e.size = e.folder ? 0 : data.nFileSizeLow;
        e.special = e.name == L"..";
        if (e.special)
            e.name = L"上のフォルダへ";
        if (e.name != L".")
            (e.folder ? found : foundFiles).push_back(e);
        if (!FindNextFileW(find.get(), &data))
            break;
    }
    found.insert(found.end(), foundFiles.begin(), foundFiles.end());
    return found;
}

// Every sort of the file dialog, and the folder dialog's list, give the
// order of the platform's comparison, ties included.
TEST_F(FileDialog, OrdersFollowThePlatformsComparison)
{
    std::vector<OrderEntry> found = MakeMixedFolder(tree);
    ASSERT_GT(found.size(), 40u);
    const int commands[] = {1110, 1110, 1112, 1112, 1111, 1111, 1109, 1109, 1113, 1113, 1113};
    std::vector<Names> listed;
    Names types;
    Create(1, At(L"mixed"));
    Run([&](HWND d) {
        listed.push_back(ListTexts(List(d)));
        types = ListTexts(List(d), 2);
        for (int command : commands) {
            Command(d, command);
            listed.push_back(ListTexts(List(d)));
        }
    });
    ASSERT_EQ(listed.size(), std::size(commands) + 1);
    for (OrderEntry& e : found) {
        auto at = std::find(listed[0].begin(), listed[0].end(), e.name);
        ASSERT_NE(at, listed[0].end()) << "listed: " << cp932::FromWide(e.name);
        e.type = types[static_cast<std::size_t>(at - listed[0].begin())];
    }
    // A listing sorts by name; a command sorts by its key, the same key
    // again in the other direction.
    std::vector<OrderEntry> expected = found;
    SortAsTheList(expected, 1, false);
    EXPECT_EQ(listed[0], NamesOf(expected)) << "after the listing";
    unsigned key = 1;
    bool descending = false;
    for (std::size_t i = 0; i < std::size(commands); ++i) {
        unsigned next = commands[i] == 1113 ? (key == 4 ? 1 : key + 1) : static_cast<unsigned>(commands[i] - 1108);
        descending = next == key && !descending;
        key = next;
        SortAsTheList(expected, key, descending);
        EXPECT_EQ(listed[i + 1], NamesOf(expected)) << "command " << i << ": key " << key << (descending ? " down" : "");
    }

    // The folder dialog: the up entry, the folders by name ignoring case
    // (ties as found), "このフォルダで決定" last.
    std::vector<OrderEntry> folders;
    std::copy_if(found.begin(), found.end(), std::back_inserter(folders), [](auto& e) { return e.folder; });
    SortAsTheList(folders, 1, false);
    Names expectedFolders = NamesOf(folders);
    expectedFolders.push_back(L"このフォルダで決定");
    HLUMADLG folderDialog = FolderDlg_Create(cp932::FromWide(At(L"mixed")).c_str(), nullptr);
    Driver folderDriver(HasList(1029));
    folderDriver.Run([&] { return FolderDlg_DoModal(folderDialog); }, [&](HWND d) {
        EXPECT_EQ(ListTexts(GetDlgItem(d, 1029)), expectedFolders);
        PostMessageW(d, WM_COMMAND, IDCANCEL, 0);
    });
    FolderDlg_Delete(folderDialog);
}

// ---------------------------------------------------------------- typed names and questions

TEST_F(FileDialog, TypedNamesAndTheirRefusals)
{
    tree.Folder(L"other");
    Create(1, At());
    for (int i = 0; i < 5; ++i)
        driver.Press(L"OK");
    Run([&](HWND d) {
        TypeAndEnter(d, L"Alpha");
        EXPECT_EQ(Line(d), At(L"Alpha") + L"\\");
        DWORD start = 1, end = 0;
        SendDlgItemMessageW(d, kName, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(end - start, 5u) << "the whole text is selected";
        TypeAndEnter(d, L"..\\other");
        EXPECT_EQ(Line(d), At(L"other") + L"\\");
        TypeAndEnter(d, root().substr(2) + L"\\Alpha");
        EXPECT_EQ(Line(d), At(L"Alpha") + L"\\");
        TypeAndEnter(d, L"nothere\\x.zlq");
        TypeAndEnter(d, L"a|b");
        TypeAndEnter(d, L"missing.zlq");
        // A drive letter in the other case is another drive: "Alpha" is
        // looked for at that drive's root.
        TypeAndEnter(d, std::wstring(1, static_cast<wchar_t>(towlower(root()[0]))) + L":Alpha");
        TypeAndEnter(d, root().substr(0, 3));
        TypeAndEnter(d, L"..");
    });
    EXPECT_EQ(BoxTexts(), (Names{L"このパス名は存在しません。", L"このファイル名は無効です。", L"missing.zlq は見つかりません。",
                                 L"Alpha は見つかりません。", L"ルートディレクトリです。"}));

    // The filter and default extension of the caller; a typed wildcard then
    // Enter opens the focused entry; choosing a type drops the typed filter.
    Create(1, At(), L"ゼルカクイズデータ(*.zlq)|*.zlq|Data|*.txt;*.DAT||", ".zlq");
    Run([&](HWND d) {
        EXPECT_EQ(ListTexts(List(d)), (Names{L"上のフォルダへ", L"Alpha", L"beta", L"other", L"a.zlq"}));
        EXPECT_EQ(win::GetText(GetDlgItem(d, 1003)), L"ゼルカクイズデータ(*.zlq)");
        TypeAndEnter(d, L"b.*");
        SendDlgItemMessageW(d, 1003, CB_SETCURSEL, 1, 0);
        SendMessageW(d, WM_COMMAND, MAKEWPARAM(1003, CBN_SELENDOK), reinterpret_cast<LPARAM>(GetDlgItem(d, 1003)));
        EXPECT_EQ(ListTexts(List(d)),
                  (Names{L"上のフォルダへ", L"Alpha", L"beta", L"other", L"b.txt", L"c.dat", L"d.dat", L"e.dat"}));
        EXPECT_EQ(FocusId(d), kList);
        TypeAndEnter(d, L"*.dat");
        SetFocus(List(d));
        TypeAndEnter(d, L"");
    });
    EXPECT_EQ(Path(), At(L"c.dat"));
    Create(1, At(), L"", ".zlq");
    Run([&](HWND d) { TypeAndEnter(d, L"a"); });
    EXPECT_EQ(FileDlg_GetSelectedCount(dialog), 1);
    EXPECT_EQ(Path(), At(L"a.zlq"));
    EXPECT_EQ(Path(1), L"");
}

TEST_F(FileDialog, SaveQuestions)
{
    Create(0, At());
    driver.Press(L"いいえ");
    driver.Press(L"はい");
    Run([&](HWND d) {
        TypeAndEnter(d, L"b.txt");
        EXPECT_TRUE(IsWindowVisible(d));
        EXPECT_EQ(FileDlg_GetSelectedCount(dialog), 0);
        TypeAndEnter(d, L"b.txt");
    });
    EXPECT_EQ(Path(), At(L"b.txt"));
    Create(0, At());
    SetStyle(FDSM_STYLE, FDS_CREATEPROMPT | FDS_FILEMUSTNOTEXIST);
    driver.Press(L"OK");
    driver.Press(L"はい");
    Run([&](HWND d) {
        TypeAndEnter(d, L"a.zlq");
        TypeAndEnter(d, L"fresh.zlq");
    });
    EXPECT_EQ(Path(), At(L"fresh.zlq"));
    Names texts = BoxTexts();
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_NE(texts[0].find(L"b.txt\nこのファイルは すでに存在します。\n\n上書き保存しますか？"), std::wstring::npos);
    EXPECT_EQ(texts[2], L"a.zlq はすでに存在します。");
    EXPECT_NE(texts[3].find(L"fresh.zlqは見つかりません。新規作成しますか？"), std::wstring::npos);
}

std::vector<std::string> g_hookPaths;
HLUMADLG g_hookDialog = nullptr;
int __cdecl RefuseFirst(const char* path, HLUMADLG dialog)
{
    g_hookPaths.push_back(path);
    g_hookDialog = dialog;
    return g_hookPaths.size() > 1;
}

// The hook refuses a path (the dialog stays, the reader's mode too), then
// takes the next; several selected files all reach the caller.
TEST_F(FileDialog, HookAndSelections)
{
    g_hookPaths.clear();
    Create(1, At());
    SetStyle(FDSM_ACCEPTHOOK, 0, 0, &RefuseFirst);
    Run([&](HWND d) {
        TypeAndEnter(d, L"a.zlq");
        EXPECT_TRUE(IsWindowVisible(d));
        EXPECT_EQ(SetModes().size(), 1u) << "the reader's mode is handed back only when the dialog ends";
        TypeAndEnter(d, L"b.txt");
    });
    ASSERT_EQ(g_hookPaths.size(), 2u);
    EXPECT_EQ(g_hookDialog, dialog);
    EXPECT_EQ(cp932::ToWide(g_hookPaths[1]), At(L"b.txt"));
    EXPECT_EQ(FileDlg_GetSelectedCount(dialog), 1) << "the refused path is not kept";

    Create(1, At());
    SetStyle(FDSM_STYLE, FDS_MULTISELECT);
    Run([&](HWND d) {
        Select(List(d), {L"Alpha", L"a.zlq", L"c.dat", L"e.dat"}, L"c.dat");
        TypeAndEnter(d, L"");
    });
    ASSERT_EQ(FileDlg_GetSelectedCount(dialog), 3);
    EXPECT_EQ((Names{Path(0), Path(1), Path(2)}), (Names{At(L"a.zlq"), At(L"c.dat"), At(L"e.dat")}));

    // A path longer than the caller's buffer is cut, still terminated.
    const std::wstring longName(90, L'n');
    tree.File(longName + L"\\" + longName + L".zlq", 1);
    Create(1, At(longName));
    SetStyle(FDSM_STYLE, FDS_FOCUSLIST);
    Run([&](HWND d) {
        EXPECT_EQ(FocusId(d), kList);
        TypeAndEnter(d, L"");
    });
    char buffer[100];
    std::memset(buffer, 0xCC, sizeof buffer);
    FileDlg_GetPathName(dialog, buffer, sizeof buffer, 0);
    EXPECT_EQ(std::string(buffer), cp932::FromWide(At(longName + L"\\" + longName + L".zlq")).substr(0, 99));

    Create(1, At());
    SetStyle(FDSM_DRIVETYPES, 0, LUMADLG_DRIVE_RAMDISK);
    EXPECT_EQ(Run([](HWND) {}), -1) << "no drive of the kinds offered, no window";
    EXPECT_FALSE(driver.Shown());
}

TEST_F(FileDialog, ApplicationKeyMenuAndShortcuts)
{
    {
        win::ComInit com;
        win::ComPtr<IShellLinkW> link;
        win::ComPtr<IPersistFile> file;
        ASSERT_TRUE(SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                               link.put_void())));
        link->SetPath(At(L"Alpha").c_str());
        ASSERT_TRUE(SUCCEEDED(link->QueryInterface(IID_IPersistFile, file.put_void())));
        ASSERT_TRUE(SUCCEEDED(file->Save(At(L"to-alpha.lnk").c_str(), TRUE)));
    }
    for (DWORD ops : {0u, 0x3Fu}) {
        Create(1, At());
        SetStyle(FDSM_DISABLEDOPS, 0, 0, nullptr, ops);
        Run([&](HWND d) {
            SetFocus(List(d));
            SendKey(List(d), VK_APPS);
        });
    }
    std::vector<Names> menus;
    for (const Names& menu : driver.Menus()) {
        menus.emplace_back();
        for (const std::wstring& item : menu)
            menus.back().push_back(item.substr(item.find(L' ') + 1)); // without the command id
    }
    const Names reads = {L"サイズの読み上げ(&Z)\tAlt + F1", L"種類の読み上げ(&T)\tAlt + F2",
                         L"更新日時の読み上げ(&U)\tAlt + F3", L"現在のフォルダの読み上げ(&L)\tAlt + F5", L"",
                         L"並び順の切替(&I)"};
    Names all = {L"コピー(&C)\tCtrl + C", L"削除(&D)\tDelete", L"名前の変更(&N)\tF2", L"フォルダの作成(&F)\tCtrl + N", L""};
    all.insert(all.end(), reads.begin(), reads.end());
    EXPECT_EQ(menus, (std::vector<Names>{all, reads})) << "with every operation withdrawn, only the reading";
    EXPECT_EQ(transcript.Count(L"reader Speak 0 メニューオープン"), 2u);

    Create(1, At());
    Run([&](HWND d) {
        Select(List(d), {L"to-alpha.lnk"});
        Command(d, 1116);
        EXPECT_EQ(Line(d), At(L"Alpha") + L"\\") << "a shortcut to a folder opens it";
        EXPECT_EQ(FocusId(d), kName);
    });
}

// With the WindowOperation setting on, Enter in the name box and the list
// goes through the dialog's Enter handlers; refusals are spoken guides.
TEST_F(FileDialog, EnterHandlersWithWindowOperationOn)
{
    testsupport::ScopedWindowOperation windowOperation(1);
    Create(1, At());
    EXPECT_EQ(Run([&](HWND d) {
                  HWND box = GetDlgItem(d, kName);
                  SetFocus(box);
                  SetWindowTextW(box, L"missing.zlq");
                  SendMessageW(box, WM_KEYDOWN, VK_RETURN, 0);
                  SetWindowTextW(box, L"Alpha");
                  SendMessageW(box, WM_KEYDOWN, VK_RETURN, 0);
                  EXPECT_EQ(Line(d), At(L"Alpha") + L"\\");
                  SetWindowTextW(box, L"");
                  SetFocus(List(d)); // inner.zlq, the first file
                  SendMessageW(List(d), WM_KEYDOWN, VK_RETURN, 0);
              }),
              1);
    EXPECT_EQ(transcript.Count(L"reader Speak 1 missing.zlq わ見つかりません"), 1u);
    EXPECT_EQ(Path(), At(L"Alpha\\inner.zlq"));
}

} // namespace
