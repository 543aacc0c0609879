// The file list's type column: each file shows the type name the shell
// gives for its own path, whether the name was asked while the folder was
// read or when the row was drawn; the folder has more extensions than are
// asked ahead, and one file has none.
#include <windows.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include "dialogs/tests/file_dialog_fixture.h"

using namespace dialogtest;

namespace {

using TypeNames = FileDialogTest;

TEST_F(TypeNames, EachFileShowsTheShellsNameForItsPath)
{
    const Texts files = {L"a.txt", L"b.bmp", L"c.ini", L"d.log", L"e.dat", L"f.zz9", L"g.csv", L"readme"};
    ASSERT_TRUE(MakeOnHost(tree, {}, files));
    Texts names, types;
    Create(1, At());
    Run([&](HWND d) {
        names = ListTexts(List(d));
        types = ListTexts(List(d), 2);
    });
    ASSERT_EQ(names.size(), files.size() + 1); // and "上のフォルダへ"
    ASSERT_EQ(types.size(), names.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i] == L"上のフォルダへ")
            continue;
        SHFILEINFOW info = {};
        ASSERT_TRUE(SHGetFileInfoW(At(names[i]).c_str(), 0, &info, sizeof info, SHGFI_TYPENAME));
        EXPECT_EQ(types[i], info.szTypeName) << cp932::FromWide(names[i]);
    }
}

} // namespace
