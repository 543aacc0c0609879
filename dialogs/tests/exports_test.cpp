// The library's exports as a caller meets them: handles of the wrong family,
// stale or made up, get failure values and zeroed buffers; the style
// records; the folder dialog's result, its object while it runs, folders
// code page 932 cannot name, and a drive that is not ready.
#include "dialogs/lumadlg.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>

#include "tests/support/dialog_driver.h"
#include "tests/support/transcript_reader.h"
#include "tests/support/window_operation.h"
#include "win/cp932.h"
#include "win/window.h"

using namespace dialogtest;

namespace {

TEST(Exports, ForeignStaleAndNullHandlesAreRefused)
{
    HLUMADLG file = FileDlg_Create(0, ".zlq", "a.zlq", "C:\\", "A|*.a||", nullptr);
    HLUMADLG folder = FolderDlg_Create("C:\\", nullptr);
    HLUMADLG stale = FileDlg_Create(1, nullptr, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(file && folder && stale);
    EXPECT_EQ(FileDlg_Delete(stale), 1);
    int local = 0;
    FileDlgExStyle fileRecord = {};
    for (HLUMADLG h : {folder, stale, static_cast<HLUMADLG>(nullptr), reinterpret_cast<HLUMADLG>(&local)}) {
        EXPECT_EQ(FileDlg_DoModal(h), -1);
        EXPECT_EQ(FileDlg_Delete(h), 0);
        EXPECT_EQ(FileDlg_GetSelectedCount(h), -1);
        EXPECT_EQ(FileDlg_SetWindowText(h, "x", -1), 0);
        EXPECT_EQ(FileDlg_SetExtendedStyle(h, &fileRecord), 0);
        EXPECT_EQ(FileDlg_GetExtendedStyle(h, &fileRecord), 0);
        EXPECT_EQ(FileDlg_MessageWnd(h, "x", "x"), 0);
        char buffer[8];
        std::memset(buffer, 0xCC, sizeof buffer);
        EXPECT_EQ(FileDlg_GetPathName(h, buffer, sizeof buffer, 0), buffer);
        EXPECT_EQ(std::string(buffer, sizeof buffer), std::string(sizeof buffer, '\0')) << "zeroed whatever the handle";
    }
    FolderDlgExStyle folderRecord = {};
    for (HLUMADLG h : {file, static_cast<HLUMADLG>(nullptr)}) {
        EXPECT_EQ(FolderDlg_DoModal(h), -1);
        EXPECT_EQ(FolderDlg_Delete(h), 0);
        EXPECT_EQ(FolderDlg_EnableControl(h, 1, 0), 0);
        EXPECT_EQ(FolderDlg_SetExtendedStyle(h, &folderRecord), 0);
        EXPECT_EQ(FolderDlg_SetWindowText(h, "x", -1), 0);
    }
    // Null arguments, and buffers of no size.
    EXPECT_EQ(FileDlg_SetExtendedStyle(file, nullptr), 0);
    EXPECT_EQ(FileDlg_GetPathName(file, nullptr, 100, 0), nullptr);
    char one = 'x';
    for (int size : {0, -5})
        FileDlg_GetPathName(file, &one, size, 0);
    EXPECT_EQ(one, 'x') << "a size below 1 leaves the buffer alone";
    EXPECT_EQ(FolderDlg_GetPathName(folder, nullptr, 10), nullptr);
    // Captions: which ids each family takes.
    for (int id : {-1, 1, 1016, 1017, 1018, 1019, 0, 2, 1000, 1015})
        EXPECT_EQ(FileDlg_SetWindowText(file, "c", id), static_cast<int>(id == -1 || id == 1 || id >= 1016)) << id;
    for (int id : {-1, 1, 2, 1016, 1017, 0, 1018, 1029})
        EXPECT_EQ(FolderDlg_SetWindowText(folder, "c", id), static_cast<int>(id != 0 && id < 1018)) << id;
    EXPECT_EQ(FileDlg_GetSelectedCount(file), 0) << "both survived the other family's calls";
    EXPECT_EQ(FileDlg_Delete(file), 1);
    EXPECT_EQ(FolderDlg_Delete(folder), 1);
}

// The records through the exports: the defaults of each mode, the field
// the library never writes, and the fields the mask selects.
TEST(Exports, StyleRecords)
{
    HLUMADLG open = FileDlg_Create(1, nullptr, nullptr, nullptr, nullptr, nullptr);
    HLUMADLG save = FileDlg_Create(0, nullptr, nullptr, nullptr, nullptr, nullptr);
    FileDlgExStyle r;
    std::memset(&r, 0xCC, sizeof r);
    r.mask = 0;
    EXPECT_EQ(FileDlg_GetExtendedStyle(open, &r), 1);
    EXPECT_EQ(r.style, static_cast<DWORD>(FDS_FILEMUSTEXIST));
    EXPECT_EQ(r.reserved, 0xCCCCCCCCu) << "reserved is never written";
    FileDlgExStyle in = {0, FDSM_STYLE, FDS_OVERWRITEPROMPT};
    EXPECT_EQ(FileDlg_SetExtendedStyle(save, &in), 0) << "the save dialog's own style: nothing changed";
    in = {0, 0, FDS_OVERWRITEPROMPT, 0x1, 0x37, [](const char*, HLUMADLG) { return 1; }};
    EXPECT_EQ(FileDlg_SetExtendedStyle(open, &in), 0xF);
    std::memset(&r, 0, sizeof r);
    r.mask = FDSM_ACCEPTHOOK | FDSM_DISABLEDOPS;
    FileDlg_GetExtendedStyle(open, &r);
    EXPECT_EQ(r.acceptHook, in.acceptHook);
    EXPECT_EQ(r.disabledOps + r.driveTypes, 0x37u) << "driveTypes not selected by the mask";
    FileDlg_Delete(open);
    FileDlg_Delete(save);
    HLUMADLG f = FolderDlg_Create("C:\\", nullptr);
    FolderDlgExStyle fin = {0, 0x10000 | 0x2, FODS_SHOWHIDDEN, 0x10};
    EXPECT_EQ(FolderDlg_SetExtendedStyle(f, &fin), 0x10002);
    EXPECT_EQ(FolderDlg_DoModal(f), -1) << "no RAM disk to offer";
    EXPECT_EQ(FolderDlg_Delete(f), 1);
}

std::wstring PathOf(HLUMADLG dialog, int size = 600)
{
    std::string buffer(static_cast<std::size_t>(size), '\xCC');
    FolderDlg_GetPathName(dialog, buffer.data(), size);
    return cp932::ToWide(buffer.c_str());
}

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

class FolderExports : public ::testing::Test {
protected:
    void TearDown() override { EXPECT_EQ(FolderDlg_Delete(handle), 1); }
    int Run(const std::wstring& folder, const std::function<void(HWND)>& script)
    {
        if (!handle)
            handle = FolderDlg_Create(cp932::FromWide(folder).c_str(), nullptr);
        return driver.Run([&] { return FolderDlg_DoModal(handle); }, [&](HWND d) {
            script(d);
            if (IsWindowVisible(d))
                PostMessageW(d, WM_COMMAND, IDCANCEL, 0);
        });
    }
    testsupport::ScopedTempFolder tree{"lumadlg-folder"};
    Driver driver{HasList(1029)};
    HLUMADLG handle = nullptr;
};

// The caller's result, cut to its buffer; the object is not destroyed from
// under its window, nor run twice; a cancelled run leaves no result.
TEST_F(FolderExports, ChoosesAFolderForTheCaller)
{
    tree.Folder(L"alpha");
    const std::wstring beta = tree.Folder(L"beta").wstring();
    handle = FolderDlg_Create(cp932::FromWide(tree.Path().wstring()).c_str(), nullptr);
    ASSERT_EQ(FolderDlg_SetWindowText(handle, cp932::FromWide(L"コピー先").c_str(), -1), 1);
    EXPECT_EQ(Run({}, [&](HWND d) {
                  EXPECT_EQ(win::GetText(d), L"コピー先");
                  EXPECT_EQ(FolderDlg_Delete(handle), 0);
                  EXPECT_EQ(FileDlg_Delete(handle), 0);
                  EXPECT_EQ(FolderDlg_DoModal(handle), -1) << "a second run while the first is open";
                  Press(VK_DOWN);
                  Command(d, IDOK);
              }),
              1);
    EXPECT_EQ(PathOf(handle), beta);
    EXPECT_EQ(PathOf(handle, 6), beta.substr(0, 5));
    EXPECT_EQ(Run({}, [](HWND) {}), 2);
    EXPECT_EQ(PathOf(handle), L"");
}

// Folders whose names code page 932 cannot carry are listed as they are;
// the hook and the caller get texts that open them, never the neighbour
// their best fit names ("cafe" beside "café"); the next run starts there.
TEST_F(FolderExports, FoldersTheCodePageCannotName)
{
    testsupport::ScopedWindowOperation windowOperation(1); // Enter opens the focused folder
    const std::wstring folder = tree.Folder(L"Données").wstring(), cafe = tree.Folder(L"Données\\café").wstring();
    tree.Folder(L"Données\\cafe");
    handle = FolderDlg_Create(cp932::FromWide(tree.Path().wstring()).c_str(), nullptr);
    FolderDlgExStyle style = {0, 0x10000, 0, 0, &RecordCall};
    FolderDlg_SetExtendedStyle(handle, &style);
    g_hookCalls.clear();
    EXPECT_EQ(Run({}, [&](HWND d) {
                  ASSERT_TRUE(Select(GetDlgItem(d, 1029), {L"Données"}));
                  Press(VK_RETURN);
                  EXPECT_EQ(StatusText(d), folder);
                  ASSERT_TRUE(Select(GetDlgItem(d, 1029), {L"café"}));
                  Command(d, IDOK);
              }),
              1);
    EXPECT_EQ(FileIdOf(PathOf(handle)), FileIdOf(cafe)) << cp932::FromWide(PathOf(handle));
    ASSERT_GE(g_hookCalls.size(), 2u);
    EXPECT_EQ(g_hookCalls.back().code, 2);
    for (const HookCall& call : {g_hookCalls[g_hookCalls.size() - 2], g_hookCalls.back()}) {
        EXPECT_EQ(FileIdOf(call.folder), FileIdOf(folder)) << call.folder;
        EXPECT_EQ(FileIdOf(call.folder + "\\" + call.item), FileIdOf(cafe)) << call.item;
    }
    EXPECT_EQ(Run({}, [&](HWND d) {
                  EXPECT_EQ(StatusText(d), folder);
                  ASSERT_TRUE(Select(GetDlgItem(d, 1029), {L"このフォルダで決定"}));
                  Command(d, IDOK);
              }),
              1);
    EXPECT_EQ(FileIdOf(PathOf(handle)), FileIdOf(folder));
}

// O: is a CD-ROM drive without a medium in the test prefix. A start folder
// on it opens C:; choosing it, in the drive box or the list of drives, says
// so and keeps the folder.
TEST_F(FolderExports, ADriveThatIsNotReady)
{
    ASSERT_EQ(GetDriveTypeW(L"O:\\"), static_cast<UINT>(DRIVE_CDROM)) << "no empty CD-ROM drive O: in this prefix";
    testsupport::ScopedWindowOperation windowOperation(1); // guides are spoken
    testsupport::ScopedTranscript transcript;
    for (const wchar_t* start : {L"O:\\", L"O:\\quiz"}) {
        handle = FolderDlg_Create(cp932::FromWide(start).c_str(), nullptr);
        Run({}, [&](HWND d) { EXPECT_EQ(StatusText(d), L"C:\\"); });
        EXPECT_EQ(FolderDlg_Delete(handle), 1);
        handle = nullptr;
    }
    Run(tree.Path().wstring(), [&](HWND d) {
        HWND box = GetDlgItem(d, 1002);
        int start = static_cast<int>(SendMessageW(box, CB_GETCURSEL, 0, 0)), o = -1;
        for (int i = 0; i < SendMessageW(box, CB_GETCOUNT, 0, 0); ++i) {
            wchar_t text[300] = {};
            SendMessageW(box, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
            o = std::wstring(text).find(L"(O:)") != std::wstring::npos ? i : o;
        }
        ASSERT_GE(o, 0) << "offered though not ready";
        SetFocus(box);
        SendMessageW(box, CB_SETCURSEL, o, 0);
        SendMessageW(d, WM_COMMAND, MAKEWPARAM(1002, CBN_SELENDOK), reinterpret_cast<LPARAM>(box));
        EXPECT_EQ(StatusText(d), tree.Path().wstring());
        SetFocus(GetDlgItem(d, 1029));
        Settle();
        EXPECT_EQ(SendMessageW(box, CB_GETCURSEL, 0, 0), start) << "the box returns to the drive shown";
        for (int i = 0; i < 30 && StatusText(d) != L"マイ コンピュータ"; ++i)
            Command(d, 1015);
        for (const std::wstring& text : ListTexts(GetDlgItem(d, 1029)))
            if (text.find(L"(O:)") != std::wstring::npos)
                Select(GetDlgItem(d, 1029), {text});
        Command(d, IDOK);
        EXPECT_EQ(StatusText(d), L"マイ コンピュータ");
    });
    EXPECT_EQ(transcript.Count(L"reader Speak 1 ドライブの準備ができていません"), 2u);
    EXPECT_EQ(PathOf(handle), L"");
}

} // namespace
