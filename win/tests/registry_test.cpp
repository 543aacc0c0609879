// Per-user registry values as the programs keep their settings: strings and
// numbers round trip, each read only as its own type, long strings whole, a
// string stored without its NUL whole too, and any value as text.
#include "win/registry.h"

#include <gtest/gtest.h>

namespace {

const wchar_t* const kKey = L"Software\\VemoTests\\Registry";

class Registry : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(win::DeleteUserTree(kKey)); }
    void TearDown() override { win::DeleteUserTree(kKey); }
};

TEST_F(Registry, ValuesRoundTripAsTheirOwnType)
{
    const std::wstring longText(5000, L'字');
    ASSERT_TRUE(win::WriteUserString(kKey, L"Name", L"ピンキー"));
    ASSERT_TRUE(win::WriteUserString(kKey, L"Long", longText));
    ASSERT_TRUE(win::WriteUserDword(kKey, L"Count", 4000000000u));
    EXPECT_EQ(win::ReadUserString(kKey, L"Name"), L"ピンキー");
    EXPECT_EQ(win::ReadUserString(kKey, L"Long"), longText);
    EXPECT_EQ(win::ReadUserDword(kKey, L"Count"), 4000000000u);
    EXPECT_EQ(win::ReadUserString(kKey, L"Count"), std::nullopt);
    EXPECT_EQ(win::ReadUserDword(kKey, L"Name"), std::nullopt);
    ASSERT_TRUE(win::WriteUserString(kKey, L"Name", L""));
    EXPECT_EQ(win::ReadUserString(kKey, L"Name"), L"");
    const win::RegKey key = win::RegKey::Open(HKEY_CURRENT_USER, kKey, KEY_ALL_ACCESS);
    EXPECT_TRUE(key.DeleteValue(L"Count"));
    EXPECT_EQ(key.ReadDword(L"Count"), std::nullopt);
    EXPECT_FALSE(win::RegKey().ReadString(L"x").has_value());
}

TEST_F(Registry, ValueTextOfEachType)
{
    const win::RegKey key = win::RegKey::Create(HKEY_CURRENT_USER, kKey);
    ASSERT_TRUE(key.WriteString(L"Dir", L"C:\\Tools"));
    ASSERT_TRUE(key.WriteDword(L"Number", 1234));
    const BYTE blob[] = {1, 2, 3};
    ASSERT_EQ(RegSetValueExW(key.get(), L"Blob", 0, REG_BINARY, blob, sizeof blob), ERROR_SUCCESS);
    const wchar_t bare[] = {L'a', L'b'}; // no terminating NUL
    ASSERT_EQ(RegSetValueExW(key.get(), L"Bare", 0, REG_SZ, reinterpret_cast<const BYTE*>(bare), sizeof bare),
              ERROR_SUCCESS);
    EXPECT_EQ(win::ReadUserValueText(kKey, L"Dir"), L"C:\\Tools");
    EXPECT_EQ(win::ReadUserValueText(kKey, L"Number"), L"1234");
    EXPECT_EQ(win::ReadUserValueText(kKey, L"Blob"), std::nullopt);
    EXPECT_EQ(win::ReadUserValueText(kKey, L"Bare"), L"ab");
    EXPECT_EQ(win::ReadUserValueText(kKey, L"Missing"), std::nullopt);
    EXPECT_EQ(win::ReadUserValueText(L"Software\\VemoTests\\NoSuchKey", L"Dir"), std::nullopt);
}

} // namespace
