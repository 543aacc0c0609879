// Per-user registry values as the programs read their settings: any value as
// text (a string whole, however long, also when stored without its NUL; a
// number as its decimal text), nothing for other types or a missing value or
// key.
#include "win/registry.h"

#include <gtest/gtest.h>

namespace {

TEST(Registry, ValuesReadAsText)
{
    const wchar_t* const kKey = L"Software\\VemoTests\\Registry";
    ASSERT_TRUE(win::DeleteUserTree(kKey));
    const win::RegKey key = win::RegKey::Create(HKEY_CURRENT_USER, kKey);
    const std::wstring longText(5000, L'字');
    ASSERT_TRUE(key.WriteString(L"Long", longText));
    ASSERT_TRUE(win::WriteUserString(kKey, L"Empty", L""));
    ASSERT_TRUE(win::WriteUserDword(kKey, L"Count", 4000000000u));
    const BYTE blob[] = {1, 2, 3, 4};
    ASSERT_EQ(RegSetValueExW(key.get(), L"Blob", 0, REG_BINARY, blob, sizeof blob), ERROR_SUCCESS);
    const wchar_t bare[] = {L'a', L'b'}; // no terminating NUL
    ASSERT_EQ(RegSetValueExW(key.get(), L"Bare", 0, REG_SZ, reinterpret_cast<const BYTE*>(bare), sizeof bare),
              ERROR_SUCCESS);

    EXPECT_EQ(win::ReadUserValueText(kKey, L"Long"), longText);
    EXPECT_EQ(win::ReadUserValueText(kKey, L"Empty"), L"");
    EXPECT_EQ(win::ReadUserValueText(kKey, L"Bare"), L"ab");
    EXPECT_EQ(win::ReadUserValueText(kKey, L"Count"), L"4000000000");
    EXPECT_EQ(win::ReadUserValueText(kKey, L"Blob"), std::nullopt);
    EXPECT_EQ(win::ReadUserValueText(kKey, L"Missing"), std::nullopt);
    EXPECT_EQ(win::ReadUserValueText(L"Software\\VemoTests\\NoSuchKey", L"Long"), std::nullopt);
    EXPECT_TRUE(win::DeleteUserTree(kKey));
}

} // namespace
