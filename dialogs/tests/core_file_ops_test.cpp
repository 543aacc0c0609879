// The file operations' rules, without a window: which operations each
// disabledOps bit withdraws, typed names that would leave the folder, the
// deletion's questions, shell flags and outcomes, and where a copy goes.
// The dialog's own tests see the captions, buttons and texts in place.
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

TEST(FileOpRules, EachBitWithdrawsItsOwnOperationOnly)
{
    const FileItem file = Entry(ItemKind::File), folder = Entry(ItemKind::Folder);
    const struct {
        std::uint32_t bits;
        const FileItem& item;
        std::vector<int> commands;
    } rows[] = {
        {0, file, {1103, 1104, 1105}}, {0, folder, {1107, 1108}},     {0x1, file, {1104, 1105}},
        {0x2, file, {1103, 1105}},     {0x4, file, {1103, 1104}},     {0x38, file, {1103, 1104, 1105}},
        {0x7, folder, {1107, 1108}},   {0x10, folder, {1108}},        {0x20, folder, {1107}},
    };
    for (const auto& row : rows) {
        std::vector<int> commands;
        for (const MenuItem& m : FileOpItems(row.bits, row.item))
            commands.push_back(m.command);
        EXPECT_EQ(commands, row.commands) << row.bits;
    }
    EXPECT_FALSE(MayCopy(0, folder)) << "only files are copied";
    EXPECT_TRUE(MayCreateFolder(0x37));
    EXPECT_FALSE(MayCreateFolder(0x8));
    EXPECT_TRUE(FileOpsButtonEnabled(0x36));
    EXPECT_FALSE(FileOpsButtonEnabled(0xFF));
    for (ItemKind kind : {ItemKind::UpEntry, ItemKind::DrivesEntry, ItemKind::Drive}) {
        EXPECT_TRUE(FileOpItems(0, Entry(kind)).empty());
        EXPECT_FALSE(MayDelete(0, Entry(kind)) || MayRename(0, Entry(kind)) || MayCopy(0, Entry(kind)));
    }
    // Deleting and renaming stay in the help line while files or folders allow them.
    EXPECT_EQ(OperationsHelp(0x2 | 0x20), L"ファイルのコピー[Ctrl + C] 削除[Delete] 名前の変更[F2] フォルダの作成[Ctrl + N]");
    EXPECT_EQ(OperationsHelp(0x4 | 0x20 | 0x8), L"ファイルのコピー[Ctrl + C] 削除[Delete]");
    EXPECT_EQ(OperationsHelp(0x3F), L"");
}

TEST(FileOpRules, TypedNamesStayInsideTheFolder)
{
    for (const char* bad : {"a\\b", "a/b", "a:b", "a,b", "a;b", "a\"b", "a<b", "a>b", "a|b", "a*b", "a?b", "..\\up",
                            ".", "..", "...", "\x83\x5C\\"})
        EXPECT_FALSE(IsUsableEntryName(bad)) << bad;
    // "ソ" (0x83 0x5C) carries a backslash as its trail byte.
    for (const char* fine : {"\x83\x5C", ".profile", "a..b", "x.", "plain name"})
        EXPECT_TRUE(IsUsableEntryName(fine)) << fine;
    // A name that looks like a format is put in as it is.
    EXPECT_EQ(RenamePrompt(L"a%s.txt").prompt, L"a%s.txt の名前を変更します。\n新しい名前を入力してください");
}

TEST(FileOpRules, Deletions)
{
    for (auto [count, kind] : {std::pair{0, ItemKind::File}, {1, ItemKind::UpEntry}, {1, ItemKind::Drive}})
        EXPECT_FALSE(DeleteQuestion(count, Entry(kind)));
    EXPECT_EQ(DeleteChoiceOf(0, true), DeleteChoice::Cancel) << "no box";
    EXPECT_EQ(ShellDeleteFlags(DeleteChoice::ForGood), 0x410u);
    EXPECT_EQ(ShellDeleteFlags(DeleteChoice::RecycleBin), 0x450u);
    // The shell reports a cancel as an abort, with 0 or a cancel code: no failure.
    const struct {
        int code;
        bool aborted;
        DeleteOutcome outcome;
    } outcomes[] = {{0, false, DeleteOutcome::Deleted},      {0, true, DeleteOutcome::Cancelled},
                    {1223, false, DeleteOutcome::Cancelled}, {0x75, true, DeleteOutcome::Cancelled},
                    {2, false, DeleteOutcome::Failed},       {0x7C, false, DeleteOutcome::Failed}};
    for (const auto& o : outcomes)
        EXPECT_EQ(ShellDeleteOutcome(o.code, o.aborted), o.outcome) << o.code << " " << o.aborted;
    EXPECT_EQ(CheckBeforeDelete(0x10 | 0x4 | 0x1), DeleteCheck::System) << "read-only and system: never deleted";
    EXPECT_EQ(CheckBeforeDelete(0x10 | 0x2), DeleteCheck::Deletable) << "hidden does not matter";
    EXPECT_EQ(DeleteCheckMessage(DeleteCheck::System, L"d", true).text, L"d \nこのフォルダはシステムフォルダです。削除できません。");
    EXPECT_EQ(DeleteCheckMessage(DeleteCheck::ReadOnly, L"r", true).text,
              L"r \nこのフォルダは読み取り専用です。\n\n削除してもよろしいですか？");
}

TEST(FileOpRules, WhereACopyGoes)
{
    EXPECT_EQ(CopyName(L"a.txt", false), L"a.txt");
    CopyPlace same = CompareCopyFolders(L"C:\\DATA", L"C:\\DATA\\");
    EXPECT_TRUE(same.sameFolder && same.insideCurrent);
    EXPECT_EQ(same.target, L"C:\\DATA\\");
    EXPECT_TRUE(CompareCopyFolders(L"C:\\DATA\\SUB", L"C:\\DATA").insideCurrent);
    EXPECT_FALSE(CompareCopyFolders(L"C:\\DATA\\SUB", L"C:\\DATA").sameFolder);
    EXPECT_FALSE(CompareCopyFolders(L"C:\\DATA2", L"C:\\DATA").insideCurrent) << "a sibling that begins alike";
    EXPECT_TRUE(CompareCopyFolders(L"C:\\X", L"C:\\").insideCurrent);
    EXPECT_FALSE(CompareCopyFolders(L"D:\\", L"C:\\").insideCurrent);
    // The copy's folder dialog follows the caller's folder rules and
    // offers no new folder when folder creation is withdrawn.
    EXPECT_EQ(CopyFolderStyle(0x4, 0).mask, 0x2u);
    auto rules = CopyFolderStyle(0x20 | 0x40, 0);
    EXPECT_EQ(rules.style, 0x30000u);
    EXPECT_EQ(CopyFolderStyle(0x20, 0x8).style, 0x50000u);
    EXPECT_EQ(CopyFolderStyle(0, 0x37).mask, 0x2u) << "other withdrawn operations do not matter";
}

} // namespace
} // namespace lumadlg
