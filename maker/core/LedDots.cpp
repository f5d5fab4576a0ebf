#include "maker/core/LedDots.h"

#include <algorithm>

#include "display/core/LedDotMask.h"

namespace rolva {

namespace {

// A block is lit when its brightest channel, averaged over the block, passes this.
constexpr std::uint32_t kLitThreshold = 96;

Rgb OrangeLamp(const BlockAverage& block)
{
    return block.brightness >= kLitThreshold ? kLedOrange : 0;
}

// Full colour at full brightness: a lamp is either lit or dark.
Rgb FullColourLamp(const BlockAverage& block)
{
    if (block.brightness < kLitThreshold)
        return 0;
    const std::uint32_t top = std::max({block.red, block.green, block.blue, 1u});
    return ((block.red * 255 / top) << 16) | ((block.green * 255 / top) << 8) | (block.blue * 255 / top);
}

}  // namespace

void ApplyLedDots(std::uint32_t* pixels, int width, int height, int stride, LedLook look, int pitch)
{
    if (look == LedLook::None)
        return;
    LedDotMask mask;
    mask.pitch = pitch;
    mask.round = look == LedLook::RoundOrange || look == LedLook::RoundColour;
    mask.gap = 0;
    mask.glow = false;
    const bool orange = look == LedLook::RoundOrange || look == LedLook::SquareOrange;
    mask.light = orange ? OrangeLamp : FullColourLamp;
    ApplyLedDotMask(pixels, width, height, stride, mask);
}

}  // namespace rolva
