// The file dialog's file operations run through the exports and answered on
// the test's thread: every question, refusal and message box, what each
// answer does to a folder tree the test builds, and the operations that
// disabledOps withdraws.
#include "dialogs/lumadlg.h"

#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "dialogs/folder/tests/folder_driver.h"
#include "dialogs/tests/dialog_driver.h"
#include "tests/support/window_operation.h"
#include "win/cp932.h"
#include "win/registry.h"
#include "win/window.h"

namespace fs = std::filesystem;
using namespace dialogtest;
using foldertest::Driver;

namespace {

constexpr int kList = 1004, kStatus = 1005;

bool IsFileDialog(HWND window) { return GetDlgItem(window, kList) != nullptr; }

std::wstring ReadAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return cp932::ToWide(bytes);
}

void Write(const fs::path& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

// The captions of a box's visible buttons, in order.
std::vector<std::wstring> VisibleButtons(HWND box)
{
    std::vector<std::wstring> captions;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t name[16] = {};
        GetClassNameW(child, name, 16);
        if (lstrcmpiW(name, L"Button") == 0 && IsWindowVisible(child))
            captions.push_back(win::GetText(child));
    }
    return captions;
}

// A box seen by an answer: its message and its buttons.
struct Seen {
    std::wstring text;
    std::vector<std::wstring> buttons;
};

// Answers a box with the button of that caption, recording what it showed.
std::function<void(HWND)> Press(std::wstring caption, std::vector<Seen>* seen)
{
    return [caption, seen](HWND box) {
        seen->push_back({foldertest::BoxMessage(box), VisibleButtons(box)});
        foldertest::PressButton(caption, nullptr)(box);
    };
}

std::function<void(HWND)> CancelInput()
{
    return [](HWND box) { PostMessageW(box, WM_COMMAND, IDCANCEL, 0); };
}

class FileOps : public ::testing::Test {
protected:
    void SetUp() override
    {
        tree_.Folder(L"Alpha");
        tree_.File(L"Alpha\\inner.txt", 5);
        tree_.Folder(L"beta");
        tree_.File(L"a.txt", 10);
        tree_.File(L"b.txt", 20);
        tree_.File(L"c.txt", 30);
    }
    void TearDown() override
    {
        if (dialog_)
            FileDlg_Delete(dialog_);
    }

    void Open(const std::wstring& folder, DWORD style = FDS_FILEMUSTEXIST, DWORD disabledOps = 0)
    {
        std::string f = cp932::FromWide(folder);
        dialog_ = FileDlg_Create(1, nullptr, nullptr, f.c_str(), nullptr, nullptr);
        FileDlgExStyle record = {};
        record.mask = 0x1 | 0x4;
        record.style = style;
        record.disabledOps = disabledOps;
        FileDlg_SetExtendedStyle(dialog_, &record);
    }
    // Runs the file dialog; the script ends it with cancel.
    void Run(std::function<void(HWND)> script)
    {
        int result = driver_.Run([&] { return FileDlg_DoModal(dialog_); },
                                 [script](HWND d) {
                                     script(d);
                                     PostMessageW(d, WM_COMMAND, IDCANCEL, 0);
                                 });
        EXPECT_EQ(result, 2);
        EXPECT_TRUE(driver_.ScriptRan());
        EXPECT_FALSE(driver_.TimedOut());
        EXPECT_TRUE(driver_.AllAnswered()) << "a box that was expected did not come";
        EXPECT_EQ(driver_.Unanswered(), std::vector<std::wstring>{}) << "a box came that was not expected";
    }

    static HWND List(HWND d) { return GetDlgItem(d, kList); }
    static std::vector<std::wstring> Names(HWND d) { return ListColumn(List(d)); }
    static std::wstring Focused(HWND d)
    {
        int i = ListFocused(List(d));
        return i < 0 ? L"" : ListText(List(d), i);
    }
    // Selects the entries named (the list's own texts), focusing `focus`.
    static void Select(HWND d, const std::vector<std::wstring>& names, const std::wstring& focus)
    {
        HWND list = List(d);
        LVITEMW clear = {};
        clear.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&clear));
        std::vector<std::wstring> texts = ListColumn(list);
        for (std::size_t i = 0; i < texts.size(); ++i) {
            LVITEMW state = {};
            state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
            for (const auto& name : names)
                if (texts[i] == name)
                    state.state |= LVIS_SELECTED;
            if (texts[i] == focus)
                state.state |= LVIS_FOCUSED;
            if (state.state)
                SendMessageW(list, LVM_SETITEMSTATE, i, reinterpret_cast<LPARAM>(&state));
        }
        ASSERT_EQ(Focused(d), focus);
    }
    // A key in the list, with Ctrl held when asked.
    static void Key(HWND d, WORD vk, bool ctrl = false)
    {
        BYTE keys[256] = {};
        GetKeyboardState(keys);
        BYTE saved = keys[VK_CONTROL];
        keys[VK_CONTROL] = ctrl ? 0x80 : 0;
        SetKeyboardState(keys);
        SendMessageW(List(d), WM_KEYDOWN, vk, 0);
        GetKeyboardState(keys);
        keys[VK_CONTROL] = saved;
        SetKeyboardState(keys);
    }

    fs::path At(const std::wstring& name) const { return tree_.Root() / name; }

    TempTree tree_;
    Driver driver_{20000, IsFileDialog};
    HLUMADLG dialog_ = nullptr;
    std::vector<Seen> seen_;
};

TEST_F(FileOps, NewFolderRefusesBadAndDuplicateNamesThenSelectsTheNewOne)
{
    Open(tree_.Path());
    driver_.Answer(L"新しいフォルダの作成", foldertest::TypeAndOk(L"a:b"));
    driver_.Answer(L"フォルダの作成", Press(L"OK", &seen_));
    driver_.Answer(L"新しいフォルダの作成", foldertest::TypeAndOk(L".."));
    driver_.Answer(L"フォルダの作成", Press(L"OK", &seen_));
    driver_.Answer(L"新しいフォルダの作成", foldertest::TypeAndOk(L"ALPHA"));
    driver_.Answer(L"フォルダの作成", Press(L"OK", &seen_));
    driver_.Answer(L"新しいフォルダの作成", foldertest::TypeAndOk(L"新規"));
    driver_.Answer(L"新しいフォルダの作成", CancelInput());
    std::wstring focusedAfter;
    Run([&](HWND d) {
        Command(d, 1106);
        focusedAfter = Focused(d);
        // The button asks too; cancelled, it creates nothing.
        SendMessageW(d, WM_COMMAND, MAKEWPARAM(1014, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(d, 1014)));
    });
    ASSERT_EQ(seen_.size(), 3u);
    EXPECT_EQ(seen_[0].text, L"無効な文字が使われています。フォルダ名を入力しなおしてください。");
    EXPECT_EQ(seen_[1].text, L"無効な文字が使われています。フォルダ名を入力しなおしてください。");
    EXPECT_EQ(seen_[2].text, L"すでに同じ名前のフォルダが存在します。フォルダ名を入力しなおしてください。");
    EXPECT_TRUE(fs::is_directory(At(L"新規")));
    EXPECT_EQ(focusedAfter, L"新規");
    std::size_t entries = 0;
    for (auto it = fs::directory_iterator(tree_.Root()); it != fs::directory_iterator(); ++it)
        ++entries;
    EXPECT_EQ(entries, 6u) << "Alpha, beta, 新規 and the three files, nothing else";
}

TEST_F(FileOps, RenameRefusesThenRenamesAndSelects)
{
    Open(tree_.Path());
    driver_.Answer(L"名前の変更", foldertest::TypeAndOk(L"x/y"));
    driver_.Answer(L"名前の変更", Press(L"OK", &seen_));
    driver_.Answer(L"名前の変更", foldertest::TypeAndOk(L"B.TXT"));
    driver_.Answer(L"名前の変更", Press(L"OK", &seen_));
    // An existing name: the move fails and both files stay as they were.
    driver_.Answer(L"名前の変更", foldertest::TypeAndOk(L"a.txt"));
    driver_.Answer(L"名前の変更", Press(L"OK", &seen_));
    driver_.Answer(L"名前の変更", foldertest::TypeAndOk(L"renamed.txt"));
    std::wstring focusedAfter;
    std::wstring prompt;
    Run([&](HWND d) {
        Select(d, {L"b.txt"}, L"b.txt");
        Key(d, VK_F2);
        Key(d, VK_F2);
        focusedAfter = Focused(d);
    });
    ASSERT_EQ(seen_.size(), 3u);
    EXPECT_EQ(seen_[0].text, L"無効な文字が使われています。名前を入力しなおしてください。");
    EXPECT_EQ(seen_[1].text, L"変更前と同じ名前が指定されました。名前を入力しなおしてください。");
    EXPECT_EQ(seen_[2].text, L"名前の変更に失敗しました。");
    EXPECT_EQ(fs::file_size(At(L"a.txt")), 10u);
    EXPECT_FALSE(fs::exists(At(L"b.txt")));
    EXPECT_EQ(fs::file_size(At(L"renamed.txt")), 20u);
    EXPECT_EQ(focusedAfter, L"renamed.txt");
}

TEST_F(FileOps, RenamingAReadOnlyEntryAsksFirst)
{
    tree_.SetAttributes(L"c.txt", FILE_ATTRIBUTE_READONLY);
    Open(tree_.Path());
    driver_.Answer(L"名前の変更", foldertest::TypeAndOk(L"c2.txt"));
    driver_.Answer(L"名前の変更", Press(L"いいえ", &seen_));
    driver_.Answer(L"名前の変更", foldertest::TypeAndOk(L"c2.txt"));
    driver_.Answer(L"名前の変更", Press(L"はい", &seen_));
    // A folder is renamed the same way.
    driver_.Answer(L"名前の変更", foldertest::TypeAndOk(L"gamma"));
    bool stayedAfterNo = false;
    Run([&](HWND d) {
        Select(d, {L"c.txt"}, L"c.txt");
        Command(d, 1105);
        stayedAfterNo = fs::exists(At(L"c.txt"));
        Command(d, 1105);
        Select(d, {L"beta"}, L"beta");
        Command(d, 1108);
    });
    ASSERT_EQ(seen_.size(), 2u);
    EXPECT_EQ(seen_[0].text, L"c.txt は読み取り専用です。名前を変更してもよろしいですか？");
    EXPECT_EQ(seen_[0].buttons, (std::vector<std::wstring>{L"はい", L"いいえ"}));
    EXPECT_TRUE(stayedAfterNo);
    EXPECT_TRUE(fs::exists(At(L"c2.txt")));
    EXPECT_TRUE(fs::is_directory(At(L"gamma")));
    EXPECT_FALSE(fs::exists(At(L"beta")));
}

// Wine keeps its recycle bin in the user's trash folder (the freedesktop
// one under the Unix home); empty path elsewhere.
fs::path WineTrash()
{
    wchar_t home[MAX_PATH] = {};
    if (!GetEnvironmentVariableW(L"WINEHOMEDIR", home, MAX_PATH))
        return {};
    std::wstring path = home;
    if (path.rfind(L"\\??\\", 0) == 0)
        path = path.substr(4);
    return fs::path(path) / L".local" / L"share" / L"Trash";
}

TEST_F(FileOps, DeletingOnAFixedDiskOffersTheRecycleBin)
{
    ASSERT_EQ(GetDriveTypeW(tree_.Path().substr(0, 3).c_str()), static_cast<UINT>(DRIVE_FIXED));
    const std::wstring serial = std::to_wstring(GetCurrentProcessId());
    const std::wstring gone = L"gone-" + serial + L".txt", recycled = L"recycled-" + serial + L".txt";
    tree_.File(gone, 3);
    tree_.File(recycled, 7);
    Open(tree_.Path());
    driver_.Answer(L"ファイルの削除の確認", Press(L"ｷｬﾝｾﾙ", &seen_));
    driver_.Answer(L"ファイルの削除の確認", Press(L"削除", &seen_));
    driver_.Answer(L"ファイルの削除の確認", Press(L"ごみ箱へ移す", &seen_));
    std::vector<std::wstring> afterDelete;
    std::wstring focusedAfter;
    Run([&](HWND d) {
        Select(d, {gone}, gone);
        Key(d, VK_DELETE);
        EXPECT_TRUE(fs::exists(At(gone))) << "cancelled";
        Key(d, VK_DELETE);
        afterDelete = Names(d);
        focusedAfter = Focused(d);
        Select(d, {recycled}, recycled);
        Key(d, VK_DELETE);
    });
    ASSERT_EQ(seen_.size(), 3u);
    EXPECT_EQ(seen_[0].text, gone + L" \nこのファイルを削除してもよろしいですか？");
    EXPECT_EQ(seen_[0].buttons, (std::vector<std::wstring>{L"削除", L"ごみ箱へ移す", L"ｷｬﾝｾﾙ"}));
    EXPECT_FALSE(fs::exists(At(gone)));
    EXPECT_EQ(afterDelete,
              (std::vector<std::wstring>{L"上のフォルダへ", L"Alpha", L"beta", L"a.txt", L"b.txt", L"c.txt", recycled}));
    EXPECT_EQ(focusedAfter, L"上のフォルダへ") << "the top entry after the refresh";
    EXPECT_FALSE(fs::exists(At(recycled)));
    for (const wchar_t* sibling : {L"a.txt", L"b.txt", L"c.txt", L"Alpha\\inner.txt"})
        EXPECT_TRUE(fs::exists(At(sibling))) << sibling;

    // "削除" deletes for good, "ごみ箱へ移す" moves to the recycle bin.
    fs::path trash = WineTrash();
    if (!trash.empty() && fs::is_directory(trash / L"files")) {
        EXPECT_FALSE(fs::exists(trash / L"files" / gone));
        EXPECT_TRUE(fs::exists(trash / L"files" / recycled));
        std::error_code ignored;
        fs::remove(trash / L"files" / recycled, ignored);
        fs::remove(trash / L"info" / (recycled + L".trashinfo"), ignored);
    }
}

TEST_F(FileOps, DeletingOffFixedDisksOffersDeleteAndCancel)
{
    for (const wchar_t* root : {L"M:\\", L"N:\\"}) {
        UINT type = GetDriveTypeW(root);
        if (type != DRIVE_REMOVABLE && type != DRIVE_REMOTE)
            GTEST_SKIP() << "no removable M: and network N: in this Wine prefix";
        fs::path folder = fs::path(root) / (L"lumadlg-" + std::to_wstring(GetCurrentProcessId()));
        fs::create_directories(folder);
        Write(folder / L"gone.txt", "x");
        Write(folder / L"kept.txt", "y");
        Open(folder.wstring());
        seen_.clear();
        driver_.Answer(L"ファイルの削除の確認", Press(L"ｷｬﾝｾﾙ", &seen_));
        driver_.Answer(L"ファイルの削除の確認", Press(L"削除", &seen_));
        Run([&](HWND d) {
            Select(d, {L"gone.txt"}, L"gone.txt");
            Command(d, 1104);
            EXPECT_TRUE(fs::exists(folder / L"gone.txt"));
            Command(d, 1104);
        });
        ASSERT_EQ(seen_.size(), 2u);
        EXPECT_EQ(seen_[0].buttons, (std::vector<std::wstring>{L"削除", L"ｷｬﾝｾﾙ"})) << root;
        EXPECT_FALSE(fs::exists(folder / L"gone.txt")) << root;
        EXPECT_TRUE(fs::exists(folder / L"kept.txt")) << root;
        FileDlg_Delete(dialog_);
        dialog_ = nullptr;
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }
}

TEST_F(FileOps, ReadOnlyFilesAskAndSystemFilesStay)
{
    tree_.SetAttributes(L"a.txt", FILE_ATTRIBUTE_READONLY);
    tree_.SetAttributes(L"b.txt", FILE_ATTRIBUTE_SYSTEM);
    if (!(GetFileAttributesW(At(L"b.txt").c_str()) & FILE_ATTRIBUTE_SYSTEM))
        GTEST_SKIP() << "the file system keeps no system attribute";
    Open(tree_.Path());
    driver_.Answer(L"ファイルの削除の確認", Press(L"削除", &seen_));
    driver_.Answer(L"削除の確認", Press(L"いいえ", &seen_));
    driver_.Answer(L"ファイルの削除の確認", Press(L"削除", &seen_));
    driver_.Answer(L"削除の確認", Press(L"はい", &seen_));
    driver_.Answer(L"ファイルの削除の確認", Press(L"削除", &seen_));
    driver_.Answer(L"削除", Press(L"OK", &seen_));
    bool keptReadOnly = false;
    Run([&](HWND d) {
        Select(d, {L"a.txt"}, L"a.txt");
        Key(d, VK_DELETE);
        keptReadOnly = fs::exists(At(L"a.txt")) && (GetFileAttributesW(At(L"a.txt").c_str()) & FILE_ATTRIBUTE_READONLY);
        Key(d, VK_DELETE);
        Select(d, {L"b.txt"}, L"b.txt");
        Key(d, VK_DELETE);
    });
    ASSERT_EQ(seen_.size(), 6u);
    EXPECT_EQ(seen_[1].text, L"a.txt \nこのファイルは読み取り専用です。\n\n削除してもよろしいですか？");
    EXPECT_TRUE(keptReadOnly);
    EXPECT_FALSE(fs::exists(At(L"a.txt")));
    EXPECT_EQ(seen_[5].text, L"b.txt \nこのファイルはシステムファイルです。削除できません。");
    EXPECT_TRUE(fs::exists(At(L"b.txt"))) << "a system file is never deleted";
    EXPECT_TRUE(fs::exists(At(L"c.txt")));
}

TEST_F(FileOps, SeveralSelectedEntriesAskOnceMoreForTheFolder)
{
    Open(tree_.Path(), FDS_MULTISELECT | FDS_FILEMUSTEXIST);
    driver_.Answer(L"複数ファイルの削除の確認", Press(L"削除", &seen_));
    driver_.Answer(L"フォルダの削除の確認", Press(L"いいえ", &seen_));
    driver_.Answer(L"複数ファイルの削除の確認", Press(L"削除", &seen_));
    driver_.Answer(L"フォルダの削除の確認", Press(L"はい", &seen_));
    driver_.Answer(L"フォルダの削除の確認", Press(L"いいえ", &seen_));
    Run([&](HWND d) {
        Select(d, {L"Alpha", L"a.txt", L"c.txt"}, L"a.txt");
        Key(d, VK_DELETE);
        EXPECT_TRUE(fs::exists(At(L"Alpha\\inner.txt"))) << "the folder was declined";
        Select(d, {L"Alpha", L"beta"}, L"beta");
        Key(d, VK_DELETE);
    });
    ASSERT_EQ(seen_.size(), 5u);
    EXPECT_EQ(seen_[0].text, L"これらの 3個のファイルを削除してもよろしいですか？");
    EXPECT_EQ(seen_[1].text, L"Alphaはフォルダです。\nこのフォルダとフォルダ内のすべてのファイルを削除してもよろしいですか？");
    EXPECT_EQ(seen_[1].buttons, (std::vector<std::wstring>{L"はい", L"いいえ"}));
    EXPECT_EQ(seen_[2].text, L"これらの 2個のファイルを削除してもよろしいですか？");
    EXPECT_FALSE(fs::exists(At(L"a.txt")));
    EXPECT_FALSE(fs::exists(At(L"c.txt")));
    EXPECT_TRUE(fs::exists(At(L"b.txt"))) << "not selected";
    EXPECT_FALSE(fs::exists(At(L"Alpha")));
    EXPECT_TRUE(fs::exists(At(L"beta"))) << "its question was declined";
}

TEST_F(FileOps, CopyIntoItsOwnFolderMakesACopyAndSelectsIt)
{
    Write(At(L"b.txt"), "original");
    Open(tree_.Path());
    std::wstring label, title, start;
    auto chooseThisFolder = [&](HWND folderDialog) {
        title = win::GetText(folderDialog);
        label = win::GetText(GetDlgItem(folderDialog, 1017));
        start = foldertest::StatusText(folderDialog);
        foldertest::FocusEntry(folderDialog, L"このフォルダで決定");
        PostMessageW(folderDialog, WM_COMMAND, IDOK, 0);
    };
    driver_.Answer(L"ファイルのコピー", chooseThisFolder);
    driver_.Answer(L"ファイルのコピー", chooseThisFolder);
    driver_.Answer(L"上書きの確認", Press(L"いいえ", &seen_));
    std::wstring focusedAfter;
    Run([&](HWND d) {
        Select(d, {L"b.txt"}, L"b.txt");
        Key(d, 'C', true);
        focusedAfter = Focused(d);
        Write(At(L"コピー ～ b.txt"), "changed");
        Select(d, {L"b.txt"}, L"b.txt");
        Key(d, VK_INSERT, true);
    });
    EXPECT_EQ(title, L"ファイルのコピー");
    EXPECT_EQ(label, L"コピー先のフォルダを選択してください");
    EXPECT_EQ(start, tree_.Path());
    EXPECT_EQ(focusedAfter, L"コピー ～ b.txt");
    ASSERT_EQ(seen_.size(), 1u);
    std::wstring upper = tree_.Path();
    CharUpperBuffW(upper.data(), static_cast<DWORD>(upper.size()));
    EXPECT_EQ(seen_[0].text,
              upper + L"\\コピー ～ b.txt \nコピー先のフォルダへ 同じ名前のファイルが存在します。\n\n上書きしますか？");
    EXPECT_EQ(seen_[0].buttons, (std::vector<std::wstring>{L"はい", L"いいえ", L"ｷｬﾝｾﾙ"}));
    EXPECT_EQ(ReadAll(At(L"コピー ～ b.txt")), L"changed") << "No keeps the existing file";
    EXPECT_EQ(ReadAll(At(L"b.txt")), L"original");
}

// The folder dialog of the copy starts in the current folder as it is,
// though code page 932 cannot name it.
TEST_F(FileOps, CopyFromAFolderTheCodePageCannotNameStartsThere)
{
    tree_.File(L"Zoë\\a.txt", 10);
    Open(tree_.Path());
    std::wstring start;
    driver_.Answer(L"ファイルのコピー", [&](HWND folderDialog) {
        start = foldertest::StatusText(folderDialog);
        foldertest::FocusEntry(folderDialog, L"このフォルダで決定");
        PostMessageW(folderDialog, WM_COMMAND, IDOK, 0);
    });
    Run([&](HWND d) {
        TypeAndEnter(d, L"Zoë");
        Select(d, {L"a.txt"}, L"a.txt");
        Key(d, 'C', true);
    });
    EXPECT_EQ(start, At(L"Zoë").wstring() + L"\\");
    EXPECT_TRUE(fs::exists(At(L"Zoë\\コピー ～ a.txt")));
}

TEST_F(FileOps, CancellingAnOverwriteStopsTheCopy)
{
    Write(At(L"a.txt"), "new a");
    Write(At(L"beta\\a.txt"), "old a");
    // Folder creation withdrawn: the folder dialog offers none either.
    Open(tree_.Path(), FDS_MULTISELECT | FDS_FILEMUSTEXIST, 0x8);
    bool newFolderButton = true;
    auto chooseBeta = [&](HWND folderDialog) {
        newFolderButton = IsWindowEnabled(GetDlgItem(folderDialog, 1014)) != FALSE;
        foldertest::FocusEntry(folderDialog, L"beta");
        PostMessageW(folderDialog, WM_COMMAND, IDOK, 0);
    };
    driver_.Answer(L"ファイルのコピー", chooseBeta);
    driver_.Answer(L"上書きの確認", Press(L"ｷｬﾝｾﾙ", &seen_));
    driver_.Answer(L"ファイルのコピー", chooseBeta);
    driver_.Answer(L"上書きの確認", Press(L"はい", &seen_));
    bool bCopiedAfterCancel = true;
    Run([&](HWND d) {
        Select(d, {L"a.txt", L"b.txt", L"Alpha"}, L"a.txt");
        Key(d, 'C', true);
        bCopiedAfterCancel = fs::exists(At(L"beta\\b.txt"));
        EXPECT_EQ(ReadAll(At(L"beta\\a.txt")), L"old a");
        Select(d, {L"a.txt", L"b.txt", L"Alpha"}, L"a.txt");
        Command(d, 1103);
    });
    EXPECT_FALSE(bCopiedAfterCancel) << "Cancel ends the whole copy";
    EXPECT_FALSE(newFolderButton);
    ASSERT_EQ(seen_.size(), 2u);
    EXPECT_EQ(ReadAll(At(L"beta\\a.txt")), L"new a");
    EXPECT_EQ(fs::file_size(At(L"beta\\b.txt")), 20u);
    EXPECT_FALSE(fs::exists(At(L"beta\\Alpha"))) << "folders are not copied";
}

TEST_F(FileOps, AFolderAloneAndANameTooLong)
{
    const std::wstring deep(200, L'd');
    tree_.Folder(L"beta\\" + deep);
    Open(tree_.Path());
    driver_.Answer(L"フォルダの削除の確認", Press(L"削除", &seen_));
    Run([&](HWND d) {
        Select(d, {L"Alpha"}, L"Alpha");
        Command(d, 1107);
    });
    ASSERT_EQ(seen_.size(), 1u);
    EXPECT_EQ(seen_[0].text, L"Alpha \nこのフォルダとフォルダ内のすべてのファイルを削除してもよろしいですか？");
    EXPECT_EQ(seen_[0].buttons, (std::vector<std::wstring>{L"削除", L"ごみ箱へ移す", L"ｷｬﾝｾﾙ"}));
    EXPECT_FALSE(fs::exists(At(L"Alpha")));

    // A new folder whose path would pass 260 bytes is not made.
    FileDlg_Delete(dialog_);
    Open((tree_.Root() / L"beta" / deep).wstring());
    driver_.Answer(L"新しいフォルダの作成", foldertest::TypeAndOk(std::wstring(40, L'n')));
    driver_.Answer(L"フォルダの作成", Press(L"OK", &seen_));
    Run([&](HWND d) { Command(d, 1106); });
    ASSERT_EQ(seen_.size(), 2u);
    EXPECT_EQ(seen_[1].text, L"新しいフォルダの作成に失敗しました。");
    EXPECT_TRUE(fs::is_empty(tree_.Root() / L"beta" / deep));
}

// What vanished or is held by another program since the list was made.
TEST_F(FileOps, FailuresAreReportedAndLeaveEverythingElse)
{
    tree_.File(L"d.txt", 40);
    tree_.SetAttributes(L"a.txt", FILE_ATTRIBUTE_READONLY);
    Open(tree_.Path(), FDS_MULTISELECT | FDS_FILEMUSTEXIST);
    driver_.Answer(L"ファイルの削除の確認", Press(L"削除", &seen_));
    driver_.Answer(L"削除", Press(L"OK", &seen_));
    driver_.Answer(L"ファイルの削除の確認", Press(L"削除", &seen_));
    driver_.Answer(L"削除の確認", Press(L"はい", &seen_));
    driver_.Answer(L"ファイルの削除のエラー", Press(L"OK", &seen_));
    auto chooseBeta = [&](HWND folderDialog) {
        foldertest::FocusEntry(folderDialog, L"beta");
        PostMessageW(folderDialog, WM_COMMAND, IDOK, 0);
    };
    driver_.Answer(L"ファイルのコピー", chooseBeta);
    driver_.Answer(L"ファイルのコピー", Press(L"OK", &seen_));
    driver_.Answer(L"ファイルのコピー", [&](HWND folderDialog) {
        foldertest::FocusEntry(folderDialog, L"beta");
        fs::remove_all(At(L"beta"));
        PostMessageW(folderDialog, WM_COMMAND, IDOK, 0);
    });
    driver_.Answer(L"ファイルのコピー", Press(L"OK", &seen_));
    bool readOnlyKept = false;
    Run([&](HWND d) {
        Select(d, {L"c.txt"}, L"c.txt");
        fs::remove(At(L"c.txt"));
        Key(d, VK_DELETE);

        // Held open without sharing: the deletion fails, the file stays
        // read-only as it was.
        HANDLE held = CreateFileW(At(L"a.txt").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(held, INVALID_HANDLE_VALUE);
        Select(d, {L"a.txt"}, L"a.txt");
        Key(d, VK_DELETE);
        CloseHandle(held);
        readOnlyKept = (GetFileAttributesW(At(L"a.txt").c_str()) & FILE_ATTRIBUTE_READONLY) != 0;

        // The first file of a copy is gone: nothing more is copied.
        Select(d, {L"b.txt", L"d.txt"}, L"d.txt");
        fs::remove(At(L"b.txt"));
        Key(d, 'C', true);
        EXPECT_FALSE(fs::exists(At(L"beta\\d.txt")));

        // The target folder is gone when the dialog closes.
        Select(d, {L"d.txt"}, L"d.txt");
        Key(d, 'C', true);
    });
    ASSERT_EQ(seen_.size(), 7u);
    EXPECT_EQ(seen_[1].text, L"c.txt \nファイルの属性を取得できませんでした。");
    EXPECT_EQ(seen_[4].text,
              L"a.txt を削除できません。\n\nライトプロテクトされていないか、またはファイルが使用中でないか確認してください。");
    EXPECT_TRUE(fs::exists(At(L"a.txt")));
    EXPECT_TRUE(readOnlyKept);
    std::wstring upper = tree_.Path();
    CharUpperBuffW(upper.data(), static_cast<DWORD>(upper.size()));
    EXPECT_EQ(seen_[5].text, upper + L"\\b.txt \nファイルのコピーに失敗しました。");
    EXPECT_EQ(seen_[6].text, L"入力されたフォルダ名は存在しません。");
    EXPECT_EQ(fs::file_size(At(L"d.txt")), 40u);
}

// With the user's WindowOperation setting on, the boxes of an operation
// have control assistants of their own; the dialog's Enter handler for the
// list still works after them.
TEST_F(FileOps, TheListsEnterHandlerOutlivesTheBoxes)
{
    testsupport::ScopedWindowOperation windowOperation(1);
    Open(tree_.Path());
    driver_.Answer(L"新しいフォルダの作成", foldertest::TypeAndOk(L"fresh"));
    std::wstring folderLine;
    Run([&](HWND d) {
        Command(d, 1106);
        ASSERT_EQ(Focused(d), L"fresh");
        SetFocus(List(d));
        SendMessageW(List(d), WM_KEYDOWN, VK_RETURN, 0);
        folderLine = ControlText(d, 1001);
    });
    EXPECT_EQ(folderLine, tree_.Path() + L"\\fresh");
}

TEST_F(FileOps, DisabledOpsWithdrawEveryKeyCommandAndButton)
{
    Open(tree_.Path(), FDS_FILEMUSTEXIST, 0x37);
    std::wstring help;
    bool fileOpsEnabled = true, newFolderEnabled = false;
    Run([&](HWND d) {
        fileOpsEnabled = IsWindowEnabled(GetDlgItem(d, 1012)) != FALSE;
        newFolderEnabled = IsWindowEnabled(GetDlgItem(d, 1014)) != FALSE;
        SetFocus(List(d));
        wchar_t text[200] = {};
        SendMessageW(GetDlgItem(d, kStatus), SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
        help = text;
        for (const wchar_t* name : {L"a.txt", L"Alpha"}) {
            Select(d, {name}, name);
            Key(d, 'C', true);
            Key(d, VK_INSERT, true);
            Key(d, VK_DELETE);
            Key(d, VK_F2);
            for (int command : {1103, 1104, 1105, 1107, 1108})
                Command(d, command);
        }
    });
    EXPECT_FALSE(fileOpsEnabled);
    EXPECT_TRUE(newFolderEnabled) << "0x37 leaves folder creation";
    EXPECT_EQ(help, L" フォルダの作成[Ctrl + N]");
    EXPECT_TRUE(fs::exists(At(L"a.txt")));
    EXPECT_TRUE(fs::exists(At(L"Alpha")));

    // With folder creation withdrawn too, its button and command go.
    FileDlg_Delete(dialog_);
    Open(tree_.Path(), FDS_FILEMUSTEXIST, 0x3F);
    Run([&](HWND d) {
        newFolderEnabled = IsWindowEnabled(GetDlgItem(d, 1014)) != FALSE;
        Command(d, 1106);
        SendMessageW(d, WM_COMMAND, MAKEWPARAM(1014, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(d, 1014)));
    });
    EXPECT_FALSE(newFolderEnabled);
}

} // namespace
