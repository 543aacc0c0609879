#include "dialogs/core/typed_name.h"

#include <gtest/gtest.h>

#include <set>

namespace lumadlg {
namespace {

// A small world: drives C (ready) and E (offered, not ready); D is not
// offered. Folders and files are exact paths.
class FakeEnv : public TypedNameEnv {
public:
    bool IsDriveOffered(wchar_t letter) override { return letter == L'C' || letter == L'c' || letter == L'E'; }
    bool IsDriveReady(wchar_t letter) override { return letter != L'E'; }
    bool IsFolderUsable(const std::wstring& path) override
    {
        if (path.size() <= 3 && path.size() >= 2 && path[1] == L':')
            return true; // a drive root
        std::wstring p = path;
        if (!p.empty() && p.back() == L'\\')
            p.pop_back();
        return folders.count(p) > 0;
    }
    bool IsFileUsable(const std::wstring& folder, const std::wstring& name) override
    {
        return files.count(folder + name) > 0;
    }
    std::set<std::wstring> folders{L"C:\\quiz", L"C:\\quiz\\sub", L"C:\\other", L"c:\\quiz", L"c:\\"};
    std::set<std::wstring> files{L"C:\\quiz\\a.zlq", L"C:\\quiz\\sub\\b.zlq", L"C:\\quiz\\notes.txt.zlq",
                                 L"C:\\other\\x.zlq"};
};

class TypedNames : public ::testing::Test {
protected:
    TypedName Parse(std::wstring_view text) { return ParseTypedName(text, ctx, env); }
    FakeEnv env;
    TypedNameContext ctx{false, L"C:\\quiz", L""};
};

TEST_F(TypedNames, EmptyColonAndDotDot)
{
    EXPECT_EQ(Parse(L"").code, kTypedEmpty);
    EXPECT_EQ(Parse(L":").code, kTypedDriveList);
    auto up = Parse(L"..");
    EXPECT_EQ(up.code, kTypedParent);
    EXPECT_EQ(up.folder, L"C:\\");

    ctx.currentFolder = L"C:\\";
    auto root = Parse(L"..");
    EXPECT_EQ(root.code, kTypedRefused);
    EXPECT_EQ(root.message, L"ルートディレクトリです。");

    ctx.driveListMode = true;
    ctx.currentFolder = L"ﾏｲ ｺﾝﾋﾟｭｰﾀ";
    EXPECT_EQ(Parse(L"..").message, L"指定されたファイル名は無効です。");
    EXPECT_EQ(Parse(L"a.zlq").message, L"ドライブが決まっていません。ドライブを入力してください。");
    auto drive = Parse(L"C:");
    EXPECT_EQ(drive.code, kTypedFolder);
    EXPECT_EQ(drive.folder, L"C:\\");
}

TEST_F(TypedNames, DriveChecksInOrder)
{
    EXPECT_EQ(Parse(L"1:x").message, L"このドライブは無効です。");
    EXPECT_EQ(Parse(L"D:x").message, L"ドライブ D: は存在しません。");
    EXPECT_EQ(Parse(L"E:").message, L"ドライブの準備ができていません。");
}

TEST_F(TypedNames, Folders)
{
    auto rel = Parse(L"sub");
    EXPECT_EQ(rel.code, kTypedFolder);
    EXPECT_EQ(rel.folder, L"C:\\quiz\\sub\\");
    auto relDir = Parse(L"sub\\");
    EXPECT_EQ(relDir.code, kTypedFolder);
    EXPECT_EQ(relDir.folder, L"C:\\quiz\\sub\\");
    auto abs = Parse(L"\\other");
    EXPECT_EQ(abs.code, kTypedFolder);
    EXPECT_EQ(abs.folder, L"C:\\other\\");
    auto absDrive = Parse(L"C:\\other\\");
    EXPECT_EQ(absDrive.folder, L"C:\\other\\");
    auto parentRel = Parse(L"..\\other\\");
    EXPECT_EQ(parentRel.code, kTypedFolder);
    EXPECT_EQ(parentRel.folder, L"C:\\other\\");
    EXPECT_EQ(Parse(L"nothere\\x.zlq").message, L"このパス名は存在しません。");
    EXPECT_EQ(Parse(L"a;b\\x.zlq").message, L"このファイル名は無効です。");
}

TEST_F(TypedNames, OtherLetterCaseIsAnotherDrive)
{
    // "c:quiz" is relative to drive c's root, not to the current folder.
    auto other = Parse(L"c:quiz");
    EXPECT_EQ(other.code, kTypedFolder);
    EXPECT_EQ(other.folder, L"c:\\quiz\\");
    auto same = Parse(L"C:sub");
    EXPECT_EQ(same.folder, L"C:\\quiz\\sub\\");
}

TEST_F(TypedNames, FilesAndWildcards)
{
    auto existing = Parse(L"a.zlq");
    EXPECT_EQ(existing.code, kTypedExisting);
    EXPECT_EQ(existing.folder, L"C:\\quiz\\");
    EXPECT_EQ(existing.name, L"a.zlq");
    auto inSub = Parse(L"sub\\b.zlq");
    EXPECT_EQ(inSub.code, kTypedExisting);
    EXPECT_EQ(inSub.folder, L"C:\\quiz\\sub\\");
    auto wild = Parse(L"*.zlq");
    EXPECT_EQ(wild.code, kTypedWildcard);
    EXPECT_EQ(wild.folder, L"C:\\quiz\\");
    EXPECT_EQ(wild.name, L"*.zlq");
    auto wildDir = Parse(L"\\other\\*.z?q");
    EXPECT_EQ(wildDir.code, kTypedWildcard);
    EXPECT_EQ(wildDir.folder, L"C:\\other\\");
    auto fresh = Parse(L"new.zlq");
    EXPECT_EQ(fresh.code, kTypedNewFile);
    EXPECT_EQ(fresh.name, L"new.zlq");
    EXPECT_EQ(Parse(L"a\"b").message, L"このファイル名は無効です。");
    EXPECT_EQ(Parse(std::wstring(300, L'x')).message, L"このファイル名は無効です。");
}

TEST_F(TypedNames, DefaultExtension)
{
    ctx.defaultExt = L".zlq";
    auto byDefault = Parse(L"a");
    EXPECT_EQ(byDefault.code, kTypedExisting);
    EXPECT_EQ(byDefault.name, L"a.zlq");
    auto newWithDefault = Parse(L"fresh");
    EXPECT_EQ(newWithDefault.code, kTypedNewFile);
    EXPECT_EQ(newWithDefault.name, L"fresh.zlq");
    // An extension of its own: checked with the default, kept without it.
    auto ownExt = Parse(L"notes.txt");
    EXPECT_EQ(ownExt.code, kTypedExisting);
    EXPECT_EQ(ownExt.name, L"notes.txt.zlq");
    auto ownExtNew = Parse(L"report.txt");
    EXPECT_EQ(ownExtNew.code, kTypedNewFile);
    EXPECT_EQ(ownExtNew.name, L"report.txt");
    // A single final dot never takes the default.
    auto dot = Parse(L"a.");
    EXPECT_EQ(dot.code, kTypedNewFile);
    EXPECT_EQ(dot.name, L"a.");
}

TEST(SplitPath, FourParts)
{
    auto p = SplitPath(L"C:\\dir\\sub/name.tar.gz");
    EXPECT_EQ(p.drive, L"C:");
    EXPECT_EQ(p.dir, L"\\dir\\sub/");
    EXPECT_EQ(p.base, L"name.tar");
    EXPECT_EQ(p.ext, L".gz");
    auto q = SplitPath(L"..\\x");
    EXPECT_EQ(q.dir, L"..\\");
    EXPECT_EQ(q.base, L"x");
    EXPECT_EQ(q.ext, L"");
}

} // namespace
} // namespace lumadlg
