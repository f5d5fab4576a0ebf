// The pixels of a clip between drawing and encoding: a palette of at most 256 colours for the
// whole clip (every colour kept where there are that few, boxes of colours cut otherwise), pictures
// turned into palette indexes, scaled up by whole factors, and the rectangle in which a picture
// differs from the one before, so that only that part is written. Colours are 0x00RRGGBB (the
// byte order of a 32-bit DIB); the top byte is ignored.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

namespace rolva {

class ColorTally {
public:
    void Add(const std::uint32_t* pixels, std::size_t count);
    std::size_t DistinctColors() const { return counts_.size(); }
    // Every colour counted when they are maxColors or fewer (in ascending order), otherwise the
    // weighted means of maxColors boxes, each cut along its widest channel where its two halves
    // spread least. One colour (black) at least.
    std::vector<std::uint32_t> Palette(std::size_t maxColors) const;

private:
    std::unordered_map<std::uint32_t, std::uint32_t> counts_;  // colour -> pixels of it
};

class PaletteIndexer {
public:
    explicit PaletteIndexer(std::vector<std::uint32_t> palette);
    // The nearest palette entry (squared distance in RGB), remembered for the next time.
    std::uint8_t IndexOf(std::uint32_t color);
    // insideMask (nullable): pixels where it is 0 get outsideIndex instead of their colour.
    void Index(const std::uint32_t* pixels, const std::uint8_t* insideMask, std::uint8_t outsideIndex,
               std::size_t count, std::uint8_t* out);

private:
    std::vector<std::uint32_t> palette_;
    std::unordered_map<std::uint32_t, std::uint8_t> nearest_;
};

// Each pixel becomes a factor x factor block (factor 1 or more).
std::vector<std::uint8_t> ScalePixels(const std::vector<std::uint8_t>& pixels, int width, int height, int factor);

struct PixelRect {
    int left = 0, top = 0, width = 0, height = 0;
    bool operator==(const PixelRect& o) const
    {
        return left == o.left && top == o.top && width == o.width && height == o.height;
    }
};

// The smallest rectangle holding every pixel that differs; none when the pictures are equal.
std::optional<PixelRect> ChangedRect(const std::vector<std::uint8_t>& before, const std::vector<std::uint8_t>& after,
                                     int width, int height);

// The pixels of rect, row by row.
std::vector<std::uint8_t> CropPixels(const std::vector<std::uint8_t>& pixels, int width, PixelRect rect);

}  // namespace rolva
