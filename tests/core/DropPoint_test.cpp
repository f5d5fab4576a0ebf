#include "app/core/DropPoint.h"

#include <gtest/gtest.h>

namespace rolva {
namespace {

std::uint32_t Pack(int x, int y)
{
    return (static_cast<std::uint32_t>(static_cast<std::uint16_t>(y)) << 16) | static_cast<std::uint16_t>(x);
}

TEST(UnpackMessagePos, ReadsEachHalfAsASignedNumber)
{
    const struct {
        std::uint32_t packed;
        int x, y;
    } cases[] = {
        {0x00000000u, 0, 0},           {0x02580320u, 800, 600},    {0xFFFFFFFFu, -1, -1},
        {0x0064FF38u, -200, 100},      {0xFF380064u, 100, -200},   {0x7FFF8000u, -32768, 32767},
    };
    for (const auto& c : cases) {
        const DropPoint p = UnpackMessagePos(c.packed);
        EXPECT_EQ(c.x, p.x) << std::hex << c.packed;
        EXPECT_EQ(c.y, p.y) << std::hex << c.packed;
    }
}

// Two signs side by side on a Form whose client area starts at (300, 200) on the screen, with
// another child (a list) in front of part of sign 1.
TEST(SignUnderDrop, TakesTheTopmostVisibleChildAtTheMessagePosition)
{
    const DropPoint origin{300, 200};
    const std::vector<DropChild> children{
        {150, 40, 170, 60, true, -1},  // the list, above the signs
        {10, 10, 110, 60, true, 0},
        {120, 10, 220, 60, true, 1},
    };
    const struct {
        int clientX, clientY;
        int sign;
    } cases[] = {
        {10, 10, 0},    {109, 59, 0},   {60, 35, 0},   // sign 0's first and last pixels, its middle
        {110, 35, -1},  {119, 35, -1},                 // the gap between them
        {120, 10, 1},   {219, 59, 1},   {200, 20, 1},
        {220, 35, -1},  {60, 60, -1},   {60, 9, -1},   // just past the edges
        {160, 50, -1},                                 // the list in front of sign 1
        {160, 30, 1},
        {5, 280, -1},                                  // the bare Form
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.sign, SignUnderDrop(Pack(origin.x + c.clientX, origin.y + c.clientY), origin, 400, 300, children))
            << c.clientX << "," << c.clientY;
    }
}

TEST(SignUnderDrop, OverlappingSignsAndHiddenOnes)
{
    const DropPoint origin{0, 0};
    // Sign 1 moved over sign 0's right half; sign 0 lies above it in the z-order.
    const std::vector<DropChild> zeroOnTop{{10, 10, 110, 60, true, 0}, {60, 30, 160, 80, true, 1}};
    EXPECT_EQ(0, SignUnderDrop(Pack(80, 40), origin, 400, 300, zeroOnTop));
    EXPECT_EQ(1, SignUnderDrop(Pack(120, 40), origin, 400, 300, zeroOnTop));
    EXPECT_EQ(1, SignUnderDrop(Pack(80, 70), origin, 400, 300, zeroOnTop));
    const std::vector<DropChild> oneOnTop{zeroOnTop[1], zeroOnTop[0]};
    EXPECT_EQ(1, SignUnderDrop(Pack(80, 40), origin, 400, 300, oneOnTop));
    EXPECT_EQ(0, SignUnderDrop(Pack(40, 20), origin, 400, 300, oneOnTop));
    // A hidden sign neither takes the drop nor covers the one under it.
    std::vector<DropChild> zeroHidden = zeroOnTop;
    zeroHidden[0].visible = false;
    EXPECT_EQ(1, SignUnderDrop(Pack(80, 40), origin, 400, 300, zeroHidden));
    EXPECT_EQ(-1, SignUnderDrop(Pack(40, 20), origin, 400, 300, zeroHidden));
}

// A frame may reach past the Form's client area, and the Form may sit on a screen left of and
// above the main one.
TEST(SignUnderDrop, OnlyInsideTheClientAreaWhereverTheFormIs)
{
    const std::vector<DropChild> children{{-20, -20, 100, 50, true, 0}, {300, 250, 500, 400, true, 1}};
    const DropPoint origin{-1000, -700};
    const struct {
        int clientX, clientY;
        int sign;
    } cases[] = {
        {0, 0, 0}, {-1, 10, -1}, {10, -1, -1}, {99, 49, 0}, {399, 299, 1}, {400, 260, -1}, {350, 300, -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.sign, SignUnderDrop(Pack(origin.x + c.clientX, origin.y + c.clientY), origin, 400, 300, children))
            << c.clientX << "," << c.clientY;
    }
}

}  // namespace
}  // namespace rolva
