// The main window's menu tree: names, captions with their access keys, the
// F-key shortcuts, and which commands each state of the game enables.
//
// Plain data, so that the tree is checked without a window; the window code
// builds its menu bar and accelerator table from it.
#pragma once

#include <span>

namespace game {

// Command ids of the menu items (and of their accelerators).
enum CommandId : int {
    kNoCommand = 0,
    mnuFileOpen = 1001,
    mnuFileQuit,
    mnuQuizeEasy,
    mnuQuizeSpeed,
    mnuQuizeCheck,
    mnuQuizeRevoice,
    mnuQuizeCancel,
    mnuViewStyleID0, // + index 0..3
    mnuViewStyleID1,
    mnuViewStyleID2,
    mnuViewStyleID3,
    mnuToolRank,
    mnuToolInfo,
    mnuToolDownload1,
    mnuToolDownload2,
    mnuHelpDoc,
    mnuHelpVersion,
};

enum class MenuKind { Popup, Command, Separator };

struct MenuEntry {
    int depth;             // 0: menu bar, 1: its menus, 2: submenus
    MenuKind kind;
    const char* name;      // control name, for reading and tests
    const wchar_t* caption; // null for a separator
    int id;                // command id, kNoCommand for popups and separators
    int functionKey;       // 1..12 for F1..F12, 0 for none
};

// The whole tree in menu order, parents before their children.
std::span<const MenuEntry> MenuTree();

// The entry of a command id, or null.
const MenuEntry* FindCommand(int id);

// States of the main window that decide which commands are enabled.
enum class MenuState {
    NoQuiz,      // at start
    QuizLoaded,  // a quiz is loaded, no game runs
    Playing,     // a game runs, between answers
    Answering,   // a game runs and the choices are offered
    Closing,     // the program is ending
};

// Whether a command is enabled in a state. The view, help and download items
// and quit are always enabled; the others follow the game's state.
bool CommandEnabled(int id, MenuState state);

// The commands whose enabled state follows the game's state.
std::span<const int> StateCommands();

} // namespace game
