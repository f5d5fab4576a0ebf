#include "clip/core/ClipPixels.h"

#include <algorithm>
#include <array>

namespace rolva {

namespace {

constexpr std::uint32_t kRgbMask = 0xFFFFFF;

int Channel(std::uint32_t color, int channel) { return static_cast<int>((color >> (16 - 8 * channel)) & 0xFF); }

struct Weighted {
    std::uint32_t color;
    std::uint32_t count;
};

using Box = std::vector<Weighted>;

// The channel (0 red, 1 green, 2 blue) over which the box spreads widest, and that spread.
std::pair<int, int> WidestChannel(const Box& box)
{
    int best = 0, spread = -1;
    for (int c = 0; c < 3; ++c) {
        int low = 255, high = 0;
        for (const Weighted& w : box) {
            low = std::min(low, Channel(w.color, c));
            high = std::max(high, Channel(w.color, c));
        }
        if (high - low > spread) {
            spread = high - low;
            best = c;
        }
    }
    return {best, spread};
}

std::uint32_t Average(const Box& box)
{
    std::array<std::uint64_t, 3> sums{};
    std::uint64_t total = 0;
    for (const Weighted& w : box) {
        for (int c = 0; c < 3; ++c)
            sums[c] += std::uint64_t{w.count} * static_cast<std::uint64_t>(Channel(w.color, c));
        total += w.count;
    }
    std::uint32_t color = 0;
    for (int c = 0; c < 3; ++c)
        color |= static_cast<std::uint32_t>((sums[c] + total / 2) / total) << (16 - 8 * c);
    return color;
}

// Where to cut a box sorted along the channel so that the two halves spread least about their
// means (the smallest sum of squared deviations, weighted by pixel counts).
std::size_t BestCut(const Box& box, int channel)
{
    double count = 0, sum = 0, squares = 0;
    for (const Weighted& w : box) {
        const double v = Channel(w.color, channel);
        count += w.count;
        sum += w.count * v;
        squares += w.count * v * v;
    }
    double leftCount = 0, leftSum = 0, leftSquares = 0;
    double bestError = -1;
    std::size_t best = 1;
    for (std::size_t cut = 1; cut < box.size(); ++cut) {
        const double v = Channel(box[cut - 1].color, channel);
        leftCount += box[cut - 1].count;
        leftSum += box[cut - 1].count * v;
        leftSquares += box[cut - 1].count * v * v;
        const double rightCount = count - leftCount;
        const double error = (leftSquares - leftSum * leftSum / leftCount) +
                             (squares - leftSquares - (sum - leftSum) * (sum - leftSum) / rightCount);
        if (bestError < 0 || error < bestError) {
            bestError = error;
            best = cut;
        }
    }
    return best;
}

std::vector<std::uint32_t> MedianCut(Box all, std::size_t maxColors)
{
    std::vector<Box> boxes;
    boxes.push_back(std::move(all));
    while (boxes.size() < maxColors) {
        // Cut the box with the widest spread that still holds two colours.
        std::size_t chosen = boxes.size();
        int widest = -1, channel = 0;
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].size() < 2)
                continue;
            const auto [c, spread] = WidestChannel(boxes[i]);
            if (spread > widest) {
                widest = spread;
                channel = c;
                chosen = i;
            }
        }
        if (chosen == boxes.size())
            break;
        Box& box = boxes[chosen];
        std::sort(box.begin(), box.end(), [channel](const Weighted& a, const Weighted& b) {
            return Channel(a.color, channel) < Channel(b.color, channel);
        });
        const std::size_t cut = BestCut(box, channel);
        Box upper(box.begin() + static_cast<std::ptrdiff_t>(cut), box.end());
        box.resize(cut);
        boxes.push_back(std::move(upper));
    }
    std::vector<std::uint32_t> palette;
    for (const Box& box : boxes)
        palette.push_back(Average(box));
    return palette;
}

}  // namespace

void ColorTally::Add(const std::uint32_t* pixels, std::size_t count)
{
    // Runs of one colour are common in signs: count them without a lookup per pixel.
    std::size_t i = 0;
    while (i < count) {
        const std::uint32_t color = pixels[i] & kRgbMask;
        std::size_t run = 1;
        while (i + run < count && (pixels[i + run] & kRgbMask) == color)
            ++run;
        counts_[color] += static_cast<std::uint32_t>(run);
        i += run;
    }
}

std::vector<std::uint32_t> ColorTally::Palette(std::size_t maxColors) const
{
    maxColors = std::max<std::size_t>(maxColors, 1);
    if (counts_.empty())
        return {0};
    Box all;
    for (const auto& [color, count] : counts_)
        all.push_back({color, count});
    if (all.size() <= maxColors) {
        std::vector<std::uint32_t> palette;
        for (const Weighted& w : all)
            palette.push_back(w.color);
        std::sort(palette.begin(), palette.end());
        return palette;
    }
    // Cut in a fixed order, so the same pictures always give the same palette.
    std::sort(all.begin(), all.end(), [](const Weighted& a, const Weighted& b) { return a.color < b.color; });
    return MedianCut(std::move(all), maxColors);
}

PaletteIndexer::PaletteIndexer(std::vector<std::uint32_t> palette) : palette_(std::move(palette))
{
    if (palette_.empty())
        palette_.push_back(0);
    if (palette_.size() > 256)
        palette_.resize(256);
}

std::uint8_t PaletteIndexer::IndexOf(std::uint32_t color)
{
    color &= kRgbMask;
    const auto known = nearest_.find(color);
    if (known != nearest_.end())
        return known->second;
    std::size_t best = 0;
    long bestDistance = -1;
    for (std::size_t i = 0; i < palette_.size(); ++i) {
        long distance = 0;
        for (int c = 0; c < 3; ++c) {
            const long d = Channel(color, c) - Channel(palette_[i], c);
            distance += d * d;
        }
        if (bestDistance < 0 || distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    const std::uint8_t index = static_cast<std::uint8_t>(best);
    nearest_.emplace(color, index);
    return index;
}

void PaletteIndexer::Index(const std::uint32_t* pixels, const std::uint8_t* insideMask, std::uint8_t outsideIndex,
                           std::size_t count, std::uint8_t* out)
{
    std::uint32_t lastColor = 0;
    std::uint8_t lastIndex = IndexOf(0);
    for (std::size_t i = 0; i < count; ++i) {
        if (insideMask && !insideMask[i]) {
            out[i] = outsideIndex;
            continue;
        }
        const std::uint32_t color = pixels[i] & kRgbMask;
        if (color != lastColor) {
            lastColor = color;
            lastIndex = IndexOf(color);
        }
        out[i] = lastIndex;
    }
}

std::vector<std::uint8_t> ScalePixels(const std::vector<std::uint8_t>& pixels, int width, int height, int factor)
{
    if (factor <= 1)
        return pixels;
    const std::size_t outWidth = static_cast<std::size_t>(width) * static_cast<std::size_t>(factor);
    std::vector<std::uint8_t> out(outWidth * static_cast<std::size_t>(height) * static_cast<std::size_t>(factor));
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = &out[static_cast<std::size_t>(y) * static_cast<std::size_t>(factor) * outWidth];
        const std::uint8_t* source = &pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width)];
        for (int x = 0; x < width; ++x)
            std::fill_n(row + static_cast<std::size_t>(x) * static_cast<std::size_t>(factor), factor, source[x]);
        for (int copy = 1; copy < factor; ++copy)
            std::copy_n(row, outWidth, row + static_cast<std::size_t>(copy) * outWidth);
    }
    return out;
}

std::optional<PixelRect> ChangedRect(const std::vector<std::uint8_t>& before, const std::vector<std::uint8_t>& after,
                                     int width, int height)
{
    int left = width, right = -1, top = height, bottom = -1;
    for (int y = 0; y < height; ++y) {
        const std::size_t row = static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
        for (int x = 0; x < width; ++x) {
            if (before[row + static_cast<std::size_t>(x)] == after[row + static_cast<std::size_t>(x)])
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (right < 0)
        return std::nullopt;
    return PixelRect{left, top, right - left + 1, bottom - top + 1};
}

std::vector<std::uint8_t> CropPixels(const std::vector<std::uint8_t>& pixels, int width, PixelRect rect)
{
    std::vector<std::uint8_t> out;
    out.reserve(static_cast<std::size_t>(rect.width) * static_cast<std::size_t>(rect.height));
    for (int y = rect.top; y < rect.top + rect.height; ++y) {
        const auto row = pixels.begin() + static_cast<std::ptrdiff_t>(y) * width + rect.left;
        out.insert(out.end(), row, row + rect.width);
    }
    return out;
}

}  // namespace rolva
