#include "maker/core/LedDots.h"

#include <algorithm>

namespace rolva {

namespace {

// A block is lit when its brightest channel, averaged over the block, passes this.
constexpr std::uint32_t kLitThreshold = 96;

bool InsideDot(int x, int y, int pitch, bool round)
{
    const int dot = pitch - 1;  // the last column and row of a block stay dark
    if (x >= dot || y >= dot)
        return false;
    if (!round)
        return true;
    // Distances in half pixels from the dot's centre, against three quarters of its diameter
    // squared: small dots lose their corners, larger ones become discs.
    const int dx = 2 * x + 1 - dot;
    const int dy = 2 * y + 1 - dot;
    return 4 * (dx * dx + dy * dy) < 3 * dot * dot;
}

Rgb LitColour(std::uint32_t r, std::uint32_t g, std::uint32_t b, bool orange)
{
    if (orange)
        return kLedOrange;
    // Full colour at full brightness: a lamp is either lit or dark.
    const std::uint32_t top = std::max({r, g, b, 1u});
    return ((r * 255 / top) << 16) | ((g * 255 / top) << 8) | (b * 255 / top);
}

}  // namespace

void ApplyLedDots(std::uint32_t* pixels, int width, int height, int stride, LedLook look, int pitch)
{
    if (look == LedLook::None || pitch < 2 || width < 1 || height < 1)
        return;
    const bool round = look == LedLook::RoundOrange || look == LedLook::RoundColour;
    const bool orange = look == LedLook::RoundOrange || look == LedLook::SquareOrange;
    for (int top = 0; top < height; top += pitch) {
        const int bottom = std::min(height, top + pitch);
        for (int left = 0; left < width; left += pitch) {
            const int right = std::min(width, left + pitch);
            std::uint32_t r = 0, g = 0, b = 0, brightest = 0;
            for (int y = top; y < bottom; ++y) {
                for (int x = left; x < right; ++x) {
                    const std::uint32_t p = pixels[static_cast<std::size_t>(y) * stride + x];
                    const std::uint32_t pr = (p >> 16) & 0xFF, pg = (p >> 8) & 0xFF, pb = p & 0xFF;
                    r += pr;
                    g += pg;
                    b += pb;
                    brightest += std::max({pr, pg, pb});
                }
            }
            const auto count = static_cast<std::uint32_t>((bottom - top) * (right - left));
            const bool lit = brightest / count >= kLitThreshold;
            const Rgb colour = lit ? LitColour(r / count, g / count, b / count, orange) : 0;
            for (int y = top; y < bottom; ++y) {
                for (int x = left; x < right; ++x) {
                    const bool on = lit && InsideDot(x - left, y - top, pitch, round);
                    pixels[static_cast<std::size_t>(y) * stride + x] = on ? colour : 0;
                }
            }
        }
    }
}

}  // namespace rolva
