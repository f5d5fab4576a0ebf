#include "display/core/HiMetric.h"

#include <gtest/gtest.h>

#include <limits>

namespace rolva {
namespace {

struct HiMetricCase {
    std::int32_t hiMetric;
    std::int32_t dpi;
    std::int32_t pixels;
};

TEST(HiMetricToPixels, RoundsToNearestPixelAtCommonResolutions)
{
    const HiMetricCase cases[] = {
        {0, 96, 0},
        {3254, 96, 123},     // a 123-pixel bitmap stored at 96 dpi comes back as 123
        {1508, 96, 57},
        {2540, 96, 96},      // one inch
        {2540, 120, 120},
        {13, 96, 0},         // 0.49 px
        {14, 96, 1},         // 0.53 px
        {-14, 96, -1},       // halves and up round away from zero on both sides
        {-2540, 96, -96},
        {1270, 1, 1},        // exact halves: 0.5, 1.5 and 2.5 px round away from zero, not to even
        {3810, 1, 2},
        {6350, 1, 3},
        {-1270, 1, -1},
        {-3810, 1, -2},
        {10, 127, 1},
        {1269, 1, 0},        // just under a half
    };
    for (const HiMetricCase& c : cases)
        EXPECT_EQ(c.pixels, HiMetricToPixels(c.hiMetric, c.dpi)) << c.hiMetric << " at " << c.dpi;
}

TEST(HiMetricToPixels, SaturatesInsteadOfOverflowing)
{
    const std::int32_t big = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ(big, HiMetricToPixels(big, 4800));
    EXPECT_EQ(std::numeric_limits<std::int32_t>::min(), HiMetricToPixels(-big, 4800));
}

}  // namespace
}  // namespace rolva
