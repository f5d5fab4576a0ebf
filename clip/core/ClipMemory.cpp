#include "clip/core/ClipMemory.h"

#include <algorithm>

namespace rolva {

namespace {

// At the end of the export the GIF is held in the encoder's memory stream, in the copy taken
// from it, as parsed images and as the finished file, which may still be growing into a
// block twice its size.
constexpr std::uint64_t kCopiesOfTheFile = 6;
// A frame's own blocks: the local colour table the encoder writes (768), the control extension
// and the image descriptor, the LZW code size; and its record in the lists of the export.
constexpr std::uint64_t kFrameBlockBytes = 1024;
constexpr std::uint64_t kFrameRecordBytes = 256;
// Each frame's time and delay in the plan, whether it changes or not.
constexpr std::uint64_t kPlannedFrameBytes = sizeof(ClipFrame) + sizeof(std::uint64_t);
// The colour tally and the palette lookup: a hash entry for each colour, at most one a pixel.
constexpr std::uint64_t kColourEntryBytes = 2 * 48;
// The longest delay one frame of the GIF holds (16 bits of hundredths); a rest longer than that
// is written again in full.
constexpr std::int64_t kLongestDelayCs = 0xFFFF;

struct Rect {
    int left, top, right, bottom;
};

std::uint64_t PixelsOf(int width, int height)
{
    return static_cast<std::uint64_t>(std::max(width, 0)) * static_cast<std::uint64_t>(std::max(height, 0));
}

}  // namespace

std::vector<std::uint64_t> ChangingPixelsPerFrame(const std::vector<PlacedTimeline>& signs,
                                                  const std::vector<ClipFrame>& frames, int width, int height)
{
    std::vector<std::uint64_t> changing;
    changing.reserve(frames.size());
    const std::uint64_t whole = PixelsOf(width, height);
    for (std::size_t k = 0; k < frames.size(); ++k) {
        if (k == 0) {
            changing.push_back(whole);
            continue;
        }
        Rect moved{width, height, 0, 0};
        for (const PlacedTimeline& sign : signs) {
            if (sign.timeline->PoseAt(frames[k].timeMs) == sign.timeline->PoseAt(frames[k - 1].timeMs))
                continue;
            const PixelRect& p = sign.place;
            moved.left = std::min(moved.left, std::max(p.left, 0));
            moved.top = std::min(moved.top, std::max(p.top, 0));
            moved.right = std::max(moved.right, std::min(p.left + p.width, width));
            moved.bottom = std::max(moved.bottom, std::min(p.top + p.height, height));
        }
        const bool any = moved.right > moved.left && moved.bottom > moved.top;
        changing.push_back(any ? PixelsOf(moved.right - moved.left, moved.bottom - moved.top) : 0);
    }
    return changing;
}

std::uint64_t EncodedFrameBytesAtMost(std::uint64_t pixels)
{
    // One code of at most 12 bits for each pixel; one length byte for every 255 bytes of codes.
    const std::uint64_t codes = (pixels * 3 + 1) / 2;
    return codes + codes / 255 + 1 + kFrameBlockBytes;
}

std::uint64_t ClipWorkingBytes(ClipSize size)
{
    const std::uint64_t pixels = PixelsOf(size.width, size.height);
    const std::uint64_t scale = static_cast<std::uint64_t>(std::max(size.scale, 1));
    // The drawn picture (4 bytes a pixel), the sign's shape and its palette indexes (1 each); at
    // the clip's size, the picture, the one shown before and the changed part cut out of it.
    return pixels * (4 + 1 + 1 + kColourEntryBytes) + 3 * pixels * scale * scale;
}

ClipMemoryNeed ReckonClipMemory(ClipSize size, const std::vector<ClipFrame>& frames,
                                const std::vector<std::uint64_t>& changingPixels, std::uint64_t budget)
{
    const std::uint64_t scale = static_cast<std::uint64_t>(std::max(size.scale, 1));
    const std::uint64_t wholeFrame = PixelsOf(size.width, size.height) * scale * scale;
    ClipMemoryNeed need;
    need.bytes = ClipWorkingBytes(size) + kPlannedFrameBytes * frames.size();
    bool within = need.bytes <= budget;
    std::int64_t restCs = 0;  // the delay of the frame written last, lengthened by rests
    for (std::size_t k = 0; k < frames.size(); ++k) {
        std::uint64_t pixels = k < changingPixels.size() ? changingPixels[k] * scale * scale : wholeFrame;
        if (k > 0 && pixels == 0 && restCs + frames[k].delayCs > kLongestDelayCs)
            pixels = wholeFrame;  // the export writes the whole picture again
        if (k == 0 || pixels > 0) {
            need.bytes += kCopiesOfTheFile * EncodedFrameBytesAtMost(pixels) + kFrameRecordBytes;
            restCs = frames[k].delayCs;
        } else {
            restCs += frames[k].delayCs;
        }
        within = within && need.bytes <= budget;
        if (within)
            need.longestMs += std::int64_t{frames[k].delayCs} * 10;
    }
    need.fits = within;
    return need;
}

std::string ApproximateSeconds(std::int64_t ms)
{
    ms = std::max<std::int64_t>(ms, 0);
    if (ms >= 10000)
        return std::to_string(ms / 1000);
    const std::int64_t tenths = ms / 100;
    return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
}

}  // namespace rolva
