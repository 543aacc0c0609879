// Code page 932 at the programs' edges, named explicitly: Japanese text and
// half-width katakana both ways, the marker as byte 254, cuts that never
// split a double-byte character, and "?" for what it cannot hold. Per-user
// registry values as the programs read their settings: any value as text (a
// string whole, however long, also when stored without its NUL; a number as
// its decimal text), nothing for other types or a missing value or key.
#include "win/cp932.h"
#include "win/registry.h"

#include <gtest/gtest.h>

namespace {

TEST(Cp932, ConvertsAndCutsWholeCharacters)
{
    const std::wstring text = std::wstring(L"カルミオ 問題数１２　ﾃｽﾄ abc") + cp932::kMarker;
    const std::string bytes = cp932::FromWide(text);
    EXPECT_EQ(bytes.substr(0, 2), "\x83\x4A"); // カ
    EXPECT_EQ(bytes.back(), '\xFE');
    EXPECT_EQ(cp932::ToWide(bytes), text);
    EXPECT_EQ(cp932::ToWide(static_cast<const char*>(nullptr)), L"");
    EXPECT_EQ(cp932::FromWide(L"a한b"), "a?b"); // for text only shown or spoken
    EXPECT_EQ(cp932::CutToBytes(L"あいう", 5), L"あい");
    EXPECT_EQ(cp932::CutToBytes(L"aあい", 2), L"a");
    EXPECT_EQ(cp932::CutToBytes(L"ｱｲｳｴ", 3), L"ｱｲｳ");
    EXPECT_EQ(cp932::CutToBytes(L"abc", 12), L"abc");
}

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
