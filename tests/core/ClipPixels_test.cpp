#include "clip/core/ClipPixels.h"

#include <gtest/gtest.h>

#include <vector>

namespace rolva {
namespace {

TEST(ClipPixels, PaletteKeepsFewColoursExactly)
{
    ColorTally tally;
    const std::uint32_t pixels[] = {0xFF102030, 0x00102030, 0x00FF8000, 0x00000000, 0x00FF8000};
    tally.Add(pixels, 5);
    EXPECT_EQ(3u, tally.DistinctColors());  // the top byte is no part of the colour
    EXPECT_EQ((std::vector<std::uint32_t>{0x000000, 0x102030, 0xFF8000}), tally.Palette(256));
    EXPECT_EQ((std::vector<std::uint32_t>{0}), ColorTally().Palette(256));
}

TEST(ClipPixels, MedianCutAveragesEachCluster)
{
    // Two clusters of reds and of blues; cut into two, each gives its weighted mean.
    ColorTally tally;
    const std::uint32_t pixels[] = {0xF00000, 0xF00000, 0xF00000, 0xFC0000, 0x0000F0, 0x0000FA};
    tally.Add(pixels, 6);
    std::vector<std::uint32_t> palette = tally.Palette(2);
    std::sort(palette.begin(), palette.end());
    EXPECT_EQ((std::vector<std::uint32_t>{0x0000F5, 0xF30000}), palette);
}

TEST(ClipPixels, IndexesToTheNearestColourAndMasksTheOutside)
{
    PaletteIndexer indexer({0x000000, 0xFFFFFF, 0xFF8000});
    const std::uint32_t pixels[] = {0x101010, 0xF0F0F0, 0xEE7711, 0xFF8000, 0x000000};
    const std::uint8_t inside[] = {1, 1, 1, 0, 1};
    std::uint8_t out[5] = {};
    indexer.Index(pixels, nullptr, 9, 5, out);
    EXPECT_EQ((std::vector<std::uint8_t>{0, 1, 2, 2, 0}), std::vector<std::uint8_t>(out, out + 5));
    indexer.Index(pixels, inside, 9, 5, out);
    EXPECT_EQ((std::vector<std::uint8_t>{0, 1, 2, 9, 0}), std::vector<std::uint8_t>(out, out + 5));
}

TEST(ClipPixels, ScalesByWholeFactors)
{
    const std::vector<std::uint8_t> pixels = {1, 2, 3, 4, 5, 6};  // 3 x 2
    EXPECT_EQ(pixels, ScalePixels(pixels, 3, 2, 1));
    EXPECT_EQ((std::vector<std::uint8_t>{1, 1, 2, 2, 3, 3, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 4, 4, 5, 5, 6, 6}),
              ScalePixels(pixels, 3, 2, 2));
}

TEST(ClipPixels, ChangedRectAndCrop)
{
    // 4 x 3
    const std::vector<std::uint8_t> before = {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_FALSE(ChangedRect(before, before, 4, 3).has_value());
    std::vector<std::uint8_t> after = before;
    after[1 * 4 + 1] = 7;
    after[2 * 4 + 2] = 8;
    const auto rect = ChangedRect(before, after, 4, 3);
    ASSERT_TRUE(rect.has_value());
    EXPECT_EQ((PixelRect{1, 1, 2, 2}), *rect);
    EXPECT_EQ((std::vector<std::uint8_t>{7, 0, 0, 8}), CropPixels(after, 4, *rect));
    after[0] = 1;
    after[11] = 1;
    EXPECT_EQ((PixelRect{0, 0, 4, 3}), *ChangedRect(before, after, 4, 3));
}

}  // namespace
}  // namespace rolva
