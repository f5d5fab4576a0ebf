#include "display/core/HiMetric.h"

#include <limits>

namespace rolva {

std::int32_t HiMetricToPixels(std::int32_t hiMetric, std::int32_t pixelsPerInch)
{
    const std::int64_t product = static_cast<std::int64_t>(hiMetric) * pixelsPerInch;
    const std::int64_t half = kHiMetricPerInch / 2;
    const std::int64_t rounded =
        product >= 0 ? (product + half) / kHiMetricPerInch : (product - half) / kHiMetricPerInch;
    if (rounded > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (rounded < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(rounded);
}

}  // namespace rolva
