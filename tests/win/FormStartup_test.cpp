// What a person sees right after start-up: the Form, its two signs and its menu bar.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "app/Application.h"
#include "app/RecentFiles.h"
#include "display/FormIds.h"
#include "display/SignWindows.h"
#include "document/SignDocument.h"
#include "document/core/SignKind.h"

namespace rolva {
namespace {

using test::ClassOf;
using test::TextOf;

TEST(FormStartup, FormIsAFixedSizeNormal0WindowTitledRolvaVer4)
{
    HWND form = gApp.form;
    ASSERT_TRUE(IsWindow(form));
    EXPECT_EQ("NORMAL0", ClassOf(form));
    EXPECT_EQ("RolvaVer4", TextOf(form));
    EXPECT_EQ(450, gApp.formRecord.Width());
    EXPECT_EQ(450, gApp.formRecord.Height());

    const LONG style = GetWindowLongA(form, GWL_STYLE);
    EXPECT_EQ(0, style & WS_THICKFRAME) << "no sizing border";
    EXPECT_EQ(0, style & WS_MAXIMIZEBOX) << "no maximise box";
    EXPECT_NE(0, style & WS_MINIMIZEBOX);
    EXPECT_NE(0, style & WS_SYSMENU);
}

TEST(FormStartup, SignsStandInWhiteFramesAtTheirStartPlaces)
{
    const char* const classes[] = {"MakBase1", "MakBase2"};
    const POINT places[] = {{77, 26}, {231, 26}};
    for (int i = 0; i < kSignCount; ++i) {
        SCOPED_TRACE(i);
        HWND frame = SignFrameHandle(i);
        EXPECT_EQ(classes[i], ClassOf(frame));
        EXPECT_EQ(gApp.form, GetParent(frame));
        EXPECT_EQ(places[i].x, SignLeft(i));
        EXPECT_EQ(places[i].y, SignTop(i));
        EXPECT_EQ(123, SignWidth(i));
        EXPECT_EQ(57, SignHeight(i));
        EXPECT_TRUE(IsWindowVisible(frame));
        EXPECT_EQ(1, SignVisible(i));
        EXPECT_EQ(GetStockObject(WHITE_BRUSH), reinterpret_cast<HGDIOBJ>(GetClassLongPtrA(frame, GCLP_HBRBACKGROUND)));

        HWND picture = GetDlgItem(frame, kSignPictureIds[i]);
        EXPECT_EQ(SignPictureHandle(i), picture);
        EXPECT_EQ(0, lstrcmpiA("Static", ClassOf(picture).c_str()));
        EXPECT_EQ(SS_BITMAP, GetWindowLongA(picture, GWL_STYLE) & SS_TYPEMASK);
    }
}

TEST(FormStartup, LedFileListsExistButAreNeverShown)
{
    for (int id : kLedFileListIds) {
        HWND list = GetDlgItem(gApp.form, id);
        ASSERT_TRUE(list) << id;
        EXPECT_FALSE(IsWindowVisible(list));
        EXPECT_NE(0, GetWindowLongA(list, GWL_STYLE) & LBS_SORT);
    }
}

struct MenuEntry {
    const char* label;  // nullptr for a separator
    UINT id;
};

void ExpectMenu(HMENU menu, std::initializer_list<MenuEntry> entries)
{
    ASSERT_TRUE(menu);
    ASSERT_EQ(static_cast<int>(entries.size()), GetMenuItemCount(menu));
    int position = 0;
    for (const MenuEntry& entry : entries) {
        SCOPED_TRACE(position);
        char text[128] = {};
        MENUITEMINFOA item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING | MIIM_SUBMENU;
        item.dwTypeData = text;
        item.cch = sizeof text;
        ASSERT_TRUE(GetMenuItemInfoA(menu, position, TRUE, &item));
        if (entry.label) {
            EXPECT_EQ(0u, item.fType & MFT_SEPARATOR);
            EXPECT_STREQ(entry.label, text);
            if (!item.hSubMenu) {
                EXPECT_EQ(entry.id, item.wID);
            }
        } else {
            EXPECT_NE(0u, item.fType & MFT_SEPARATOR);
        }
        ++position;
    }
}

TEST(FormStartup, MenuBarCarriesEveryCommand)
{
    // As at a first start: no recent files listed yet.
    DeleteFileA(RecentFilesPath().c_str());
    LoadRecentFiles();
    HMENU bar = GetMenu(gApp.form);
    ExpectMenu(bar, {{"ファイル(&F)", 0}, {"設定(&S)", 0}, {"ヘルプ(&H)", 0}});
    ExpectMenu(GetSubMenu(bar, 0), {{"開く(&O)...\tCtrl+O", 1089},
                                    {"上書き保存(&W)\tCtrl+S", 1099},
                                    {"名前をつけて保存(&S)...", 1090},
                                    {"パックで保存(&P)...", 1130},
                                    {"GIFで保存(&G)...", 1098},
                                    {nullptr, 0},
                                    {"終了(&X)", 1091}});
    ExpectMenu(GetSubMenu(bar, 1), {{"設定(&S)...", 1092}, {"幕の作成(&M)", 0}, {nullptr, 0}, {"サウンド(&U)", 0}});
    ExpectMenu(GetSubMenu(GetSubMenu(bar, 1), 1), {{"1つ目の方向幕(&1)...", 1110}, {"2つ目の方向幕(&2)...", 1111}});
    ExpectMenu(GetSubMenu(GetSubMenu(bar, 1), 3), {{"音を鳴らす(&O)", 1120},
                                                   {nullptr, 0},
                                                   {"音量 20%(&1)", 1121},
                                                   {"音量 40%(&2)", 1122},
                                                   {"音量 60%(&3)", 1123},
                                                   {"音量 80%(&4)", 1124},
                                                   {"音量 100%(&5)", 1125},
                                                   {nullptr, 0},
                                                   {"LED風の幕の切り替えでクリック音(&L)", 1126}});
    HMENU help = GetSubMenu(bar, 2);
    ExpectMenu(help, {{"トピック(&T)...\tF1", 1093},
                      {nullptr, 0},
                      {"バージョン情報(&V)...", 1094},
                      {nullptr, 0},
                      {"「Varnholt関連」サイトへジャンプ(&J)", 0}});
    ExpectMenu(GetSubMenu(help, 4),
               {{"VarnholtアプリHP(&A)", 1095}, {"TarrowbyHP(&N)", 1096}, {"Varnholt(架空)HP(&P)", 1097}});
}

// The maker's submenu, as it opens: the second sign's item is greyed exactly while that sign is
// hidden, and the first sign's never.
TEST(FormStartup, MakerSubmenuGreysAHiddenSign)
{
    HMENU makers = GetSubMenu(GetSubMenu(GetMenu(gApp.form), 1), 1);
    ASSERT_TRUE(makers);
    const std::uint8_t kept = gDocument.signs[1].kind;
    const struct {
        SignKind second;
        bool secondGreyed;
    } cases[] = {{SignKind::Hidden, true}, {SignKind::Led, false}, {SignKind::Hidden, true}, {SignKind::Roll, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.second));
        gDocument.signs[1].kind = static_cast<std::uint8_t>(c.second);
        SendMessageA(gApp.form, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(makers), 1);
        EXPECT_EQ(c.secondGreyed, (GetMenuState(makers, 1111, MF_BYCOMMAND) & MF_GRAYED) != 0);
        EXPECT_EQ(0u, GetMenuState(makers, 1110, MF_BYCOMMAND) & MF_GRAYED);
    }
    gDocument.signs[1].kind = kept;
}

TEST(FormStartup, ControlPanelIsCentredOnTheScreenAndOwnedByTheForm)
{
    HWND panel = gApp.controlPanel;
    ASSERT_TRUE(IsWindow(panel));
    EXPECT_EQ("NORMALDLG", ClassOf(panel));
    EXPECT_EQ(gApp.form, GetWindow(panel, GW_OWNER));
    RECT screen{};
    GetWindowRect(GetDesktopWindow(), &screen);
    const RECT place = test::StartupPanelPlace();
    EXPECT_EQ(270, place.right - place.left);
    EXPECT_EQ(211, place.bottom - place.top);
    EXPECT_TRUE(test::CentredOn(screen, place));
}

}  // namespace
}  // namespace rolva
