// The folder dialog run through the library's exports on a folder tree of
// the test's own (<root>\alpha\inner, Beta, gamma, file.txt), driven from
// inside its loop: the list and its navigation, what OK, Enter and the hook
// choose and the caller reads, start folders, the drives, new folders,
// menus, the drive box, folders code page 932 cannot name, and what the
// caller may change while it runs.
#include <windows.h>
#include <shlobj.h>

#include "dialogs/tests/dialog_fixture.h"
#include "tests/support/window_operation.h"

namespace fs = std::filesystem;
using namespace dialogtest;
using testsupport::ScopedWindowOperation;

namespace {

constexpr int kFolders = 1029;
constexpr wchar_t kMyComputer[] = L"マイ コンピュータ";

struct HookCall {
    int code;
    std::string item, folder;
};
std::vector<HookCall> g_hookCalls;
int g_hookAnswer = 1;
int __cdecl RecordingHook(HLUMADLG, int code, const char* item, const char* folder)
{
    g_hookCalls.push_back({code, item, folder});
    return code == 2 ? g_hookAnswer : 1;
}

class FolderDialog : public DialogTest {
protected:
    void SetUp() override
    {
        tree.Folder(L"alpha\\inner");
        tree.Folder(L"Beta");
        tree.Folder(L"gamma");
        tree.File(L"file.txt");
        g_hookCalls.clear();
        g_hookAnswer = 1;
    }
    void Make(const std::wstring& folder, DWORD mask = 0, DWORD style = 0)
    {
        FolderDlg_Delete(dialog);
        dialog = FolderDlg_Create(cp932::FromWide(folder).c_str(), nullptr);
        FolderDlgExStyle record = {0, mask, style, 0, &RecordingHook};
        if (mask)
            FolderDlg_SetExtendedStyle(dialog, &record);
    }
    // Runs the dialog; the script ends it, or it is cancelled afterwards.
    int Run(const std::function<void(HWND)>& script)
    {
        return driver.Run([&] { return FolderDlg_DoModal(dialog); }, script);
    }
    std::wstring Result(int size = 600)
    {
        std::string buffer(static_cast<std::size_t>(size), '\xCC');
        return cp932::ToWide(FolderDlg_GetPathName(dialog, buffer.data(), size));
    }
    static HWND List(HWND d) { return GetDlgItem(d, kFolders); }

    ScopedWindowOperation off{std::nullopt};
};

} // namespace

// Enter chooses the focused folder with the WindowOperation setting off and
// opens it with the setting on; "上のフォルダへ" and Backspace go up with
// the folder left selected; the next run starts where the last one ended.
TEST_F(FolderDialog, ListsEntersGoesUpAndStartsTheNextRunThere)
{
    Make(At());
    EXPECT_EQ(Run([&](HWND d) {
                  EXPECT_EQ(win::GetText(d), L"フォルダの参照");
                  EXPECT_EQ(ListTexts(List(d)), (Texts{L"上のフォルダへ", L"alpha", L"Beta", L"gamma", L"このフォルダで決定"}));
                  EXPECT_EQ(FocusedText(List(d)), L"alpha");
                  EXPECT_EQ(FocusId(d), kFolders);
                  EXPECT_EQ(StatusText(d), At());
                  Press(VK_RETURN);
              }),
              IDOK);
    EXPECT_EQ(Result(), At(L"alpha"));
    ScopedWindowOperation on(1);
    Make(At());
    EXPECT_EQ(Run([&](HWND d) {
                  Select(List(d), {L"gamma"});
                  Press(VK_RETURN);
                  EXPECT_EQ(StatusText(d), At(L"gamma"));
                  EXPECT_EQ(ListTexts(List(d)), (Texts{L"上のフォルダへ", L"このフォルダで決定"}));
                  Press(VK_HOME);
                  Press(VK_RETURN);
                  EXPECT_EQ(FocusedText(List(d)), L"gamma") << "the folder left";
                  Select(List(d), {L"Beta"});
                  Press(VK_RETURN);
                  Press(VK_BACK);
                  EXPECT_EQ(StatusText(d), At());
                  EXPECT_EQ(FocusedText(List(d)), L"Beta") << "the folder left";
                  Press(VK_RETURN);
              }),
              IDCANCEL);
    EXPECT_EQ(Result(), L"");
    Run([&](HWND d) { EXPECT_EQ(StatusText(d), At(L"Beta")); });
}

// OK takes the focused folder, or the current one from "このフォルダで決定";
// the hook hears each focus move (1) and the choice (2), which it may
// refuse. The caller's buffer gets the path cut to its size. While it runs
// the object is not deleted nor run again, nor taken by the other family.
TEST_F(FolderDialog, OkChoosesWhatTheHookAllows)
{
    Make(At(), 0x10000);
    ASSERT_EQ(FolderDlg_SetWindowText(dialog, cp932::FromWide(L"コピー先").c_str(), -1), 1);
    EXPECT_EQ(Run([&](HWND d) {
                  EXPECT_EQ(win::GetText(d), L"コピー先");
                  EXPECT_EQ(FolderDlg_Delete(dialog) + FileDlg_Delete(dialog) + FolderDlg_DoModal(dialog), -1);
                  Press(VK_DOWN);
                  Command(d, IDOK);
              }),
              IDOK);
    EXPECT_EQ(Result(), At(L"Beta"));
    EXPECT_EQ(Result(6), At(L"Beta").substr(0, 5));
    ASSERT_GE(g_hookCalls.size(), 2u);
    EXPECT_EQ(g_hookCalls.front().code, 1);
    EXPECT_EQ(cp932::ToWide(g_hookCalls.front().folder + "|" + g_hookCalls.front().item), At() + L"|alpha");
    EXPECT_EQ(g_hookCalls.back().code, 2);
    EXPECT_EQ(g_hookCalls.back().item, "Beta");

    EXPECT_EQ(Run([&](HWND d) {
                  EXPECT_EQ(win::GetText(d), L"フォルダの参照") << "a caption serves one run";
                  Press(VK_END);
                  EXPECT_EQ(FocusedText(List(d)), L"このフォルダで決定");
                  Command(d, IDOK);
              }),
              IDOK);
    EXPECT_EQ(Result(), At());
    g_hookAnswer = 0;
    EXPECT_EQ(Run([&](HWND d) {
                  Command(d, IDOK);
                  EXPECT_TRUE(IsWindowVisible(d)) << "refused by the hook";
              }),
              IDCANCEL);
    EXPECT_EQ(Result(), L"");
}

TEST_F(FolderDialog, StartFoldersAndTheDrives)
{
    wchar_t personal[MAX_PATH] = {};
    ASSERT_TRUE(SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, personal)));
    const struct {
        std::wstring start, shown, first;
    } rows[] = {
        {L"DRIVES", kMyComputer, L""},  {L"", kMyComputer, L""}, {At(L"missing"), L"C:\\", L"ドライブ選択へ"},
        {L"PERSONAL", personal, L"上のフォルダへ"}, {L"drives", L"C:\\", L"ドライブ選択へ"}, // the exact name only
        {L"O:\\", L"C:\\", L"ドライブ選択へ"}, {L"O:\\quiz", L"C:\\", L"ドライブ選択へ"}, // O: is never ready
    };
    for (const auto& row : rows) {
        Make(row.start);
        Run([&](HWND d) {
            EXPECT_EQ(StatusText(d), row.shown) << cp932::FromWide(row.start);
            if (row.first.empty())
                EXPECT_NE(FocusedText(List(d)).find(L"(C:)"), std::wstring::npos);
            else
                EXPECT_EQ(ListTexts(List(d)).front(), row.first);
        });
    }
    // Backspace from a root lists the drives, where the buttons are off
    // and Backspace does nothing; the next run starts there, and OK or
    // "ドライブ選択へ" go down and up again.
    Make(L"C:\\");
    Run([&](HWND d) {
        Press(VK_BACK);
        EXPECT_EQ(StatusText(d), kMyComputer);
        EXPECT_NE(FocusedText(List(d)).find(L"(C:)"), std::wstring::npos);
        for (int id : {1015, 1013, 1014})
            EXPECT_FALSE(IsWindowEnabled(GetDlgItem(d, id))) << id;
        Press(VK_BACK);
        EXPECT_EQ(StatusText(d), kMyComputer);
    });
    Run([&](HWND d) {
        EXPECT_EQ(StatusText(d), kMyComputer);
        Command(d, IDOK);
        EXPECT_EQ(StatusText(d), L"C:\\");
        Select(List(d), {L"ドライブ選択へ"});
        Command(d, IDOK);
        EXPECT_EQ(StatusText(d), kMyComputer);
    });
}

// New folders and their refusals; Alt+F2 and Alt+F1 read the folder and the
// drive; the context menus are announced and offer folder creation only
// where it is allowed: never among the drives, nor when the style withdraws
// it with its button, key and command.
TEST_F(FolderDialog, NewFoldersReadAloudAndMenus)
{
    Make(At());
    for (const wchar_t* name : {L"a;b", L"..\\escape", L"ALPHA", L"新規"}) {
        driver.Type(name, L"新しいフォルダの作成");
        driver.Press(L"OK", L"フォルダの作成");
    }
    Run([&](HWND d) {
        Press('N', {false, true});
        EXPECT_EQ(FocusedText(List(d)), L"新規");
        std::size_t before = transcript.Said().size();
        Press(VK_F2, {false, false, true});
        Press(VK_F1, {false, false, true});
        Texts said = transcript.Said(before);
        ASSERT_EQ(said.size(), 4u);
        EXPECT_EQ(said[0] + L"|" + said[1], L"reader Stop|reader SpeakEx 4 1 " + At());
        EXPECT_NE(said[3].find(L"(C:)"), std::wstring::npos);
        Press(VK_APPS);
        Command(d, 1013);
        for (int i = 0; i < 20 && StatusText(d) != kMyComputer; ++i)
            Command(d, 1015);
        EXPECT_EQ(FocusId(d), kFolders) << "the up button, disabled, gave the focus to the list";
        Press(VK_APPS);
        Command(d, 1013);
    });
    EXPECT_EQ(driver.BoxTexts(), (Texts{L"無効な文字が使われています。フォルダ名を入力しなおしてください。",
                            L"無効な文字が使われています。フォルダ名を入力しなおしてください。",
                            L"すでに同じ名前のフォルダが存在します。フォルダ名を入力しなおしてください。",
                            At(L"新規") + L" を作成しました。"}));
    EXPECT_TRUE(fs::is_directory(At(L"新規")));
    EXPECT_FALSE(fs::exists(tree.Path().parent_path() / L"escape"));
    Make(At(), 0x1, 0x40000);
    Run([&](HWND d) {
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(d, 1014)));
        Press('N', {false, true});
        Command(d, 1106);
        Press(VK_APPS);
    });
    const Texts read = {L"1114 現在のドライブの読み上げ(&D)\tAlt + F1", L"1115 現在のフォルダの読み上げ(&L)\tAlt + F2"};
    Texts list = read;
    list.insert(list.end(), {L"0 ", L"1106 フォルダの作成(&F)\tCtrl + N"});
    EXPECT_EQ(driver.Menus(), (std::vector<Texts>{list, read, read}));
    EXPECT_EQ(transcript.Count(L"reader Speak 0 メニューオープン"), 3u);
}

// A drive chosen in the box but not confirmed is put back when the box
// loses the focus; a confirmed one is listed and kept. O: (a CD-ROM drive
// without a medium in the test prefix) is offered, but choosing it, in the
// box or among the drives, says so and keeps the folder. While it runs the
// caller may disable OK and the drive box (only those) and show a guide
// message, which is spoken; the next run has them back.
TEST_F(FolderDialog, TheDriveBoxAndWhatTheCallerChangesWhileItRuns)
{
    ScopedWindowOperation on(1); // guides are spoken
    Make(At());
    EXPECT_EQ(FolderDlg_EnableControl(dialog, 1, 0), 0) << "not running";
    EXPECT_EQ(FolderDlg_SetWindowText(dialog, nullptr, 1017), 1);
    EXPECT_EQ(FolderDlg_SetWindowText(dialog, "x", 1000), 0);
    Run([&](HWND d) {
        EXPECT_EQ(win::GetText(GetDlgItem(d, 1017)), L"");
        HWND box = GetDlgItem(d, kDrives);
        int start = static_cast<int>(SendMessageW(box, CB_GETCURSEL, 0, 0)), z = DriveIndex(d, L'Z'), o = DriveIndex(d, L'O');
        ASSERT_TRUE(z >= 0 && o >= 0 && z != start) << "the test needs Wine's Z: and the empty O:";
        auto choose = [&](int index, bool confirm) {
            SetFocus(box);
            SendMessageW(box, CB_SETCURSEL, index, 0);
            if (confirm)
                SendMessageW(d, WM_COMMAND, MAKEWPARAM(kDrives, CBN_SELENDOK), reinterpret_cast<LPARAM>(box));
            SetFocus(List(d));
            Settle();
            return static_cast<int>(SendMessageW(box, CB_GETCURSEL, 0, 0));
        };
        EXPECT_EQ(choose(z, false), start) << "put back";
        EXPECT_EQ(choose(o, true), start) << "not ready";
        EXPECT_EQ(StatusText(d), At());
        for (int i = 0; i < 30 && StatusText(d) != kMyComputer; ++i)
            Command(d, 1015);
        for (const std::wstring& text : ListTexts(List(d)))
            if (lumadlg::DriveLetterOf(text) == L'O')
                Select(List(d), {text});
        Command(d, IDOK);
        EXPECT_EQ(StatusText(d), kMyComputer);
        EXPECT_EQ(choose(z, true), z);
        EXPECT_EQ(StatusText(d), L"Z:\\");
        EXPECT_EQ(FolderDlg_EnableControl(dialog, 1000, 0), 0);
        EXPECT_EQ(FolderDlg_EnableControl(dialog, 1, 0), 1);
        EXPECT_EQ(FolderDlg_EnableControl(dialog, 1, 0), 0) << "already disabled";
        Command(d, IDOK);
        EXPECT_TRUE(IsWindowVisible(d)) << "a disabled OK does nothing";
        EXPECT_EQ(FolderDlg_EnableControl(dialog, kDrives, 0), 1);
        std::string text = cp932::FromWide(L"選べません");
        FolderDlg_MessageWnd(dialog, text.c_str(), text.c_str());
    });
    EXPECT_EQ(transcript.Count(L"reader Speak 1 ドライブの準備ができていません"), 2u);
    EXPECT_EQ(transcript.Count(L"reader Speak 1 選べません"), 1u);
    Run([&](HWND d) { EXPECT_TRUE(IsWindowEnabled(GetDlgItem(d, IDOK))); });
}

// Folders whose names code page 932 cannot carry are listed as they are;
// the hook and the caller get texts that open them, never the neighbour
// their best fit names ("cafe" beside "café"); the next run starts there.
TEST_F(FolderDialog, FoldersTheCodePageCannotName)
{
    ScopedWindowOperation on(1); // Enter opens the focused folder
    const std::wstring folder = tree.Folder(L"Données").wstring(), cafe = tree.Folder(L"Données\\café").wstring();
    tree.Folder(L"Données\\cafe");
    Make(At(), 0x10000);
    EXPECT_EQ(Run([&](HWND d) {
                  ASSERT_TRUE(Select(List(d), {L"Données"}));
                  Press(VK_RETURN);
                  EXPECT_EQ(StatusText(d), folder);
                  ASSERT_TRUE(Select(List(d), {L"café"}));
                  Command(d, IDOK);
              }),
              1);
    EXPECT_EQ(FileIdOf(Result()), FileIdOf(cafe)) << cp932::FromWide(Result());
    ASSERT_GE(g_hookCalls.size(), 2u);
    for (const HookCall& call : {g_hookCalls[g_hookCalls.size() - 2], g_hookCalls.back()}) {
        EXPECT_EQ(FileIdOf(call.folder), FileIdOf(folder)) << call.folder;
        EXPECT_EQ(FileIdOf(call.folder + "\\" + call.item), FileIdOf(cafe)) << call.item;
    }
    EXPECT_EQ(Run([&](HWND d) {
                  EXPECT_EQ(StatusText(d), folder);
                  ASSERT_TRUE(Select(List(d), {L"このフォルダで決定"}));
                  Command(d, IDOK);
              }),
              1);
    EXPECT_EQ(FileIdOf(Result()), FileIdOf(folder));
}

TEST(FolderText, ParentsOfLongPathsNameNoFolderToSelect)
{
    EXPECT_EQ(lumadlg::ParentOfFolder(L"C:\\A\\B\\\\").folder, L"C:\\A");
    lumadlg::FolderParent longOne = lumadlg::ParentOfFolder(L"C:\\" + std::wstring(300, L'x'));
    EXPECT_EQ(longOne.folder + L"|" + longOne.leftName, L"C:\\|");
    EXPECT_EQ(lumadlg::DriveLetterOf(L"ボリューム (x) (d:)"), L'D');
}
