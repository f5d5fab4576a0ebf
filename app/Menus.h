// The Form's menu bar: File, Settings and Help, with the web-site submenu under Help.
#pragma once

#include <windows.h>

namespace rolva {

struct MenuSet {
    HMENU bar = nullptr;
    HMENU help = nullptr;
    HMENU webSites = nullptr;
    HMENU settings = nullptr;
    HMENU file = nullptr;
};

MenuSet BuildMenus();

// Bar first, then the popups; a popup already destroyed with its parent is skipped.
void DestroyMenus(MenuSet& menus);

}  // namespace rolva
