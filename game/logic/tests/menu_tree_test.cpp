#include "game/logic/menu_tree.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

namespace game {
namespace {

// The access key of a caption: the character after '&'.
wchar_t AccessKey(const wchar_t* caption)
{
    std::wstring c = caption;
    auto pos = c.find(L'&');
    return pos == std::wstring::npos || pos + 1 >= c.size() ? 0 : c[pos + 1];
}

TEST(MenuTree, FunctionKeysBelongToTheirCommands)
{
    std::map<int, std::string> keys;
    for (const MenuEntry& e : MenuTree())
        if (e.functionKey)
            keys[e.functionKey] = e.name;
    EXPECT_EQ(keys, (std::map<int, std::string>{{1, "mnuToolInfo"},
                                                {2, "mnuFileOpen"},
                                                {3, "mnuQuizeEasy"},
                                                {4, "mnuQuizeSpeed"},
                                                {5, "mnuQuizeCheck"},
                                                {6, "mnuQuizeRevoice"},
                                                {7, "mnuToolRank"},
                                                {8, "mnuQuizeCancel"}}));
}

TEST(MenuTree, AccessKeysAreUniqueWithinEachMenu)
{
    // Siblings share the depth and the nearest parent above them.
    std::map<int, std::set<wchar_t>> seen; // per parent position
    std::vector<int> parents = {-1};
    int index = 0;
    for (const MenuEntry& e : MenuTree()) {
        parents.resize(static_cast<size_t>(e.depth) + 1);
        if (e.kind != MenuKind::Separator) {
            wchar_t key = AccessKey(e.caption);
            ASSERT_NE(key, 0) << e.name;
            EXPECT_TRUE(seen[parents[static_cast<size_t>(e.depth)]].insert(key).second) << e.name;
        }
        if (e.kind == MenuKind::Popup)
            parents.push_back(index);
        ++index;
    }
}

TEST(MenuTree, CommandsHaveIdsAndPopupsHaveChildren)
{
    auto tree = MenuTree();
    EXPECT_EQ(tree.front().depth, 0);
    for (size_t i = 0; i < tree.size(); ++i) {
        const MenuEntry& e = tree[i];
        if (e.kind == MenuKind::Command) {
            EXPECT_NE(e.id, kNoCommand) << e.name;
            EXPECT_EQ(FindCommand(e.id), &e) << e.name;
        } else {
            EXPECT_EQ(e.id, kNoCommand) << e.name;
        }
        if (e.kind == MenuKind::Popup) {
            ASSERT_LT(i + 1, tree.size()) << e.name;
            EXPECT_EQ(tree[i + 1].depth, e.depth + 1) << e.name;
        }
        if (i > 0) {
            EXPECT_LE(e.depth, tree[i - 1].depth + 1) << e.name;
        }
    }
    EXPECT_EQ(FindCommand(kNoCommand), nullptr);
    EXPECT_EQ(FindCommand(99999), nullptr);
}

TEST(MenuTree, EnabledCommandsOfEachState)
{
    auto enabled = [](MenuState s) {
        std::set<int> ids;
        for (int id : StateCommands())
            if (CommandEnabled(id, s))
                ids.insert(id);
        return ids;
    };
    EXPECT_EQ(enabled(MenuState::NoQuiz), (std::set<int>{mnuFileOpen}));
    EXPECT_EQ(enabled(MenuState::QuizLoaded),
              (std::set<int>{mnuFileOpen, mnuQuizeEasy, mnuQuizeSpeed, mnuToolInfo, mnuToolRank}));
    EXPECT_EQ(enabled(MenuState::Playing), (std::set<int>{mnuQuizeCancel, mnuToolInfo, mnuToolRank}));
    EXPECT_EQ(enabled(MenuState::Answering),
              (std::set<int>{mnuQuizeCancel, mnuToolInfo, mnuToolRank, mnuQuizeCheck, mnuQuizeRevoice}));
    EXPECT_EQ(enabled(MenuState::Closing), std::set<int>{});
}

TEST(MenuTree, ViewHelpDownloadAndQuitAreAlwaysEnabled)
{
    for (MenuState s : {MenuState::NoQuiz, MenuState::QuizLoaded, MenuState::Playing, MenuState::Answering,
                        MenuState::Closing}) {
        for (int id : {mnuFileQuit, mnuViewStyleID0, mnuViewStyleID3, mnuToolDownload1, mnuToolDownload2,
                       mnuHelpDoc, mnuHelpVersion})
            EXPECT_TRUE(CommandEnabled(id, s)) << id;
    }
}

} // namespace
} // namespace game
