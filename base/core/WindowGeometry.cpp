#include "base/core/WindowGeometry.h"

#include <algorithm>
#include <climits>

namespace rolva {

namespace {

// The start of a span of the given length moved into [areaStart, areaEnd) as little as possible.
int PlaceSpan(int start, int length, int areaStart, int areaEnd)
{
    const long long end = static_cast<long long>(start) + length;
    if (end > areaEnd)
        start = static_cast<int>(std::max<long long>(static_cast<long long>(areaEnd) - length, areaStart));
    return std::max(start, areaStart);
}

int Needed(int asked, int layout, int frame)
{
    const long long needed = static_cast<long long>(std::max(layout, 0)) + std::max(frame, 0);
    return static_cast<int>(std::min<long long>(std::max<long long>(asked, needed), INT_MAX));
}

}  // namespace

ScreenPoint PlaceInsideArea(ScreenRect window, ScreenRect area)
{
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    return {PlaceSpan(window.left, width, area.left, area.right), PlaceSpan(window.top, height, area.top, area.bottom)};
}

ScreenPoint CentreOver(Extent window, ScreenRect owner, ScreenRect area)
{
    // The start of a span of the given length centred on the owner's span, kept where its end
    // can still be counted.
    const auto start = [](int ownerStart, int ownerEnd, int length) {
        const long long room = static_cast<long long>(ownerEnd) - ownerStart - length;
        const long long centred = ownerStart + room / 2 - (room < 0 && room % 2 != 0 ? 1 : 0);
        return static_cast<int>(std::clamp<long long>(centred, INT_MIN, static_cast<long long>(INT_MAX) - length));
    };
    const int width = std::max(window.width, 0);
    const int height = std::max(window.height, 0);
    const int left = start(owner.left, owner.right, width);
    const int top = start(owner.top, owner.bottom, height);
    return PlaceInsideArea({left, top, left + width, top + height}, area);
}

Extent OuterSizeHoldingLayout(Extent askedOuter, Extent layout, Extent frame)
{
    return {Needed(askedOuter.width, layout.width, frame.width),
            Needed(askedOuter.height, layout.height, frame.height)};
}

OverflowFit FitInsideArea(Extent outer, Extent area, Extent scrollBars)
{
    bool vertical = false;
    bool horizontal = false;
    // Twice: a bar found on the second look can call for the other.
    for (int look = 0; look < 2; ++look) {
        vertical = outer.height + (horizontal ? scrollBars.height : 0) > area.height;
        horizontal = outer.width + (vertical ? scrollBars.width : 0) > area.width;
    }
    const auto cut = [](int length, bool bar, int barLength, int areaLength) {
        const long long wanted = static_cast<long long>(length) + (bar ? barLength : 0);
        return static_cast<int>(std::max<long long>(std::min<long long>(wanted, areaLength), 0));
    };
    return {{cut(outer.width, vertical, scrollBars.width, area.width),
             cut(outer.height, horizontal, scrollBars.height, area.height)},
            vertical,
            horizontal};
}

}  // namespace rolva
