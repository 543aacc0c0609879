// The main window's plain logic: the menu's keys and the commands each state
// of the game enables, the numbers the lamps show, and a stored display style
// that is damaged or out of range read as the standard one.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "game/logic/lamps.h"
#include "game/logic/menu_tree.h"
#include "game/logic/numerals.h"
#include "game/logic/styles.h"

namespace game {
namespace {

// F1-F8 reach their commands; within each menu every item has its own access
// key; FindCommand finds every command.
TEST(MenuTree, FunctionAndAccessKeys)
{
    std::map<int, int> functionKeys;
    std::set<wchar_t> accessKeys[3]; // of the menu being read at each depth
    for (const MenuEntry& e : MenuTree()) {
        if (e.kind != MenuKind::Separator) {
            const std::wstring caption = e.caption;
            ASSERT_LT(caption.find(L'&') + 1, caption.size()) << e.name;
            EXPECT_TRUE(accessKeys[e.depth].insert(caption[caption.find(L'&') + 1]).second) << e.name;
        }
        if (e.kind == MenuKind::Popup)
            accessKeys[e.depth + 1].clear();
        EXPECT_EQ(FindCommand(e.id), e.kind == MenuKind::Command ? &e : nullptr) << e.name;
        if (e.functionKey)
            functionKeys[e.functionKey] = e.id;
    }
    EXPECT_EQ(functionKeys, (std::map<int, int>{{1, mnuToolInfo}, {2, mnuFileOpen}, {3, mnuQuizeEasy}, {4, mnuQuizeSpeed},
                                                {5, mnuQuizeCheck}, {6, mnuQuizeRevoice}, {7, mnuToolRank}, {8, mnuQuizeCancel}}));
}

TEST(MenuTree, EnabledCommandsOfEachState)
{
    using S = MenuState;
    for (const auto& [state, expected] : {std::pair<S, std::set<int>>{S::NoQuiz, {mnuFileOpen}},
             {S::QuizLoaded, {mnuFileOpen, mnuQuizeEasy, mnuQuizeSpeed, mnuToolInfo, mnuToolRank}},
             {S::Playing, {mnuQuizeCancel, mnuToolInfo, mnuToolRank}},
             {S::Answering, {mnuQuizeCancel, mnuToolInfo, mnuToolRank, mnuQuizeCheck, mnuQuizeRevoice}}, {S::Closing, {}}}) {
        std::set<int> enabled;
        for (int id : StateCommands())
            if (CommandEnabled(id, state))
                enabled.insert(id);
        EXPECT_EQ(enabled, expected) << static_cast<int>(state);
        for (int id : {mnuFileQuit, mnuViewStyleID0, mnuViewStyleID3, mnuToolDownload2, mnuHelpDoc, mnuHelpVersion})
            EXPECT_TRUE(CommandEnabled(id, state)) << id; // view, download, help and quit: always
    }
}

// The right lamp's number sits in its seventh label, numbers stay numbers past
// 9, and a damaged or out-of-range stored display style reads as the standard.
TEST(LampsAndStyles, NumbersAndTheStoredStyle)
{
    EXPECT_EQ(NeedCaptions(3), (Mes2Captions{L"合", L"格", L"ま", L"で", L"あ", L"と", L"３", L"問"}));
    for (const auto& [n, digits, kanji] : {std::tuple{0, L"０", L"〇"}, {9, L"９", L"九"}, {10, L"１０", L"十"},
             {123, L"１２３", L""}, {-3, L"－３", L""}})
        EXPECT_EQ(FullWidthDigit(n) + L"/" + SKanji(n), std::wstring(digits) + L"/" + kanji) << n;
    EXPECT_EQ(ParseViewStyle(std::nullopt), 0);
    for (const auto& [text, style] : {std::pair<const wchar_t*, int>{L"3", 3}, {L" 2 ", 2}, {L"02", 2}, {L"", 0},
             {L"abc", 0}, {L"2x", 0}, {L"-1", 0}, {L"4", 0}, {L"99999999999999999999", 0}, {L"２", 0}})
        EXPECT_EQ(ParseViewStyle(text), style) << testing::PrintToString(std::wstring(text));
    EXPECT_EQ(&StyleColors(kStyleCount), &StyleColors(0));
}

} // namespace
} // namespace game
