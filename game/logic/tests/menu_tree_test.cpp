// The main window's menu: the F-keys, an access key unique within each menu,
// a well-formed tree, and which commands each state of the game enables.
#include "game/logic/menu_tree.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace game {
namespace {

TEST(MenuTree, FunctionKeysBelongToTheirCommands)
{
    std::map<int, int> keys;
    for (const MenuEntry& e : MenuTree())
        if (e.functionKey)
            keys[e.functionKey] = e.id;
    EXPECT_EQ(keys, (std::map<int, int>{{1, mnuToolInfo}, {2, mnuFileOpen}, {3, mnuQuizeEasy}, {4, mnuQuizeSpeed},
                                        {5, mnuQuizeCheck}, {6, mnuQuizeRevoice}, {7, mnuToolRank}, {8, mnuQuizeCancel}}));
}

TEST(MenuTree, WellFormedWithUniqueAccessKeysInEachMenu)
{
    const auto tree = MenuTree();
    std::vector<int> parents{-1}; // the parent of each depth, by position
    std::map<int, std::set<wchar_t>> keys;
    for (std::size_t i = 0; i < tree.size(); ++i) {
        const MenuEntry& e = tree[i];
        ASSERT_LE(e.depth, i ? tree[i - 1].depth + 1 : 0) << e.name;
        parents.resize(static_cast<std::size_t>(e.depth) + 1);
        if (e.kind != MenuKind::Separator) {
            const std::wstring caption = e.caption;
            const std::size_t amp = caption.find(L'&');
            ASSERT_LT(amp + 1, caption.size()) << e.name;
            EXPECT_TRUE(keys[parents.back()].insert(caption[amp + 1]).second) << e.name;
        }
        EXPECT_EQ(e.kind == MenuKind::Command, e.id != kNoCommand) << e.name;
        EXPECT_EQ(FindCommand(e.id), e.kind == MenuKind::Command ? &e : nullptr) << e.name;
        EXPECT_EQ(e.kind == MenuKind::Popup, i + 1 < tree.size() && tree[i + 1].depth == e.depth + 1) << e.name;
        parents.push_back(static_cast<int>(i));
    }
    EXPECT_EQ(FindCommand(kNoCommand), nullptr);
    EXPECT_EQ(FindCommand(99999), nullptr);
}

TEST(MenuTree, EnabledCommandsOfEachState)
{
    using S = MenuState;
    const std::pair<S, std::set<int>> states[] = {
        {S::NoQuiz, {mnuFileOpen}},
        {S::QuizLoaded, {mnuFileOpen, mnuQuizeEasy, mnuQuizeSpeed, mnuToolInfo, mnuToolRank}},
        {S::Playing, {mnuQuizeCancel, mnuToolInfo, mnuToolRank}},
        {S::Answering, {mnuQuizeCancel, mnuToolInfo, mnuToolRank, mnuQuizeCheck, mnuQuizeRevoice}},
        {S::Closing, {}},
    };
    for (const auto& [state, expected] : states) {
        std::set<int> enabled;
        for (int id : StateCommands())
            if (CommandEnabled(id, state))
                enabled.insert(id);
        EXPECT_EQ(enabled, expected) << static_cast<int>(state);
        // View, download, help and quit: always.
        for (int id : {mnuFileQuit, mnuViewStyleID0, mnuViewStyleID3, mnuToolDownload2, mnuHelpDoc, mnuHelpVersion})
            EXPECT_TRUE(CommandEnabled(id, state)) << id;
    }
}

} // namespace
} // namespace game
