#include "maker/core/FrameLayout.h"

#include <algorithm>

namespace rolva {

namespace {

// A text of the given cell height, at most maxWidth wide, centred horizontally in area and
// with its top at top.
TextPlace PlaceText(std::string_view text, int cellHeight, int top, const PixelBox& area,
                    const TextMeasure& measure)
{
    TextPlace place;
    if (text.empty() || cellHeight < 1 || area.Width() < 1)
        return place;
    place.present = true;
    place.naturalWidth = std::max(1, measure.Width(text, cellHeight));
    const int width = std::min(place.naturalWidth, area.Width());
    place.box.left = area.left + (area.Width() - width) / 2;
    place.box.right = place.box.left + width;
    place.box.top = top;
    place.box.bottom = top + cellHeight;
    return place;
}

}  // namespace

FrameLayout LayOutFrame(const FrameLine& frame, int width, int height, const TextMeasure& measure)
{
    FrameLayout layout;
    // Margins keep the ink off the edges (and off the frame line on the top row).
    const int marginY = std::max(2, height / 10);
    const int marginX = std::max(2, std::min(width, height) / 6);
    PixelBox content{marginX, marginY, width - marginX, height - marginY};
    if (content.Width() < 1 || content.Height() < 1)
        return layout;

    PixelBox rest = content;
    if (!frame.label.empty()) {
        const int pad = std::max(1, content.Height() / 8);
        const int labelCell = std::max(1, content.Height() * 11 / 20);
        const int natural = std::max(1, measure.Width(frame.label, labelCell));
        const int widest = content.Width() / 3;
        const int boxWidth = std::min(widest, std::max(content.Height(), natural + 2 * pad));
        if (boxWidth > 2 * pad) {
            layout.hasLabelBox = true;
            layout.labelBox = {content.left, content.top, content.left + boxWidth, content.bottom};
            const PixelBox inner{layout.labelBox.left + pad, layout.labelBox.top, layout.labelBox.right - pad,
                                 layout.labelBox.bottom};
            const int labelTop = content.top + (content.Height() - labelCell) / 2;
            layout.label = PlaceText(frame.label, labelCell, labelTop, inner, measure);
            rest.left = layout.labelBox.right + std::max(1, marginX / 2);
        }
    }
    if (rest.Width() < 1)
        return layout;

    if (frame.sub.empty()) {
        layout.main = PlaceText(frame.main, rest.Height(), rest.top, rest, measure);
        return layout;
    }
    // The second line takes about a third of the height under the main text.
    const int gap = std::max(1, rest.Height() / 20);
    const int subCell = rest.Height() / 3;
    const int mainCell = rest.Height() - gap - subCell;
    if (frame.main.empty()) {
        layout.sub = PlaceText(frame.sub, subCell, rest.top + (rest.Height() - subCell) / 2, rest, measure);
        return layout;
    }
    layout.main = PlaceText(frame.main, mainCell, rest.top, rest, measure);
    layout.sub = PlaceText(frame.sub, subCell, rest.bottom - subCell, rest, measure);
    return layout;
}

}  // namespace rolva
