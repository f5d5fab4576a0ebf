#include "display/core/StripBand.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

namespace rolva {
namespace {

constexpr std::int32_t kDeep = 999 * 57;  // 56,943 rows
constexpr std::int32_t kView = 57;

HeldBand Band(std::int32_t top, std::int32_t rows) { return HeldBand{true, top, rows}; }

TEST(StripBand, StripsUpTo32767RowsStandWholeAtTheScrollOffset)
{
    EXPECT_FALSE(StripNeedsBands(32767));
    EXPECT_TRUE(StripNeedsBands(32768));
    for (std::int32_t offset : {0, -57, -19950, -32710, -56943, 120}) {
        const StripPlace place = PlaceStrip(400 * 50, 50, HeldBand{}, offset);
        EXPECT_EQ(offset, place.pictureY) << offset;
        EXPECT_EQ(0, place.bandTop);
        EXPECT_EQ(20000, place.bandRows);
        EXPECT_FALSE(place.rebase);
    }
    EXPECT_EQ(-32710, PlaceStrip(32767, 57, HeldBand{}, -32710).pictureY);
}

TEST(StripBand, BandRowsGrowWithTheViewAndStayWithinAWindowAndTheStrip)
{
    EXPECT_EQ(4096, BandRows(kDeep, 57));
    EXPECT_EQ(4096, BandRows(kDeep, 0));
    EXPECT_EQ(8000, BandRows(kDeep, 2000));
    EXPECT_EQ(32767, BandRows(kDeep, 20000));
    EXPECT_EQ(32767, BandRows(40000, 30000));
}

struct PlaceCase {
    const char* what;
    HeldBand held;
    std::int32_t offset;
    std::int32_t bandTop;
    std::int32_t pictureY;
    bool rebase;
};

TEST(StripBand, ChoosesTheBandAtAndAcrossItsEdges)
{
    const PlaceCase cases[] = {
        {"first frame, no band yet", HeldBand{}, 0, 0, 0, true},
        {"first frame, band at the top", Band(0, 4096), 0, 0, 0, false},
        {"last frame, no band yet", HeldBand{}, -56886, 52847, -4039, true},
        {"last rows of the band still in view", Band(0, 4096), -4039, 0, -4039, false},
        {"one row past the band's end, rolling down", Band(0, 4096), -4040, 3031, -1009, true},
        {"first rows of the band still in view", Band(30000, 4096), -30000, 30000, 0, false},
        {"one row above the band, rolling up", Band(30000, 4096), -29999, 26969, -3030, true},
        {"across 32,767 rows, rolling down", Band(29000, 4096), -33040, 32031, -1009, true},
        {"across 32,767 rows, rolling up", Band(32710, 4096), -32709, 29679, -3030, true},
        {"last frame, from a band far above", Band(51000, 4096), -56886, 52847, -4039, true},
        {"first frame, rolling up", Band(1000, 4096), -999, 0, -999, true},
        {"a jump from the top to deep rows", Band(0, 4096), -40000, 37981, -2019, true},
        {"a jump back to frame 0", Band(52847, 4096), 0, 0, 0, true},
        {"past the strip's end: the band stays, out of sight", Band(52847, 4096), -60000, 52847, -4096, false},
        {"past the strip's end with no band", HeldBand{}, -60000, 52847, -4096, true},
        {"partly past the end", Band(52847, 4096), -56900, 52847, -4053, false},
        {"above the strip's top, partly in view", Band(0, 4096), 20, 0, 20, false},
        {"above the strip's top, out of sight", Band(0, 4096), 100, 0, 57, false},
        {"a band of other rows (the frame's height changed)", Band(0, 5000), -100, 0, -100, true},
    };
    for (const PlaceCase& c : cases) {
        const StripPlace place = PlaceStrip(kDeep, kView, c.held, c.offset);
        EXPECT_EQ(c.bandTop, place.bandTop) << c.what;
        EXPECT_EQ(4096, place.bandRows) << c.what;
        EXPECT_EQ(c.pictureY, place.pictureY) << c.what;
        EXPECT_EQ(c.rebase, place.rebase) << c.what;
    }
}

TEST(StripBand, ExtremeOffsetsKeepThePictureJustOutsideTheFrame)
{
    EXPECT_EQ(-4096, PlaceStrip(kDeep, kView, Band(0, 4096), INT32_MIN).pictureY);
    EXPECT_EQ(57, PlaceStrip(kDeep, kView, Band(0, 4096), INT32_MAX).pictureY);
    EXPECT_FALSE(PlaceStrip(kDeep, 0, Band(0, 4096), -100).rebase) << "a frame of height 0 shows no row";
}

// A roll from the first frame to the last and back, one row per step, as the roll thread
// moves the strip: at every step the held band covers every row in view, the picture stands
// where those rows show at their own place, and the band is cut only now and then.
void RollThrough(std::int32_t frames, std::int32_t frameHeight)
{
    SCOPED_TRACE(frameHeight);
    const std::int32_t strip = frames * frameHeight;
    const std::int32_t last = -(frames - 1) * frameHeight;
    HeldBand held;
    int rebases = 0;
    auto step = [&](std::int32_t offset) {
        const StripPlace place = PlaceStrip(strip, frameHeight, held, offset);
        ASSERT_LE(place.bandTop, -offset) << offset;
        ASSERT_GE(place.bandTop + place.bandRows, -offset + frameHeight) << offset;
        ASSERT_EQ(place.bandTop + offset, place.pictureY) << offset;
        ASSERT_GE(place.pictureY, -32768);
        ASSERT_LE(place.bandRows, 32767);
        rebases += place.rebase ? 1 : 0;
        held = HeldBand{true, place.bandTop, place.bandRows};
    };
    for (std::int32_t offset = 0; offset >= last; --offset)
        step(offset);
    for (std::int32_t offset = last; offset <= 0; ++offset)
        step(offset);
    EXPECT_LE(rebases, strip / 1000) << "bands cut too often";
    EXPECT_GE(rebases, 2 * strip / 4096);
}

TEST(StripBand, RollsBothWaysThroughDeepStripsAlwaysShowTheirOwnRows)
{
    RollThrough(999, 57);
    RollThrough(700, 50);
    RollThrough(999, 50);
}

}  // namespace
}  // namespace rolva
