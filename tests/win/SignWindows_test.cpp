// The sign frames: setters, visibility, rounded clipping, pictures and the Form's background.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "app/Application.h"
#include "display/PictureLoader.h"
#include "display/SignWindows.h"
#include "document/SignDocument.h"

namespace rolva {
namespace {

// Each test starts from both signs where start-up puts them, and puts them back.
class SignWindowsTest : public testing::Test {
protected:
    void SetUp() override { PutSignsBack(); }
    void TearDown() override { PutSignsBack(); }

    static void PutSignsBack()
    {
        for (int i = 0; i < kSignCount; ++i) {
            SetSignLeft(i, i == 0 ? 77 : 231);
            SetSignTop(i, 26);
            SetSignWidth(i, 123);
            SetSignHeight(i, 57);
            gDocument.signs[i].cornerRadius = 0;
            ApplySignRegion(i);
            ShowSign(i, 1);
            gDocument.signs[i].pictureBitmap.Reset();
            SetSignPicture(i, nullptr);
        }
        gDocument.backgroundBitmap.Reset();
        InvalidateRect(gApp.form, nullptr, TRUE);
        test::PumpMessages();
    }

    static bool RegionContains(int sign, int x, int y) { return test::SignRegionContains(sign, x, y); }
};

TEST_F(SignWindowsTest, EachSetterReadsBackWhatItSetAndKeepsTheRest)
{
    for (int i = 0; i < kSignCount; ++i) {
        SCOPED_TRACE(i);
        SetSignLeft(i, 40 + i);
        EXPECT_EQ(40 + i, SignLeft(i));
        EXPECT_EQ(26, SignTop(i));
        SetSignTop(i, 90);
        EXPECT_EQ(40 + i, SignLeft(i));
        EXPECT_EQ(90, SignTop(i));
        SetSignWidth(i, 200);
        EXPECT_EQ(200, SignWidth(i));
        EXPECT_EQ(57, SignHeight(i));
        SetSignHeight(i, 33);
        EXPECT_EQ(200, SignWidth(i));
        EXPECT_EQ(33, SignHeight(i));
        EXPECT_EQ(40 + i, SignLeft(i)) << "a size change moved the sign";
    }
}

TEST_F(SignWindowsTest, OnlyTheValueOneShowsASign)
{
    ShowSign(1, 2);
    EXPECT_FALSE(IsWindowVisible(SignFrameHandle(1)));
    EXPECT_EQ(2, SignVisible(1));
    ShowSign(1, 1);
    EXPECT_TRUE(IsWindowVisible(SignFrameHandle(1)));
    ShowSign(1, 0);
    EXPECT_FALSE(IsWindowVisible(SignFrameHandle(1)));
}

TEST_F(SignWindowsTest, RegionCutsCornersThatGrowWithTheRadiusAndKeepsTheEdges)
{
    // Points of the 123 x 57 frame: the corner pixels, a point 5 pixels in from the top-left
    // (inside a 10-pixel corner arc, outside a 25-pixel one), the middle of each edge and the centre.
    const POINT corners[] = {{0, 0}, {122, 0}, {0, 56}, {122, 56}};
    const POINT edges[] = {{61, 0}, {61, 56}, {0, 28}, {122, 28}, {61, 28}};
    const struct {
        int radius;
        bool cornersShow;
        bool fiveInShows;
    } cases[] = {{0, true, true}, {20, false, true}, {50, false, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.radius);
        gDocument.signs[0].cornerRadius = c.radius;
        ApplySignRegion(0);
        for (const POINT& p : corners)
            EXPECT_EQ(c.cornersShow, RegionContains(0, p.x, p.y)) << p.x << "," << p.y;
        EXPECT_EQ(c.fiveInShows, RegionContains(0, 5, 5));
        for (const POINT& p : edges)
            EXPECT_TRUE(RegionContains(0, p.x, p.y)) << p.x << "," << p.y;
        const RECT box = test::SignRegionBox(0);
        EXPECT_EQ(0, box.left);
        EXPECT_EQ(0, box.top);
        EXPECT_GE(box.right, 123) << "the region reaches the right edge";
        EXPECT_GE(box.bottom, 57) << "and the bottom edge";
    }
}

TEST_F(SignWindowsTest, SquareCornersShowTheWholeClientArea)
{
    gDocument.signs[0].cornerRadius = 0;
    ApplySignRegion(0);
    const RECT box = test::SignRegionBox(0);
    EXPECT_EQ(0, box.left);
    EXPECT_EQ(0, box.top);
    EXPECT_TRUE(RegionContains(0, 0, 0));
    EXPECT_TRUE(RegionContains(0, 122, 56));
    EXPECT_TRUE(RegionContains(0, 0, 56));
    EXPECT_TRUE(RegionContains(0, 122, 0));
}

TEST_F(SignWindowsTest, RoundedCornersCutTheCornerPixelAndKeepTheInside)
{
    gDocument.signs[1].cornerRadius = 20;
    ApplySignRegion(1);
    EXPECT_EQ(gDocument.signs[1].region != nullptr, true);
    EXPECT_FALSE(RegionContains(1, 0, 0));
    EXPECT_FALSE(RegionContains(1, 122, 0));
    EXPECT_FALSE(RegionContains(1, 0, 56));
    EXPECT_TRUE(RegionContains(1, 10, 10));
    EXPECT_TRUE(RegionContains(1, 112, 46));
    EXPECT_TRUE(RegionContains(1, 61, 0)) << "the straight edges stay";
}

TEST_F(SignWindowsTest, RegionFollowsANewSize)
{
    SetSignWidth(0, 60);
    SetSignHeight(0, 30);
    ApplySignRegion(0);
    EXPECT_TRUE(RegionContains(0, 59, 29));
    EXPECT_FALSE(RegionContains(0, 70, 29));
    EXPECT_FALSE(RegionContains(0, 59, 40));
}

TEST_F(SignWindowsTest, PictureSitsAtTheTopLeftWithItsOwnSizeAndWhiteBelow)
{
    gDocument.signs[0].pictureBitmap.Reset(LoadPictureGdiplus(test::FixturePath("picture.bmp")));
    HWND picture = SignPictureHandle(0);
    SetWindowPos(picture, nullptr, 0, -40, 0, 0, SWP_NOSIZE);
    SetSignPicture(0, gDocument.signs[0].pictureBitmap.Get());
    test::PumpMessages();

    RECT rc{};
    GetWindowRect(picture, &rc);
    MapWindowPoints(nullptr, SignFrameHandle(0), reinterpret_cast<POINT*>(&rc), 2);
    EXPECT_EQ(0, rc.left);
    EXPECT_EQ(0, rc.top);
    EXPECT_EQ(12, rc.right - rc.left);
    EXPECT_EQ(7, rc.bottom - rc.top);

    UpdateWindow(SignFrameHandle(0));
    EXPECT_EQ(RGB(255, 0, 0), test::ScreenPixel(SignFrameHandle(0), 2, 2));
    EXPECT_EQ(RGB(255, 255, 255), test::ScreenPixel(SignFrameHandle(0), 30, 30));
}

TEST_F(SignWindowsTest, BackgroundIsPaintedUnscaledAtTheOriginAndCutAtTheEdge)
{
    // Hide the signs so the background shows everywhere.
    ShowSign(0, 0);
    ShowSign(1, 0);
    HDC screen = GetDC(nullptr);
    // Wider than the Form's client area, shorter than it.
    HBITMAP wide = CreateCompatibleBitmap(screen, 600, 100);
    {
        HDC memory = CreateCompatibleDC(screen);
        HGDIOBJ old = SelectObject(memory, wide);
        RECT all{0, 0, 600, 100};
        HBRUSH green = CreateSolidBrush(RGB(0, 128, 0));
        FillRect(memory, &all, green);
        DeleteObject(green);
        SetPixel(memory, 0, 0, RGB(255, 0, 255));
        SelectObject(memory, old);
        DeleteDC(memory);
    }
    ReleaseDC(nullptr, screen);
    gDocument.backgroundBitmap.Reset(wide);
    InvalidateRect(gApp.form, nullptr, TRUE);
    UpdateWindow(gApp.form);
    test::PumpMessages();

    RECT client{};
    GetClientRect(gApp.form, &client);
    EXPECT_EQ(RGB(255, 0, 255), test::ScreenPixel(gApp.form, 0, 0));
    EXPECT_EQ(RGB(0, 128, 0), test::ScreenPixel(gApp.form, client.right - 1, 99)) << "cut at the client edge";
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), test::ScreenPixel(gApp.form, 10, 100)) << "button face below";
}

}  // namespace
}  // namespace rolva
