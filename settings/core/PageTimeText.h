// The page time as the LED look window shows it: seconds with one decimal ("2.5"), which reads
// better than milliseconds and is as fine as a person sets a page.
#pragma once

#include <cstdint>
#include <string>

namespace rolva {

// The time in seconds to the nearest tenth: 2500 -> "2.5", 3000 -> "3.0".
std::string PageTimeText(std::int32_t ms);

// Seconds typed as digits with at most one point ("2", "2.5", ".5", "12.25"), spaces around
// allowed; false for anything else, the field then keeping the time it had. Not clamped.
bool ReadPageTimeText(const std::string& text, std::int32_t& ms);

// One arrow step of a tenth of a second from the time shown, kept within the page time's range.
std::int32_t StepPageTime(std::int32_t ms, int delta);

}  // namespace rolva
