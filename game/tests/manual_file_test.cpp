// The manual beside the program: text every Japanese editor reads, and in
// step with the menus it explains.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "game/logic/menu_tree.h"
#include "game/logic/styles.h"
#include "game/voice.h"
#include "win/module.h"

namespace game {
namespace {

std::string ReadBytes(const std::wstring& path)
{
    std::ifstream in(path.c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The manual's text, strictly decoded from code page 932 (nothing when any
// byte sequence is not valid there).
std::wstring DecodeStrict(const std::string& bytes)
{
    int n = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    if (n <= 0)
        return {};
    std::wstring text(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()), text.data(), n);
    return text;
}

// "クイズを開く...(&O)" as the manual names it: "クイズを開く".
std::wstring Plain(std::wstring caption)
{
    if (auto amp = caption.find(L"(&"); amp != std::wstring::npos)
        caption.erase(amp);
    while (caption.size() >= 3 && caption.ends_with(L"..."))
        caption.erase(caption.size() - 3);
    return caption;
}

class ManualFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        bytes = ReadBytes(win::ModuleFolder(nullptr) + L"\\..\\bin\\Vemo.txt");
        ASSERT_GT(bytes.size(), 1000u) << "Vemo.txt is missing beside the program";
        text = DecodeStrict(bytes);
    }
    std::string bytes;
    std::wstring text;
};

TEST_F(ManualFile, IsCodePage932TextWithCrLfLinesAndNoByteOrderMark)
{
    ASSERT_FALSE(text.empty()) << "not valid code page 932 text";
    EXPECT_NE(bytes.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_NE(bytes.substr(0, 2), "\xFF\xFE");
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << "a line end without CR at byte " << i;
        }
    }
    EXPECT_TRUE(bytes.ends_with("\r\n"));
    EXPECT_EQ(text.find(L'\t'), std::wstring::npos);
    EXPECT_TRUE(text.starts_with(L"カルミオ Ver1.0"));
}

TEST_F(ManualFile, NamesEveryMenuCommandAndItsFunctionKey)
{
    ASSERT_FALSE(text.empty());
    for (const MenuEntry& entry : MenuTree()) {
        if (entry.kind == MenuKind::Separator)
            continue;
        std::wstring name = Plain(entry.caption);
        EXPECT_NE(text.find(name), std::wstring::npos) << entry.name;
        if (entry.functionKey) {
            // A line of the key list: "F2　クイズを開く".
            std::wstring line = L"\r\nF" + std::to_wstring(entry.functionKey) + L"　" + name + L"\r\n";
            EXPECT_NE(text.find(line), std::wstring::npos) << entry.name;
        }
    }
}

TEST_F(ManualFile, TellsHowToChooseTheGamesSpeech)
{
    // The command it gives sets the value the game reads.
    const std::wstring command =
        L"reg add \"HKCU\\" + std::wstring(kSettingsKey) + L"\" /v " + kSpeechValue + L" /d 1 /f\r\n";
    EXPECT_NE(text.find(command), std::wstring::npos) << testing::PrintToString(command);
    EXPECT_NE(text.find(L"\r\nzlq speech\r\n"), std::wstring::npos);
}

} // namespace
} // namespace game
