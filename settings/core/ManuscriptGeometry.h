// The blank manuscript of a sign: a white picture as wide as the sign and as high as the chosen
// number of frames, with a black line on the top row of every frame when there are several.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace rolva {

struct ManuscriptGeometry {
    int width;        // the sign's width
    int frameHeight;  // the sign's height
    int frames;
    int height;  // frameHeight * frames
};

// An LED-style sign takes one picture per frame, so its manuscript is always one frame;
// other kinds use the stored count, never less than one.
int ManuscriptFrameCount(std::uint8_t kind, std::int16_t storedFrames);

// Nothing when no picture can have these sizes (a size below 1, or a height past int32).
std::optional<ManuscriptGeometry> MakeManuscriptGeometry(int width, int frameHeight, int frames);

// The rows that carry a frame line: none for a single frame, otherwise the top row of each.
std::vector<int> ManuscriptLineRows(const ManuscriptGeometry& geometry);

}  // namespace rolva
