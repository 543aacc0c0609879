#include "game/logic/menu_tree.h"

#include <algorithm>
#include <array>

namespace game {

namespace {

using K = MenuKind;

constexpr MenuEntry kTree[] = {
    {0, K::Popup, "mnuFile", L"ファイル(&F)", kNoCommand, 0},
    {1, K::Command, "mnuFileOpen", L"クイズを開く...(&O)", mnuFileOpen, 2},
    {1, K::Separator, "mnuFileLine0", nullptr, kNoCommand, 0},
    {1, K::Command, "mnuFileQuit", L"終了(&X)", mnuFileQuit, 0},
    {0, K::Popup, "mnuQuize", L"カルミオ(&Q)", kNoCommand, 0},
    {1, K::Command, "mnuQuizeEasy", L"じっくり挑戦(&E)", mnuQuizeEasy, 3},
    {1, K::Command, "mnuQuizeSpeed", L"はや押し挑戦(&T)", mnuQuizeSpeed, 4},
    {1, K::Separator, "mnuBar2", nullptr, kNoCommand, 0},
    {1, K::Command, "mnuQuizeCheck", L"問題と解答を詳しく調べる...(&I)", mnuQuizeCheck, 5},
    {1, K::Command, "mnuQuizeRevoice", L"問題を再度読み上げる(&R)", mnuQuizeRevoice, 6},
    {1, K::Separator, "mnuBar5", nullptr, kNoCommand, 0},
    {1, K::Command, "mnuQuizeCancel", L"クイズ中止(&C)", mnuQuizeCancel, 8},
    {0, K::Popup, "mnuView", L"表示(&V)", kNoCommand, 0},
    {1, K::Popup, "mnuViewStyle", L"表示スタイル(&S)", kNoCommand, 0},
    {2, K::Command, "mnuViewStyleID(0)", L"標準(&N)", mnuViewStyleID0, 0},
    {2, K::Command, "mnuViewStyleID(1)", L"ハイコントラスト(&H)", mnuViewStyleID1, 0},
    {2, K::Command, "mnuViewStyleID(2)", L"メタリック(&M)", mnuViewStyleID2, 0},
    {2, K::Command, "mnuViewStyleID(3)", L"ソフト(&S)", mnuViewStyleID3, 0},
    {0, K::Popup, "mnuTool", L"ツール(&T)", kNoCommand, 0},
    {1, K::Command, "mnuToolRank", L"ランキング...(&R)", mnuToolRank, 7},
    {1, K::Command, "mnuToolInfo", L"クイズ情報...(&I)", mnuToolInfo, 1},
    {1, K::Separator, "mnuBar4", nullptr, kNoCommand, 0},
    {1, K::Popup, "mnuToolDownload", L"インターネットからクイズをダウンロード(&D)", kNoCommand, 0},
    {2, K::Command, "mnuToolDownload1", L"ゼルカ一般データ...(&1)", mnuToolDownload1, 0},
    {2, K::Command, "mnuToolDownload2", L"ゼルカ教材学習データ...(&2)", mnuToolDownload2, 0},
    {0, K::Popup, "mnuHelp", L"ヘルプ(&H)", kNoCommand, 0},
    {1, K::Command, "mnuHelpDoc", L"オンラインマニュアル...(&D)", mnuHelpDoc, 0},
    {1, K::Separator, "mnuBar3", nullptr, kNoCommand, 0},
    {1, K::Command, "mnuHelpVersion", L"バージョン情報...(&A)", mnuHelpVersion, 0},
};

constexpr std::array<int, 8> kStateCommands = {mnuFileOpen,   mnuQuizeEasy,    mnuQuizeSpeed,  mnuQuizeCheck,
                                               mnuQuizeRevoice, mnuQuizeCancel, mnuToolRank,    mnuToolInfo};

} // namespace

std::span<const MenuEntry> MenuTree()
{
    return kTree;
}

const MenuEntry* FindCommand(int id)
{
    if (id == kNoCommand)
        return nullptr;
    auto it = std::find_if(std::begin(kTree), std::end(kTree), [id](const MenuEntry& e) { return e.id == id; });
    return it == std::end(kTree) ? nullptr : &*it;
}

std::span<const int> StateCommands()
{
    return kStateCommands;
}

bool CommandEnabled(int id, MenuState state)
{
    using S = MenuState;
    switch (id) {
    case mnuFileOpen:
        return state == S::NoQuiz || state == S::QuizLoaded;
    case mnuQuizeEasy:
    case mnuQuizeSpeed:
        return state == S::QuizLoaded;
    case mnuToolInfo:
    case mnuToolRank:
        return state == S::QuizLoaded || state == S::Playing || state == S::Answering;
    case mnuQuizeCancel:
        return state == S::Playing || state == S::Answering;
    case mnuQuizeCheck:
    case mnuQuizeRevoice:
        return state == S::Answering;
    default:
        // View, help, download and quit.
        return FindCommand(id) != nullptr;
    }
}

} // namespace game
