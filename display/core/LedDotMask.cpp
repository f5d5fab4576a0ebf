#include "display/core/LedDotMask.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace rolva {

namespace {

// Which pixels of a block belong to its dot: bit x of rows[y].
struct DotRows {
    std::uint16_t rows[kMaxDotPitch];
};

constexpr DotRows MakeDotRows(int pitch, bool round)
{
    DotRows shape{};
    const int dot = pitch - 1;  // the last column and row of a block are gap
    for (int y = 0; y < dot; ++y) {
        for (int x = 0; x < dot; ++x) {
            // Distances in half pixels from the dot's centre, against three quarters of its
            // diameter squared: small dots lose their corners, larger ones become discs.
            const int dx = 2 * x + 1 - dot;
            const int dy = 2 * y + 1 - dot;
            if (!round || 4 * (dx * dx + dy * dy) < 3 * dot * dot)
                shape.rows[y] = static_cast<std::uint16_t>(shape.rows[y] | (1u << x));
        }
    }
    return shape;
}

struct DotShapes {
    DotRows square[kMaxDotPitch + 1];
    DotRows round[kMaxDotPitch + 1];
};

constexpr DotShapes MakeDotShapes()
{
    DotShapes shapes{};
    for (int pitch = kMinDotPitch; pitch <= kMaxDotPitch; ++pitch) {
        shapes.square[pitch] = MakeDotRows(pitch, false);
        shapes.round[pitch] = MakeDotRows(pitch, true);
    }
    return shapes;
}

constexpr DotShapes kDotShapes = MakeDotShapes();

std::uint32_t AverageColour(const BlockAverage& block)
{
    return (block.red << 16) | (block.green << 8) | block.blue;
}

// One dot colour per block, row by row of blocks.
std::vector<std::uint32_t> DotColours(const std::uint32_t* pixels, int width, int height, int stride, int pitch,
                                      DotLight light)
{
    const int across = (width + pitch - 1) / pitch;
    const int down = (height + pitch - 1) / pitch;
    std::vector<std::uint32_t> colours(static_cast<std::size_t>(across) * down);
    std::vector<BlockAverage> sums(static_cast<std::size_t>(across));
    for (int by = 0; by < down; ++by) {
        const int top = by * pitch;
        const int bottom = std::min(height, top + pitch);
        std::fill(sums.begin(), sums.end(), BlockAverage());
        for (int y = top; y < bottom; ++y) {
            const std::uint32_t* row = pixels + static_cast<std::size_t>(y) * stride;
            for (int bx = 0, left = 0; bx < across; ++bx, left += pitch) {
                BlockAverage& sum = sums[static_cast<std::size_t>(bx)];
                const int right = std::min(width, left + pitch);
                for (int x = left; x < right; ++x) {
                    const std::uint32_t r = (row[x] >> 16) & 0xFF, g = (row[x] >> 8) & 0xFF, b = row[x] & 0xFF;
                    sum.red += r;
                    sum.green += g;
                    sum.blue += b;
                    sum.brightness += std::max({r, g, b});
                }
            }
        }
        for (int bx = 0, left = 0; bx < across; ++bx, left += pitch) {
            BlockAverage& block = sums[static_cast<std::size_t>(bx)];
            const auto count = static_cast<std::uint32_t>((bottom - top) * (std::min(width, left + pitch) - left));
            block.red /= count;
            block.green /= count;
            block.blue /= count;
            block.brightness /= count;
            colours[static_cast<std::size_t>(by) * across + bx] = light ? light(block) : AverageColour(block);
        }
    }
    return colours;
}

std::uint32_t BrighterChannels(std::uint32_t a, std::uint32_t b)
{
    return std::max(a & 0xFF0000, b & 0xFF0000) | std::max(a & 0x00FF00, b & 0x00FF00) |
           std::max(a & 0x0000FF, b & 0x0000FF);
}

// A quarter of the way from the gap to lit, where lit is at least the gap in every channel.
std::uint32_t Halo(std::uint32_t gap, std::uint32_t lit)
{
    std::uint32_t halo = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const std::uint32_t g = (gap >> shift) & 0xFF;
        halo |= (g + ((((lit >> shift) & 0xFF) - g) >> 2)) << shift;
    }
    return halo;
}

// The picture's size, its blocks and their dot colours.
struct MaskedPicture {
    int width, height, pitch;
    const DotRows& shape;
    const std::vector<std::uint32_t>& dots;
    int across;

    std::uint32_t Dot(int bx, int by) const { return dots[static_cast<std::size_t>(by) * across + bx]; }
    bool IsDot(int ox, int oy) const { return (shape.rows[oy] >> ox) & 1u; }

    // The glow on the gap pixel at offset (ox, oy) of block (bx, by). A block's last column and
    // row are never dot, so only the dots of its own block and of the blocks to its right and
    // below can touch it.
    std::uint32_t GlowAt(int bx, int by, int ox, int oy, std::uint32_t gap) const
    {
        const int x = bx * pitch + ox, y = by * pitch + oy;
        std::uint32_t lit = gap;
        if (ox > 0 && IsDot(ox - 1, oy))
            lit = BrighterChannels(lit, Dot(bx, by));
        if (oy > 0 && IsDot(ox, oy - 1))
            lit = BrighterChannels(lit, Dot(bx, by));
        if (x + 1 < width) {
            const bool next = ox + 1 == pitch;
            if (IsDot(next ? 0 : ox + 1, oy))
                lit = BrighterChannels(lit, Dot(next ? bx + 1 : bx, by));
        }
        if (y + 1 < height) {
            const bool next = oy + 1 == pitch;
            if (IsDot(ox, next ? 0 : oy + 1))
                lit = BrighterChannels(lit, Dot(bx, next ? by + 1 : by));
        }
        return Halo(gap, lit);
    }
};

}  // namespace

LedDotMask DotMaskOf(const SignLiveLook& look)
{
    LedDotMask mask;
    mask.pitch = look.dotPitch;
    mask.round = look.roundDots;
    mask.gap = look.gapColour;
    mask.glow = look.glow;
    return mask;
}

void ApplyLedDotMask(std::uint32_t* pixels, int width, int height, int stride, const LedDotMask& mask)
{
    if (mask.pitch < kMinDotPitch || width < 1 || height < 1)
        return;
    const int pitch = std::min(mask.pitch, kMaxDotPitch);
    const std::vector<std::uint32_t> dots = DotColours(pixels, width, height, stride, pitch, mask.light);
    const MaskedPicture picture{width,
                                height,
                                pitch,
                                mask.round ? kDotShapes.round[pitch] : kDotShapes.square[pitch],
                                dots,
                                (width + pitch - 1) / pitch};
    const std::uint32_t gap = mask.gap & 0xFFFFFF;
    for (int by = 0, top = 0; top < height; ++by, top += pitch) {
        for (int oy = 0; oy < pitch && top + oy < height; ++oy) {
            std::uint32_t* row = pixels + static_cast<std::size_t>(top + oy) * stride;
            for (int bx = 0, left = 0; left < width; ++bx, left += pitch) {
                const std::uint32_t dot = picture.Dot(bx, by);
                const int end = std::min(pitch, width - left);
                for (int ox = 0; ox < end; ++ox) {
                    if (picture.IsDot(ox, oy))
                        row[left + ox] = dot;
                    else
                        row[left + ox] = mask.glow ? picture.GlowAt(bx, by, ox, oy, gap) : gap;
                }
            }
        }
    }
}

}  // namespace rolva
