// Names code page 932 cannot carry, chosen in the file dialog: every path
// the caller and the hook are handed opens the very file chosen (an exact
// name where the code page carries it, a short one where not, never the
// neighbour a best fit names), or the choice is refused with a spoken guide.
// The same files sit in the test's folder and in "José", entered as the
// user enters it.
#include <algorithm>

#include "dialogs/tests/dialog_fixture.h"
#include "tests/support/window_operation.h"

using namespace dialogtest;

namespace {

const std::wstring kNames[] = {L"café.zlq", L"한국어.zlq", L"emoji\U0001F600.zlq", L"naïve résumé.zlq"};

std::vector<std::string> g_hookPaths;
int __cdecl RecordPath(const char* path, HLUMADLG)
{
    g_hookPaths.push_back(path);
    return 1;
}

class AnsiNames : public DialogTest {
protected:
    void SetUp() override
    {
        for (const std::wstring folder : {L"", L"José\\"}) {
            for (const std::wstring& name : kNames)
                tree.File(folder + name);
            tree.File(folder + L"cafe.zlq"); // what "café.zlq" turns into when best fitted
            tree.File(folder + L"a.zlq");
        }
        g_hookPaths.clear();
    }
    int Run(int openMode, DWORD style, const std::function<void(HWND)>& script)
    {
        Create(openMode, At());
        SetStyle(FDSM_STYLE | FDSM_ACCEPTHOOK, style, 0, &RecordPath);
        return DialogTest::Run(script);
    }
    std::wstring In(const std::wstring& name) const { return (tree / L"José" / name).wstring(); }
    static void EnterFolder(HWND d)
    {
        Type(d, L"José");
        std::vector<std::wstring> listed = ListTexts(List(d));
        for (const std::wstring& name : kNames)
            EXPECT_EQ(std::count(listed.begin(), listed.end(), name), 1) << "listed as it is";
    }
};

TEST_F(AnsiNames, EachNameOpensTheVeryFileChosenFromTheListOrTyped)
{
    for (const std::wstring& name : kNames) {
        for (bool typed : {false, true}) {
            SCOPED_TRACE(cp932::FromWide(name) + (typed ? " typed" : " from the list"));
            ASSERT_EQ(Run(1, FDS_FILEMUSTEXIST, [&](HWND d) {
                          if (typed) {
                              EnterFolder(d);
                              Type(d, name);
                          } else {
                              ASSERT_TRUE(Select(List(d), {name}));
                              Type(d, L"");
                          }
                      }),
                      1);
            ASSERT_EQ(FileDlg_GetSelectedCount(dialog), 1);
            EXPECT_EQ(FileIdOf(Narrow(0)), FileIdOf(typed ? In(name) : (tree / name).wstring())) << Narrow(0);
            EXPECT_EQ(g_hookPaths.back(), Narrow(0)) << "the hook is handed what the caller reads";
        }
    }
}

TEST_F(AnsiNames, MultiSelectionMixingBothKinds)
{
    const std::wstring selected[] = {L"a.zlq", kNames[0], kNames[2]}; // in list order
    ASSERT_EQ(Run(1, FDS_MULTISELECT, [&](HWND d) {
                  EnterFolder(d);
                  Select(List(d), {std::begin(selected), std::end(selected)});
                  Type(d, L"");
              }),
              1);
    ASSERT_EQ(FileDlg_GetSelectedCount(dialog), 3);
    std::vector<std::string> paths = {Narrow(0), Narrow(1), Narrow(2)};
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(FileIdOf(paths[i]), FileIdOf(In(selected[i]))) << paths[i];
    EXPECT_TRUE(paths[0].ends_with("\\a.zlq")) << "a name the code page carries keeps it: " << paths[0];
    EXPECT_EQ(g_hookPaths, paths);
}

// Save mode refuses a new name the code page cannot write, with a spoken
// guide (WindowOperation on), and takes one it can.
TEST_F(AnsiNames, SaveModeRefusesANewNameTheCodePageCannotWrite)
{
    testsupport::ScopedWindowOperation windowOperation(1);
    ASSERT_EQ(Run(0, FDS_OVERWRITEPROMPT, [&](HWND d) {
                  EnterFolder(d);
                  Type(d, L"새 파일.zlq");
                  EXPECT_TRUE(IsWindowVisible(d));
                  EXPECT_EQ(FileDlg_GetSelectedCount(dialog), 0);
                  Type(d, L"新規.zlq");
              }),
              1);
    EXPECT_EQ(transcript.Count(L"reader Speak 1 このファイル名は無効です。"), 1u);
    const std::wstring path = cp932::ToWide(Narrow(0));
    const std::size_t slash = path.rfind(L'\\');
    EXPECT_EQ(path.substr(slash + 1), L"新規.zlq");
    EXPECT_EQ(FileIdOf(path.substr(0, slash)), FileIdOf(In(L""))) << "the new file's folder";
}

} // namespace
