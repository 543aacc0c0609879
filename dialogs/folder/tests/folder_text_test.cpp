// The folder dialog's text rules.
#include <gtest/gtest.h>

#include "dialogs/folder/folder_text.h"

using namespace lumadlg;

TEST(FolderText, ParentOfAFolder)
{
    FolderParent p = ParentOfFolder(L"C:\\A\\B");
    EXPECT_EQ(p.folder, L"C:\\A");
    EXPECT_EQ(p.leftName, L"B");
    p = ParentOfFolder(L"C:\\A");
    EXPECT_EQ(p.folder, L"C:\\");
    EXPECT_EQ(p.leftName, L"A");
    p = ParentOfFolder(L"C:\\A\\B\\\\");
    EXPECT_EQ(p.folder, L"C:\\A");
    // A path of 260 bytes or more gives no name to select.
    std::wstring longPath = L"C:\\" + std::wstring(300, L'x');
    EXPECT_EQ(ParentOfFolder(longPath).leftName, L"");
    EXPECT_EQ(ParentOfFolder(longPath).folder, L"C:\\");
}

TEST(FolderText, JoinPutsExactlyOneBackslash)
{
    EXPECT_EQ(JoinFolder(L"C:\\", L"A"), L"C:\\A");
    EXPECT_EQ(JoinFolder(L"C:\\A", L"B"), L"C:\\A\\B");
}

TEST(FolderText, DriveLetterAfterTheLastParenthesis)
{
    EXPECT_EQ(DriveLetterOf(L"ボリューム (x) (D:)"), L'D');
    EXPECT_EQ(DriveLetterOf(L"(c:)"), L'C');
    EXPECT_EQ(DriveLetterOf(L"no letter"), 0);
    EXPECT_EQ(DriveLetterOf(L"ends ("), 0);
}
