// The LED look of a drawn frame: every block of pitch x pitch pixels becomes one dot on black,
// lit when the block is bright, in orange or in the block's own colour, round or square. The
// dot leaves a dark gap on the right and bottom of its block, as between real LEDs. The dots are
// the sign's dot mask (display/core/LedDotMask.h) on a black gap without glow, lit as lamps.
#pragma once

#include <cstdint>

#include "maker/core/MakerStyle.h"

namespace rolva {

constexpr Rgb kLedOrange = 0xFF8C00;

// pixels holds width x height values 0x00RRGGBB, top row first, rows of stride values.
// Nothing changes for LedLook::None or a pitch below 2; a pitch above 16 is taken as 16.
void ApplyLedDots(std::uint32_t* pixels, int width, int height, int stride, LedLook look, int pitch);

}  // namespace rolva
