#include "app/core/WindowGeometry.h"

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

int Needed(int specified, int layout, int frame)
{
    const long long needed = static_cast<long long>(std::max(layout, 0)) + std::max(frame, 0);
    return static_cast<int>(std::min<long long>(std::max<long long>(specified, needed), INT_MAX));
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
    const auto start = [](int ownerStart, int ownerEnd, int length) {
        const long long room = static_cast<long long>(ownerEnd) - ownerStart - length;
        return static_cast<int>(std::clamp<long long>(ownerStart + room / 2 - (room < 0 && room % 2 ? 1 : 0),
                                                      INT_MIN, INT_MAX));
    };
    const int left = start(owner.left, owner.right, window.width);
    const int top = start(owner.top, owner.bottom, window.height);
    const ScreenRect centred{left, top, static_cast<int>(std::min<long long>(static_cast<long long>(left) + window.width, INT_MAX)),
                             static_cast<int>(std::min<long long>(static_cast<long long>(top) + window.height, INT_MAX))};
    return PlaceInsideArea(centred, area);
}

Extent OuterSizeHoldingLayout(Extent specifiedOuter, Extent layout, Extent frame)
{
    return {Needed(specifiedOuter.width, layout.width, frame.width),
            Needed(specifiedOuter.height, layout.height, frame.height)};
}

}  // namespace rolva
