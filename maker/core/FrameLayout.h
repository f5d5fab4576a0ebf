// Where the parts of one frame go: the label box at the left with its text, the main text as
// large as the frame allows and the smaller second line under it, centred in what is left.
// Widths come through a small text-measuring seam, so the layout is tested without GDI. A text
// wider than its space gets a narrower box than its natural width and is drawn condensed
// into it: never cut, never wrapped, never stretched.
#pragma once

#include <string_view>

#include "maker/core/FrameList.h"

namespace rolva {

// The natural width of a text in a font whose character cells are cellHeight pixels high.
class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    virtual int Width(std::string_view text, int cellHeight) const = 0;
};

// Pixels from left to right - 1 and top to bottom - 1, in frame coordinates.
struct PixelBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Contains(const PixelBox& inner) const
    {
        return inner.left >= left && inner.top >= top && inner.right <= right && inner.bottom <= bottom;
    }
    bool Overlaps(const PixelBox& other) const
    {
        return left < other.right && other.left < right && top < other.bottom && other.top < bottom;
    }
};

// A text drawn into box with character cells of box.Height() pixels.
struct TextPlace {
    bool present = false;
    PixelBox box;
    int naturalWidth = 0;  // box.Width() below this means the text is condensed to fit
    bool Condensed() const { return present && box.Width() < naturalWidth; }
};

struct FrameLayout {
    bool hasLabelBox = false;
    PixelBox labelBox;  // the coloured box behind the label
    TextPlace label;
    TextPlace main;
    TextPlace sub;
};

// The layout of frame in a frame of width x height pixels (no part when the frame is too small).
FrameLayout LayOutFrame(const FrameLine& frame, int width, int height, const TextMeasure& measure);

}  // namespace rolva
