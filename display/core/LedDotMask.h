// A picture seen through a board of LEDs. The picture is cut into blocks of pitch x pitch pixels
// from its top-left corner; each block becomes one dot lit by the block's pixels. The dot covers
// the block's top-left (pitch - 1) x (pitch - 1) pixels, or the disc inside them; the block's last
// column and row, and the disc's corners, show the gap colour between the LEDs. Blocks cut off by
// the right or bottom edge keep the same pattern, cut off.
//
// Glow: a gap pixel beside a dot (left, right, above or below it, in its own block or the next)
// takes a quarter of the way from the gap colour to the dot's colour, channel by channel. Light
// only adds: a channel where the dot is darker than the gap stays at the gap's value, and beside
// two dots each channel takes the brighter one.
#pragma once

#include <cstdint>

#include "document/core/SceneLiveLook.h"

namespace rolva {

// The averages of one block's pixels, each 0..255 (rounded down).
struct BlockAverage {
    std::uint32_t red = 0;
    std::uint32_t green = 0;
    std::uint32_t blue = 0;
    std::uint32_t brightness = 0;  // each pixel's brightest channel, averaged
};

// The colour (0x00RRGGBB) a block's dot is lit in, from the block's averages.
using DotLight = std::uint32_t (*)(const BlockAverage& block);

struct LedDotMask {
    int pitch = kDefaultDotPitch;           // pixels per dot, kMinDotPitch..kMaxDotPitch
    bool round = true;                      // a disc, or the whole (pitch - 1) square
    std::uint32_t gap = kDefaultGapColour;  // 0x00RRGGBB between the dots
    bool glow = true;                       // the dots' halo on the gap around them
    DotLight light = nullptr;               // none: the block's average colour, its brightness kept
};

// The mask a sign's live look asks for (whether the look is on is the caller's question).
LedDotMask DotMaskOf(const SignLiveLook& look);

// pixels holds width x height values 0x00RRGGBB, top row first, rows of stride values; they are
// replaced by the masked picture. Nothing changes for a pitch below kMinDotPitch; a pitch above
// kMaxDotPitch is taken as kMaxDotPitch.
void ApplyLedDotMask(std::uint32_t* pixels, int width, int height, int stride, const LedDotMask& mask);

}  // namespace rolva
