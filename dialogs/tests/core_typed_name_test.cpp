// What a name typed into the file dialog's name box means, in a small world
// of drives and folders: drive C ready, E offered but not ready, D not
// offered; folders and files are exact paths.
#include "dialogs/core/typed_name.h"

#include <gtest/gtest.h>

#include <set>

namespace lumadlg {
namespace {

class FakeEnv : public TypedNameEnv {
public:
    bool IsDriveOffered(wchar_t letter) override { return letter == L'C' || letter == L'c' || letter == L'E'; }
    bool IsDriveReady(wchar_t letter) override { return letter != L'E'; }
    bool IsFolderUsable(const std::wstring& path) override
    {
        std::wstring p = path.size() > 3 && path.back() == L'\\' ? path.substr(0, path.size() - 1) : path;
        return (p.size() <= 3 && p.size() >= 2 && p[1] == L':') || folders.count(p) > 0;
    }
    bool IsFileUsable(const std::wstring& folder, const std::wstring& name) override
    {
        return files.count(folder + name) > 0;
    }
    std::set<std::wstring> folders{L"C:\\quiz", L"C:\\quiz\\sub", L"C:\\other", L"c:\\quiz"};
    std::set<std::wstring> files{L"C:\\quiz\\a.zlq", L"C:\\quiz\\sub\\b.zlq", L"C:\\quiz\\notes.txt.zlq"};
};

struct Case {
    std::wstring text;
    int code;
    std::wstring folderOrMessage, name = {};
};

void Check(TypedNameContext ctx, const std::vector<Case>& cases)
{
    FakeEnv env;
    for (const Case& c : cases) {
        TypedName t = ParseTypedName(c.text, ctx, env);
        SCOPED_TRACE(testing::Message() << "typed " << testing::PrintToString(c.text));
        EXPECT_EQ(t.code, c.code);
        if (!c.folderOrMessage.empty()) {
            EXPECT_EQ(c.code == kTypedRefused ? t.message : t.folder, c.folderOrMessage);
        }
        if (!c.name.empty()) {
            EXPECT_EQ(t.name, c.name);
        }
    }
}

TEST(TypedNames, InAFolder)
{
    const std::wstring invalid = L"このファイル名は無効です。";
    Check({false, L"C:\\quiz", L""},
          {{L"", kTypedEmpty, L""},
           {L":", kTypedDriveList, L""},
           {L"..", kTypedParent, L"C:\\"},
           {L"1:x", kTypedRefused, L"このドライブは無効です。"},
           {L"D:x", kTypedRefused, L"ドライブ D: は存在しません。"},
           {L"E:", kTypedRefused, L"ドライブの準備ができていません。"},
           {L"sub\\", kTypedFolder, L"C:\\quiz\\sub\\"},
           {L"..\\other\\", kTypedFolder, L"C:\\other\\"},
           {L".\\", kTypedFolder, L"C:\\quiz\\"}, // "." and ".." followed, never above the root
           {L"sub\\.", kTypedFolder, L"C:\\quiz\\sub\\"},
           {L"..\\..\\other\\.\\", kTypedFolder, L"C:\\other\\"},
           {L"sub\\..\\sub\\b.zlq", kTypedExisting, L"C:\\quiz\\sub\\", L"b.zlq"},
           {L"\\other", kTypedFolder, L"C:\\other\\"},
           {L"C:sub", kTypedFolder, L"C:\\quiz\\sub\\"},
           {L"c:quiz", kTypedFolder, L"c:\\quiz\\"}, // another letter case: another drive, from its root
           {L"nothere\\x.zlq", kTypedRefused, L"このパス名は存在しません。"},
           {L"a;b\\x.zlq", kTypedRefused, invalid},
           {L"a\"b", kTypedRefused, invalid},
           {std::wstring(300, L'x'), kTypedRefused, invalid},
           {L"sub\\b.zlq", kTypedExisting, L"C:\\quiz\\sub\\", L"b.zlq"},
           {L"\\other\\*.z?q", kTypedWildcard, L"C:\\other\\", L"*.z?q"},
           {L"new.zlq", kTypedNewFile, L"C:\\quiz\\", L"new.zlq"}});
    Check({false, L"C:\\", L""}, {{L"..", kTypedRefused, L"ルートディレクトリです。"}});
    Check({true, L"ﾏｲ ｺﾝﾋﾟｭｰﾀ", L""},
          {{L"..", kTypedRefused, L"指定されたファイル名は無効です。"},
           {L"a.zlq", kTypedRefused, L"ドライブが決まっていません。ドライブを入力してください。"},
           {L"C:", kTypedFolder, L"C:\\"}});
}

// The default extension is tried on a name without one and on a name with
// an extension of its own, which keeps it when no such file exists; a
// final dot never takes it.
TEST(TypedNames, TheDefaultExtension)
{
    Check({false, L"C:\\quiz", L".zlq"}, {{L"a", kTypedExisting, L"C:\\quiz\\", L"a.zlq"},
                                          {L"fresh", kTypedNewFile, L"C:\\quiz\\", L"fresh.zlq"},
                                          {L"notes.txt", kTypedExisting, L"C:\\quiz\\", L"notes.txt.zlq"},
                                          {L"report.txt", kTypedNewFile, L"C:\\quiz\\", L"report.txt"},
                                          {L"a.", kTypedNewFile, L"C:\\quiz\\", L"a."}});
}

TEST(SplitPath, FourParts)
{
    auto p = SplitPath(L"C:\\dir\\sub/name.tar.gz");
    EXPECT_EQ(p.drive + L"|" + p.dir + L"|" + p.base + L"|" + p.ext, L"C:|\\dir\\sub/|name.tar|.gz");
    auto q = SplitPath(L"..\\x");
    EXPECT_EQ(q.drive + L"|" + q.dir + L"|" + q.base + L"|" + q.ext, L"|..\\|x|");
}

} // namespace
} // namespace lumadlg
