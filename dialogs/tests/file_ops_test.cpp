// The file dialog's file operations, run through the exports with every
// question answered on the test's thread: what each answer does to a folder
// tree of the test's own, the texts and buttons of the questions and
// refusals, failures, and the operations disabledOps withdraws.
#include "dialogs/tests/dialog_fixture.h"

#include <commctrl.h>

#include <fstream>

namespace fs = std::filesystem;
using namespace dialogtest;
using Names = std::vector<std::wstring>;

namespace {

// Selects the entries named, focusing the first, and presses a key on the list.
void KeyOn(HWND d, const Names& names, WORD vk, bool ctrl = false)
{
    ASSERT_TRUE(Select(List(d), names, names.front()));
    SetFocus(List(d));
    Press(vk, {.ctrl = ctrl});
}
std::wstring Upper(std::wstring text)
{
    CharUpperBuffW(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

class FileOps : public DialogTest {
protected:
    void SetUp() override
    {
        tree.File(L"Alpha\\inner.txt", 5);
        tree.Folder(L"beta");
        tree.File(L"a.txt", 10);
        tree.File(L"b.txt", 20);
        tree.File(L"c.txt", 30);
    }
    // Runs an open dialog on `folder`; the script's operations are answered
    // as queued, and the dialog is cancelled afterwards.
    void RunOps(const std::function<void(HWND)>& script, DWORD style = FDS_FILEMUSTEXIST, DWORD ops = 0,
                const std::wstring& folder = {})
    {
        Create(1, folder.empty() ? At() : folder);
        SetStyle(FDSM_STYLE | FDSM_DISABLEDOPS, style, 0, nullptr, ops);
        EXPECT_EQ(Run(script), 2);
    }
    // The copy's folder dialog: chooses `entry` there.
    void ChooseFolder(const std::wstring& entry, std::wstring* start = nullptr)
    {
        driver.Answer(
            [entry, start](HWND folderDialog) {
                if (start)
                    *start = StatusText(folderDialog);
                Select(GetDlgItem(folderDialog, 1029), {entry});
                PostMessageW(folderDialog, WM_COMMAND, IDOK, 0);
            },
            L"ファイルのコピー");
    }
};

TEST_F(FileOps, NewFoldersAndRenaming)
{
    SetFileAttributesW(At(L"c.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    for (const wchar_t* name : {L"a:b", L"..", L"ALPHA"}) {
        driver.Type(name, L"新しいフォルダの作成");
        driver.Press(L"OK", L"フォルダの作成");
    }
    driver.Type(L"新規", L"新しいフォルダの作成");
    driver.Answer([](HWND box) { PostMessageW(box, WM_COMMAND, IDCANCEL, 0); }, L"新しいフォルダの作成");
    for (const wchar_t* name : {L"x/y", L"B.TXT", L"a.txt"}) { // an existing name: the move fails
        driver.Type(name, L"名前の変更");
        driver.Press(L"OK", L"名前の変更");
    }
    driver.Type(L"renamed.txt", L"名前の変更");
    driver.Type(L"c2.txt", L"名前の変更");
    driver.Press(L"いいえ", L"名前の変更");
    driver.Type(L"c2.txt", L"名前の変更");
    driver.Press(L"はい", L"名前の変更");
    driver.Type(L"gamma", L"名前の変更");
    Names focused;
    RunOps([&](HWND d) {
        Command(d, 1106);
        focused.push_back(FocusedText(List(d)));
        Command(d, 1014); // the button asks too; cancelled, it makes nothing
        KeyOn(d, {L"b.txt"}, VK_F2);
        KeyOn(d, {L"b.txt"}, VK_F2);
        focused.push_back(FocusedText(List(d)));
        KeyOn(d, {L"c.txt"}, VK_F2);
        EXPECT_TRUE(fs::exists(At(L"c.txt"))) << "a read-only file is renamed only after a yes";
        KeyOn(d, {L"c.txt"}, VK_F2);
        Select(List(d), {L"beta"});
        Command(d, 1108);
    });
    EXPECT_EQ(focused, (Names{L"新規", L"renamed.txt"})) << "the new name is selected";
    EXPECT_EQ(driver.BoxTexts(), (Names{L"無効な文字が使われています。フォルダ名を入力しなおしてください。",
                            L"無効な文字が使われています。フォルダ名を入力しなおしてください。",
                            L"すでに同じ名前のフォルダが存在します。フォルダ名を入力しなおしてください。",
                            L"無効な文字が使われています。名前を入力しなおしてください。",
                            L"変更前と同じ名前が指定されました。名前を入力しなおしてください。", L"名前の変更に失敗しました。",
                            L"c.txt は読み取り専用です。名前を変更してもよろしいですか？",
                            L"c.txt は読み取り専用です。名前を変更してもよろしいですか？"}));
    EXPECT_EQ(Seen(6).buttons, (Names{L"はい", L"いいえ"}));
    Names entries;
    for (const auto& entry : fs::directory_iterator(tree.Path()))
        entries.push_back(entry.path().filename().wstring());
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ(entries, (Names{L"Alpha", L"a.txt", L"c2.txt", L"gamma", L"renamed.txt", L"新規"}));
    EXPECT_EQ(fs::file_size(At(L"a.txt")), 10u);
    EXPECT_EQ(fs::file_size(At(L"renamed.txt")), 20u);
}

// Wine keeps its recycle bin in the user's trash folder under the Unix home.
fs::path WineTrash()
{
    wchar_t home[MAX_PATH] = {};
    if (!GetEnvironmentVariableW(L"WINEHOMEDIR", home, MAX_PATH))
        return {};
    std::wstring path = home;
    return fs::path(path.rfind(L"\\??\\", 0) == 0 ? path.substr(4) : path) / L".local" / L"share" / L"Trash" / L"files";
}

// On a fixed disk a deletion offers the recycle bin; read-only entries ask
// once more, system files are never deleted; several entries are counted
// and each folder among them asks again.
TEST_F(FileOps, Deleting)
{
    ASSERT_EQ(GetDriveTypeW(At().substr(0, 3).c_str()), static_cast<UINT>(DRIVE_FIXED));
    const std::wstring gone = L"gone-" + std::to_wstring(GetCurrentProcessId()) + L".txt";
    const std::wstring recycled = L"recycled-" + gone;
    tree.File(gone, 3);
    tree.File(recycled, 7);
    tree.File(L"d.txt", 40);
    SetFileAttributesW(At(L"a.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    SetFileAttributesW(At(L"b.txt").c_str(), FILE_ATTRIBUTE_SYSTEM);
    for (const wchar_t* answer : {L"ｷｬﾝｾﾙ", L"削除", L"ごみ箱へ移す"})
        driver.Press(answer, L"ファイルの削除の確認");
    for (const wchar_t* answer : {L"いいえ", L"はい"}) {
        driver.Press(L"削除", L"ファイルの削除の確認");
        driver.Press(answer, L"削除の確認");
    }
    driver.Press(L"削除", L"ファイルの削除の確認");
    driver.Press(L"OK", L"削除");
    for (const wchar_t* answer : {L"いいえ", L"はい"}) {
        driver.Press(L"削除", L"複数ファイルの削除の確認");
        driver.Press(answer, L"フォルダの削除の確認");
    }
    driver.Press(L"いいえ", L"フォルダの削除の確認");
    driver.Press(L"削除", L"フォルダの削除の確認");
    std::wstring focusedAfter;
    tree.Folder(L"delta");
    RunOps([&](HWND d) {
        KeyOn(d, {gone}, VK_DELETE);
        EXPECT_TRUE(fs::exists(At(gone))) << "cancelled";
        KeyOn(d, {gone}, VK_DELETE);
        focusedAfter = FocusedText(List(d));
        KeyOn(d, {recycled}, VK_DELETE);
        KeyOn(d, {L"a.txt"}, VK_DELETE);
        EXPECT_EQ(GetFileAttributesW(At(L"a.txt").c_str()) & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY), 1u) << "declined";
        KeyOn(d, {L"a.txt"}, VK_DELETE);
        KeyOn(d, {L"b.txt"}, VK_DELETE);
        KeyOn(d, {L"c.txt", L"Alpha", L"d.txt"}, VK_DELETE);
        EXPECT_TRUE(fs::exists(At(L"Alpha\\inner.txt"))) << "the folder was declined";
        KeyOn(d, {L"Alpha", L"beta"}, VK_DELETE);
        Select(List(d), {L"delta"});
        Command(d, 1107);
    }, FDS_MULTISELECT | FDS_FILEMUSTEXIST);
    EXPECT_EQ(Seen(0).text, gone + L" \nこのファイルを削除してもよろしいですか？");
    EXPECT_EQ(Seen(0).buttons, (Names{L"削除", L"ごみ箱へ移す", L"ｷｬﾝｾﾙ"}));
    EXPECT_EQ(focusedAfter, L"上のフォルダへ") << "the top entry after the refresh";
    EXPECT_EQ(Seen(4).text, L"a.txt \nこのファイルは読み取り専用です。\n\n削除してもよろしいですか？");
    EXPECT_EQ(Seen(8).text, L"b.txt \nこのファイルはシステムファイルです。削除できません。");
    EXPECT_EQ(Seen(9).text, L"これらの 3個のファイルを削除してもよろしいですか？");
    EXPECT_EQ(Seen(10).text, L"Alphaはフォルダです。\nこのフォルダとフォルダ内のすべてのファイルを削除してもよろしいですか？");
    EXPECT_EQ(Seen(11).text, L"これらの 2個のファイルを削除してもよろしいですか？");
    EXPECT_EQ(Seen(14).text, L"delta \nこのフォルダとフォルダ内のすべてのファイルを削除してもよろしいですか？");
    EXPECT_EQ(Seen(14).buttons, (Names{L"削除", L"ごみ箱へ移す", L"ｷｬﾝｾﾙ"}));
    for (const wchar_t* name : {gone.c_str(), recycled.c_str(), L"a.txt", L"c.txt", L"d.txt", L"Alpha", L"delta"})
        EXPECT_FALSE(fs::exists(At(name))) << cp932::FromWide(name);
    EXPECT_TRUE(fs::exists(At(L"b.txt"))) << "a system file is never deleted";
    EXPECT_TRUE(fs::exists(At(L"beta"))) << "its question was declined";
    // "削除" deletes for good, "ごみ箱へ移す" moves to the recycle bin.
    fs::path trash = WineTrash();
    if (fs::is_directory(trash)) {
        EXPECT_FALSE(fs::exists(trash / gone));
        EXPECT_TRUE(fs::exists(trash / recycled));
        std::error_code ignored;
        fs::remove(trash / recycled, ignored);
        fs::remove(trash.parent_path() / L"info" / (recycled + L".trashinfo"), ignored);
    }
}

// Off fixed disks (M: removable, N: network in the test prefix) only
// "削除" and "ｷｬﾝｾﾙ" are offered.
TEST_F(FileOps, DeletingOffFixedDisks)
{
    for (const wchar_t* drive : {L"M:\\", L"N:\\"}) {
        UINT type = GetDriveTypeW(drive);
        ASSERT_TRUE(type == DRIVE_REMOVABLE || type == DRIVE_REMOTE) << "no M: and N: in this Wine prefix";
        fs::path path = fs::path(drive) / testsupport::UniqueTempPath("lumadlg").filename();
        fs::create_directories(path);
        std::ofstream(path / L"gone.txt") << "x";
        driver.Press(L"ｷｬﾝｾﾙ");
        driver.Press(L"削除");
        RunOps([&](HWND d) {
            KeyOn(d, {L"gone.txt"}, VK_DELETE);
            EXPECT_TRUE(fs::exists(path / L"gone.txt"));
            KeyOn(d, {L"gone.txt"}, VK_DELETE);
        }, FDS_FILEMUSTEXIST, 0, path.wstring());
        EXPECT_EQ(driver.Boxes().back().buttons, (Names{L"削除", L"ｷｬﾝｾﾙ"})) << cp932::FromWide(drive);
        EXPECT_FALSE(fs::exists(path / L"gone.txt"));
        fs::remove_all(path);
    }
}

// A copy into its own folder is named "コピー ～ ..." and selected; an
// existing copy asks before it is overwritten; Cancel ends the whole copy;
// folders are not copied; the folder dialog offers no new folder when
// folder creation is withdrawn, and starts in a folder code page 932
// cannot name.
TEST_F(FileOps, Copying)
{
    tree.File(L"beta\\a.txt", 5);
    tree.File(L"Zoë\\z.txt", 10);
    std::wstring start, zoeStart;
    ChooseFolder(L"このフォルダで決定", &start);
    ChooseFolder(L"このフォルダで決定");
    driver.Press(L"いいえ", L"上書きの確認");
    ChooseFolder(L"beta");
    driver.Press(L"ｷｬﾝｾﾙ", L"上書きの確認");
    ChooseFolder(L"beta");
    driver.Press(L"はい", L"上書きの確認");
    ChooseFolder(L"このフォルダで決定", &zoeStart);
    bool newFolderButton = true;
    std::wstring focusedAfter;
    RunOps([&](HWND d) {
        KeyOn(d, {L"b.txt"}, 'C', true);
        focusedAfter = FocusedText(List(d));
        tree.File(L"コピー ～ b.txt", 7);
        KeyOn(d, {L"b.txt"}, VK_INSERT, true);
        KeyOn(d, {L"a.txt", L"b.txt", L"Alpha"}, 'C', true);
        EXPECT_FALSE(fs::exists(At(L"beta\\b.txt"))) << "Cancel ends the whole copy";
        EXPECT_EQ(fs::file_size(At(L"beta\\a.txt")), 5u);
        Select(List(d), {L"a.txt", L"b.txt", L"Alpha"}, L"a.txt");
        Command(d, 1103);
        SetDlgItemTextW(d, 1000, L"Zoë");
        SendMessageW(d, WM_COMMAND, IDOK, 0);
        KeyOn(d, {L"z.txt"}, 'C', true);
    }, FDS_MULTISELECT | FDS_FILEMUSTEXIST);
    EXPECT_EQ(start, At());
    EXPECT_EQ(focusedAfter, L"コピー ～ b.txt");
    EXPECT_EQ(Seen(0).text,
              Upper(At()) + L"\\コピー ～ b.txt \nコピー先のフォルダへ 同じ名前のファイルが存在します。\n\n上書きしますか？");
    EXPECT_EQ(Seen(0).buttons, (Names{L"はい", L"いいえ", L"ｷｬﾝｾﾙ"}));
    EXPECT_EQ(fs::file_size(At(L"コピー ～ b.txt")), 7u) << "No keeps the existing file";
    EXPECT_EQ(fs::file_size(At(L"beta\\a.txt")), 10u);
    EXPECT_EQ(fs::file_size(At(L"beta\\b.txt")), 20u);
    EXPECT_FALSE(fs::exists(At(L"beta\\Alpha"))) << "folders are not copied";
    EXPECT_EQ(zoeStart, At(L"Zoë") + L"\\");
    EXPECT_TRUE(fs::exists(At(L"Zoë\\コピー ～ z.txt")));

    driver.Answer([&](HWND folderDialog) {
        newFolderButton = IsWindowEnabled(GetDlgItem(folderDialog, 1014)) != FALSE;
        PostMessageW(folderDialog, WM_COMMAND, IDCANCEL, 0);
    });
    RunOps([&](HWND d) { KeyOn(d, {L"a.txt"}, 'C', true); }, FDS_FILEMUSTEXIST, FDO_CREATEFOLDER);
    EXPECT_FALSE(newFolderButton);
}

// What vanished or is held by another program since the list was made is
// reported, and everything else is left as it was.
TEST_F(FileOps, FailuresAreReported)
{
    const std::wstring deep(200, L'd');
    tree.File(L"d.txt", 40);
    SetFileAttributesW(At(L"a.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    driver.Press(L"削除", L"ファイルの削除の確認");
    driver.Press(L"OK", L"削除");
    driver.Press(L"削除", L"ファイルの削除の確認");
    driver.Press(L"はい", L"削除の確認");
    driver.Press(L"OK", L"ファイルの削除のエラー");
    ChooseFolder(L"beta");
    driver.Press(L"OK", L"ファイルのコピー");
    driver.Answer([&](HWND folderDialog) {
        Select(GetDlgItem(folderDialog, 1029), {L"beta"});
        fs::remove_all(At(L"beta"));
        PostMessageW(folderDialog, WM_COMMAND, IDOK, 0);
    });
    driver.Press(L"OK", L"ファイルのコピー");
    RunOps([&](HWND d) {
        Select(List(d), {L"c.txt"});
        fs::remove(At(L"c.txt"));
        SetFocus(List(d));
        Press(VK_DELETE);
        // Held open without sharing: the deletion fails, the file stays
        // read-only.
        HANDLE held = CreateFileW(At(L"a.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        KeyOn(d, {L"a.txt"}, VK_DELETE);
        CloseHandle(held);
        Select(List(d), {L"b.txt", L"d.txt"}, L"d.txt");
        fs::remove(At(L"b.txt"));
        SetFocus(List(d));
        Press('C', {.ctrl = true});
        EXPECT_FALSE(fs::exists(At(L"beta\\d.txt"))) << "the first file gone, nothing is copied";
        KeyOn(d, {L"d.txt"}, 'C', true); // the target folder is gone when the dialog closes
    }, FDS_MULTISELECT | FDS_FILEMUSTEXIST);
    ASSERT_EQ(driver.Boxes().size(), 7u);
    EXPECT_EQ(Seen(1).text, L"c.txt \nファイルの属性を取得できませんでした。");
    EXPECT_EQ(Seen(4).text,
              L"a.txt を削除できません。\n\nライトプロテクトされていないか、またはファイルが使用中でないか確認してください。");
    EXPECT_EQ(GetFileAttributesW(At(L"a.txt").c_str()) & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY), 1u);
    EXPECT_EQ(Seen(5).text, Upper(At()) + L"\\b.txt \nファイルのコピーに失敗しました。");
    EXPECT_EQ(Seen(6).text, L"入力されたフォルダ名は存在しません。");
    EXPECT_EQ(fs::file_size(At(L"d.txt")), 40u);

    // A new folder whose path would pass 260 bytes is not made.
    tree.Folder(L"beta\\" + deep);
    driver.Type(std::wstring(40, L'n'), L"新しいフォルダの作成");
    driver.Press(L"OK", L"フォルダの作成");
    RunOps([&](HWND d) { Command(d, 1106); }, FDS_FILEMUSTEXIST, 0, At(L"beta\\" + deep));
    EXPECT_EQ(driver.Boxes().back().text, L"新しいフォルダの作成に失敗しました。");
    EXPECT_TRUE(fs::is_empty(At(L"beta\\" + deep)));
}

// disabledOps withdraws every key, command and button of the operations,
// and the help line says what is left.
TEST_F(FileOps, WithdrawnOperations)
{
    std::wstring help;
    bool fileOps = true, newFolder = false;
    RunOps([&](HWND d) {
        fileOps = IsWindowEnabled(GetDlgItem(d, 1012)) != FALSE;
        newFolder = IsWindowEnabled(GetDlgItem(d, 1014)) != FALSE;
        SetFocus(List(d));
        help = StatusText(d);
        for (const wchar_t* name : {L"a.txt", L"Alpha"}) {
            for (auto [key, ctrl] : {std::pair<WORD, bool>{'C', true}, {VK_INSERT, true}, {VK_DELETE, false}, {VK_F2, false}})
                KeyOn(d, {name}, key, ctrl);
            for (int command : {1103, 1104, 1105, 1107, 1108})
                Command(d, command);
        }
    }, FDS_FILEMUSTEXIST, 0x37);
    EXPECT_FALSE(fileOps);
    EXPECT_TRUE(newFolder) << "0x37 leaves folder creation";
    EXPECT_EQ(help, L" フォルダの作成[Ctrl + N]");
    RunOps([&](HWND d) {
        newFolder = IsWindowEnabled(GetDlgItem(d, 1014)) != FALSE;
        Command(d, 1106);
        SetFocus(List(d));
        Press('N', {.ctrl = true});
    }, FDS_FILEMUSTEXIST, 0x3F);
    EXPECT_FALSE(newFolder);
    EXPECT_TRUE(fs::exists(At(L"a.txt")) && fs::exists(At(L"Alpha")));
}

} // namespace
