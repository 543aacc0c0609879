// The library's exports as a caller meets them, without a window: handles of
// the wrong family, stale or made up, get failure values and zeroed buffers;
// the style records. The dialogs' own tests run them.
#include "dialogs/lumadlg.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>

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
// the library never writes, the fields the mask selects, and the style's
// rule that one name to save or make allows no multi-selection.
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
    in.style = FDS_MULTISELECT | FDS_FILEMUSTNOTEXIST;
    EXPECT_EQ(FileDlg_SetExtendedStyle(save, &in), 1);
    FileDlg_GetExtendedStyle(save, &r);
    EXPECT_EQ(r.style, static_cast<DWORD>(FDS_FILEMUSTNOTEXIST)) << "multi-selection cleared beside it";
    in = {0, 0, FDS_MULTISELECT | FDS_CREATEPROMPT, 0x1, 0x37, [](const char*, HLUMADLG) { return 1; }};
    EXPECT_EQ(FileDlg_SetExtendedStyle(open, &in), 0xF);
    std::memset(&r, 0, sizeof r);
    r.mask = FDSM_STYLE | FDSM_ACCEPTHOOK | FDSM_DISABLEDOPS;
    FileDlg_GetExtendedStyle(open, &r);
    EXPECT_EQ(r.style, static_cast<DWORD>(FDS_MULTISELECT | FDS_CREATEPROMPT));
    EXPECT_EQ(r.acceptHook, in.acceptHook);
    EXPECT_EQ(r.disabledOps + r.driveTypes, 0x37u) << "driveTypes not selected by the mask";
    FileDlg_Delete(open);
    FileDlg_Delete(save);
    HLUMADLG f = FolderDlg_Create("C:\\", nullptr);
    FolderDlgExStyle fin = {0, FODSM_FOLDERHOOK | FODSM_DRIVETYPES, FODS_SHOWHIDDEN, 0x10,
                            [](HLUMADLG, int, const char*, const char*) { return 1; }};
    FolderDlgExStyle fout = {};
    EXPECT_EQ(FolderDlg_SetExtendedStyle(f, &fin), 0x10002);
    EXPECT_EQ(FolderDlg_GetExtendedStyle(f, &fout), 1);
    EXPECT_EQ(fout.style, 0u) << "style not selected by the mask";
    EXPECT_EQ(fout.folderHook, fin.folderHook);
    EXPECT_EQ(FolderDlg_DoModal(f), -1) << "no RAM disk to offer";
    EXPECT_EQ(FolderDlg_Delete(f), 1);
}

} // namespace
