// The file operations' rules: withdrawn operations, typed names, the
// questions and messages, and where copies go.
#include "dialogs/core/file_op_rules.h"

#include <gtest/gtest.h>

namespace lumadlg {
namespace {

FileItem Entry(ItemKind kind, const std::wstring& name = L"x")
{
    FileItem item;
    item.kind = kind;
    item.name = name;
    return item;
}

std::vector<int> Commands(std::uint32_t disabledOps, const FileItem& item)
{
    std::vector<int> ids;
    for (const MenuItem& m : FileOpItems(disabledOps, item))
        ids.push_back(m.command);
    return ids;
}

TEST(FileOpRules, EachBitWithdrawsItsOwnOperationOnly)
{
    const FileItem file = Entry(ItemKind::File), folder = Entry(ItemKind::Folder);
    EXPECT_EQ(Commands(0, file), (std::vector<int>{1103, 1104, 1105}));
    EXPECT_EQ(Commands(0, folder), (std::vector<int>{1107, 1108}));
    EXPECT_EQ(Commands(0x1, file), (std::vector<int>{1104, 1105}));
    EXPECT_EQ(Commands(0x2, file), (std::vector<int>{1103, 1105}));
    EXPECT_EQ(Commands(0x4, file), (std::vector<int>{1103, 1104}));
    // The folder bits leave files alone, and the file bits folders.
    EXPECT_EQ(Commands(0x38, file), (std::vector<int>{1103, 1104, 1105}));
    EXPECT_EQ(Commands(0x7, folder), (std::vector<int>{1107, 1108}));
    EXPECT_EQ(Commands(0x10, folder), (std::vector<int>{1108}));
    EXPECT_EQ(Commands(0x20, folder), (std::vector<int>{1107}));
    EXPECT_EQ(FileOpItems(0, file)[0].text, L"コピー(&C)\tCtrl + C");
    EXPECT_EQ(FileOpItems(0, folder)[0].text, L"削除(&D)\tDelete");
    EXPECT_EQ(FileOpItems(0, folder)[1].text, L"名前の変更(&N)\tF2");

    EXPECT_TRUE(MayDelete(0x2, folder));
    EXPECT_FALSE(MayDelete(0x2, file));
    EXPECT_FALSE(MayCopy(0, folder)) << "only files are copied";
    EXPECT_TRUE(MayCreateFolder(0x37));
    EXPECT_FALSE(MayCreateFolder(0x8));
}

TEST(FileOpRules, NothingOnSpecialEntriesAndDrives)
{
    for (ItemKind kind : {ItemKind::UpEntry, ItemKind::DrivesEntry, ItemKind::Drive}) {
        FileItem item = Entry(kind);
        EXPECT_TRUE(FileOpItems(0, item).empty());
        EXPECT_FALSE(MayCopy(0, item));
        EXPECT_FALSE(MayDelete(0, item));
        EXPECT_FALSE(MayRename(0, item));
    }
}

TEST(FileOpRules, ButtonsAndHelpLine)
{
    EXPECT_FALSE(FileOpsButtonEnabled(0x37));
    EXPECT_FALSE(FileOpsButtonEnabled(0xFF));
    EXPECT_TRUE(FileOpsButtonEnabled(0x36));
    EXPECT_TRUE(FileOpsButtonEnabled(0x17));
    EXPECT_FALSE(NewFolderButtonEnabled(0x8));
    EXPECT_TRUE(NewFolderButtonEnabled(0x37));

    EXPECT_EQ(OperationsHelp(0), L"ファイルのコピー[Ctrl + C] 削除[Delete] 名前の変更[F2] フォルダの作成[Ctrl + N]");
    // Deleting and renaming stay in the line while files or folders allow them.
    EXPECT_EQ(OperationsHelp(0x2 | 0x20), L"ファイルのコピー[Ctrl + C] 削除[Delete] 名前の変更[F2] フォルダの作成[Ctrl + N]");
    EXPECT_EQ(OperationsHelp(0x1 | 0x2 | 0x10), L" 名前の変更[F2] フォルダの作成[Ctrl + N]");
    EXPECT_EQ(OperationsHelp(0x4 | 0x20 | 0x8), L"ファイルのコピー[Ctrl + C] 削除[Delete]");
    // 0x37 leaves folder creation, which has a button of its own.
    EXPECT_EQ(OperationsHelp(0x37), L" フォルダの作成[Ctrl + N]");
    EXPECT_EQ(OperationsHelp(0x3F), L"");
}

TEST(FileOpRules, TypedNamesStayInsideTheFolder)
{
    for (const char* bad : {"a\\b", "a/b", "a:b", "a,b", "a;b", "a\"b", "a<b", "a>b", "a|b", "a*b", "a?b", "..\\up"}) {
        EXPECT_TRUE(HasForbiddenNameChar(bad)) << bad;
        EXPECT_FALSE(IsUsableEntryName(bad)) << bad;
    }
    EXPECT_FALSE(HasForbiddenNameChar("plain name"));
    // "ソ" (0x83 0x5C) carries a backslash as its trail byte.
    EXPECT_TRUE(IsUsableEntryName("\x83\x5C"));
    EXPECT_FALSE(IsUsableEntryName("\x83\x5C\\"));
    // Dots alone name this folder or its parent.
    for (const char* dots : {".", "..", "..."})
        EXPECT_FALSE(IsUsableEntryName(dots)) << dots;
    for (const char* fine : {".profile", "a..b", "x.", "新規"})
        EXPECT_TRUE(IsUsableEntryName(fine)) << fine;
}

TEST(FileOpRules, PromptsNameTheEntry)
{
    EXPECT_EQ(NewFolderPrompt().bufferSize, 260);
    // A name that looks like a format is put in as it is.
    Prompt rename = RenamePrompt(L"a%s.txt");
    EXPECT_EQ(rename.prompt, L"a%s.txt の名前を変更します。\n新しい名前を入力してください");
    EXPECT_EQ(rename.initialText, L"a%s.txt");
    EXPECT_EQ(rename.bufferSize, 512);
}

TEST(FileOpRules, DeleteQuestionAndItsButtons)
{
    auto plural = DeleteQuestion(3, Entry(ItemKind::UpEntry));
    ASSERT_TRUE(plural);
    EXPECT_EQ(plural->caption, L"複数ファイルの削除の確認");
    auto folder = DeleteQuestion(1, Entry(ItemKind::Folder, L"box"));
    ASSERT_TRUE(folder);
    EXPECT_EQ(folder->caption, L"フォルダの削除の確認");
    auto file = DeleteQuestion(1, Entry(ItemKind::File, L"a.txt"));
    ASSERT_TRUE(file);
    EXPECT_EQ(file->caption, L"ファイルの削除の確認");
    EXPECT_FALSE(DeleteQuestion(0, Entry(ItemKind::File)));
    EXPECT_FALSE(DeleteQuestion(1, Entry(ItemKind::UpEntry)));
    EXPECT_FALSE(DeleteQuestion(1, Entry(ItemKind::Drive)));

    DeleteButtons fixed = DeleteButtonsFor(true);
    EXPECT_EQ(fixed.captions, (std::vector<std::wstring>{L"削除", L"ごみ箱へ移す", L"ｷｬﾝｾﾙ"}));
    EXPECT_EQ(fixed.type, 0x220u);
    DeleteButtons other = DeleteButtonsFor(false);
    EXPECT_EQ(other.captions, (std::vector<std::wstring>{L"削除", L"ｷｬﾝｾﾙ"}));
    EXPECT_EQ(other.type, 0x120u);

    EXPECT_EQ(DeleteChoiceOf(9005, true), DeleteChoice::ForGood);
    EXPECT_EQ(DeleteChoiceOf(9006, true), DeleteChoice::RecycleBin);
    EXPECT_EQ(DeleteChoiceOf(9007, true), DeleteChoice::Cancel);
    EXPECT_EQ(DeleteChoiceOf(9005, false), DeleteChoice::ForGood);
    EXPECT_EQ(DeleteChoiceOf(9006, false), DeleteChoice::Cancel) << "the second button is Cancel off fixed disks";
    EXPECT_EQ(DeleteChoiceOf(0, true), DeleteChoice::Cancel) << "no box";

    EXPECT_EQ(ShellDeleteFlags(DeleteChoice::ForGood), 0x410u);
    EXPECT_EQ(ShellDeleteFlags(DeleteChoice::RecycleBin), 0x450u);

    // The shell reports a cancel as an abort, with 0 or a cancel code: no failure.
    EXPECT_EQ(ShellDeleteOutcome(0, false), DeleteOutcome::Deleted);
    EXPECT_EQ(ShellDeleteOutcome(0, true), DeleteOutcome::Cancelled);
    EXPECT_EQ(ShellDeleteOutcome(1223, false), DeleteOutcome::Cancelled);
    EXPECT_EQ(ShellDeleteOutcome(0x75, true), DeleteOutcome::Cancelled);
    EXPECT_EQ(ShellDeleteOutcome(2, false), DeleteOutcome::Failed);
    EXPECT_EQ(ShellDeleteOutcome(0x7C, false), DeleteOutcome::Failed);
}

TEST(FileOpRules, AttributesBeforeADeletion)
{
    EXPECT_EQ(CheckBeforeDelete(std::nullopt), DeleteCheck::Unreadable);
    EXPECT_EQ(CheckBeforeDelete(0x4 | 0x1), DeleteCheck::System) << "a system entry is never deleted";
    EXPECT_EQ(CheckBeforeDelete(0x10 | 0x4), DeleteCheck::System);
    EXPECT_EQ(CheckBeforeDelete(0x1 | 0x20), DeleteCheck::ReadOnly);
    EXPECT_EQ(CheckBeforeDelete(0x20), DeleteCheck::Deletable);
    EXPECT_EQ(CheckBeforeDelete(0x10 | 0x2), DeleteCheck::Deletable) << "hidden does not matter";

    // The folder forms; the file forms are seen in the dialog's own tests.
    EXPECT_EQ(DeleteCheckMessage(DeleteCheck::System, L"d", true).text,
              L"d \nこのフォルダはシステムフォルダです。削除できません。");
    Message readOnly = DeleteCheckMessage(DeleteCheck::ReadOnly, L"r", true);
    EXPECT_EQ(readOnly.text, L"r \nこのフォルダは読み取り専用です。\n\n削除してもよろしいですか？");
    EXPECT_EQ(readOnly.caption, L"削除の確認");
    EXPECT_EQ(readOnly.type, 0x24u);
    EXPECT_EQ(DeleteCheckMessage(DeleteCheck::Unreadable, L"u", false).type, 0x10u);
}

TEST(FileOpRules, WhereACopyGoes)
{
    EXPECT_EQ(CopyName(L"a.txt", true), L"コピー ～ a.txt");
    EXPECT_EQ(CopyName(L"a.txt", false), L"a.txt");

    CopyPlace same = CompareCopyFolders(L"C:\\DATA", L"C:\\DATA\\");
    EXPECT_TRUE(same.sameFolder);
    EXPECT_TRUE(same.insideCurrent);
    EXPECT_EQ(same.target, L"C:\\DATA\\");
    CopyPlace below = CompareCopyFolders(L"C:\\DATA\\SUB", L"C:\\DATA");
    EXPECT_FALSE(below.sameFolder);
    EXPECT_TRUE(below.insideCurrent);
    // A sibling whose name merely begins like the current folder is outside it.
    CopyPlace sibling = CompareCopyFolders(L"C:\\DATA2", L"C:\\DATA");
    EXPECT_FALSE(sibling.insideCurrent);
    CopyPlace fromRoot = CompareCopyFolders(L"C:\\X", L"C:\\");
    EXPECT_TRUE(fromRoot.insideCurrent);
    EXPECT_EQ(fromRoot.current, L"C:\\");
    EXPECT_FALSE(CompareCopyFolders(L"D:\\", L"C:\\").insideCurrent);

}

TEST(FileOpRules, FolderDialogStyleForTheCopyTarget)
{
    auto plain = CopyFolderStyle(0x4, 0);
    EXPECT_EQ(plain.mask, 0x2u);
    EXPECT_EQ(plain.style, 0u);
    auto rules = CopyFolderStyle(0x20 | 0x40, 0);
    EXPECT_EQ(rules.mask, 0x3u);
    EXPECT_EQ(rules.style, 0x30000u);
    auto noCreate = CopyFolderStyle(0x20, 0x8);
    EXPECT_EQ(noCreate.mask, 0x3u);
    EXPECT_EQ(noCreate.style, 0x50000u);
    EXPECT_EQ(CopyFolderStyle(0, 0x37).mask, 0x2u) << "other withdrawn operations do not matter";
}

} // namespace
} // namespace lumadlg
