// The sign frames: setters, visibility, rounded clipping, pictures and the Form's background.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "app/Application.h"
#include "display/PictureLoader.h"
#include "display/SignWindows.h"
#include "document/SignDocument.h"

namespace rolva {
namespace {

// Puts both signs back where start-up left them.
class SignWindowsTest : public testing::Test {
protected:
    void TearDown() override
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

    static bool RegionContains(int sign, int x, int y)
    {
        HRGN region = CreateRectRgn(0, 0, 0, 0);
        const int type = GetWindowRgn(SignFrameHandle(sign), region);
        const bool inside = type != ERROR && PtInRegion(region, x, y);
        DeleteObject(region);
        return inside;
    }

    static RECT RegionBox(int sign)
    {
        HRGN region = CreateRectRgn(0, 0, 0, 0);
        GetWindowRgn(SignFrameHandle(sign), region);
        RECT box{};
        GetRgnBox(region, &box);
        DeleteObject(region);
        return box;
    }
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

TEST_F(SignWindowsTest, RegionIsTheRoundedRectangleOnePixelLargerThanTheClientArea)
{
    for (int radius : {0, 20, 50}) {
        SCOPED_TRACE(radius);
        gDocument.signs[0].cornerRadius = radius;
        ApplySignRegion(0);
        // What shows is the rounded rectangle cut to the 123 x 57 window.
        HRGN expected = CreateRoundRectRgn(0, 0, 124, 58, radius, radius);
        HRGN window = CreateRectRgn(0, 0, 123, 57);
        CombineRgn(expected, expected, window, RGN_AND);
        HRGN actual = CreateRectRgn(0, 0, 0, 0);
        ASSERT_NE(ERROR, GetWindowRgn(SignFrameHandle(0), actual));
        CombineRgn(actual, actual, window, RGN_AND);
        EXPECT_TRUE(EqualRgn(expected, actual));
        DeleteObject(window);
        DeleteObject(expected);
        DeleteObject(actual);
    }
}

TEST_F(SignWindowsTest, SquareCornersShowTheWholeClientArea)
{
    gDocument.signs[0].cornerRadius = 0;
    ApplySignRegion(0);
    const RECT box = RegionBox(0);
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
