// The main window's menu bar and its F-key accelerators, built from the menu
// tree.
#pragma once

#include <windows.h>

#include "win/handles.h"

namespace game {

// The menu bar with every item of the tree, all enabled; an item with an
// F-key shows it after a tab ("クイズを開く...(&O)\tF2").
win::UniqueMenu BuildMenuBar();

// One accelerator per F-key of the tree, each sending its item's command.
win::UniqueAccel BuildAccelerators();

} // namespace game
