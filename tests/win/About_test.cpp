// The About window: opened from the Help menu, showing its banner, icon, credits, site buttons
// and GDI+ line, and ended with OK or a close request.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>

#include "TestSupport.h"
#include "app/Application.h"
#include "app/MenuIds.h"
#include "app/NamedWindows.h"
#include "base/Modal.h"
#include "document/SignDocument.h"
#include "info/AboutIds.h"

namespace rolva {
namespace {

using test::ClassOf;
using test::TextOf;

// Runs inside the modal loop, once the About window stands, then closes it if it is still open.
std::function<void(HWND)> gInsideAbout;

void CALLBACK RunInsideAbout(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    const std::function<void(HWND)> action = std::move(gInsideAbout);
    HWND about = gApp.about;
    if (action)
        action(about);
    if (IsWindow(about))
        SendMessageA(about, WM_CLOSE, 0, 0);  // never leave the loop waiting
}

// Opens the window with open() (which returns once the modal loop has ended); inside() sees it.
template <typename Open>
auto WithAboutOpen(Open open, std::function<void(HWND)> inside)
{
    gInsideAbout = std::move(inside);
    SetTimer(nullptr, 0, 0, RunInsideAbout);  // a thread timer fires from the nested loop
    return open();
}

int RunAbout(std::function<void(HWND)> inside)
{
    return WithAboutOpen([] { return RunModal(gApp.form, "About"); }, std::move(inside));
}

TEST(About, OpensFromTheHelpMenuCentredOverTheDisabledWindowsAndGivesThePanelTheFocusBack)
{
    HWND seen = nullptr;
    WithAboutOpen(
        [] { return SendMessageA(gApp.form, WM_COMMAND, kCommandAbout, 0); },
        [&seen](HWND about) {
            seen = about;
            ASSERT_TRUE(IsWindowVisible(about));
            EXPECT_EQ("NORMALDLG", ClassOf(about));
            EXPECT_EQ("Rolvaのバージョン情報", TextOf(about));
            EXPECT_EQ(gApp.form, GetWindow(about, GW_OWNER));
            const LONG style = GetWindowLongA(about, GWL_STYLE);
            EXPECT_EQ(WS_CAPTION, style & WS_CAPTION);
            EXPECT_EQ(0, style & WS_SYSMENU) << "no close box";
            EXPECT_FALSE(IsWindowEnabled(gApp.form));
            EXPECT_FALSE(IsWindowEnabled(gApp.controlPanel));

            RECT desktop{}, client{}, window{};
            GetClientRect(GetDesktopWindow(), &desktop);
            GetClientRect(about, &client);
            GetWindowRect(about, &window);
            // Placed so that a box of its client size at its top-left corner stands centred, and on the screen.
            EXPECT_TRUE(test::CentredOn(desktop, {window.left, window.top, window.left + client.right, window.top + client.bottom}));
            EXPECT_LE(window.right, desktop.right);
            EXPECT_LE(window.bottom, desktop.bottom);

            SendDlgItemMessageA(about, kAboutOkId, BM_CLICK, 0, 0);
        });
    ASSERT_TRUE(seen);
    EXPECT_FALSE(IsWindow(seen));
    EXPECT_EQ(nullptr, gApp.about);
    EXPECT_TRUE(IsWindowEnabled(gApp.form));
    EXPECT_TRUE(IsWindowEnabled(gApp.controlPanel));
    EXPECT_EQ(gApp.controlPanel, GetFocus());
}

TEST(About, ShowsTheBannerTheIconTheCreditsAndTheSiteButtons)
{
    RunAbout([](HWND about) {
        const struct {
            int id;
            const char* windowClass;
            RECT place;  // in the client area
            const char* text;
            bool image;  // sized by its picture and without a font, as the platform has it
        } children[] = {
            {1000, "Static", {0, 0, 450, 50}, "", true},
            {1008, "Button", {368, 114, 438, 137}, "OK", false},
            {1002, "Static", {3, 53, 445, 308}, "", false},
            {1003, "Static", {258, 65, 399, 79}, "企画：Varnholt(架空)", false},
            {1032, "Static", {258, 88, 399, 103}, "製作：Rolva製作室", false},
            {1009, "Button", {11, 191, 153, 216}, "VarnholtアプリHP", false},
            {1010, "Button", {11, 221, 153, 246}, "Varnholt(架空)HP", false},
            {1001, "Static", {405, 65, 439, 99}, "", true},
            {1035, "Static", {13, 286, 324, 302}, "現在のシステムでは「GDI+」がサポートされています。", false},
            {1011, "Button", {11, 251, 153, 276}, "TarrowbyHP", false},
        };
        for (const auto& c : children) {
            SCOPED_TRACE(c.id);
            HWND child = GetDlgItem(about, c.id);
            ASSERT_TRUE(child);
            EXPECT_EQ(0, lstrcmpiA(c.windowClass, ClassOf(child).c_str()));
            EXPECT_EQ(c.text, TextOf(child));
            RECT place{};
            GetWindowRect(child, &place);
            MapWindowPoints(nullptr, about, reinterpret_cast<POINT*>(&place), 2);
            EXPECT_EQ(c.place.left, place.left);
            EXPECT_EQ(c.place.top, place.top);
            if (c.image)
                continue;
            EXPECT_EQ(c.place.right, place.right);
            EXPECT_EQ(c.place.bottom, place.bottom);
            EXPECT_EQ(reinterpret_cast<LRESULT>(gApp.fonts[kFontAbout].Get()),
                      SendMessageA(child, WM_GETFONT, 0, 0));
        }
        const auto banner = reinterpret_cast<HBITMAP>(
            SendDlgItemMessageA(about, kAboutBannerId, STM_GETIMAGE, IMAGE_BITMAP, 0));
        ASSERT_TRUE(banner);
        const SIZE size = test::BitmapSize(banner);
        EXPECT_EQ(450, size.cx);
        EXPECT_EQ(50, size.cy);
        EXPECT_TRUE(SendDlgItemMessageA(about, kAboutIconId, STM_GETICON, 0, 0));
    });
}

TEST(About, EndsWithOneForOkAndZeroForACloseRequest)
{
    const struct {
        const char* how;
        std::function<void(HWND)> end;
        int result;
    } endings[] = {
        {"OK", [](HWND about) { SendDlgItemMessageA(about, kAboutOkId, BM_CLICK, 0, 0); }, 1},
        {"WM_CLOSE", [](HWND about) { SendMessageA(about, WM_CLOSE, 0, 0); }, 0},
        // Enter and Escape go to the dialog as IDOK and IDCANCEL; neither is one of its buttons.
        {"IDOK, then WM_CLOSE",
         [](HWND about) {
             SendMessageA(about, WM_COMMAND, IDOK, 0);
             EXPECT_TRUE(IsWindow(about));
         },
         0},
    };
    for (const auto& ending : endings) {
        SCOPED_TRACE(ending.how);
        EXPECT_EQ(ending.result, RunAbout(ending.end));
        EXPECT_EQ(nullptr, gApp.about);
        EXPECT_TRUE(IsWindowEnabled(gApp.form));
    }
}

TEST(About, GdiplusLineShowsOnlyWhenGdiplusWasFound)
{
    const std::int32_t probed = gDocument.gdiplusAvailable;
    for (std::int32_t available : {1, 0}) {
        SCOPED_TRACE(available);
        gDocument.gdiplusAvailable = available;
        bool shown = !available;
        RunAbout([&shown](HWND about) { shown = IsWindowVisible(GetDlgItem(about, kAboutGdiplusLineId)); });
        EXPECT_EQ(available == 1, shown);
    }
    gDocument.gdiplusAvailable = probed;
}

TEST(About, ClosingFreesTheBannerAndTheIconAndReopeningLeaksNothing)
{
    HBITMAP banner = nullptr;
    HICON icon = nullptr;
    RunAbout([&](HWND about) {
        banner = reinterpret_cast<HBITMAP>(SendDlgItemMessageA(about, kAboutBannerId, STM_GETIMAGE, IMAGE_BITMAP, 0));
        icon = reinterpret_cast<HICON>(SendDlgItemMessageA(about, kAboutIconId, STM_GETICON, 0, 0));
    });
    ASSERT_TRUE(banner);
    ASSERT_TRUE(icon);
    EXPECT_EQ(0u, GetObjectType(banner)) << "the banner outlived the window";
    ICONINFO info{};
    EXPECT_FALSE(GetIconInfo(icon, &info)) << "the icon outlived the window";

    const DWORD before = test::GdiObjectCount();
    for (int i = 0; i < 3; ++i)
        RunAbout(nullptr);
    EXPECT_EQ(before, test::GdiObjectCount());
}

}  // namespace
}  // namespace rolva
