// Keeps a roll to its set speed: each pause is measured from when the previous one was due to
// end, not from when the drawing of the step finished, so the drawing time does not add up over
// hundreds of steps. A roll that falls behind (drawing slower than the speed) starts afresh
// from now instead of rushing to catch up.
//
// The clock is the system's 32-bit millisecond count, which wraps to 0 after about 49.7 days.
// Only the unsigned difference between two readings is used, so a roll running across the
// wrap keeps its pace.
#pragma once

#include <cstdint>

namespace rolva {

class RollPacer {
public:
    explicit RollPacer(std::uint32_t startMs) : last_(startMs) {}

    // How long to wait now for a pause of the given length (negative pauses count as 0).
    std::int64_t WaitFor(std::uint32_t nowMs, std::int32_t pauseMs);

private:
    std::uint32_t last_;       // the clock's last reading
    std::int64_t elapsed_ = 0;  // time since the start, summed from wrapping differences
    std::int64_t due_ = 0;      // when the pauses asked for so far are due to end, since the start
};

}  // namespace rolva
