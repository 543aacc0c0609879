#include "game/menu.h"

#include <string>
#include <vector>

#include "game/logic/menu_tree.h"

namespace game {

win::UniqueMenu BuildMenuBar()
{
    win::UniqueMenu bar(CreateMenu());
    // The open menu at each depth; depth 0 is the bar.
    std::vector<HMENU> open = {bar.get()};
    for (const MenuEntry& e : MenuTree()) {
        open.resize(static_cast<size_t>(e.depth) + 1);
        HMENU parent = open.back();
        switch (e.kind) {
        case MenuKind::Separator:
            AppendMenuW(parent, MF_SEPARATOR, 0, nullptr);
            break;
        case MenuKind::Popup: {
            HMENU popup = CreatePopupMenu();
            AppendMenuW(parent, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup), e.caption);
            open.push_back(popup);
            break;
        }
        case MenuKind::Command: {
            std::wstring caption = e.caption;
            if (e.functionKey)
                caption += L"\tF" + std::to_wstring(e.functionKey);
            AppendMenuW(parent, MF_STRING, static_cast<UINT_PTR>(e.id), caption.c_str());
            break;
        }
        }
    }
    return bar;
}

win::UniqueAccel BuildAccelerators()
{
    std::vector<ACCEL> keys;
    for (const MenuEntry& e : MenuTree())
        if (e.functionKey)
            keys.push_back({FVIRTKEY, static_cast<WORD>(VK_F1 + e.functionKey - 1), static_cast<WORD>(e.id)});
    return win::UniqueAccel(CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size())));
}

} // namespace game
