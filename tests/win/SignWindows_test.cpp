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

// The region of either sign at its start-up size and at a smaller one: corner pixels cut once
// the corners are rounded, the point 5 pixels in from the top-left corner inside a 10-pixel arc
// but outside a 25-pixel one, the middles of the edges, the centre and points 10 pixels in from
// two corners always inside, and nothing past the frame.
TEST_F(SignWindowsTest, RegionCutsCornersThatGrowWithTheRadiusAndFollowsTheSize)
{
    const struct {
        int sign, width, height, radius;
        bool cornersShow, fiveInShows;
    } cases[] = {
        {0, 123, 57, 0, true, true},   {0, 123, 57, 20, false, true}, {0, 123, 57, 50, false, false},
        {1, 123, 57, 20, false, true}, {0, 60, 30, 0, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "sign " << c.sign << ", " << c.width << "x" << c.height << ", radius "
                                        << c.radius);
        SetSignWidth(c.sign, c.width);
        SetSignHeight(c.sign, c.height);
        gDocument.signs[c.sign].cornerRadius = c.radius;
        ApplySignRegion(c.sign);
        if (c.radius > 0) {
            EXPECT_NE(nullptr, gDocument.signs[c.sign].region);
        }
        const int right = c.width - 1, bottom = c.height - 1;
        const POINT corners[] = {{0, 0}, {right, 0}, {0, bottom}, {right, bottom}};
        for (const POINT& p : corners)
            EXPECT_EQ(c.cornersShow, RegionContains(c.sign, p.x, p.y)) << p.x << "," << p.y;
        EXPECT_EQ(c.fiveInShows, RegionContains(c.sign, 5, 5));
        const POINT inside[] = {{right / 2, 0}, {right / 2, bottom}, {0, bottom / 2}, {right, bottom / 2},
                                {right / 2, bottom / 2}, {10, 10}, {right - 10, bottom - 10}};
        for (const POINT& p : inside)
            EXPECT_TRUE(RegionContains(c.sign, p.x, p.y)) << p.x << "," << p.y;
        EXPECT_FALSE(RegionContains(c.sign, right + 11, bottom)) << "past the right edge";
        EXPECT_FALSE(RegionContains(c.sign, right, bottom + 11)) << "past the bottom edge";
        const RECT box = test::SignRegionBox(c.sign);
        EXPECT_EQ(0, box.left);
        EXPECT_EQ(0, box.top);
        EXPECT_GE(box.right, c.width) << "the region reaches the right edge";
        EXPECT_GE(box.bottom, c.height) << "and the bottom edge";
    }
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
