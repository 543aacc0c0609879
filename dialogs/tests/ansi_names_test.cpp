// Names code page 932 cannot carry, chosen in the file dialog: every path
// the caller is handed opens the very file chosen, or the choice is refused
// with a spoken guide message. The same files sit in the test's folder and
// in a folder whose own name the code page cannot carry either, entered as
// the user enters it.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "dialogs/lumadlg.h"
#include "dialogs/tests/dialog_driver.h"
#include "tests/support/transcript_reader.h"
#include "tests/support/window_operation.h"
#include "win/cp932.h"

using namespace dialogtest;

namespace {

constexpr int kName = 1000, kFolderLine = 1001, kList = 1004;
constexpr wchar_t kFolder[] = L"José";
const std::wstring kNames[] = {L"café.zlq", L"한국어.zlq", L"emoji\U0001F600.zlq", L"naïve résumé.zlq"};

std::vector<std::string> g_hookPaths;
int __cdecl RecordPath(const char* path, HLUMADLG)
{
    g_hookPaths.push_back(path);
    return 1;
}

class AnsiNames : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const std::wstring& folder : {std::wstring(), std::wstring(kFolder) + L"\\"}) {
            for (const std::wstring& name : kNames)
                tree.File(folder + name);
            tree.File(folder + L"cafe.zlq"); // what "café.zlq" turns into when best fitted
            tree.File(folder + L"a.zlq");
        }
        g_hookPaths.clear();
    }
    void TearDown() override { Delete(); }

    void Create(int openMode)
    {
        Delete();
        std::string root = cp932::FromWide(tree.Path());
        dialog = FileDlg_Create(openMode, nullptr, nullptr, root.c_str(), nullptr, nullptr);
        ASSERT_NE(dialog, nullptr);
    }
    void Delete()
    {
        if (dialog)
            FileDlg_Delete(dialog);
        dialog = nullptr;
    }
    std::wstring In(const std::wstring& name) const { return (tree.Root() / kFolder / name).wstring(); }
    std::string Path(unsigned index)
    {
        char buffer[MAX_PATH * 2];
        FileDlg_GetPathName(dialog, buffer, sizeof buffer, index);
        return buffer;
    }
    // Types the folder's name and checks that the dialog shows it as it is.
    void EnterFolder(HWND d)
    {
        TypeAndEnter(d, kFolder);
        EXPECT_EQ(ControlText(d, kFolderLine), In(L""));
        std::vector<std::wstring> listed = ListColumn(GetDlgItem(d, kList));
        for (const std::wstring& name : kNames)
            EXPECT_NE(std::find(listed.begin(), listed.end(), name), listed.end()) << "listed as " << name;
    }
    // Selects the named entries (the list's order decides), focuses the
    // first and returns the names in list order.
    static std::vector<std::wstring> Select(HWND list, const std::vector<std::wstring>& names)
    {
        LVITEMW state = {};
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&state));
        std::vector<std::wstring> selected;
        std::vector<std::wstring> listed = ListColumn(list);
        for (std::size_t i = 0; i < listed.size(); ++i) {
            if (std::find(names.begin(), names.end(), listed[i]) == names.end())
                continue;
            state.state = LVIS_SELECTED | (selected.empty() ? LVIS_FOCUSED : 0);
            SendMessageW(list, LVM_SETITEMSTATE, i, reinterpret_cast<LPARAM>(&state));
            selected.push_back(listed[i]);
        }
        return selected;
    }

    TempTree tree;
    testsupport::ScopedTranscript transcript;
    HLUMADLG dialog = nullptr;
};

// Chosen from the list in the test's folder, where "café.zlq" best fitted
// would open its neighbour "cafe.zlq", and typed in "José".
TEST_F(AnsiNames, EachNameOpensTheVeryFileChosenFromTheListOrTyped)
{
    for (const std::wstring& name : kNames) {
        for (bool typed : {false, true}) {
            SCOPED_TRACE(testing::Message() << cp932::FromWide(name) << (typed ? " typed" : " from the list"));
            const std::optional<FileId> chosen = FileIdOf(typed ? In(name) : (tree.Root() / name).wstring());
            ASSERT_TRUE(chosen);
            Create(1);
            DialogDriver driver([&](HWND d) {
                if (typed) {
                    EnterFolder(d);
                    TypeAndEnter(d, name);
                } else {
                    ASSERT_EQ(Select(GetDlgItem(d, kList), {name}).size(), 1u) << "listed under its own name";
                    TypeAndEnter(d, L"");
                }
            });
            ASSERT_EQ(FileDlg_DoModal(dialog), 1);
            ASSERT_EQ(FileDlg_GetSelectedCount(dialog), 1);
            EXPECT_EQ(FileIdOf(Path(0)), chosen) << Path(0);
        }
    }
}

TEST_F(AnsiNames, MultiSelectionMixingBothKindsHandsTheHookAndTheCallerTheFilesChosen)
{
    Create(1);
    FileDlgExStyle style = {};
    style.mask = 0x1 | 0x8;
    style.style = FDS_MULTISELECT;
    style.acceptHook = &RecordPath;
    FileDlg_SetExtendedStyle(dialog, &style);
    std::vector<std::wstring> selected;
    DialogDriver driver([&](HWND d) {
        EnterFolder(d);
        selected = Select(GetDlgItem(d, kList), {L"a.zlq", kNames[0], kNames[2]});
        TypeAndEnter(d, L"");
    });
    ASSERT_EQ(FileDlg_DoModal(dialog), 1);
    ASSERT_EQ(selected.size(), 3u);
    ASSERT_EQ(FileDlg_GetSelectedCount(dialog), 3);
    std::vector<std::string> paths;
    for (unsigned i = 0; i < 3; ++i) {
        paths.push_back(Path(i));
        EXPECT_EQ(FileIdOf(paths[i]), FileIdOf(In(selected[i]))) << paths[i];
    }
    EXPECT_EQ(g_hookPaths, paths) << "the hook is handed what the caller reads";
    // A name the code page carries keeps it; only its folder is short.
    auto ansi = std::find(selected.begin(), selected.end(), L"a.zlq") - selected.begin();
    EXPECT_TRUE(paths[ansi].ends_with("\\a.zlq")) << paths[ansi];
}

// With the WindowOperation setting on, refusals are guide messages, shown
// under the control they concern and spoken.
TEST_F(AnsiNames, SaveModeRefusesANewNameTheCodePageCannotWrite)
{
    testsupport::ScopedWindowOperation windowOperation(1);
    Create(0);
    bool stillOpen = false;
    int chosenAfterRefusal = -1;
    RECT guide = {}, nameBox = {};
    DialogDriver driver([&](HWND d) {
        EnterFolder(d);
        TypeAndEnter(d, L"새 파일.zlq");
        stillOpen = IsWindow(d) != FALSE;
        chosenAfterRefusal = FileDlg_GetSelectedCount(dialog);
        GetWindowRect(FindWindowExW(d, nullptr, L"ZUB_GuideClass", nullptr), &guide);
        GetWindowRect(GetDlgItem(d, kName), &nameBox);
        // A new name the code page can write, in the same folder.
        TypeAndEnter(d, L"新規.zlq");
    });
    ASSERT_EQ(FileDlg_DoModal(dialog), 1);
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(chosenAfterRefusal, 0);
    EXPECT_EQ(guide.top, nameBox.bottom + 2) << "under the name box";
    EXPECT_EQ(guide.left, nameBox.left);
    const auto entries = transcript.Entries();
    const std::vector<std::wstring> spoken = {L"reader", L"Speak", L"1", L"このファイル名は無効です。"};
    EXPECT_NE(std::find(entries.begin(), entries.end(), spoken), entries.end());

    const std::wstring path = cp932::ToWide(Path(0));
    const std::size_t slash = path.rfind(L'\\');
    EXPECT_EQ(path.substr(slash + 1), L"新規.zlq");
    EXPECT_EQ(FileIdOf(path.substr(0, slash)), FileIdOf(In(L""))) << "the new file's folder";
}

} // namespace
