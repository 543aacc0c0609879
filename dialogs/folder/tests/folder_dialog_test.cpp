// The folder dialog run in process: each test builds its own folder tree in
// the temporary folder, runs the dialog and acts on it from inside its
// message loop (folder_driver.h).
#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

#include "dialogs/folder/folder_dialog.h"
#include "folder_driver.h"
#include "tests/support/transcript_reader.h"
#include "tests/support/window_operation.h"
#include "win/cp932.h"
#include "win/registry.h"
#include "win/window.h"

namespace fs = std::filesystem;
using lumadlg::CLumaFolderDialog;
using namespace foldertest;

namespace {

using testsupport::ScopedWindowOperation;

// A fresh folder tree in the temporary folder, removed afterwards:
// <root>\alpha\inner, <root>\Beta, <root>\gamma.
class FolderTree {
public:
    FolderTree()
    {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        static int serial = 0;
        root_ = fs::path(temp) / (L"vemo_folder_" + std::to_wstring(GetCurrentProcessId()) + L"_" +
                                  std::to_wstring(++serial));
        fs::create_directories(root_ / L"alpha" / L"inner");
        fs::create_directories(root_ / L"Beta");
        fs::create_directories(root_ / L"gamma");
        std::ofstream(root_ / L"file.txt") << "not a folder";
    }
    ~FolderTree()
    {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }
    std::wstring Path() const { return root_.wstring(); }
    std::wstring Path(const std::wstring& sub) const { return (root_ / sub).wstring(); }

private:
    fs::path root_;
};

std::unique_ptr<CLumaFolderDialog> MakeDialog(const std::wstring& initialFolder)
{
    return CLumaFolderDialog::Create(cp932::FromWide(initialFolder).c_str(), nullptr);
}

void SetStyle(CLumaFolderDialog& dialog, DWORD mask, DWORD style, FolderDlgHook hook = nullptr)
{
    FolderDlgExStyle record = {};
    record.mask = mask;
    record.style = style;
    record.folderHook = hook;
    dialog.SetExtendedStyle(record);
}

std::wstring ResultOf(const CLumaFolderDialog& dialog)
{
    char buffer[600];
    memset(buffer, 0xCC, sizeof(buffer));
    dialog.GetPathName(buffer, sizeof(buffer));
    return cp932::ToWide(buffer);
}

std::wstring LastComponent(const std::wstring& path) { return path.substr(path.rfind(L'\\') + 1); }

// What the folder hook saw, for the hooks below.
struct HookCall {
    int code;
    std::wstring item;
    std::wstring folder;
};
std::vector<HookCall> g_hookCalls;
int g_hookAnswer = 1;

int __cdecl RecordingHook(HLUMADLG, int code, const char* item, const char* folder)
{
    g_hookCalls.push_back({code, cp932::ToWide(item), cp932::ToWide(folder)});
    return code == 2 ? g_hookAnswer : 1;
}

class FolderDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_hookCalls.clear();
        g_hookAnswer = 1;
    }
    // Runs the dialog with a script; fails on a watchdog time-out.
    int Run(CLumaFolderDialog& dialog, std::function<void(HWND)> script)
    {
        int result = driver_.Run([&] { return dialog.Run(); }, std::move(script));
        EXPECT_TRUE(driver_.ScriptRan());
        EXPECT_FALSE(driver_.TimedOut());
        return result;
    }

    Driver driver_;
    FolderTree tree_;
};

} // namespace

TEST_F(FolderDialogTest, ListsASubfolderAndGoesUpWithBackspace)
{
    ScopedWindowOperation setting(std::nullopt);
    auto dialog = MakeDialog(tree_.Path());
    std::wstring parent = tree_.Path().substr(0, tree_.Path().rfind(L'\\'));
    int result = Run(*dialog, [&](HWND dlg) {
        EXPECT_EQ(win::GetText(dlg), L"フォルダの参照");
        EXPECT_EQ(ListTexts(dlg),
                  (std::vector<std::wstring>{L"上のフォルダへ", L"alpha", L"Beta", L"gamma", L"このフォルダで決定"}));
        EXPECT_EQ(FocusedItem(dlg), 1);
        EXPECT_EQ(GetDlgCtrlID(GetFocus()), 1029);
        EXPECT_EQ(StatusText(dlg), tree_.Path());
        EXPECT_TRUE(IsEnabled(dlg, 1015));
        EXPECT_TRUE(IsEnabled(dlg, 1013));
        EXPECT_TRUE(IsEnabled(dlg, 1014));

        Press(driver_, VK_BACK);
        EXPECT_EQ(StatusText(dlg), parent);
        EXPECT_EQ(FocusedText(dlg), LastComponent(tree_.Path()));
        EXPECT_EQ(ListTexts(dlg).back(), L"このフォルダで決定");
        PostMessageW(dlg, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(ResultOf(*dialog), L"");
    EXPECT_EQ(dialog->CurrentFolder(), parent);

    // The second run starts where the first one ended.
    result = Run(*dialog, [&](HWND dlg) {
        EXPECT_EQ(StatusText(dlg), parent);
        EXPECT_EQ(ListTexts(dlg).front(), L"上のフォルダへ");
        PostMessageW(dlg, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(result, IDCANCEL);
}

TEST_F(FolderDialogTest, OkChoosesTheFocusedSubfolderOrTheCurrentFolder)
{
    ScopedWindowOperation setting(std::nullopt);
    auto dialog = MakeDialog(tree_.Path());
    SetStyle(*dialog, 0x10000, 0, RecordingHook);
    int result = Run(*dialog, [&](HWND dlg) {
        Press(driver_, VK_DOWN); // alpha -> Beta
        EXPECT_EQ(FocusedText(dlg), L"Beta");
        PostMessageW(dlg, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(ResultOf(*dialog), tree_.Path(L"Beta"));
    ASSERT_FALSE(g_hookCalls.empty());
    // The focus moves reported with code 1, the acceptance with code 2.
    EXPECT_EQ(g_hookCalls.front().code, 1);
    EXPECT_EQ(g_hookCalls.front().item, L"alpha");
    EXPECT_EQ(g_hookCalls.front().folder, tree_.Path());
    EXPECT_EQ(g_hookCalls.back().code, 2);
    EXPECT_EQ(g_hookCalls.back().item, L"Beta");

    result = Run(*dialog, [&](HWND dlg) {
        Press(driver_, VK_END);
        EXPECT_EQ(FocusedText(dlg), L"このフォルダで決定");
        PostMessageW(dlg, WM_COMMAND, IDOK, 0);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(ResultOf(*dialog), tree_.Path());
}

TEST_F(FolderDialogTest, AHookRefusingWithCodeTwoKeepsTheDialogOpen)
{
    ScopedWindowOperation setting(std::nullopt);
    auto dialog = MakeDialog(tree_.Path());
    SetStyle(*dialog, 0x10000, 0, RecordingHook);
    g_hookAnswer = 0;
    int result = Run(*dialog, [&](HWND dlg) {
        Command(driver_, dlg, IDOK);
        EXPECT_TRUE(IsWindowVisible(dlg));
        ASSERT_FALSE(g_hookCalls.empty());
        EXPECT_EQ(g_hookCalls.back().code, 2);
        EXPECT_EQ(g_hookCalls.back().item, L"alpha");
        EXPECT_EQ(g_hookCalls.back().folder, tree_.Path());
        PostMessageW(dlg, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(ResultOf(*dialog), L"");
}

TEST_F(FolderDialogTest, EnterChoosesWithTheSettingOffAndOpensWithItOn)
{
    {
        ScopedWindowOperation setting(std::nullopt);
        auto dialog = MakeDialog(tree_.Path());
        int result = Run(*dialog, [&](HWND dlg) { Press(driver_, VK_RETURN); });
        EXPECT_EQ(result, IDOK);
        EXPECT_EQ(ResultOf(*dialog), tree_.Path(L"alpha"));
    }
    {
        ScopedWindowOperation setting(1);
        auto dialog = MakeDialog(tree_.Path());
        int result = Run(*dialog, [&](HWND dlg) {
            Press(driver_, VK_RETURN);
            EXPECT_EQ(StatusText(dlg), tree_.Path(L"alpha"));
            EXPECT_EQ(ListTexts(dlg),
                      (std::vector<std::wstring>{L"上のフォルダへ", L"inner", L"このフォルダで決定"}));
            EXPECT_EQ(FocusedText(dlg), L"inner");
            // "上のフォルダへ" goes back with the folder just left selected.
            Press(driver_, VK_HOME);
            Press(driver_, VK_RETURN);
            EXPECT_EQ(StatusText(dlg), tree_.Path());
            EXPECT_EQ(FocusedText(dlg), L"alpha");
            PostMessageW(dlg, WM_COMMAND, IDCANCEL, 0);
        });
        EXPECT_EQ(result, IDCANCEL);
        EXPECT_EQ(dialog->CurrentFolder(), tree_.Path());
    }
}

TEST_F(FolderDialogTest, ARootListsDrivesEntryAndBackspaceListsTheDrives)
{
    ScopedWindowOperation setting(std::nullopt);
    auto dialog = MakeDialog(L"C:\\");
    int result = Run(*dialog, [&](HWND dlg) {
        std::vector<std::wstring> texts = ListTexts(dlg);
        ASSERT_GE(texts.size(), 2u);
        EXPECT_EQ(texts.front(), L"ドライブ選択へ");
        EXPECT_EQ(texts.back(), L"このフォルダで決定");
        EXPECT_EQ(StatusText(dlg), L"C:\\");

        Press(driver_, VK_BACK);
        EXPECT_EQ(StatusText(dlg), L"マイ コンピュータ");
        EXPECT_NE(FocusedText(dlg).find(L"(C:)"), std::wstring::npos) << FocusedText(dlg);
        EXPECT_FALSE(IsEnabled(dlg, 1015));
        EXPECT_FALSE(IsEnabled(dlg, 1013));
        EXPECT_FALSE(IsEnabled(dlg, 1014));
        // Backspace does nothing in drives mode.
        Press(driver_, VK_BACK);
        EXPECT_EQ(StatusText(dlg), L"マイ コンピュータ");
        PostMessageW(dlg, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(dialog->CurrentFolder(), L"DRIVES");

    // A second run starts in drives mode; OK there opens the drive.
    result = Run(*dialog, [&](HWND dlg) {
        EXPECT_EQ(StatusText(dlg), L"マイ コンピュータ");
        Command(driver_, dlg, IDOK);
        EXPECT_EQ(StatusText(dlg), L"C:\\");
        EXPECT_EQ(ListTexts(dlg).front(), L"ドライブ選択へ");
        // "ドライブ選択へ" with OK lists the drives again.
        FocusEntry(dlg, L"ドライブ選択へ");
        Command(driver_, dlg, IDOK);
        EXPECT_EQ(StatusText(dlg), L"マイ コンピュータ");
        PostMessageW(dlg, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(result, IDCANCEL);
}

TEST_F(FolderDialogTest, StartFolders)
{
    ScopedWindowOperation setting(std::nullopt);
    {
        auto dialog = MakeDialog(L"DRIVES");
        Run(*dialog, [&](HWND dlg) {
            EXPECT_EQ(StatusText(dlg), L"マイ コンピュータ");
            EXPECT_NE(FocusedText(dlg).find(L"(C:)"), std::wstring::npos);
            PostMessageW(dlg, WM_COMMAND, IDCANCEL, 0);
        });
        EXPECT_EQ(dialog->CurrentFolder(), L"DRIVES");
    }
    {
        auto dialog = MakeDialog(L"");
        Run(*dialog, [&](HWND dlg) {
            EXPECT_EQ(StatusText(dlg), L"マイ コンピュータ");
            EXPECT_NE(FocusedText(dlg).find(L"(C:)"), std::wstring::npos);
            PostMessageW(dlg, WM_COMMAND, IDCANCEL, 0);
        });
        EXPECT_EQ(dialog->CurrentFolder(), L"C:\\");
    }
    {
        auto dialog = MakeDialog(tree_.Path(L"missing"));
        Run(*dialog, [&](HWND dlg) {
            EXPECT_EQ(StatusText(dlg), L"C:\\");
            EXPECT_EQ(ListTexts(dlg).front(), L"ドライブ選択へ");
            PostMessageW(dlg, WM_COMMAND, IDCANCEL, 0);
        });
        EXPECT_EQ(dialog->CurrentFolder(), L"C:\\");
    }
    {
        wchar_t personal[MAX_PATH] = {};
        ASSERT_TRUE(SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, personal)));
        auto dialog = MakeDialog(L"PERSONAL");
        Run(*dialog, [&](HWND dlg) {
            EXPECT_EQ(StatusText(dlg), personal);
            std::vector<std::wstring> texts = ListTexts(dlg);
            ASSERT_GE(texts.size(), 2u);
            EXPECT_EQ(texts.front(), L"上のフォルダへ");
            EXPECT_EQ(FocusedItem(dlg), 1);
            PostMessageW(dlg, WM_COMMAND, IDCANCEL, 0);
        });
        EXPECT_EQ(dialog->CurrentFolder(), personal);
    }
    {
        // The exact, case-sensitive name only.
        auto dialog = MakeDialog(L"drives");
        Run(*dialog, [&](HWND dlg) {
            EXPECT_EQ(StatusText(dlg), L"C:\\");
            PostMessageW(dlg, WM_COMMAND, IDCANCEL, 0);
        });
    }
}

TEST_F(FolderDialogTest, NewFolderRefusesForbiddenAndDuplicateNames)
{
    ScopedWindowOperation setting(std::nullopt);
    auto dialog = MakeDialog(tree_.Path());
    std::vector<std::wstring> boxes;
    driver_.Answer(L"新しいフォルダの作成", TypeAndOk(L"a;b"));
    driver_.Answer(L"フォルダの作成", PressFirstButton(&boxes));
    driver_.Answer(L"新しいフォルダの作成", TypeAndOk(L"..\\escape"));
    driver_.Answer(L"フォルダの作成", PressFirstButton(&boxes));
    driver_.Answer(L"新しいフォルダの作成", TypeAndOk(L"ALPHA"));
    driver_.Answer(L"フォルダの作成", PressFirstButton(&boxes));
    driver_.Answer(L"新しいフォルダの作成", TypeAndOk(L"新規"));
    driver_.Answer(L"フォルダの作成", PressFirstButton(&boxes));
    Run(*dialog, [&](HWND dlg) {
        Press(driver_, 'N', true);
        EXPECT_TRUE(driver_.AllAnswered());
        EXPECT_EQ(FocusedText(dlg), L"新規");
        PostMessageW(dlg, WM_COMMAND, IDCANCEL, 0);
    });
    ASSERT_EQ(boxes.size(), 4u);
    EXPECT_EQ(boxes[0], L"無効な文字が使われています。フォルダ名を入力しなおしてください。");
    EXPECT_EQ(boxes[1], L"無効な文字が使われています。フォルダ名を入力しなおしてください。");
    EXPECT_EQ(boxes[2], L"すでに同じ名前のフォルダが存在します。フォルダ名を入力しなおしてください。");
    EXPECT_EQ(boxes[3], tree_.Path(L"新規") + L" を作成しました。");
    EXPECT_TRUE(fs::is_directory(tree_.Path(L"新規")));
    EXPECT_FALSE(fs::exists(tree_.Path(L"a;b")));
    EXPECT_FALSE(fs::exists(fs::path(tree_.Path()).parent_path() / L"escape"));
}

TEST_F(FolderDialogTest, NoCreateFolderStyleWithdrawsTheCommand)
{
    ScopedWindowOperation setting(std::nullopt);
    auto dialog = MakeDialog(tree_.Path());
    SetStyle(*dialog, 0x1, 0x40000);
    driver_.Answer(L"新しいフォルダの作成", TypeAndOk(L"never"));
    Run(*dialog, [&](HWND dlg) {
        EXPECT_FALSE(IsEnabled(dlg, 1014));
        Press(driver_, 'N', true);
        Command(driver_, dlg, 1106);
        EXPECT_FALSE(driver_.AllAnswered()); // no input box was shown
        PostMessageW(dlg, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_FALSE(fs::exists(tree_.Path(L"never")));
}

TEST_F(FolderDialogTest, ReadsTheCurrentDriveAndFolderAloud)
{
    ScopedWindowOperation setting(std::nullopt);
    testsupport::ScopedTranscript transcript;
    auto dialog = MakeDialog(tree_.Path());
    std::size_t before = 0;
    Run(*dialog, [&](HWND dlg) {
        before = transcript.Entries().size(); // a slow listing may have said the folder
        PressAlt(driver_, VK_F2);
        PressAlt(driver_, VK_F1);
        PostMessageW(dlg, WM_COMMAND, IDCANCEL, 0);
    });
    std::vector<std::vector<std::wstring>> entries = transcript.Entries();
    entries.erase(entries.begin(), entries.begin() + static_cast<std::ptrdiff_t>(std::min(before, entries.size())));
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[0], (std::vector<std::wstring>{L"reader", L"Stop"}));
    EXPECT_EQ(entries[1], (std::vector<std::wstring>{L"reader", L"SpeakEx", L"4", L"1", tree_.Path()}));
    EXPECT_EQ(entries[2], (std::vector<std::wstring>{L"reader", L"Stop"}));
    ASSERT_EQ(entries[3].size(), 5u);
    EXPECT_NE(entries[3][4].find(L"(C:)"), std::wstring::npos);
}

TEST_F(FolderDialogTest, ContextMenusAreAnnouncedAndFollowTheStyle)
{
    ScopedWindowOperation setting(std::nullopt);
    testsupport::ScopedTranscript transcript;
    const std::vector<std::wstring> readItems = {L"1114 現在のドライブの読み上げ(&D)\tAlt + F1",
                                                 L"1115 現在のフォルダの読み上げ(&L)\tAlt + F2"};
    std::vector<std::wstring> listItems = readItems;
    listItems.push_back(L"0 ");
    listItems.push_back(L"1106 フォルダの作成(&F)\tCtrl + N");
    {
        auto dialog = MakeDialog(tree_.Path());
        Run(*dialog, [&](HWND dlg) {
            Press(driver_, VK_APPS);
            Command(driver_, dlg, 1013);
            // Up to the drives with the button; as it becomes disabled, the
            // focus goes to the list.
            for (int i = 0; i < 20 && StatusText(dlg) != L"マイ コンピュータ"; ++i) {
                SetFocus(GetDlgItem(dlg, 1015));
                Command(driver_, dlg, 1015);
            }
            EXPECT_EQ(StatusText(dlg), L"マイ コンピュータ");
            EXPECT_EQ(GetDlgCtrlID(GetFocus()), 1029);
            // Neither menu exists in drives mode.
            Press(driver_, VK_APPS);
            SendMessageW(dlg, WM_COMMAND, MAKEWPARAM(1013, BN_CLICKED), 0);
            PostMessageW(dlg, WM_COMMAND, IDCANCEL, 0);
        });
        ASSERT_EQ(driver_.Menus().size(), 2u);
        EXPECT_EQ(driver_.Menus()[0], listItems);
        EXPECT_EQ(driver_.Menus()[1], readItems);
    }
    {
        auto dialog = MakeDialog(tree_.Path());
        SetStyle(*dialog, 0x1, 0x40000);
        Run(*dialog, [&](HWND dlg) {
            Press(driver_, VK_APPS);
            PostMessageW(dlg, WM_COMMAND, IDCANCEL, 0);
        });
        ASSERT_EQ(driver_.Menus().size(), 3u);
        EXPECT_EQ(driver_.Menus()[2], readItems);
    }
    int announced = 0;
    for (const auto& entry : transcript.Entries())
        announced += entry == std::vector<std::wstring>{L"reader", L"Speak", L"0", L"メニューオープン"};
    EXPECT_EQ(announced, 3);
}

TEST_F(FolderDialogTest, TheDriveListBoxListsTheChosenDriveAndKeepsItsEntry)
{
    ScopedWindowOperation setting(std::nullopt);
    auto dialog = MakeDialog(tree_.Path());
    Run(*dialog, [&](HWND dlg) {
        HWND box = GetDlgItem(dlg, 1002);
        int count = static_cast<int>(SendMessageW(box, CB_GETCOUNT, 0, 0));
        ASSERT_GE(count, 2) << "the test needs a second drive (Wine's Z:)";
        int start = static_cast<int>(SendMessageW(box, CB_GETCURSEL, 0, 0));
        EXPECT_NE(win::GetText(box).find(L"(C:)"), std::wstring::npos);
        int other = -1;
        for (int i = 0; i < count && other < 0; ++i) {
            wchar_t text[300] = {};
            SendMessageW(box, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
            if (std::wstring(text).find(L"(Z:)") != std::wstring::npos)
                other = i;
        }
        ASSERT_GE(other, 0);

        // A selection moved while the box has the focus, but never
        // confirmed, is put back when the box loses the focus.
        SetFocus(box);
        SendMessageW(box, CB_SETCURSEL, other, 0);
        SetFocus(GetDlgItem(dlg, 1029));
        driver_.Settle();
        EXPECT_EQ(SendMessageW(box, CB_GETCURSEL, 0, 0), start);

        // A confirmed selection lists that drive's root.
        SetFocus(box);
        SendMessageW(box, CB_SETCURSEL, other, 0);
        SendMessageW(dlg, WM_COMMAND, MAKEWPARAM(1002, CBN_SELENDOK), reinterpret_cast<LPARAM>(box));
        EXPECT_EQ(StatusText(dlg), L"Z:\\");
        SetFocus(GetDlgItem(dlg, 1029));
        driver_.Settle();
        EXPECT_EQ(SendMessageW(box, CB_GETCURSEL, 0, 0), other);
        PostMessageW(dlg, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(dialog->CurrentFolder(), L"Z:\\");
}

TEST_F(FolderDialogTest, EnableControlAndMessageWndWhileRunning)
{
    ScopedWindowOperation setting(1);
    testsupport::ScopedTranscript transcript;
    auto dialog = MakeDialog(tree_.Path());
    EXPECT_EQ(dialog->EnableControl(1, 0), 0);
    EXPECT_EQ(dialog->MessageWnd("x", "x"), 0);
    Run(*dialog, [&](HWND dlg) {
        EXPECT_EQ(dialog->EnableControl(1000, 0), 0);
        EXPECT_EQ(dialog->EnableControl(1, 0), 1);
        EXPECT_EQ(dialog->EnableControl(1, 0), 0);
        EXPECT_FALSE(IsEnabled(dlg, 1));
        // A disabled OK does nothing.
        Command(driver_, dlg, IDOK);
        EXPECT_TRUE(IsWindowVisible(dlg));
        EXPECT_EQ(dialog->EnableControl(1, 1), 0);
        EXPECT_EQ(dialog->EnableControl(1002, 0), 1);
        EXPECT_FALSE(IsEnabled(dlg, 1002));

        std::string text = cp932::FromWide(L"選べません");
        dialog->MessageWnd(text.c_str(), text.c_str());
        HWND guide = FindWindowExW(dlg, nullptr, L"ZUB_GuideClass", nullptr);
        ASSERT_NE(guide, nullptr);
        RECT guideRect = {}, listRect = {};
        GetWindowRect(guide, &guideRect);
        GetWindowRect(GetDlgItem(dlg, 1029), &listRect);
        EXPECT_EQ(guideRect.left, listRect.left);
        EXPECT_EQ(guideRect.top, listRect.bottom + 2);
        PostMessageW(dlg, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(dialog->EnableControl(1, 1), 0);
    bool spoken = false;
    for (const auto& entry : transcript.Entries())
        spoken = spoken || entry == std::vector<std::wstring>{L"reader", L"Speak", L"1", L"選べません"};
    EXPECT_TRUE(spoken);
}

TEST_F(FolderDialogTest, CaptionsServeOneRun)
{
    ScopedWindowOperation setting(std::nullopt);
    auto dialog = MakeDialog(tree_.Path());
    EXPECT_EQ(dialog->SetCaption(cp932::FromWide(L"コピー先").c_str(), -1), 1);
    EXPECT_EQ(dialog->SetCaption(cp932::FromWide(L"決定").c_str(), 1), 1);
    EXPECT_EQ(dialog->SetCaption(nullptr, 1017), 1);
    EXPECT_EQ(dialog->SetCaption("x", 1000), 0);
    Run(*dialog, [&](HWND dlg) {
        EXPECT_EQ(win::GetText(dlg), L"コピー先");
        EXPECT_EQ(win::GetText(GetDlgItem(dlg, 1)), L"決定");
        EXPECT_EQ(win::GetText(GetDlgItem(dlg, 1017)), L"");
        EXPECT_EQ(win::GetText(GetDlgItem(dlg, 1016)), L"現在のドライブ");
        PostMessageW(dlg, WM_COMMAND, IDCANCEL, 0);
    });
    Run(*dialog, [&](HWND dlg) {
        EXPECT_EQ(win::GetText(dlg), L"フォルダの参照");
        EXPECT_EQ(win::GetText(GetDlgItem(dlg, 1)), L"OK");
        PostMessageW(dlg, WM_COMMAND, IDCANCEL, 0);
    });
}

TEST(FolderDialogStyle, RecordFieldsByMask)
{
    auto dialog = CLumaFolderDialog::Create(nullptr, nullptr);
    FolderDlgExStyle record = {};
    record.mask = 0;
    record.style = 0x40000;
    record.driveTypes = 0x1;
    record.folderHook = RecordingHook;
    EXPECT_EQ(dialog->SetExtendedStyle(record), 0x10003);
    FolderDlgExStyle read = {};
    read.mask = 0x2;
    read.style = 0xCCCC;
    dialog->GetExtendedStyle(read);
    EXPECT_EQ(read.driveTypes, 0x1u);
    EXPECT_EQ(read.style, 0xCCCCu);
    read.mask = 0;
    dialog->GetExtendedStyle(read);
    EXPECT_EQ(read.style, 0x40000u);
    EXPECT_EQ(read.folderHook, &RecordingHook);
}
