// The exports without a window: objects, handles of the wrong family, the
// style records, captions and the caller's buffers.
#include "dialogs/lumadlg.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

TEST(Exports, FileDialogObjectLifecycle)
{
    HLUMADLG d = FileDlg_Create(1, nullptr, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(FileDlg_GetSelectedCount(d), 0);
    EXPECT_EQ(FileDlg_MessageWnd(d, "text", "text"), 0) << "not running";
    EXPECT_EQ(FileDlg_Delete(d), 1);
    // A stale handle is refused, never touched.
    EXPECT_EQ(FileDlg_Delete(d), 0);
    EXPECT_EQ(FileDlg_GetSelectedCount(d), -1);
    EXPECT_EQ(FileDlg_DoModal(d), -1);
}

TEST(Exports, WrongFamilyNullAndRandomHandlesGetFailureValues)
{
    HLUMADLG file = FileDlg_Create(0, ".zlq", "a.zlq", "C:\\", "A|*.a||", nullptr);
    HLUMADLG folder = FolderDlg_Create("C:\\", nullptr);
    ASSERT_NE(file, nullptr);
    ASSERT_NE(folder, nullptr);
    int local = 0;
    std::vector<HLUMADLG> foreign = {folder, nullptr, reinterpret_cast<HLUMADLG>(&local),
                                     reinterpret_cast<HLUMADLG>(static_cast<INT_PTR>(0x12345678))};
    FileDlgExStyle fileRecord = {};
    for (HLUMADLG h : foreign) {
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
        EXPECT_EQ(FolderDlg_GetExtendedStyle(h, &folderRecord), 0);
        EXPECT_EQ(FolderDlg_SetWindowText(h, "x", -1), 0);
        EXPECT_EQ(FolderDlg_MessageWnd(h, "x", "x"), 0);
    }
    // Both objects survived the other family's calls.
    EXPECT_EQ(FileDlg_GetSelectedCount(file), 0);
    EXPECT_EQ(FolderDlg_SetWindowText(folder, "x", 1017), 1);
    EXPECT_EQ(FileDlg_Delete(file), 1);
    EXPECT_EQ(FolderDlg_Delete(folder), 1);
}

TEST(Exports, NullArgumentsAreHandled)
{
    HLUMADLG d = FileDlg_Create(1, nullptr, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(FileDlg_SetExtendedStyle(d, nullptr), 0);
    EXPECT_EQ(FileDlg_GetExtendedStyle(d, nullptr), 0);
    EXPECT_EQ(FileDlg_SetWindowText(d, nullptr, -1), 1);
    EXPECT_EQ(FileDlg_GetPathName(d, nullptr, 100, 0), nullptr);
    char one = 'x';
    FileDlg_GetPathName(d, &one, 0, 0);
    EXPECT_EQ(one, 'x') << "a size of 0 leaves the buffer alone";
    FileDlg_GetPathName(d, &one, -5, 0);
    EXPECT_EQ(one, 'x');
    FileDlg_GetPathName(d, &one, 1, 0);
    EXPECT_EQ(one, '\0');
    EXPECT_EQ(FileDlg_MessageWnd(d, nullptr, nullptr), 0);
    EXPECT_EQ(FileDlg_Delete(d), 1);

    HLUMADLG f = FolderDlg_Create(nullptr, nullptr);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(FolderDlg_GetPathName(f, nullptr, 10), nullptr);
    EXPECT_EQ(FolderDlg_SetExtendedStyle(f, nullptr), 0);
    EXPECT_EQ(FolderDlg_Delete(f), 1);
}

TEST(Exports, FileStyleRecordThroughTheExports)
{
    HLUMADLG open = FileDlg_Create(1, nullptr, nullptr, nullptr, nullptr, nullptr);
    HLUMADLG save = FileDlg_Create(0, nullptr, nullptr, nullptr, nullptr, nullptr);
    FileDlgExStyle r;
    std::memset(&r, 0xCC, sizeof r);
    r.mask = 0;
    EXPECT_EQ(FileDlg_GetExtendedStyle(open, &r), 1);
    EXPECT_EQ(r.style, static_cast<DWORD>(FDS_FILEMUSTEXIST));
    EXPECT_EQ(r.driveTypes, 0u);
    EXPECT_EQ(r.disabledOps, 0u);
    EXPECT_EQ(r.acceptHook, nullptr);
    EXPECT_EQ(r.reserved, 0xCCCCCCCCu) << "reserved is never written";
    r.mask = 0x1;
    EXPECT_EQ(FileDlg_GetExtendedStyle(save, &r), 1);
    EXPECT_EQ(r.style, static_cast<DWORD>(FDS_OVERWRITEPROMPT));

    FileDlgExStyle in = {};
    in.mask = 0x1;
    in.style = FDS_MULTISELECT | FDS_OVERWRITEPROMPT;
    EXPECT_EQ(FileDlg_SetExtendedStyle(open, &in), 0x1);
    r.mask = 0x1;
    FileDlg_GetExtendedStyle(open, &r);
    EXPECT_EQ(r.style, static_cast<DWORD>(FDS_OVERWRITEPROMPT));
    EXPECT_EQ(FileDlg_SetExtendedStyle(save, &in), 0) << "the save dialog already had 0x8";

    in.mask = 0;
    in.style = FDS_OVERWRITEPROMPT;
    in.driveTypes = 0x1;
    in.disabledOps = 0x37;
    in.acceptHook = [](const char*, HLUMADLG) { return 1; };
    EXPECT_EQ(FileDlg_SetExtendedStyle(open, &in), 0xE);
    std::memset(&r, 0, sizeof r);
    r.mask = 0x8 | 0x4;
    FileDlg_GetExtendedStyle(open, &r);
    EXPECT_EQ(r.acceptHook, in.acceptHook);
    EXPECT_EQ(r.disabledOps, 0x37u);
    EXPECT_EQ(r.driveTypes, 0u) << "not selected by the mask";
    FileDlg_Delete(open);
    FileDlg_Delete(save);
}

TEST(Exports, CaptionIds)
{
    HLUMADLG d = FileDlg_Create(1, nullptr, nullptr, nullptr, nullptr, nullptr);
    for (int id : {-1, 1, 1016, 1017, 1018, 1019})
        EXPECT_EQ(FileDlg_SetWindowText(d, "caption", id), 1) << id;
    for (int id : {0, 2, 1000, 1015})
        EXPECT_EQ(FileDlg_SetWindowText(d, "caption", id), 0) << id;
    FileDlg_Delete(d);

    HLUMADLG f = FolderDlg_Create("C:\\", nullptr);
    for (int id : {-1, 1, 2, 1016, 1017})
        EXPECT_EQ(FolderDlg_SetWindowText(f, "caption", id), 1) << id;
    for (int id : {0, 1018, 1029})
        EXPECT_EQ(FolderDlg_SetWindowText(f, "caption", id), 0) << id;
    FolderDlg_Delete(f);
}

TEST(Exports, FolderDialogObject)
{
    HLUMADLG f = FolderDlg_Create("C:\\", nullptr);
    ASSERT_NE(f, nullptr);
    FolderDlgExStyle in = {};
    in.mask = 0x10000 | 0x2;
    in.style = FODS_SHOWHIDDEN;
    in.driveTypes = 0x10; // RAM disks: the test machine has none
    EXPECT_EQ(FolderDlg_SetExtendedStyle(f, &in), 0x10002);
    FolderDlgExStyle out;
    std::memset(&out, 0xCC, sizeof out);
    out.mask = 0;
    EXPECT_EQ(FolderDlg_GetExtendedStyle(f, &out), 1);
    EXPECT_EQ(out.style, 0u) << "style was not selected when stored";
    EXPECT_EQ(out.driveTypes, 0x10u);
    EXPECT_EQ(out.folderHook, nullptr);
    // Not running: no control to enable, no message, empty result.
    EXPECT_EQ(FolderDlg_EnableControl(f, 1, 0), 0);
    EXPECT_EQ(FolderDlg_MessageWnd(f, "a", "a"), 0);
    char buffer[16];
    std::memset(buffer, 0xCC, sizeof buffer);
    FolderDlg_GetPathName(f, buffer, sizeof buffer);
    EXPECT_EQ(std::string(buffer, sizeof buffer), std::string(sizeof buffer, '\0'));
    // No drive of the kinds offered: no window, -1.
    EXPECT_EQ(FolderDlg_DoModal(f), -1);
    EXPECT_EQ(FolderDlg_Delete(f), 1);
}

} // namespace
