// The folder dialog run through the library's exports: the result a caller
// reads, the handle while the dialog runs, and drives that are not ready.
#include "dialogs/lumadlg.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <optional>
#include <string>

#include "dialogs/folder/tests/folder_driver.h"
#include "dialogs/tests/dialog_driver.h"
#include "tests/support/transcript_reader.h"
#include "tests/support/window_operation.h"
#include "win/cp932.h"
#include "win/registry.h"
#include "win/window.h"

using namespace foldertest;
using dialogtest::FileIdOf;

namespace {

constexpr wchar_t kNotReady[] = L"ドライブの準備ができていません";

std::wstring PathOf(HLUMADLG dialog, int bufferSize = 600)
{
    std::string buffer(static_cast<std::size_t>(bufferSize), '\xCC');
    FolderDlg_GetPathName(dialog, buffer.data(), bufferSize);
    return cp932::ToWide(buffer.c_str());
}

int GuideSpoken(const testsupport::ScopedTranscript& transcript)
{
    int count = 0;
    for (const auto& entry : transcript.Entries())
        count += entry == std::vector<std::wstring>{L"reader", L"Speak", L"1", kNotReady};
    return count;
}

class FolderExports : public ::testing::Test {
protected:
    void TearDown() override
    {
        if (handle_) {
            EXPECT_EQ(FolderDlg_Delete(handle_), 1);
        }
    }
    HLUMADLG Create(const std::wstring& folder)
    {
        handle_ = FolderDlg_Create(cp932::FromWide(folder).c_str(), nullptr);
        return handle_;
    }
    int Run(std::function<void(HWND)> script)
    {
        int result = driver_.Run([&] { return FolderDlg_DoModal(handle_); }, std::move(script));
        EXPECT_TRUE(driver_.ScriptRan());
        EXPECT_FALSE(driver_.TimedOut());
        return result;
    }

    dialogtest::TempTree tree_;
    Driver driver_;
    HLUMADLG handle_ = nullptr;
};

TEST_F(FolderExports, ChoosesAFolderAndHandsItToTheCaller)
{
    tree_.Folder(L"alpha");
    tree_.Folder(L"beta");
    Create(tree_.Path());
    ASSERT_EQ(FolderDlg_SetWindowText(handle_, cp932::FromWide(L"コピー先").c_str(), -1), 1);
    int result = Run([&](HWND dlg) {
        EXPECT_EQ(win::GetText(dlg), L"コピー先");
        // The object is not destroyed from under its own window, and the
        // other family's exports refuse it.
        EXPECT_EQ(FolderDlg_Delete(handle_), 0);
        EXPECT_EQ(FileDlg_Delete(handle_), 0);
        EXPECT_EQ(FileDlg_DoModal(handle_), -1);
        EXPECT_EQ(FolderDlg_DoModal(handle_), -1) << "a second run while the first is open";
        EXPECT_EQ(FolderDlg_EnableControl(handle_, 1002, 0), 1);
        EXPECT_FALSE(IsWindowEnabled(GetDlgItem(dlg, 1002)));
        EXPECT_EQ(FolderDlg_EnableControl(handle_, 1002, 1), 0);
        EXPECT_EQ(FolderDlg_EnableControl(handle_, 1029, 0), 0) << "only OK, cancel and the drive box";
        Press(driver_, VK_DOWN);
        EXPECT_EQ(FocusedText(dlg), L"beta");
        Command(driver_, dlg, IDOK);
    });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(PathOf(handle_), tree_.Path() + L"\\beta");
    // A buffer too small gets the path cut, still terminated.
    std::wstring cut = PathOf(handle_, 6);
    EXPECT_EQ(cut, (tree_.Path() + L"\\beta").substr(0, 5));

    // A cancelled second run leaves no result; its captions are the
    // template's again.
    result = Run([&](HWND dlg) {
        EXPECT_EQ(win::GetText(dlg), L"フォルダの参照");
        EXPECT_EQ(StatusText(dlg), tree_.Path());
        PostMessageW(dlg, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(result, 2);
    EXPECT_EQ(PathOf(handle_), L"");
}

// What the folder hook was handed.
struct HookCall {
    int code;
    std::string item, folder;
};
std::vector<HookCall> g_hookCalls;
int __cdecl RecordCall(HLUMADLG, int code, const char* item, const char* folder)
{
    g_hookCalls.push_back({code, item, folder});
    return 1;
}

// Folders whose names code page 932 cannot carry are listed as they are;
// the hook and the caller are handed texts that open them, never the
// neighbour their best fit would name ("cafe" beside "café").
TEST_F(FolderExports, FoldersTheCodePageCannotNameAreHandedOutAsTextsThatOpenThem)
{
    testsupport::ScopedWindowOperation windowOperation(1); // Enter opens the focused entry
    const std::wstring folder = tree_.Folder(L"Données").wstring();
    const std::wstring cafe = tree_.Folder(L"Données\\café").wstring();
    tree_.Folder(L"Données\\cafe");
    Create(tree_.Path());
    FolderDlgExStyle style = {};
    style.mask = 0x10000;
    style.folderHook = &RecordCall;
    FolderDlg_SetExtendedStyle(handle_, &style);
    g_hookCalls.clear();
    std::wstring status;
    int result = Run([&](HWND dlg) {
        ASSERT_TRUE(FocusEntry(dlg, L"Données"));
        Press(driver_, VK_RETURN);
        status = StatusText(dlg);
        ASSERT_TRUE(FocusEntry(dlg, L"café"));
        Command(driver_, dlg, IDOK);
    });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(status, folder);
    EXPECT_EQ(FileIdOf(PathOf(handle_)), FileIdOf(cafe)) << cp932::FromWide(PathOf(handle_));
    ASSERT_GE(g_hookCalls.size(), 2u);
    const HookCall focused = g_hookCalls[g_hookCalls.size() - 2], chosen = g_hookCalls.back();
    EXPECT_EQ(focused.code, 1);
    EXPECT_EQ(chosen.code, 2);
    for (const HookCall& call : {focused, chosen}) {
        EXPECT_EQ(FileIdOf(call.folder), FileIdOf(folder)) << call.folder;
        EXPECT_EQ(FileIdOf(call.folder + "\\" + call.item), FileIdOf(cafe)) << call.item;
    }

    // The next run starts there, and "このフォルダで決定" chooses it.
    result = Run([&](HWND dlg) {
        EXPECT_EQ(StatusText(dlg), folder);
        ASSERT_TRUE(FocusEntry(dlg, L"このフォルダで決定"));
        Command(driver_, dlg, IDOK);
    });
    EXPECT_EQ(result, 1);
    EXPECT_EQ(FileIdOf(PathOf(handle_)), FileIdOf(folder));
    EXPECT_EQ(FileIdOf(g_hookCalls.back().folder), FileIdOf(folder));
}

// O: is a CD-ROM drive without a medium (scripts/lib/test-drives.sh).
// The user's WindowOperation setting is on, so that guide messages are
// spoken rather than shown in a standard message box.
class NotReadyDrive : public FolderExports {
protected:
    void SetUp() override
    {
        if (GetDriveTypeW(L"O:\\") != DRIVE_CDROM)
            GTEST_SKIP() << "no empty CD-ROM drive O: in this Wine prefix";
        windowOperation_.emplace(1);
    }

    std::optional<testsupport::ScopedWindowOperation> windowOperation_;
};

TEST_F(NotReadyDrive, AStartFolderOnItOpensTheFirstReadyDrive)
{
    for (const wchar_t* start : {L"O:\\", L"O:\\quiz"}) {
        Create(start);
        Run([&](HWND dlg) {
            EXPECT_EQ(StatusText(dlg), L"C:\\");
            EXPECT_EQ(ListTexts(dlg).front(), L"ドライブ選択へ");
            EXPECT_NE(win::GetText(GetDlgItem(dlg, 1002)).find(L"(C:)"), std::wstring::npos);
            PostMessageW(dlg, WM_COMMAND, IDCANCEL, 0);
        });
        EXPECT_EQ(FolderDlg_Delete(handle_), 1);
        handle_ = nullptr;
    }
}

TEST_F(NotReadyDrive, ChoosingItSaysSoAndKeepsTheFolder)
{
    testsupport::ScopedTranscript transcript;
    Create(tree_.Path());
    Run([&](HWND dlg) {
        // From the drive list box.
        HWND box = GetDlgItem(dlg, 1002);
        int start = static_cast<int>(SendMessageW(box, CB_GETCURSEL, 0, 0));
        int count = static_cast<int>(SendMessageW(box, CB_GETCOUNT, 0, 0));
        int empty = -1;
        for (int i = 0; i < count; ++i) {
            wchar_t text[300] = {};
            SendMessageW(box, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
            if (std::wstring(text).find(L"(O:)") != std::wstring::npos)
                empty = i;
        }
        ASSERT_GE(empty, 0) << "the drive is offered though not ready";
        SetFocus(box);
        SendMessageW(box, CB_SETCURSEL, empty, 0);
        SendMessageW(dlg, WM_COMMAND, MAKEWPARAM(1002, CBN_SELENDOK), reinterpret_cast<LPARAM>(box));
        EXPECT_EQ(StatusText(dlg), tree_.Path());
        EXPECT_EQ(GuideSpoken(transcript), 1);
        SetFocus(GetDlgItem(dlg, 1029));
        driver_.Settle();
        EXPECT_EQ(SendMessageW(box, CB_GETCURSEL, 0, 0), start) << "the box returns to the drive shown";

        // From the list of drives.
        for (int i = 0; i < 30 && StatusText(dlg) != L"マイ コンピュータ"; ++i)
            Command(driver_, dlg, 1015);
        ASSERT_EQ(StatusText(dlg), L"マイ コンピュータ");
        bool found = false;
        for (const std::wstring& text : ListTexts(dlg))
            if (text.find(L"(O:)") != std::wstring::npos)
                found = FocusEntry(dlg, text);
        ASSERT_TRUE(found);
        Command(driver_, dlg, IDOK);
        EXPECT_EQ(StatusText(dlg), L"マイ コンピュータ");
        EXPECT_EQ(GuideSpoken(transcript), 2);
        PostMessageW(dlg, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(PathOf(handle_), L"");
}

} // namespace
