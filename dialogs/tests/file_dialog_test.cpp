// The file dialog run through the exports and driven from inside its loop:
// what it lists and in which order, what it says, typed names and their
// refusals, questions, the acceptance hook, the drives, and the paths the
// caller reads.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "dialogs/tests/dialog_fixture.h"
#include "tests/support/window_operation.h"
#include "win/cp932.h"
#include "win/handles.h"
#include "win/window.h"

using namespace dialogtest;

namespace {

constexpr wchar_t kMyComputer[] = L"ﾏｲ ｺﾝﾋﾟｭｰﾀ";

// Confirms the drive box's entry `index` (-1: the one it shows).
void ConfirmDrive(HWND d, int index = -1)
{
    if (index >= 0)
        SendDlgItemMessageW(d, kDrives, CB_SETCURSEL, index, 0);
    SendMessageW(d, WM_COMMAND, MAKEWPARAM(kDrives, CBN_SELENDOK), reinterpret_cast<LPARAM>(GetDlgItem(d, kDrives)));
}
std::vector<std::vector<std::wstring>> SetModes(const testsupport::ScopedTranscript& transcript)
{
    std::vector<std::vector<std::wstring>> modes;
    for (const auto& e : transcript.Entries())
        if (e.size() >= 4 && e[1] == L"SetMode")
            modes.push_back(e);
    return modes;
}

class FileDialog : public DialogTest {
protected:
    void SetUp() override
    {
        tree.Folder(L"beta");
        tree.File(L"Alpha\\inner.zlq", 5);
        for (auto [name, size] : {std::pair{L"a.zlq", 0}, {L"b.txt", 50}, {L"c.dat", 1123}, {L"d.dat", 1124},
                                  {L"e.dat", 1048576}})
            tree.File(name, static_cast<std::size_t>(size));
    }
};

// Folders before files, sizes rounded to KB; captions given serve one run;
// the reader's mode is set for the run and the saved one handed back.
TEST_F(FileDialog, ListsCaptionsAndTheReaderMode)
{
    Create(0, At());
    FileDlg_SetWindowText(dialog, cp932::FromWide(L"クイズを開く").c_str(), -1);
    Texts seen;
    auto look = [&](HWND d) {
        seen.push_back(win::GetText(d));
        EXPECT_EQ(FocusId(d), kName);
        EXPECT_EQ(Line(d), At());
        EXPECT_EQ(ListTexts(List(d)), (Texts{L"上のフォルダへ", L"Alpha", L"beta", L"a.zlq", L"b.txt", L"c.dat", L"d.dat", L"e.dat"}));
        EXPECT_EQ(ListTexts(List(d), 1), (Texts{L"", L"", L"", L"0KB", L"1KB", L"1KB", L"2KB", L"1,024KB"}));
    };
    EXPECT_EQ(Run(look), 2);
    EXPECT_EQ(Run(look), 2);
    EXPECT_EQ(seen, (Texts{L"クイズを開く", L"ファイル名をつけて保存"}));
    auto modes = SetModes(transcript);
    ASSERT_EQ(modes.size(), 4u);
    ASSERT_GE(modes[0].size(), 6u);
    EXPECT_EQ(modes[0][2] + L" " + modes[0][3], L"131074 524544");
    EXPECT_EQ(modes[1][2] + L" " + modes[1][3], L"131074 " + modes[0][5]) << "the saved mode is handed back";
}

// At most 65,535 entries, folders first: a folder of 65,536 entries (with
// "上のフォルダへ") leaves one file out, and is listed in full once one
// file is gone. The host's shell makes and removes the entries in seconds.
TEST_F(FileDialog, AtMost65535EntriesFoldersFirst)
{
    const std::filesystem::path full = tree / L"full";
    ASSERT_TRUE(RunOnHost(tree.Path(), "mkdir full && seq -f full/folder%05g 1 30000 | xargs mkdir && "
                                       "seq -f full/file%05g.dat 1 35535 | xargs touch"));
    Create(1, full.wstring());
    std::vector<Texts> seen;
    std::wstring focused;
    Driver slow(60000);
    slow.Run([&] { return FileDlg_DoModal(dialog); }, [&](HWND d) {
        auto look = [&] {
            const int count = ListView_GetItemCount(List(d));
            seen.push_back({std::to_wstring(count), ItemText(List(d), 30000), ItemText(List(d), 30001),
                            ItemText(List(d), count - 1)});
        };
        look();
        SetFocus(List(d));
        focused = FocusedText(List(d));
        DeleteFileW((full / L"file00001.dat").c_str());
        Type(d, full.wstring());
        look();
    });
    RunOnHost(tree.Path(), "rm -r full");
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0][0] + seen[1][0], L"6553565535");
    EXPECT_EQ(seen[0][1], L"folder30000") << "every folder is listed";
    EXPECT_EQ(seen[0][2].substr(0, 4), L"file");
    EXPECT_EQ(focused, seen[0][2]) << "the first file follows the folders";
    EXPECT_EQ(seen[1][2] + L" " + seen[1][3], L"file00002.dat file35535.dat") << "a folder that just fits, in full";
}

// Backspace goes up with the folder left selected; from a root it lists the
// drives, where the folder buttons are off. Confirming the drive the box
// shows lists its root, from deep in it and from the drives alike; a
// missing start folder gives way to a drive's root.
TEST_F(FileDialog, GoingUpAndTheDrives)
{
    Create(1, At(L"Alpha"));
    const std::wstring drive = At().substr(0, 3);
    Run([&](HWND d) {
        SetFocus(List(d));
        Press(VK_BACK);
        EXPECT_EQ(Line(d), At() + L"\\");
        EXPECT_EQ(FocusedText(List(d)), L"Alpha");
        Type(d, L"Alpha");
        ConfirmDrive(d);
        EXPECT_EQ(Line(d), drive);
        Texts names = ListTexts(List(d));
        EXPECT_EQ(names.front(), L"ドライブ選択へ");
        EXPECT_EQ(std::count(names.begin(), names.end(), L"上のフォルダへ"), 0);
        SetFocus(List(d));
        Press(VK_BACK);
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
    Run([&](HWND d) { EXPECT_EQ(Line(d), L"C:\\"); });
}

// O: is a CD-ROM drive without a medium in the test prefix: offered, never
// ready. Each way of reaching it says so and leaves the folder as it was.
TEST_F(FileDialog, ADriveThatIsNotReadyIsNeverEntered)
{
    Create(1, L"O:\\");
    for (int i = 0; i < 3; ++i)
        driver.Press(L"OK");
    Run([&](HWND d) {
        EXPECT_EQ(Line(d), L"C:\\") << "the start folder gives way to a ready root";
        Type(d, L"O:");
        ConfirmDrive(d, DriveIndex(d, L'O'));
        EXPECT_EQ(Line(d), L"C:\\");
        Type(d, L":");
        for (const std::wstring& name : ListTexts(List(d)))
            if (name.find(L"(O:)") != std::wstring::npos)
                Select(List(d), {name});
        SetFocus(List(d));
        Type(d, L"");
        EXPECT_EQ(Line(d), kMyComputer);
    });
    EXPECT_EQ(driver.BoxTexts(), (Texts{L"ドライブの準備ができていません。", L"ドライブの準備ができていません",
                                 L"ドライブの準備ができていません"}));
}

TEST_F(FileDialog, StylesHideAndShow)
{
    SetFileAttributesW(tree.File(L".secret").c_str(), FILE_ATTRIBUTE_HIDDEN);
    SetFileAttributesW(tree.File(L"locked.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    for (DWORD style : {0u, unsigned{FDS_SHOWHIDDEN | FDS_HIDEREADONLY}}) {
        Create(1, At());
        SetStyle(FDSM_STYLE, style);
        Run([&](HWND d) {
            Texts names = ListTexts(List(d));
            EXPECT_EQ(std::count(names.begin(), names.end(), L".secret"), style ? 1 : 0);
            EXPECT_EQ(std::count(names.begin(), names.end(), L"locked.txt"), style ? 0 : 1);
        });
    }
    // No extensions until a filter is typed, which moves the focus to the list.
    SetStyle(FDSM_STYLE, FDS_FILEMUSTEXIST | FDS_HIDEEXTENSION);
    Run([&](HWND d) {
        EXPECT_EQ(ListTexts(List(d))[3], L"a");
        Type(d, L"*.zlq");
        EXPECT_EQ(ListTexts(List(d)), (Texts{L"上のフォルダへ", L"Alpha", L"beta", L"a.zlq"}));
        EXPECT_EQ(FocusId(d), kList);
    });
}

// Each sort says its order's name and nothing else, though it moves the
// focused entry; sorting by size twice turns the files round. The focused
// entry is read when the focus arrives and whenever its selection changes
// (Ctrl+Space), once each; the detail commands read it.
TEST_F(FileDialog, SortsAndTheFocusedEntryAreRead)
{
    Create(1, At());
    SetStyle(FDSM_STYLE, FDS_MULTISELECT);
    Run([&](HWND d) {
        Command(d, 1110);
        Command(d, 1110);
        EXPECT_EQ(ListTexts(List(d)), (Texts{L"上のフォルダへ", L"e.dat", L"d.dat", L"c.dat", L"b.txt", L"a.zlq", L"beta", L"Alpha"}));
        Type(d, At()); // a fresh listing of the same folder
        SetFocus(List(d)); // a.zlq, the first file
        std::size_t before = transcript.Said().size();
        for (int i = 0; i < 5; ++i)
            Command(d, 1113);
        EXPECT_EQ(transcript.Said(before), (Texts{L"reader Speak 0 名前順", L"reader Speak 0 サイズ順", L"reader Speak 0 種類順",
                                                 L"reader Speak 0 日時順", L"reader Speak 0 名前順"}));
        Command(d, 1100);
        before = transcript.Said().size();
        Press(VK_DOWN);
        Press(VK_SPACE, {.ctrl = true});
        Press(VK_SPACE, {.ctrl = true});
        EXPECT_EQ(ListView_GetSelectedCount(List(d)), 1u);
        EXPECT_EQ(transcript.Said(before), Texts(3, L"reader SpeakEx 4 1 b.txt"));
        Press(VK_HOME);
        Command(d, 1100);
        Command(d, 1115);
    });
    for (const std::wstring& said : Texts{L"reader SpeakEx 4 1 一覧 a.zlq", L"reader SpeakEx 4 1 0KB",
                                          L"reader Speak 1 上のフォルダへ", L"reader SpeakEx 4 1 " + At() + L"\\"})
        EXPECT_GE(transcript.Count(said), 1u) << cp932::FromWide(said);
}

// ---------------------------------------------------------------- the order of the entries

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
                          static_cast<int>(b.size())) - CSTR_EQUAL;
}

// The platform's comparison as the list must apply it, ascending: folders
// first, then by name ignoring case; files by size; by type, then name;
// both by date, the newest first. The special entry stays on top, the
// descending direction reverses the rest, ties keep their places.
Texts SortAsTheList(std::vector<OrderEntry>& entries, unsigned key, bool descending)
{
    std::stable_sort(entries.begin(), entries.end(), [&](const OrderEntry& a, const OrderEntry& b) {
        if (a.special || b.special)
            return a.special && !b.special;
        int r = a.folder != b.folder ? (a.folder ? -1 : 1)
                : key == 4           ? (a.written == b.written ? 0 : (a.written > b.written ? -1 : 1))
                : a.folder || key == 1 ? NoCase(a.name, b.name)
                : key == 2           ? (a.size == b.size ? 0 : (a.size < b.size ? -1 : 1))
                : NoCase(a.type, b.type) ? NoCase(a.type, b.type)
                                         : NoCase(a.name, b.name);
        return descending ? r > 0 : r < 0;
    });
    Texts names;
    for (const OrderEntry& e : entries)
        names.push_back(e.name);
    return names;
}

// Every sort of the file dialog, and the folder dialog's list, give the
// order of the platform's comparison, ties included, in a folder of names
// that differ only in case, width, kana and digits, long names, one name in
// several types, and entries that share a size or a date. Each file's type
// is the shell's name for its own path, whether asked while the folder was
// read or when its row was drawn (there are more extensions than are asked
// ahead, and files without one).
TEST_F(FileDialog, OrdersFollowThePlatformsComparison)
{
    const std::wstring longName = L"long" + std::wstring(180, L'n');
    for (const wchar_t* name : {L"beta", L"Alpha", L"ＡＬＰＨＡ", L"あ", L"ア", L"data", L"10", L"9", L"co-op", L"coop"})
        tree.Folder(std::wstring(L"mixed\\") + name);
    const Texts files = {L"a.txt", L"ａ.txt", L"Ａ.DAT", L"あ.txt", L"ア.txt", L"ｱ.txt", L"ぁ.txt", L"file9.dat",
                         L"file10.dat", L"file010.dat", longName + L"1.txt", longName + L"2.txt", longName + L".dat",
                         L"data.txt", L"data.dat", L"data.zlq", L"co-op.txt", L"coop.txt", L"co'op.txt", L"_x.txt",
                         L"~x.txt", L"x y.txt", L"日本.txt", L"二本.txt", L"ﾆﾎﾝ.txt", L"にほん.txt", L"ニホン.txt",
                         L"README", L"b.Dat"};
    for (std::size_t i = 0; i < files.size(); ++i)
        tree.File(L"mixed\\" + files[i], (i % 4) * 100);
    ASSERT_TRUE(RunOnHost(tree / L"mixed", "mkdir BETA ALPHA && touch A.txt Data.txt readme"));
    // The entries as a listing finds them: the special entry and the
    // folders, then the files, each as the file system gives them.
    std::vector<OrderEntry> found;
    WIN32_FIND_DATAW data;
    win::UniqueFind find(FindFirstFileW((tree / L"mixed\\*.*").c_str(), &data));
    for (bool more = static_cast<bool>(find); more; more = FindNextFileW(find.get(), &data)) {
        OrderEntry e{data.cFileName};
        e.written = 133000000000000000ull + found.size() % 3 * 864000000000ull; // three dates
        win::UniqueFile file(CreateFileW((tree / L"mixed" / e.name).c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ,
                                         nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
        FILETIME time{static_cast<DWORD>(e.written), static_cast<DWORD>(e.written >> 32)};
        SetFileTime(file.get(), nullptr, nullptr, &time);
        e.folder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        e.size = e.folder ? 0 : data.nFileSizeLow;
        e.special = e.name == L"..";
        if (e.special)
            e.name = L"上のフォルダへ";
        if (e.name != L".")
            found.push_back(e);
    }
    std::stable_partition(found.begin(), found.end(), [](const OrderEntry& e) { return e.folder; });
    ASSERT_GT(found.size(), 40u);

    const int commands[] = {1110, 1110, 1110, 1112, 1112, 1111, 1111, 1109, 1109, 1113, 1113, 1113};
    std::vector<Texts> listed;
    Texts types;
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
        SHFILEINFOW info = {};
        SHGetFileInfoW((tree / L"mixed" / e.name).c_str(), 0, &info, sizeof info, SHGFI_TYPENAME);
        if (!e.folder) { // a kind is its extension in any case
            EXPECT_EQ(NoCase(e.type, info.szTypeName), 0) << cp932::FromWide(e.type + L" for " + e.name);
        }
    }
    // A listing sorts by name; a command by its key, again in the other direction.
    std::vector<OrderEntry> expected = found;
    EXPECT_EQ(listed[0], SortAsTheList(expected, 1, false)) << "after the listing";
    unsigned key = 1;
    bool descending = false;
    for (std::size_t i = 0; i < std::size(commands); ++i) {
        unsigned next = commands[i] == 1113 ? key % 4 + 1 : static_cast<unsigned>(commands[i] - 1108);
        descending = next == key && !descending;
        key = next;
        EXPECT_EQ(listed[i + 1], SortAsTheList(expected, key, descending)) << "command " << i;
    }
    // The folder dialog: the folders by name, "このフォルダで決定" last.
    std::vector<OrderEntry> folders;
    std::copy_if(found.begin(), found.end(), std::back_inserter(folders), [](auto& e) { return e.folder; });
    Texts expectedFolders = SortAsTheList(folders, 1, false);
    expectedFolders.push_back(L"このフォルダで決定");
    HLUMADLG folderDialog = FolderDlg_Create(cp932::FromWide(At(L"mixed")).c_str(), nullptr);
    Driver().Run([&] { return FolderDlg_DoModal(folderDialog); }, [&](HWND d) {
        EXPECT_EQ(ListTexts(GetDlgItem(d, 1029)), expectedFolders);
    });
    FolderDlg_Delete(folderDialog);
}

// ---------------------------------------------------------------- typed names and questions

// What a typed name means is checked without a window (TypedNames); here
// the dialog goes where it points and shows refusals
// that only the file system and the drives can give.
TEST_F(FileDialog, TypedNamesFiltersAndRefusals)
{
    Create(1, At());
    for (int i = 0; i < 2; ++i)
        driver.Press(L"OK");
    Run([&](HWND d) {
        Type(d, L"Alpha");
        EXPECT_EQ(Line(d), At(L"Alpha") + L"\\");
        Type(d, L"..\\missing.zlq");
        // A drive letter in the other case is another drive: "Alpha" is
        // looked for at that drive's root.
        Type(d, std::wstring(1, static_cast<wchar_t>(towlower(At()[0]))) + L":Alpha");
    });
    EXPECT_EQ(driver.BoxTexts(), (Texts{L"missing.zlq は見つかりません。", L"Alpha は見つかりません。"}));

    // The caller's filters and default extension; choosing a type drops a
    // typed filter; a typed wildcard, then Enter, opens the focused entry.
    Create(1, At(), L"ゼルカクイズデータ(*.zlq)|*.zlq|Data|*.txt;*.DAT||", ".zlq");
    Run([&](HWND d) {
        EXPECT_EQ(ListTexts(List(d)), (Texts{L"上のフォルダへ", L"Alpha", L"beta", L"a.zlq"}));
        EXPECT_EQ(win::GetText(GetDlgItem(d, 1003)), L"ゼルカクイズデータ(*.zlq)");
        Type(d, L"b.*");
        SendDlgItemMessageW(d, 1003, CB_SETCURSEL, 1, 0);
        SendMessageW(d, WM_COMMAND, MAKEWPARAM(1003, CBN_SELENDOK), reinterpret_cast<LPARAM>(GetDlgItem(d, 1003)));
        EXPECT_EQ(ListTexts(List(d)), (Texts{L"上のフォルダへ", L"Alpha", L"beta", L"b.txt", L"c.dat", L"d.dat", L"e.dat"}));
        EXPECT_EQ(FocusId(d), kList);
        Type(d, L"*.dat");
        SetFocus(List(d));
        Type(d, L"");
    });
    EXPECT_EQ(Path(), At(L"c.dat"));
    Create(1, At(), L"", ".zlq");
    Run([&](HWND d) { Type(d, L"a"); });
    EXPECT_EQ(FileDlg_GetSelectedCount(dialog), 1);
    EXPECT_EQ(Path() + L"|" + Path(1), At(L"a.zlq") + L"|");
}

TEST_F(FileDialog, SaveQuestions)
{
    Create(0, At());
    driver.Press(L"いいえ");
    driver.Press(L"はい");
    Run([&](HWND d) {
        Type(d, L"b.txt");
        EXPECT_TRUE(IsWindowVisible(d));
        EXPECT_EQ(FileDlg_GetSelectedCount(dialog), 0);
        Type(d, L"b.txt");
    });
    EXPECT_EQ(Path(), At(L"b.txt"));
    Create(0, At());
    SetStyle(FDSM_STYLE, FDS_CREATEPROMPT | FDS_FILEMUSTNOTEXIST);
    driver.Press(L"OK");
    driver.Press(L"はい");
    Run([&](HWND d) {
        Type(d, L"a.zlq");
        Type(d, L"fresh.zlq");
    });
    EXPECT_EQ(Path(), At(L"fresh.zlq"));
    Texts texts = driver.BoxTexts();
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_NE(texts[0].find(L"b.txt\nこのファイルは すでに存在します。\n\n上書き保存しますか？"), std::wstring::npos);
    EXPECT_EQ(texts[2], L"a.zlq はすでに存在します。");
    EXPECT_NE(texts[3].find(L"fresh.zlqは見つかりません。新規作成しますか？"), std::wstring::npos);
}

std::vector<std::string> g_hookPaths;
int __cdecl RefuseFirst(const char* path, HLUMADLG)
{
    g_hookPaths.push_back(path);
    return g_hookPaths.size() > 1;
}

// The hook refuses a path (the dialog and the reader's mode stay), then
// takes the next; several selected files all reach the caller; a path is
// cut to the caller's buffer; no drive of the kinds offered, no window.
TEST_F(FileDialog, HookSelectionsAndTheCallersBuffer)
{
    Create(1, At());
    SetStyle(FDSM_ACCEPTHOOK, 0, 0, &RefuseFirst);
    Run([&](HWND d) {
        Type(d, L"a.zlq");
        EXPECT_TRUE(IsWindowVisible(d));
        EXPECT_EQ(SetModes(transcript).size(), 1u);
        Type(d, L"b.txt");
    });
    ASSERT_EQ(g_hookPaths.size(), 2u);
    EXPECT_EQ(cp932::ToWide(g_hookPaths[1]), At(L"b.txt"));
    EXPECT_EQ(FileDlg_GetSelectedCount(dialog), 1) << "the refused path is not kept";

    Create(1, At());
    SetStyle(FDSM_STYLE, FDS_MULTISELECT | FDS_FOCUSLIST);
    Run([&](HWND d) {
        EXPECT_EQ(FocusId(d), kList);
        Select(List(d), {L"Alpha", L"a.zlq", L"c.dat", L"e.dat"}, L"c.dat");
        Type(d, L"");
    });
    ASSERT_EQ(FileDlg_GetSelectedCount(dialog), 3);
    EXPECT_EQ((Texts{Path(0), Path(1), Path(2)}), (Texts{At(L"a.zlq"), At(L"c.dat"), At(L"e.dat")}));
    char buffer[8];
    std::memset(buffer, 0xCC, sizeof buffer);
    FileDlg_GetPathName(dialog, buffer, sizeof buffer, 0);
    EXPECT_EQ(std::string(buffer), Narrow(0).substr(0, 7)) << "cut to the caller's buffer";

    SetStyle(FDSM_DRIVETYPES, 0, LUMADLG_DRIVE_RAMDISK);
    EXPECT_EQ(Run([](HWND) {}), -1);
    EXPECT_FALSE(driver.Shown());
}

// The application key's menu is announced and offers only the operations
// left; a shortcut to a folder opens it.
TEST_F(FileDialog, MenusAndShortcuts)
{
    win::ComInit com;
    win::ComPtr<IShellLinkW> link;
    win::ComPtr<IPersistFile> file;
    ASSERT_TRUE(SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.put_void())));
    link->SetPath(At(L"Alpha").c_str());
    ASSERT_TRUE(SUCCEEDED(link->QueryInterface(IID_IPersistFile, file.put_void())));
    ASSERT_TRUE(SUCCEEDED(file->Save(At(L"to-alpha.lnk").c_str(), TRUE)));
    for (DWORD ops : {0u, 0x3Fu}) {
        Create(1, At());
        SetStyle(FDSM_DISABLEDOPS, 0, 0, nullptr, ops);
        Run([&](HWND d) {
            SetFocus(List(d));
            Press(VK_APPS);
        });
    }
    ASSERT_EQ(driver.Menus().size(), 2u);
    EXPECT_EQ(driver.Menus()[0].size(), 11u);
    EXPECT_EQ(driver.Menus()[0][0].substr(5), L"コピー(&C)\tCtrl + C");
    EXPECT_EQ(Texts(driver.Menus()[0].begin() + 5, driver.Menus()[0].end()), driver.Menus()[1])
        << "with every operation withdrawn, only the reading and the sort";
    EXPECT_EQ(transcript.Count(L"reader Speak 0 メニューオープン"), 2u);
    Run([&](HWND d) {
        Select(List(d), {L"to-alpha.lnk"});
        Command(d, 1116);
        EXPECT_EQ(Line(d), At(L"Alpha") + L"\\");
        EXPECT_EQ(FocusId(d), kName);
    });
}

// With the WindowOperation setting on, Enter in the name box and the list
// goes through the dialog's Enter handlers, also after the boxes of an
// operation had assistants of their own; refusals are spoken guides.
TEST_F(FileDialog, EnterHandlersWithWindowOperationOn)
{
    testsupport::ScopedWindowOperation windowOperation(1);
    Create(1, At());
    driver.Type(L"fresh", L"新しいフォルダの作成");
    EXPECT_EQ(Run([&](HWND d) {
                  Command(d, 1106);
                  EXPECT_EQ(FocusedText(List(d)), L"fresh");
                  HWND box = GetDlgItem(d, kName);
                  SetFocus(box);
                  for (const wchar_t* text : {L"missing.zlq", L"Alpha"}) {
                      SetWindowTextW(box, text);
                      SendMessageW(box, WM_KEYDOWN, VK_RETURN, 0);
                  }
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
