#include "maker/core/LedDots.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace rolva {
namespace {

struct Picture {
    int width, height;
    std::vector<std::uint32_t> pixels;
    Picture(int w, int h, std::uint32_t fill) : width(w), height(h), pixels(static_cast<size_t>(w) * h, fill) {}
    std::uint32_t& At(int x, int y) { return pixels[static_cast<size_t>(y) * width + x]; }
    void Apply(LedLook look, int pitch) { ApplyLedDots(pixels.data(), width, height, width, look, pitch); }
};

TEST(LedDots, ABrightBlockBecomesADotWithADarkGapAndADarkBlockStaysDark)
{
    Picture picture(8, 4, 0x000000);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            picture.At(x, y) = 0xFFFFFF;  // the left block lit, the right one dark
    picture.Apply(LedLook::SquareOrange, 4);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(kLedOrange, picture.At(x, y)) << x << "," << y;
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(0u, picture.At(3, i));  // the gap column and row
        EXPECT_EQ(0u, picture.At(i, 3));
    }
    for (int y = 0; y < 4; ++y)
        for (int x = 4; x < 8; ++x)
            EXPECT_EQ(0u, picture.At(x, y));
}

TEST(LedDots, RoundDotsLoseTheirCornersAndColourDotsKeepTheHue)
{
    Picture round(6, 6, 0xFFFFFF);
    round.Apply(LedLook::RoundOrange, 6);
    EXPECT_EQ(0u, round.At(0, 0));
    EXPECT_EQ(0u, round.At(4, 0));
    EXPECT_EQ(kLedOrange, round.At(2, 2));
    EXPECT_EQ(kLedOrange, round.At(2, 0));

    Picture green(4, 4, 0x008000);  // a dim green lights as full green
    green.Apply(LedLook::SquareColour, 4);
    EXPECT_EQ(0x00FF00u, green.At(1, 1));
}

TEST(LedDots, LeavesThePictureAloneWithoutALookAndHandlesPartBlocksAtTheEdges)
{
    Picture plain(5, 5, 0x123456);
    plain.Apply(LedLook::None, 3);
    EXPECT_EQ(0x123456u, plain.At(4, 4));
    plain.Apply(LedLook::SquareOrange, 1);
    EXPECT_EQ(0x123456u, plain.At(4, 4));

    Picture edges(5, 5, 0xFFFFFF);  // blocks of 3: the last column and row are part blocks
    edges.Apply(LedLook::SquareOrange, 3);
    EXPECT_EQ(kLedOrange, edges.At(3, 3));
    EXPECT_EQ(kLedOrange, edges.At(4, 4));
}

}  // namespace
}  // namespace rolva
