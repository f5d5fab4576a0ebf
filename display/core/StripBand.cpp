#include "display/core/StripBand.h"

#include <algorithm>

namespace rolva {

namespace {

std::int64_t Clamp(std::int64_t value, std::int64_t low, std::int64_t high)
{
    return std::max(low, std::min(value, high));
}

}  // namespace

bool StripNeedsBands(std::int32_t stripHeight) { return stripHeight > kLargestWholeStrip; }

std::int32_t BandRows(std::int32_t stripHeight, std::int32_t viewHeight)
{
    const std::int64_t wanted = std::max<std::int64_t>(kLeastBandRows, std::int64_t{viewHeight} * 4);
    return static_cast<std::int32_t>(std::min<std::int64_t>({wanted, kLargestWholeStrip, stripHeight}));
}

StripPlace PlaceStrip(std::int32_t stripHeight, std::int32_t viewHeight, HeldBand held,
                      std::int32_t scrollOffset)
{
    StripPlace place;
    if (!StripNeedsBands(stripHeight)) {
        place.bandRows = stripHeight;
        place.pictureY = scrollOffset;
        return place;
    }

    const std::int32_t rows = BandRows(stripHeight, viewHeight);
    const std::int64_t lastTop = std::int64_t{stripHeight} - rows;
    // The strip rows in view: [first, end); in 64 bits, as -INT32_MIN does not fit.
    const std::int64_t viewTop = -std::int64_t{scrollOffset};
    const std::int64_t first = std::max<std::int64_t>(viewTop, 0);
    const std::int64_t end = std::min<std::int64_t>(viewTop + std::max(viewHeight, 0), stripHeight);
    const bool stripInView = first < end;
    const bool sameRows = held.held && held.rows == rows;

    std::int64_t top = held.top;
    if (!stripInView) {
        if (!sameRows)
            top = Clamp(viewTop, 0, lastTop);
    } else if (!sameRows || first < held.top || end > std::int64_t{held.top} + held.rows) {
        const std::int64_t slack = rows - (end - first);
        const bool overlapsHeld = sameRows && first < std::int64_t{held.top} + held.rows && end > held.top;
        if (overlapsHeld && end > std::int64_t{held.top} + held.rows)
            top = first - slack / 4;  // rolling towards the strip's end: most of the band lies ahead
        else if (overlapsHeld)
            top = end + slack / 4 - rows;  // rolling towards the strip's top
        else
            top = first - slack / 2;
        top = Clamp(top, 0, lastTop);
    }

    place.bandTop = static_cast<std::int32_t>(top);
    place.bandRows = rows;
    place.rebase = !sameRows || place.bandTop != held.top;
    place.pictureY = static_cast<std::int32_t>(Clamp(top - viewTop, -std::int64_t{rows}, std::max(viewHeight, 0)));
    return place;
}

}  // namespace rolva
