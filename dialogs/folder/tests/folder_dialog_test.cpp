// The folder dialog run in process on a folder tree of the test's own
// (<root>\alpha\inner, Beta, gamma, file.txt), driven from inside its loop:
// the list and its navigation, what OK, Enter and the hook choose, start
// folders, the drives, new folders, menus, the drive box and what the
// caller may change while it runs.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include "dialogs/folder/folder_dialog.h"
#include "dialogs/folder/folder_text.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/transcript_reader.h"
#include "tests/support/window_operation.h"
#include "win/cp932.h"
#include "win/window.h"

namespace fs = std::filesystem;
using lumadlg::CLumaFolderDialog;
using namespace dialogtest;
using testsupport::ScopedWindowOperation;

namespace {

constexpr int kList = 1029, kDrives = 1002;
constexpr wchar_t kMyComputer[] = L"マイ コンピュータ";

struct HookCall {
    int code;
    std::wstring item, folder;
};
std::vector<HookCall> g_hookCalls;
int g_hookAnswer = 1;
int __cdecl RecordingHook(HLUMADLG, int code, const char* item, const char* folder)
{
    g_hookCalls.push_back({code, cp932::ToWide(item), cp932::ToWide(folder)});
    return code == 2 ? g_hookAnswer : 1;
}

class FolderDialog : public ::testing::Test {
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
    std::unique_ptr<CLumaFolderDialog> Make(const std::wstring& folder, DWORD mask = 0, DWORD style = 0)
    {
        auto dialog = CLumaFolderDialog::Create(cp932::FromWide(folder).c_str(), nullptr);
        FolderDlgExStyle record = {0, mask, style, 0, &RecordingHook};
        if (mask)
            dialog->SetExtendedStyle(record);
        return dialog;
    }
    // Runs the dialog; the script ends it, or it is cancelled afterwards.
    int Run(CLumaFolderDialog& dialog, const std::function<void(HWND)>& script)
    {
        return driver.Run([&] { return dialog.Run(); }, [&](HWND d) {
            script(d);
            if (IsWindowVisible(d))
                PostMessageW(d, WM_COMMAND, IDCANCEL, 0);
        });
    }
    static std::wstring Result(const CLumaFolderDialog& dialog)
    {
        char buffer[600];
        dialog.GetPathName(buffer, sizeof buffer);
        return cp932::ToWide(buffer);
    }
    std::wstring At(const std::wstring& sub = {}) const { return sub.empty() ? root() : (tree / sub).wstring(); }
    std::wstring root() const { return tree.Path().wstring(); }
    static HWND List(HWND d) { return GetDlgItem(d, kList); }

    ScopedWindowOperation off{std::nullopt};
    testsupport::ScopedTempFolder tree{"vemo-folder"};
    Driver driver{HasList(kList)};
};

} // namespace

TEST_F(FolderDialog, ListsFoldersGoesUpAndStartsTheNextRunThere)
{
    auto dialog = Make(At());
    std::wstring parent = tree.Path().parent_path().wstring();
    EXPECT_EQ(Run(*dialog,
                  [&](HWND d) {
                      EXPECT_EQ(win::GetText(d), L"フォルダの参照");
                      EXPECT_EQ(ListTexts(List(d)), (std::vector<std::wstring>{L"上のフォルダへ", L"alpha", L"Beta",
                                                                               L"gamma", L"このフォルダで決定"}));
                      EXPECT_EQ(FocusedText(List(d)), L"alpha");
                      EXPECT_EQ(FocusId(d), kList);
                      EXPECT_EQ(StatusText(d), At());
                      Press(VK_BACK);
                      EXPECT_EQ(StatusText(d), parent);
                      EXPECT_EQ(FocusedText(List(d)), tree.Path().filename().wstring()) << "the folder left";
                  }),
              IDCANCEL);
    EXPECT_EQ(Result(*dialog), L"");
    Run(*dialog, [&](HWND d) { EXPECT_EQ(StatusText(d), parent); });
}

// OK takes the focused folder, or the current one from "このフォルダで決定";
// the hook hears each focus move (1) and the choice (2), which it may refuse.
TEST_F(FolderDialog, OkChoosesWhatTheHookAllows)
{
    auto dialog = Make(At(), 0x10000);
    EXPECT_EQ(Run(*dialog,
                  [&](HWND d) {
                      Press(VK_DOWN);
                      Command(d, IDOK);
                  }),
              IDOK);
    EXPECT_EQ(Result(*dialog), At(L"Beta"));
    ASSERT_GE(g_hookCalls.size(), 2u);
    EXPECT_EQ(g_hookCalls.front().code, 1);
    EXPECT_EQ(g_hookCalls.front().item, L"alpha");
    EXPECT_EQ(g_hookCalls.front().folder, At());
    EXPECT_EQ(g_hookCalls.back().code, 2);
    EXPECT_EQ(g_hookCalls.back().item, L"Beta");

    EXPECT_EQ(Run(*dialog,
                  [&](HWND d) {
                      Press(VK_END);
                      EXPECT_EQ(FocusedText(List(d)), L"このフォルダで決定");
                      Command(d, IDOK);
                  }),
              IDOK);
    EXPECT_EQ(Result(*dialog), At());

    g_hookAnswer = 0;
    EXPECT_EQ(Run(*dialog,
                  [&](HWND d) {
                      Command(d, IDOK);
                      EXPECT_TRUE(IsWindowVisible(d)) << "refused by the hook";
                  }),
              IDCANCEL);
    EXPECT_EQ(Result(*dialog), L"");
}

// Enter chooses with the WindowOperation setting off and opens the folder
// with it on; "上のフォルダへ" goes back with the folder left selected.
TEST_F(FolderDialog, EnterChoosesOrOpensByTheSetting)
{
    auto dialog = Make(At());
    EXPECT_EQ(Run(*dialog, [&](HWND) { Press(VK_RETURN); }), IDOK);
    EXPECT_EQ(Result(*dialog), At(L"alpha"));

    ScopedWindowOperation on(1);
    dialog = Make(At());
    Run(*dialog, [&](HWND d) {
        Press(VK_RETURN);
        EXPECT_EQ(StatusText(d), At(L"alpha"));
        EXPECT_EQ(ListTexts(List(d)), (std::vector<std::wstring>{L"上のフォルダへ", L"inner", L"このフォルダで決定"}));
        Press(VK_HOME);
        Press(VK_RETURN);
        EXPECT_EQ(StatusText(d), At());
        EXPECT_EQ(FocusedText(List(d)), L"alpha");
    });
}

TEST_F(FolderDialog, StartFoldersAndTheDrives)
{
    wchar_t personal[MAX_PATH] = {};
    ASSERT_TRUE(SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, personal)));
    const struct {
        std::wstring start, shown, first;
    } rows[] = {
        {L"DRIVES", kMyComputer, L""},     {L"", kMyComputer, L""},
        {At(L"missing"), L"C:\\", L"ドライブ選択へ"}, {L"PERSONAL", personal, L"上のフォルダへ"},
        {L"drives", L"C:\\", L"ドライブ選択へ"}, // the exact name only
    };
    for (const auto& row : rows) {
        auto dialog = Make(row.start);
        Run(*dialog, [&](HWND d) {
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
    auto dialog = Make(L"C:\\");
    Run(*dialog, [&](HWND d) {
        Press(VK_BACK);
        EXPECT_EQ(StatusText(d), kMyComputer);
        EXPECT_NE(FocusedText(List(d)).find(L"(C:)"), std::wstring::npos);
        for (int id : {1015, 1013, 1014})
            EXPECT_FALSE(IsWindowEnabled(GetDlgItem(d, id))) << id;
        Press(VK_BACK);
        EXPECT_EQ(StatusText(d), kMyComputer);
    });
    EXPECT_EQ(dialog->CurrentFolder(), L"DRIVES");
    Run(*dialog, [&](HWND d) {
        EXPECT_EQ(StatusText(d), kMyComputer);
        Command(d, IDOK);
        EXPECT_EQ(StatusText(d), L"C:\\");
        Select(List(d), {L"ドライブ選択へ"});
        Command(d, IDOK);
        EXPECT_EQ(StatusText(d), kMyComputer);
    });
}

TEST_F(FolderDialog, NewFoldersAndTheirRefusals)
{
    auto dialog = Make(At());
    for (const wchar_t* name : {L"a;b", L"..\\escape", L"ALPHA", L"新規"}) {
        driver.Type(name, L"新しいフォルダの作成");
        driver.Press(L"OK", L"フォルダの作成");
    }
    Run(*dialog, [&](HWND d) {
        Press('N', {false, true});
        EXPECT_EQ(FocusedText(List(d)), L"新規");
    });
    std::vector<std::wstring> texts;
    for (const Box& box : driver.Boxes())
        texts.push_back(box.text);
    EXPECT_EQ(texts, (std::vector<std::wstring>{L"無効な文字が使われています。フォルダ名を入力しなおしてください。",
                                                L"無効な文字が使われています。フォルダ名を入力しなおしてください。",
                                                L"すでに同じ名前のフォルダが存在します。フォルダ名を入力しなおしてください。",
                                                At(L"新規") + L" を作成しました。"}));
    EXPECT_TRUE(fs::is_directory(At(L"新規")));
    EXPECT_FALSE(fs::exists(tree.Path().parent_path() / L"escape"));

    // Withdrawn by the style: no button, key or command asks (an input box
    // would be a dialog no answer was queued for).
    dialog = Make(At(), 0x1, 0x40000);
    Run(*dialog, [&](HWND d) {
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(d, 1014)));
        Press('N', {false, true});
        Command(d, 1106);
    });
}

// Alt+F2 and Alt+F1 read the folder and the drive; the context menus are
// announced and offer folder creation only where it is allowed.
TEST_F(FolderDialog, ReadAloudAndMenus)
{
    testsupport::ScopedTranscript transcript;
    auto dialog = Make(At());
    std::size_t before = 0;
    Run(*dialog, [&](HWND d) {
        before = transcript.Said().size(); // a slow listing may have said the folder
        Press(VK_F2, {false, false, true});
        Press(VK_F1, {false, false, true});
        std::vector<std::wstring> said = transcript.Said(before);
        ASSERT_EQ(said.size(), 4u);
        EXPECT_EQ(said[0], L"reader Stop");
        EXPECT_EQ(said[1], L"reader SpeakEx 4 1 " + At());
        EXPECT_NE(said[3].find(L"(C:)"), std::wstring::npos);
        Press(VK_APPS);
        Command(d, 1013);
        for (int i = 0; i < 20 && StatusText(d) != kMyComputer; ++i)
            Command(d, 1015);
        EXPECT_EQ(FocusId(d), kList) << "the up button, disabled, gave the focus to the list";
        Press(VK_APPS); // no menus among the drives
        Command(d, 1013);
    });
    dialog = Make(At(), 0x1, 0x40000);
    Run(*dialog, [&](HWND) { Press(VK_APPS); });
    const std::vector<std::wstring> read = {L"1114 現在のドライブの読み上げ(&D)\tAlt + F1",
                                            L"1115 現在のフォルダの読み上げ(&L)\tAlt + F2"};
    std::vector<std::wstring> list = read;
    list.insert(list.end(), {L"0 ", L"1106 フォルダの作成(&F)\tCtrl + N"});
    EXPECT_EQ(driver.Menus(), (std::vector<std::vector<std::wstring>>{list, read, read}));
    EXPECT_EQ(transcript.Count(L"reader Speak 0 メニューオープン"), 3u);
}

// A drive chosen in the box but not confirmed is put back when the box
// loses the focus; a confirmed one is listed and kept.
TEST_F(FolderDialog, TheDriveBox)
{
    auto dialog = Make(At());
    Run(*dialog, [&](HWND d) {
        HWND box = GetDlgItem(d, kDrives);
        int start = static_cast<int>(SendMessageW(box, CB_GETCURSEL, 0, 0));
        int z = -1;
        for (int i = 0; i < SendMessageW(box, CB_GETCOUNT, 0, 0); ++i) {
            wchar_t text[300] = {};
            SendMessageW(box, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
            z = lumadlg::DriveLetterOf(text) == L'Z' ? i : z;
        }
        ASSERT_TRUE(z >= 0 && z != start) << "the test needs Wine's Z:";
        for (bool confirm : {false, true}) {
            SetFocus(box);
            SendMessageW(box, CB_SETCURSEL, z, 0);
            if (confirm)
                SendMessageW(d, WM_COMMAND, MAKEWPARAM(kDrives, CBN_SELENDOK), reinterpret_cast<LPARAM>(box));
            SetFocus(List(d));
            Settle();
            EXPECT_EQ(SendMessageW(box, CB_GETCURSEL, 0, 0), confirm ? z : start);
            EXPECT_EQ(StatusText(d), confirm ? L"Z:\\" : At());
        }
    });
    EXPECT_EQ(dialog->CurrentFolder(), L"Z:\\");
}

// While it runs the caller may disable OK and the drive box (only those)
// and show a guide message under the list; captions serve one run.
TEST_F(FolderDialog, WhatTheCallerChangesWhileItRuns)
{
    ScopedWindowOperation on(1);
    testsupport::ScopedTranscript transcript;
    auto dialog = Make(At());
    EXPECT_EQ(dialog->EnableControl(1, 0), 0) << "not running";
    EXPECT_EQ(dialog->SetCaption(cp932::FromWide(L"コピー先").c_str(), -1), 1);
    EXPECT_EQ(dialog->SetCaption(nullptr, 1017), 1);
    EXPECT_EQ(dialog->SetCaption("x", 1000), 0);
    Run(*dialog, [&](HWND d) {
        EXPECT_EQ(win::GetText(d), L"コピー先");
        EXPECT_EQ(win::GetText(GetDlgItem(d, 1017)), L"");
        EXPECT_EQ(dialog->EnableControl(1000, 0), 0);
        EXPECT_EQ(dialog->EnableControl(1, 0), 1);
        EXPECT_EQ(dialog->EnableControl(1, 0), 0) << "already disabled";
        Command(d, IDOK);
        EXPECT_TRUE(IsWindowVisible(d)) << "a disabled OK does nothing";
        EXPECT_EQ(dialog->EnableControl(kDrives, 0), 1);
        std::string text = cp932::FromWide(L"選べません");
        dialog->MessageWnd(text.c_str(), text.c_str());
        HWND guide = FindWindowExW(d, nullptr, L"ZUB_GuideClass", nullptr);
        ASSERT_NE(guide, nullptr);
        EXPECT_EQ(ChildRect(d, guide).top, ChildRect(d, List(d)).bottom + 2);
    });
    EXPECT_EQ(transcript.Count(L"reader Speak 1 選べません"), 1u);
    Run(*dialog, [&](HWND d) {
        EXPECT_EQ(win::GetText(d), L"フォルダの参照");
        EXPECT_TRUE(IsWindowEnabled(GetDlgItem(d, IDOK)));
    });
}

TEST(FolderText, ParentsOfLongPathsNameNoFolderToSelect)
{
    EXPECT_EQ(lumadlg::ParentOfFolder(L"C:\\A\\B\\\\").folder, L"C:\\A");
    EXPECT_EQ(lumadlg::ParentOfFolder(L"C:\\A").leftName, L"A");
    lumadlg::FolderParent longOne = lumadlg::ParentOfFolder(L"C:\\" + std::wstring(300, L'x'));
    EXPECT_EQ(longOne.folder, L"C:\\");
    EXPECT_EQ(longOne.leftName, L"");
    EXPECT_EQ(lumadlg::DriveLetterOf(L"ボリューム (x) (d:)"), L'D');
    EXPECT_EQ(lumadlg::DriveLetterOf(L"ends ("), 0);
}
