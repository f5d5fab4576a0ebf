// LED-style signs come alive on the real windows: a frame's pages take turns at the page time, a
// page wider than the sign scrolls through it, a key press starts the new frame at its first
// page, and the dot look shows a picture as LED dots.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "SharedState.h"
#include "TestSupport.h"
#include "display/LedPlayer.h"
#include "display/LedSign.h"
#include "display/RollAnimation.h"
#include "display/ScrolledPicture.h"
#include "display/SignWindows.h"
#include "document/SignDocument.h"
#include "panel/ControlPanel.h"
#include "panel/ControlPanelIds.h"
#include "panel/SignRequests.h"
#include "scene/SignPictures.h"

namespace rolva {
namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

constexpr int kSignWidth = 200;
constexpr int kSignHeight = 57;
constexpr int kWideWidth = 1000;

// Every column of the wide page has a colour of its own.
COLORREF WideColumn(int x) { return RGB(x % 256, 20 + 50 * (x / 256), 200); }

class LedPagesTest : public test::SharedSceneTest {
protected:
    void SetUp() override
    {
        folder_ = test::FreshTempFolder("rolva-led-pages-test");
        // Frames: 0 = 004, 1 = 005 with pages 2 and 3, 2 = 006 (wide), 3 = 007 with page 2.
        test::WriteSolidBmp(folder_ + "\\004.bmp", 20, 20, kWhite);
        test::WriteSolidBmp(folder_ + "\\005.bmp", 20, 20, kRed);
        test::WriteSolidBmp(folder_ + "\\005+2.bmp", 20, 20, kBlue);
        test::WriteSolidBmp(folder_ + "\\005+3.bmp", 20, 20, kGreen);
        test::WriteColumnsBmp(folder_ + "\\006.bmp", kWideWidth, kSignHeight, WideColumn);
        test::WriteSolidBmp(folder_ + "\\007.bmp", 20, 20, kRed);
        test::WriteSolidBmp(folder_ + "\\007+2.bmp", 20, 20, kBlue);

        SetSignWidth(0, kSignWidth);
        SetSignHeight(0, kSignHeight);
        SignSlot& slot = gDocument.signs[0];
        slot.kind = static_cast<std::uint8_t>(SignKind::Led);
        slot.picturePath = folder_;
        slot.cornerRadius = 0;
        ApplySignRegion(0);
        slot.liveLook.pageTimeMs = 300;
        slot.liveLook.scrollSpeed = 2000;
    }

    void TearDown() override
    {
        StopRoll(0);
        SignSlot& slot = gDocument.signs[0];
        slot.kind = static_cast<std::uint8_t>(SignKind::Roll);
        slot.picturePath.clear();
        slot.liveLook = SignLiveLook{};
        SetSignPicture(0, nullptr);
        slot.pictureBitmap.Reset();
        ResetSign(0);
        SetPanelText(kNumberDisplayIds[0], "0");
        ReleaseLedFolderWatches();
        test::RemoveTree(folder_);
    }

    static void Show(const char* frame)
    {
        SetPanelText(kNumberDisplayIds[0], frame);
        StartSign(0);
    }

    // Where the sign draws its scrolling page's left edge; the sign width before it enters.
    static int ScrollX() { return ScrolledPictureX(0).value_or(kSignWidth); }

    // The picture control's left edge inside the sign.
    static int PictureX()
    {
        RECT r{};
        GetWindowRect(SignPictureHandle(0), &r);
        MapWindowPoints(nullptr, SignFrameHandle(0), reinterpret_cast<POINT*>(&r), 2);
        return r.left;
    }

    static COLORREF SignPixel(int x, int y) { return test::ScreenPixel(SignFrameHandle(0), x, y); }

    std::string folder_;
};

// Page files are no frames of their own: the frames after a frame with pages keep counting.
TEST_F(LedPagesTest, PageFilesJoinTheirFrameAndTheFramesAfterKeepTheirNumbers)
{
    Show("0");
    test::PumpMessages();
    EXPECT_EQ(kWhite, SignPixel(1, 1));
    EXPECT_FALSE(IsLedPlaying(0)) << "a frame of one still page needs no player";
    Show("3");
    test::PumpMessages();
    EXPECT_EQ(kRed, SignPixel(1, 1)) << "007.bmp is frame 3 when 005's pages are no frames";
    EXPECT_TRUE(IsLedPlaying(0));
}

// The pages take turns in order and start again, each change at its due time: never early,
// and late by at most a scheduling delay.
TEST_F(LedPagesTest, ThreePagesTakeTurnsAtThePageTime)
{
    struct Change {
        COLORREF colour;
        DWORD atMs;
    };
    const DWORD start = GetTickCount();
    Show("1");
    test::PumpMessages(1);  // the screen shows what was drawn once messages are taken
    std::vector<Change> changes{{SignPixel(1, 1), 0}};
    while (GetTickCount() - start < 1050) {
        test::PumpMessages(1);
        const COLORREF now = SignPixel(1, 1);
        if (now != changes.back().colour)
            changes.push_back({now, GetTickCount() - start});
    }
    const std::vector<COLORREF> expected{kRed, kBlue, kGreen, kRed};
    ASSERT_EQ(expected.size(), changes.size());
    for (std::size_t i = 0; i < changes.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(expected[i], changes[i].colour);
        const DWORD due = static_cast<DWORD>(300 * i);
        EXPECT_GE(changes[i].atMs + 16, due) << "a page never comes early";
        EXPECT_LE(changes[i].atMs, due + 120) << "nor much later than its time";
    }
}

// At 2000 pixels a second the wide page enters at the right edge and moves left two pixels a
// millisecond; whatever place it has, the sign shows its columns there.
TEST_F(LedPagesTest, AWidePageScrollsThroughTheSignFromRightToLeft)
{
    const DWORD start = GetTickCount();
    Show("2");
    int lowest = kSignWidth + 1;
    int samples = 0;
    for (DWORD before = 0; before < 450; before = GetTickCount() - start) {
        test::PumpMessages(1);
        ASSERT_EQ(0, PictureX()) << "the control stays where the page was loaded";
        ASSERT_TRUE(ScrolledPictureX(0).has_value());
        const int x = ScrollX();
        const DWORD after = GetTickCount() - start;
        // Never ahead of the timeline, and behind it by a scheduling delay at most.
        EXPECT_GE(x, kSignWidth - 2 * static_cast<int>(after) - 2) << "at " << after << " ms";
        EXPECT_LE(x, kSignWidth - 2 * (static_cast<int>(before) - 80)) << "at " << before << " ms";
        for (int column : {0, 60, 199}) {
            const int pageColumn = column - x;
            const COLORREF expected = pageColumn >= 0 && pageColumn < kWideWidth ? WideColumn(pageColumn) : kWhite;
            EXPECT_EQ(expected, SignPixel(column, 30)) << "column " << column << " with the page at " << x;
        }
        lowest = std::min(lowest, x);
        ++samples;
    }
    EXPECT_GT(samples, 5);
    EXPECT_LE(lowest, kSignWidth - 2 * 300) << "the page went on scrolling";
}

// A page wider than a window can be (Windows cuts window sizes and places to 16 bits) is seen
// through a control as wide as the sign, and the columns in view are always the page's at one
// place, also far past the first 32,767.
TEST_F(LedPagesTest, APageWiderThanAWindowCanBeScrollsThroughASignWideControl)
{
    constexpr int kHugeWidth = 40000;
    test::WriteColumnsBmp(folder_ + "\\008.bmp", kHugeWidth, kSignHeight, WideColumn);
    Show("4");  // the page's time starts once it is loaded, just before this returns
    const DWORD start = GetTickCount();
    int lowest = kSignWidth + 1;
    for (DWORD before = 0; before < 2200; before = GetTickCount() - start) {
        test::PumpMessages(1);
        const DWORD after = GetTickCount() - start;
        RECT control{};
        GetWindowRect(SignPictureHandle(0), &control);
        ASSERT_LE(control.right - control.left, 32767);
        // The page's left edge lies between where the timeline had it before and after the
        // sample (less a scheduling delay); one place there shows all three columns.
        int found = kSignWidth + 1;
        for (int x = kSignWidth - 2 * static_cast<int>(after + 20); x <= kSignWidth - 2 * (static_cast<int>(before) - 80);
             ++x) {
            bool all = true;
            for (int column : {0, 60, 199}) {
                const int pageColumn = column - x;
                const COLORREF expected = pageColumn >= 0 && pageColumn < kHugeWidth ? WideColumn(pageColumn) : kWhite;
                all = all && SignPixel(column, 30) == expected;
            }
            if (all) {
                found = x;
                break;
            }
        }
        ASSERT_NE(kSignWidth + 1, found) << "no place of the page shows at " << after << " ms";
        lowest = std::min(lowest, found);
    }
    EXPECT_LE(lowest, -3000) << "the page went on scrolling";
}

TEST_F(LedPagesTest, AKeyDuringAScrollStartsTheNewFrameAtItsFirstPage)
{
    Show("2");
    ASSERT_TRUE(test::PumpUntil([] { return ScrollX() < 100; }));
    const DWORD before = GetTickCount();  // the new frame's time starts inside Show
    Show("3");
    EXPECT_EQ(0, PictureX());
    EXPECT_FALSE(ScrolledPictureX(0).has_value()) << "the new frame's page is drawn the usual way";
    // Its first page shows until 300 ms have passed; a sample taken later on a busy machine
    // proves nothing either way.
    auto expectFirstPage = [before] {
        const COLORREF seen = SignPixel(1, 1);
        if (GetTickCount() - before < 290) {
            EXPECT_EQ(kRed, seen);
        }
    };
    test::PumpMessages();
    expectFirstPage();
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < 200) {
        test::PumpMessages(1);
        ASSERT_EQ(0, PictureX()) << "the scroll of the frame before goes on";
    }
    expectFirstPage();
    EXPECT_TRUE(test::PumpUntil([] { return SignPixel(1, 1) == kBlue; }, 1000)) << "the new frame's pages take turns";
}

TEST_F(LedPagesTest, ResetStopsThePagesAtTheFirstFrame)
{
    Show("1");
    ASSERT_TRUE(IsLedPlaying(0));
    PutSignHome(0);
    EXPECT_FALSE(IsLedPlaying(0));
    test::PumpMessages();
    EXPECT_EQ(kWhite, SignPixel(1, 1));
}

TEST_F(LedPagesTest, ASignChangedToAnotherKindStopsThePages)
{
    Show("1");
    ASSERT_TRUE(IsLedPlaying(0));
    gDocument.signs[0].kind = static_cast<std::uint8_t>(SignKind::Roll);
    ReleaseLedFolderWatches();
    EXPECT_FALSE(IsLedPlaying(0));
}

// A solid red picture through square dots three pixels apart: each block's last row and column
// take the gap colour.
TEST_F(LedPagesTest, TheDotLookShowsAPictureAsDotsWithTheGapColourBetween)
{
    SignLiveLook& look = gDocument.signs[0].liveLook;
    look.dotLook = true;
    look.dotPitch = 3;
    look.roundDots = false;
    look.glow = false;
    look.gapColour = 0x000080;
    Show("3");
    test::PumpMessages();
    const COLORREF gap = RGB(0, 0, 0x80);
    struct Pixel {
        int x;
        int y;
        COLORREF colour;
    };
    const Pixel pixels[] = {{3, 3, kRed}, {4, 4, kRed}, {5, 4, gap}, {4, 5, gap}, {5, 5, gap}, {6, 7, kRed}};
    for (const Pixel& p : pixels)
        EXPECT_EQ(p.colour, SignPixel(p.x, p.y)) << p.x << "," << p.y;
}

// A new page time or width plays the frame again from its first page with the pictures it has.
TEST_F(LedPagesTest, AnEditedPageTimeOrWidthReplaysTheFrameWithoutReadingItAgain)
{
    Show("1");
    test::PumpMessages(1);
    const HBITMAP loaded = gDocument.signs[0].pictureBitmap.Get();
    auto coloursWithin = [](DWORD ms) {
        std::vector<COLORREF> seen{SignPixel(1, 1)};
        for (const DWORD start = GetTickCount(); GetTickCount() - start < ms;) {
            test::PumpMessages(1);
            if (SignPixel(1, 1) != seen.back())
                seen.push_back(SignPixel(1, 1));
        }
        return seen;
    };
    gDocument.signs[0].liveLook.pageTimeMs = 200;
    RefreshLedLook(0);
    const std::vector<COLORREF> seen = coloursWithin(500);
    ASSERT_GE(seen.size(), 3u);
    EXPECT_EQ((std::vector<COLORREF>{kRed, kBlue, kGreen}), std::vector<COLORREF>(seen.begin(), seen.begin() + 3));
    EXPECT_EQ(loaded, gDocument.signs[0].pictureBitmap.Get());

    // Narrower than the frame's wide page, the sign starts that page's scroll at its new edge.
    Show("2");
    SetSignWidth(0, 100);  // as the settings dialog's width field does
    FitLedFrameToWidth(0);
    EXPECT_EQ(100, ScrolledPictureX(0).value_or(-1));
    SetSignWidth(0, kSignWidth);
}

// A scroll stopped by another folder, another kind or a reset that finds no frame 0 leaves no
// page in mid-scroll behind: what stays in the control is drawn from its left edge, as every
// picture load puts it.
TEST_F(LedPagesTest, AStoppedScrollComesHome)
{
    const std::string empty = test::FreshTempFolder("rolva-led-pages-empty");
    const struct {
        const char* way;
        std::function<void()> stop;
    } ways[] = {
        {"another folder", [&empty] { SetSignFolder(0, empty); }},
        {"another kind",
         [] {
             gDocument.signs[0].kind = static_cast<std::uint8_t>(SignKind::Roll);
             ReleaseLedFolderWatches();
         }},
        {"a reset with no frame 0",
         [&empty] {
             gDocument.signs[0].picturePath = empty;
             PutSignHome(0);
         }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.way);
        gDocument.signs[0].kind = static_cast<std::uint8_t>(SignKind::Led);
        gDocument.signs[0].picturePath = folder_;
        Show("2");
        ASSERT_TRUE(test::PumpUntil([] { return ScrollX() < 100; }));
        way.stop();
        test::PumpMessages();
        EXPECT_FALSE(ScrolledPictureX(0).has_value());
        // Left of the second sign, which the Form's repaint may put over this one's right end.
        for (int column : {0, 60, 140})
            EXPECT_EQ(WideColumn(column), SignPixel(column, 30)) << "column " << column;
    }
    test::RemoveTree(empty);
}

// Pages of a folder the sign no longer shows never come back: not at a new width, nor when the
// look is edited while the new folder has no picture.
TEST_F(LedPagesTest, AnotherFolderLeavesTheOldPagesForGood)
{
    Show("1");
    ASSERT_TRUE(IsLedPlaying(0));
    const std::string empty = test::FreshTempFolder("rolva-led-pages-empty");
    gDocument.signs[0].picturePath = empty;
    StopLedPlayer(0);
    SetSignWidth(0, 150);
    FitLedFrameToWidth(0);
    EXPECT_FALSE(IsLedPlaying(0)) << "a width change plays nothing of another folder";
    gDocument.signs[0].liveLook.pageTimeMs = 200;
    RefreshLedLook(0);
    EXPECT_FALSE(IsLedPlaying(0)) << "an edited look plays nothing of another folder";
    SetSignWidth(0, kSignWidth);
    test::RemoveTree(empty);
}

TEST_F(LedPagesTest, AnEditedLookShowsAtOnce)
{
    Show("0");
    test::PumpMessages();
    ASSERT_EQ(kWhite, SignPixel(2, 2));
    SignLiveLook& look = gDocument.signs[0].liveLook;
    look.dotLook = true;
    look.roundDots = false;
    look.gapColour = 0x000000;
    look.glow = false;
    RefreshLedLook(0);
    test::PumpMessages();
    EXPECT_EQ(RGB(0, 0, 0), SignPixel(2, 2)) << "the default pitch of 3 puts a gap there";
}

}  // namespace
}  // namespace rolva
