#include "display/core/LedDotMask.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace rolva {
namespace {

constexpr std::uint32_t kRed = 0xFF0000;
constexpr std::uint32_t kGreen = 0x00FF00;
constexpr std::uint32_t kBlue = 0x0000FF;
constexpr std::uint32_t kPadding = 0xABCDEF;  // beyond the width, in the stride: never touched

struct Picture {
    int width, height, stride;
    std::vector<std::uint32_t> pixels;
    Picture(int w, int h, std::uint32_t fill, int padding = 0)
        : width(w), height(h), stride(w + padding), pixels(static_cast<size_t>(w + padding) * h, kPadding)
    {
        Fill(0, 0, w, h, fill);
    }
    std::uint32_t& At(int x, int y) { return pixels[static_cast<size_t>(y) * stride + x]; }
    void Fill(int left, int top, int right, int bottom, std::uint32_t colour)
    {
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                At(x, y) = colour;
    }
    void Apply(const LedDotMask& mask) { ApplyLedDotMask(pixels.data(), width, height, stride, mask); }
};

LedDotMask Mask(int pitch, bool round, std::uint32_t gap, bool glow)
{
    LedDotMask mask;
    mask.pitch = pitch;
    mask.round = round;
    mask.gap = gap;
    mask.glow = glow;
    return mask;
}

TEST(LedDotMask, SquareDotsOfASolidPictureAreItsColourWithTheGapBetweenThem)
{
    Picture picture(8, 8, kRed);
    picture.Apply(Mask(4, false, kBlue, false));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(x % 4 < 3 && y % 4 < 3 ? kRed : kBlue, picture.At(x, y)) << x << "," << y;
}

// One block of each shape drawn as rows, '#' for the dot and '.' for the gap.
TEST(LedDotMask, DotShapes)
{
    struct Case {
        int pitch;
        bool round;
        std::vector<std::string> rows;
    };
    const Case cases[] = {
        {2, false, {"#.", ".."}},
        {2, true, {"#.", ".."}},
        {4, false, {"###.", "###.", "###.", "...."}},
        {4, true, {".#..", "###.", ".#..", "...."}},
        {6, true, {"..#...", ".###..", "#####.", ".###..", "..#...", "......"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "pitch " << c.pitch << (c.round ? " round" : " square"));
        Picture picture(c.pitch, c.pitch, kRed);
        picture.Apply(Mask(c.pitch, c.round, kBlue, false));
        for (int y = 0; y < c.pitch; ++y)
            for (int x = 0; x < c.pitch; ++x)
                EXPECT_EQ(c.rows[y][x] == '#' ? kRed : kBlue, picture.At(x, y)) << x << "," << y;
    }
}

TEST(LedDotMask, RoundDotsLeaveTheBlockCornersToTheGap)
{
    Picture picture(16, 16, kRed);
    picture.Apply(Mask(8, true, kBlue, false));
    for (int top : {0, 8}) {
        for (int left : {0, 8}) {
            EXPECT_EQ(kBlue, picture.At(left, top));
            EXPECT_EQ(kBlue, picture.At(left + 6, top));
            EXPECT_EQ(kBlue, picture.At(left, top + 6));
            EXPECT_EQ(kBlue, picture.At(left + 6, top + 6));
            EXPECT_EQ(kRed, picture.At(left + 3, top + 3));
        }
    }
}

// Glow: a quarter of the way from the gap to the dot beside it, channel by channel, light only
// adding; gap pixels with no dot beside them keep the gap colour.
TEST(LedDotMask, GlowLightsTheGapBesideADot)
{
    struct Case {
        const char* name;
        int x, y;
        bool glow;
        std::uint32_t expected;
    };
    // Blocks of 4: red and green above, blue and black below; a grey gap.
    constexpr std::uint32_t kGrey = 0x202020;
    const Case cases[] = {
        {"between red above and blue below", 1, 3, true, 0x572057},  // 0x20 + (0xFF - 0x20) / 4 = 0x57
        {"between red and green", 3, 1, true, 0x575720},             // each channel from its brighter dot
        {"beside green at the right edge", 7, 1, true, 0x205720},
        {"below blue at the bottom edge", 1, 7, true, 0x202057},
        {"beside a black dot only", 5, 7, true, kGrey},             // black takes no light away
        {"a block's corner touches no dot", 3, 3, true, kGrey},
        {"between red and blue without glow", 1, 3, false, kGrey},
        {"between red and green without glow", 3, 1, false, kGrey},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Picture picture(8, 8, 0x000000);
        picture.Fill(0, 0, 4, 4, kRed);
        picture.Fill(4, 0, 8, 4, kGreen);
        picture.Fill(0, 4, 4, 8, kBlue);
        picture.Apply(Mask(4, false, kGrey, c.glow));
        EXPECT_EQ(c.expected, picture.At(c.x, c.y));
        EXPECT_EQ(kRed, picture.At(2, 2));  // the dots themselves take no glow
        EXPECT_EQ(kBlue, picture.At(1, 5));
        EXPECT_EQ(0u, picture.At(6, 6));
    }
}

TEST(LedDotMask, ADotShowsItsBlocksAverageColourAtItsOwnBrightness)
{
    struct Case {
        const char* name;
        std::uint32_t first, second;  // the block's left and right halves
        std::uint32_t dot;
    };
    const Case cases[] = {
        {"two colours", kRed, kBlue, 0x7F007F},
        {"a dim grey stays dim", 0x404040, 0x404040, 0x404040},
        {"dark and light", 0x000000, 0x64C8FA, 0x32647D},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Picture picture(4, 4, c.first);
        picture.Fill(2, 0, 4, 4, c.second);
        picture.Apply(Mask(4, false, 0, false));
        EXPECT_EQ(c.dot, picture.At(0, 0));
        EXPECT_EQ(c.dot, picture.At(2, 2));
    }
}

TEST(LedDotMask, BlocksCutByTheEdgesAverageTheirOwnPixelsAndKeepThePattern)
{
    // Blocks of 3 on 5 x 5: the last column and row are blocks 2 pixels wide or deep.
    Picture picture(5, 5, 0xFFFFFF, 2);
    picture.Fill(4, 0, 5, 5, 0x000000);  // the right part blocks are half white, half black
    picture.Apply(Mask(3, false, kBlue, false));
    const std::uint32_t half = 0x7F7F7F;
    const char* rows[] = {"WW.HH", "WW.HH", ".....", "WW.HH", "WW.HH"};
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 5; ++x) {
            const char c = rows[y][x];
            EXPECT_EQ(c == 'W' ? 0xFFFFFFu : c == 'H' ? half : kBlue, picture.At(x, y)) << x << "," << y;
        }
        EXPECT_EQ(kPadding, picture.At(5, y));
        EXPECT_EQ(kPadding, picture.At(6, y));
    }
}

TEST(LedDotMask, PitchOutsideItsRange)
{
    for (int pitch : {1, 0, -3}) {
        SCOPED_TRACE(pitch);
        Picture picture(5, 5, 0x123456);
        picture.At(2, 2) = kRed;
        const std::vector<std::uint32_t> before = picture.pixels;
        picture.Apply(Mask(pitch, true, kBlue, true));
        EXPECT_EQ(before, picture.pixels);
    }

    Picture large(40, 40, kRed), sixteen(40, 40, kRed);
    large.Fill(20, 5, 40, 40, kGreen);
    sixteen.Fill(20, 5, 40, 40, kGreen);
    large.Apply(Mask(40, true, kBlue, true));
    sixteen.Apply(Mask(kMaxDotPitch, true, kBlue, true));
    EXPECT_EQ(sixteen.pixels, large.pixels);
}

TEST(LedDotMask, ALightRuleColoursEachDotFromItsBlock)
{
    LedDotMask mask = Mask(2, false, 0, false);
    mask.light = [](const BlockAverage& block) -> std::uint32_t {
        return block.brightness >= 0x80 ? 0xFFFFFF : 0x000001;  // each pixel's brightest channel
    };
    Picture picture(4, 2, 0x0000FF);  // bright blue: its red and green average low
    picture.Fill(2, 0, 4, 2, 0x000040);
    picture.Apply(mask);
    EXPECT_EQ(0xFFFFFFu, picture.At(0, 0));
    EXPECT_EQ(0x000001u, picture.At(2, 0));
}

TEST(LedDotMask, ASignsLiveLookGivesItsMask)
{
    SignLiveLook look;
    look.dotPitch = 5;
    look.roundDots = false;
    look.gapColour = 0x123456;
    look.glow = false;
    const LedDotMask mask = DotMaskOf(look);
    EXPECT_EQ(5, mask.pitch);
    EXPECT_FALSE(mask.round);
    EXPECT_EQ(0x123456u, mask.gap);
    EXPECT_FALSE(mask.glow);
    EXPECT_EQ(nullptr, mask.light);  // a sign shows the picture's own colours

    const LedDotMask fresh = DotMaskOf(SignLiveLook());
    EXPECT_EQ(LedDotMask().pitch, fresh.pitch);
    EXPECT_TRUE(fresh.round);
    EXPECT_EQ(LedDotMask().gap, fresh.gap);
    EXPECT_TRUE(fresh.glow);
}

}  // namespace
}  // namespace rolva
