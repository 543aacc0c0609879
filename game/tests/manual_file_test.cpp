// The manual beside the program: text every Japanese editor reads, and in
// step with the menus and the settings it explains.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "game/logic/menu_tree.h"
#include "game/logic/styles.h"
#include "game/voice.h"
#include "win/module.h"

namespace game {
namespace {

TEST(ManualFile, IsCodePage932TextInStepWithTheMenusAndTheSpeechSetting)
{
    std::ifstream in(std::filesystem::path(win::ModuleFolder(nullptr) + L"\\..\\bin\\Vemo.txt"), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_GT(bytes.size(), 1000u) << "Vemo.txt is missing beside the program";
    // Strictly code page 932: no byte sequence that is not valid there.
    const int n = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()),
                                      nullptr, 0);
    ASSERT_GT(n, 0) << "not valid code page 932 text";
    std::wstring text(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(932, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), n);
    EXPECT_TRUE(text.starts_with(L"カルミオ Ver1.0")) << "no byte order mark before the title";
    for (size_t i = bytes.find('\n'); i != std::string::npos; i = bytes.find('\n', i + 1))
        ASSERT_EQ(bytes[i - 1], '\r') << "a line end without CR at byte " << i;

    // Every command by its caption ("クイズを開く...(&O)": "クイズを開く"), and
    // each function key in the key list: "F2　クイズを開く".
    for (const MenuEntry& entry : MenuTree()) {
        if (entry.kind == MenuKind::Separator)
            continue;
        std::wstring name = entry.caption;
        if (const size_t cut = std::min(name.find(L"(&"), name.find(L"...")); cut != std::wstring::npos)
            name.erase(cut);
        EXPECT_NE(text.find(name), std::wstring::npos) << entry.name;
        if (entry.functionKey) {
            EXPECT_NE(text.find(L"\r\nF" + std::to_wstring(entry.functionKey) + L"　" + name + L"\r\n"),
                      std::wstring::npos)
                << entry.name;
        }
    }
    // The command that chooses the game's speech sets the value it reads.
    const std::wstring command =
        L"reg add \"HKCU\\" + std::wstring(kSettingsKey) + L"\" /v " + kSpeechValue + L" /d 1 /f\r\n";
    EXPECT_NE(text.find(command), std::wstring::npos) << ::testing::PrintToString(command);
    EXPECT_NE(text.find(L"\r\nzlq speech\r\n"), std::wstring::npos);
}

} // namespace
} // namespace game
