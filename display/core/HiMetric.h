// Conversion of OLE picture sizes, given in HIMETRIC units (0.01 mm), to pixels.
#pragma once

#include <cstdint>

namespace rolva {

constexpr std::int32_t kHiMetricPerInch = 2540;

// Rounds to the nearest pixel, halves away from zero, and never overflows.
std::int32_t HiMetricToPixels(std::int32_t hiMetric, std::int32_t pixelsPerInch);

}  // namespace rolva
