#include <gtest/gtest.h>

#include <climits>

#include "base/core/WindowGeometry.h"

namespace rolva {
namespace {

TEST(PlaceInsideArea, MovesAWindowOnlyAsFarAsTheAreaNeeds)
{
    const ScreenRect area{0, 0, 1024, 738};  // a 1024 x 768 screen with a 30-pixel taskbar below
    const struct {
        const char* what;
        ScreenRect window;
        ScreenPoint expected;
    } cases[] = {
        {"inside stays", {40, 30, 540, 450}, {40, 30}},
        {"touching the edges stays", {0, 0, 1024, 738}, {0, 0}},
        {"minimised place", {-32000, -32000, -31840, -31976}, {0, 0}},
        {"far right and below", {5000, 4000, 5500, 4420}, {524, 318}},
        {"partly over the right edge", {900, 100, 1170, 311}, {754, 100}},
        {"over the taskbar", {100, 600, 370, 811}, {100, 527}},
        {"above and left", {-300, -40, -30, 171}, {0, 0}},
        {"wider than the area", {-200, 10, 1300, 200}, {0, 10}},
        {"taller than the area, below", {10, 900, 200, 1900}, {10, 0}},
    };
    for (const auto& c : cases) {
        const ScreenPoint placed = PlaceInsideArea(c.window, area);
        EXPECT_EQ(c.expected.x, placed.x) << c.what;
        EXPECT_EQ(c.expected.y, placed.y) << c.what;
    }
}

TEST(PlaceInsideArea, AnAreaAwayFromTheOriginIsUsedAsItStands)
{
    const ScreenRect secondMonitor{-1280, 200, 0, 1224};  // left of the primary one, lower
    const ScreenPoint placed = PlaceInsideArea({-5000, 40, -4550, 490}, secondMonitor);
    EXPECT_EQ(-1280, placed.x);
    EXPECT_EQ(200, placed.y);
    const ScreenPoint fromRight = PlaceInsideArea({300, 1500, 750, 1950}, secondMonitor);
    EXPECT_EQ(-450, fromRight.x);
    EXPECT_EQ(774, fromRight.y);
}

TEST(CentreOver, CentresOnTheOwnerAndStaysInsideTheArea)
{
    const ScreenRect area{0, 0, 1024, 738};
    const ScreenRect form{300, 150, 750, 600};  // 450 x 450
    const struct {
        const char* what;
        Extent window;
        ScreenRect owner;
        ScreenPoint expected;
    } cases[] = {
        {"smaller than the owner", {300, 200}, form, {375, 275}},
        {"odd room: the extra pixel right and below", {301, 201}, form, {374, 274}},
        {"larger than the owner", {760, 560}, form, {145, 95}},
        {"larger, odd room", {761, 561}, form, {144, 94}},
        {"owner in the top-left corner", {760, 560}, {0, 0, 450, 450}, {0, 0}},
        {"owner in the bottom-right corner", {760, 560}, {574, 288, 1024, 738}, {264, 178}},
        {"owner minimised far away", {760, 560}, {-32000, -32000, -31840, -31976}, {0, 0}},
        {"owner at the far end of the coordinates", {760, 560}, {INT_MAX - 10, INT_MAX - 10, INT_MAX, INT_MAX}, {264, 178}},
        {"larger than the area", {1200, 900}, form, {0, 0}},
    };
    for (const auto& c : cases) {
        const ScreenPoint placed = CentreOver(c.window, c.owner, area);
        EXPECT_EQ(c.expected.x, placed.x) << c.what;
        EXPECT_EQ(c.expected.y, placed.y) << c.what;
    }
}

TEST(OuterSizeHoldingLayout, KeepsTheAskedSizeWhereverTheClientAreaHoldsTheLayout)
{
    const struct {
        const char* what;
        Extent asked, layout, frame, expected;
    } cases[] = {
        // A control window of 270 x 211 whose layout takes 262 x 182.
        {"thin frame: room to spare", {270, 211}, {262, 182}, {6, 25}, {270, 211}},
        {"exactly held", {270, 211}, {262, 182}, {8, 29}, {270, 211}},
        {"taller caption grows the height only", {270, 211}, {262, 182}, {6, 35}, {270, 217}},
        {"wide borders and tall caption", {270, 211}, {262, 182}, {16, 39}, {278, 221}},
        {"one pixel short", {456, 339}, {450, 308}, {7, 31}, {457, 339}},
        {"no frame at all", {456, 295}, {443, 264}, {0, 0}, {456, 295}},
        {"empty layout", {600, 448}, {0, 0}, {16, 39}, {600, 448}},
        {"negative inputs count as none", {100, 100}, {-50, 200}, {-10, 10}, {100, 210}},
    };
    for (const auto& c : cases) {
        const Extent outer = OuterSizeHoldingLayout(c.asked, c.layout, c.frame);
        EXPECT_EQ(c.expected.width, outer.width) << c.what;
        EXPECT_EQ(c.expected.height, outer.height) << c.what;
    }
}

TEST(OuterSizeHoldingLayout, NeverOverflows)
{
    const Extent outer = OuterSizeHoldingLayout({10, 10}, {INT_MAX, INT_MAX - 5}, {40, 40});
    EXPECT_EQ(INT_MAX, outer.width);
    EXPECT_EQ(INT_MAX, outer.height);
}

// The maker (766 x 588 with a thicker frame) on a 1366 x 768 screen at 150 % (910 x 482 left
// over the taskbar) and other cases: the cut size and the bars that bring the rest into view.
TEST(FitInsideArea, CutsAWindowToTheAreaWithTheBarsItThenNeeds)
{
    const Extent bars{17, 17};
    const struct {
        const char* what;
        Extent outer;
        Extent area;
        OverflowFit expected;
    } cases[] = {
        {"fits", {760, 560}, {1024, 738}, {{760, 560}, false, false}},
        {"fits exactly", {1024, 738}, {1024, 738}, {{1024, 738}, false, false}},
        {"too tall, room for the bar beside", {766, 588}, {910, 482}, {{783, 482}, true, false}},
        {"too tall, the bar then makes it too wide", {900, 588}, {910, 482}, {{910, 482}, true, true}},
        {"too wide, the bar then makes it too tall", {1200, 470}, {1024, 482}, {{1024, 482}, true, true}},
        {"too wide only", {1200, 300}, {1024, 738}, {{1024, 317}, false, true}},
        {"too large both ways", {2000, 1500}, {1024, 738}, {{1024, 738}, true, true}},
        {"no area at all", {300, 200}, {0, 0}, {{0, 0}, true, true}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const OverflowFit fit = FitInsideArea(c.outer, c.area, bars);
        EXPECT_EQ(c.expected.outer.width, fit.outer.width);
        EXPECT_EQ(c.expected.outer.height, fit.outer.height);
        EXPECT_EQ(c.expected.vertical, fit.vertical);
        EXPECT_EQ(c.expected.horizontal, fit.horizontal);
    }
}

}  // namespace
}  // namespace rolva
