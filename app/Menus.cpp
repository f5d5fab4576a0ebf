#include "app/Menus.h"

#include <initializer_list>

#include "app/MenuIds.h"
#include "app/SoundMenu.h"
#include "document/SignDocument.h"
#include "document/core/SignKind.h"

namespace rolva {

namespace {

// Every item goes in at position 0, so a menu is built from its last item to its first.
void InsertItem(HMENU menu, const char* label, UINT id, HMENU submenu = nullptr)
{
    MENUITEMINFOA item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_TYPE | MIIM_STATE | MIIM_ID | (submenu ? MIIM_SUBMENU : 0);
    item.fType = MFT_STRING;
    item.fState = 0;
    item.wID = id;
    item.hSubMenu = submenu;
    item.dwTypeData = const_cast<char*>(label);
    InsertMenuItemA(menu, 0, TRUE, &item);
}

void InsertSeparator(HMENU menu)
{
    MENUITEMINFOA item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_TYPE;
    item.fType = MFT_SEPARATOR;
    InsertMenuItemA(menu, 0, TRUE, &item);
}

}  // namespace

MenuSet BuildMenus()
{
    MenuSet menus;
    menus.bar = CreateMenu();
    menus.help = CreatePopupMenu();
    menus.webSites = CreatePopupMenu();
    menus.settings = CreatePopupMenu();
    menus.makeStrip = CreatePopupMenu();
    menus.sound = BuildSoundMenu();
    menus.file = CreatePopupMenu();

    InsertItem(menus.webSites, "Varnholt(架空)HP(&P)", kCommandSiteFictional);
    InsertItem(menus.webSites, "TarrowbyHP(&N)", kCommandSiteMaker);
    InsertItem(menus.webSites, "VarnholtアプリHP(&A)", kCommandSiteApps);

    InsertItem(menus.help, "「Varnholt関連」サイトへジャンプ(&J)", 0, menus.webSites);
    InsertSeparator(menus.help);
    InsertItem(menus.help, "バージョン情報(&V)...", kCommandAbout);
    InsertSeparator(menus.help);
    InsertItem(menus.help, "トピック(&T)...\tF1", kCommandHelpTopics);

    InsertItem(menus.makeStrip, "2つ目の方向幕(&2)...", kCommandMakeStripSecond);
    InsertItem(menus.makeStrip, "1つ目の方向幕(&1)...", kCommandMakeStrip);

    InsertItem(menus.settings, "サウンド(&U)", 0, menus.sound);
    InsertSeparator(menus.settings);
    InsertItem(menus.settings, "幕の作成(&M)", 0, menus.makeStrip);
    InsertItem(menus.settings, "設定(&S)...", kCommandSettings);

    // The recent files go in above 終了 once they are read (RecentFiles.cpp).
    InsertItem(menus.file, "終了(&X)", kCommandExit);
    InsertSeparator(menus.file);
    InsertItem(menus.file, "GIFで保存(&G)...", kCommandSaveGif);
    InsertItem(menus.file, "パックで保存(&P)...", kCommandSavePack);
    InsertItem(menus.file, "名前をつけて保存(&S)...", kCommandSaveAs);
    InsertItem(menus.file, "上書き保存(&W)\tCtrl+S", kCommandSave);
    InsertItem(menus.file, "開く(&O)...\tCtrl+O", kCommandOpen);

    InsertItem(menus.bar, "ヘルプ(&H)", 0, menus.help);
    InsertItem(menus.bar, "設定(&S)", 0, menus.settings);
    InsertItem(menus.bar, "ファイル(&F)", 0, menus.file);
    return menus;
}

void UpdatePopupStates(const MenuSet& menus, HMENU popup)
{
    if (popup == menus.sound)
        UpdateSoundMenu(popup);
    if (popup != menus.makeStrip)
        return;
    const bool secondShown = gDocument.signs[1].kind != static_cast<std::uint8_t>(SignKind::Hidden);
    EnableMenuItem(popup, kCommandMakeStripSecond, MF_BYCOMMAND | (secondShown ? MF_ENABLED : MF_GRAYED));
}

void DestroyMenus(MenuSet& menus)
{
    // Destroying a menu destroys its popups too; IsMenu keeps a popup from being freed twice.
    for (HMENU* menu : {&menus.bar, &menus.help, &menus.webSites, &menus.settings, &menus.makeStrip, &menus.sound,
                          &menus.file}) {
        if (*menu && IsMenu(*menu))
            DestroyMenu(*menu);
        *menu = nullptr;
    }
}

}  // namespace rolva
