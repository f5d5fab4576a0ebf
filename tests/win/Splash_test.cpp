// The start-up splash as a person meets it: on top of everything, centred, without a caption,
// over a Form and panel that take no input until it goes.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "app/Application.h"
#include "app/NamedWindows.h"
#include "base/Handles.h"
#include "document/SignDocument.h"
#include "info/SplashIds.h"

namespace rolva {
namespace {

using test::ClassOf;
using test::PumpMessages;
using test::TextOf;

// A splash made the way the Form's creation makes it (the one of start-up is gone by now).
class Splash : public testing::Test {
protected:
    void SetUp() override { Open(); }
    void Open()
    {
        splash = CreateNamedWindow(gApp.form, "Splash");
        ShowWindow(splash, SW_SHOW);
        PumpMessages();
    }
    void TearDown() override
    {
        if (IsWindow(splash))
            SendMessageA(splash, WM_CLOSE, 0, 0);
        PumpMessages();
    }

    HWND splash = nullptr;
};

// Pixels of one colour inside a client rectangle, as the screen shows them.
int CountScreenPixels(HWND window, RECT area, COLORREF colour)
{
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    POINT origin{area.left, area.top};
    ClientToScreen(window, &origin);
    WindowDc screen(nullptr);
    MemoryDc memory(screen.Get());
    BitmapHandle copy(CreateCompatibleBitmap(screen.Get(), width, height));
    ScopedSelect select(memory.Get(), copy.Get());
    BitBlt(memory.Get(), 0, 0, width, height, screen.Get(), origin.x, origin.y, SRCCOPY);
    int count = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            count += GetPixel(memory.Get(), x, y) == colour;
    }
    return count;
}

void Repaint(HWND window)
{
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpMessages();
}

TEST_F(Splash, StandsCentredOnTopWithoutCaptionWhileTheFormAndPanelAreDisabled)
{
    ASSERT_TRUE(IsWindowVisible(splash));
    EXPECT_EQ(splash, gApp.splash);
    EXPECT_EQ("NORMALDLG", ClassOf(splash));
    EXPECT_EQ(gApp.form, GetWindow(splash, GW_OWNER));
    EXPECT_NE(0, GetWindowLongA(splash, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_FALSE(IsWindowEnabled(gApp.form));
    EXPECT_FALSE(IsWindowEnabled(gApp.controlPanel));

    HWND above = GetWindow(splash, GW_HWNDPREV);
    while (above && !IsWindowVisible(above))
        above = GetWindow(above, GW_HWNDPREV);
    EXPECT_EQ(nullptr, above) << ClassOf(above) << " stands above the splash";

    // What shows is exactly the client area: caption and frame are cut off by the region.
    RECT window{}, client{}, region{};
    GetWindowRect(splash, &window);
    GetClientRect(splash, &client);
    POINT clientOrigin{0, 0};
    ClientToScreen(splash, &clientOrigin);
    ASSERT_EQ(SIMPLEREGION, GetWindowRgnBox(splash, &region));
    EXPECT_EQ(clientOrigin.x - window.left, region.left);
    EXPECT_EQ(clientOrigin.y - window.top, region.top);
    EXPECT_EQ(client.right, region.right - region.left);
    EXPECT_EQ(client.bottom, region.bottom - region.top);

    RECT desktop{};
    GetClientRect(GetDesktopWindow(), &desktop);
    // Placed so that a box of its client size at its top-left corner stands centred, and on the screen.
    EXPECT_TRUE(test::CentredOn(desktop, {window.left, window.top, window.left + client.right, window.top + client.bottom}));
    EXPECT_LE(window.right, desktop.right);
    EXPECT_LE(window.bottom, desktop.bottom);
}

TEST_F(Splash, ChildrenCarryTheCreditsAndTheNoticeInTheSplashFont)
{
    const struct {
        int id;
        const char* windowClass;
        bool sunken;
        RECT place;  // left, top, right, bottom in the splash's client area
        bool hasText;
    } children[] = {
        {1002, "Static", true, {11, 241, 432, 258}, false},
        {1003, "Static", false, {33, 243, 225, 256}, true},
        {1032, "Static", false, {240, 243, 414, 255}, true},
        {1035, "Static", false, {11, 211, 443, 238}, true},
        {1006, "Button", false, {4, 8, 442, 264}, false},
    };
    for (const auto& c : children) {
        SCOPED_TRACE(c.id);
        HWND child = GetDlgItem(splash, c.id);
        ASSERT_TRUE(child);
        EXPECT_EQ(0, lstrcmpiA(c.windowClass, ClassOf(child).c_str()));
        EXPECT_EQ(c.sunken, (GetWindowLongA(child, GWL_EXSTYLE) & WS_EX_STATICEDGE) != 0);
        RECT place{};
        GetWindowRect(child, &place);
        MapWindowPoints(nullptr, splash, reinterpret_cast<POINT*>(&place), 2);
        EXPECT_TRUE(EqualRect(&c.place, &place));
        EXPECT_EQ(c.hasText, !TextOf(child).empty());
        EXPECT_EQ(reinterpret_cast<LRESULT>(gApp.fonts[kFontSplash].Get()), SendMessageA(child, WM_GETFONT, 0, 0));
    }
    EXPECT_NE(std::string::npos, TextOf(GetDlgItem(splash, kSplashNoticeId)).find("\r\n")) << "two lines";
}

TEST_F(Splash, EndsOnItsOwnTimerOrOnCloseAndGivesTheWindowsBack)
{
    EXPECT_TRUE(KillTimer(splash, kSplashTimerId)) << "the splash counts down on timer 200";

    const struct {
        const char* how;
        UINT message;
        WPARAM wParam;
    } endings[] = {
        {"timer", WM_TIMER, kSplashTimerId},
        {"close", WM_CLOSE, 0},
    };
    for (const auto& ending : endings) {
        SCOPED_TRACE(ending.how);
        if (!IsWindow(splash))
            Open();
        SendMessageA(splash, WM_TIMER, kSplashTimerId + 1, 0);
        ASSERT_TRUE(IsWindow(splash)) << "another timer ends nothing";
        EXPECT_FALSE(IsWindowEnabled(gApp.form));

        SendMessageA(splash, ending.message, ending.wParam, 0);
        EXPECT_FALSE(IsWindow(splash));
        EXPECT_EQ(nullptr, gApp.splash);
        EXPECT_TRUE(IsWindowEnabled(gApp.form));
        EXPECT_TRUE(IsWindowEnabled(gApp.controlPanel));
    }
}

TEST_F(Splash, PaintsTheTitleOverThePictureAndTheGdiplusLineOnlyWithGdiplus)
{
    const std::int32_t probed = gDocument.gdiplusAvailable;
    const RECT title{18, 18, 130, 62};
    const RECT gdiplusLine{30, 70, 200, 95};
    const RECT picture{0, 160, 450, 240};
    for (std::int32_t available : {1, 0}) {
        SCOPED_TRACE(available);
        gDocument.gdiplusAvailable = available;
        Repaint(splash);
        EXPECT_GT(CountScreenPixels(splash, title, RGB(0, 0, 192)), 50);
        EXPECT_GT(CountScreenPixels(splash, picture, GetSysColor(COLOR_GRAYTEXT)), 500);
        const int yellow = CountScreenPixels(splash, gdiplusLine, RGB(255, 255, 0));
        if (available)
            EXPECT_GT(yellow, 50);
        else
            EXPECT_EQ(0, yellow);
    }
    gDocument.gdiplusAvailable = probed;
}

TEST_F(Splash, RepaintingFreesEveryFontAndPicture)
{
    Repaint(splash);
    const DWORD before = test::GdiObjectCount();
    for (int i = 0; i < 5; ++i)
        Repaint(splash);
    EXPECT_EQ(before, test::GdiObjectCount());
}

}  // namespace
}  // namespace rolva
