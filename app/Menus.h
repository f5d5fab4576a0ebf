// The Form's menu bar: File, Settings and Help, with the strip maker's submenu of the two signs
// under Settings and the web-site submenu under Help.
#pragma once

#include <windows.h>

namespace rolva {

struct MenuSet {
    HMENU bar = nullptr;
    HMENU help = nullptr;
    HMENU webSites = nullptr;
    HMENU settings = nullptr;
    HMENU makeStrip = nullptr;
    HMENU sound = nullptr;
    HMENU file = nullptr;
};

MenuSet BuildMenus();

// Called as a popup opens (WM_INITMENUPOPUP): a hidden sign's item of the maker's submenu is
// greyed, since there is no sign to draw for; the sound submenu shows its checks.
void UpdatePopupStates(const MenuSet& menus, HMENU popup);

// Bar first, then the popups; a popup already destroyed with its parent is skipped.
void DestroyMenus(MenuSet& menus);

}  // namespace rolva
