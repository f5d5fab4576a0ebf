// What writing a clip holds in memory, reckoned before anything is drawn, so that a clip too
// long for the memory at hand is refused instead of failing half-way. The export keeps the
// pictures of one frame at a time; what grows with the clip is the GIF itself: every frame that
// changes adds the rectangle where it changed, LZW-coded, and at the end the file is held several
// times over (the encoder's stream, its copy, the parsed images and the finished file). A frame
// at rest adds nothing, as the export lengthens the one before.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "clip/core/ClipPixels.h"
#include "clip/core/ClipTimeline.h"

namespace rolva {

// A sign's timeline and where it stands in the clip's picture.
struct PlacedTimeline {
    const SignTimeline* timeline = nullptr;
    PixelRect place;
};

// For every frame, the most pixels of the clip's picture (width x height, before scaling) that
// can differ from the frame before: all of them for the first, then the rectangle around the
// signs whose pose changed (inside the picture), 0 while every sign rests.
std::vector<std::uint64_t> ChangingPixelsPerFrame(const std::vector<PlacedTimeline>& signs,
                                                  const std::vector<ClipFrame>& frames, int width, int height);

struct ClipSize {
    int width = 0;  // the picture before scaling
    int height = 0;
    int scale = 1;  // 1 or 2
};

// The bytes one changed rectangle of that many pixels (after scaling) can take in the GIF at
// worst: 12 bits a pixel, the sub-blocks' lengths, and the frame's own blocks and colour table.
std::uint64_t EncodedFrameBytesAtMost(std::uint64_t pixels);

// The pictures and tables of one frame that the export keeps whatever the clip's length.
std::uint64_t ClipWorkingBytes(ClipSize size);

struct ClipMemoryNeed {
    std::uint64_t bytes = 0;     // what the whole clip needs at most
    bool fits = false;           // within the budget
    std::int64_t longestMs = 0;  // how much of the clip, from its start, fits (all of it when it fits)
};

// changingPixels as ChangingPixelsPerFrame gives them, one for each frame.
ClipMemoryNeed ReckonClipMemory(ClipSize size, const std::vector<ClipFrame>& frames,
                                const std::vector<std::uint64_t>& changingPixels, std::uint64_t budget);

// A length for the user: whole seconds from 10 s on, tenths below ("12", "2.5", "0.4"), cut down
// so the clip it names fits.
std::string ApproximateSeconds(std::int64_t ms);

}  // namespace rolva
