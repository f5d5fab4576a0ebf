// Keeps a roll to its set speed: each pause is measured from when the previous one was due to
// end, not from when the drawing of the step finished, so the drawing time does not add up over
// hundreds of steps. A roll that falls behind (drawing slower than the speed) starts afresh
// from now instead of rushing to catch up.
#pragma once

#include <cstdint>

namespace rolva {

class RollPacer {
public:
    explicit RollPacer(std::int64_t startMs) : due_(startMs) {}

    // How long to wait now for a pause of the given length (negative pauses count as 0).
    std::int64_t WaitFor(std::int64_t nowMs, std::int32_t pauseMs);

private:
    std::int64_t due_;  // when the pauses asked for so far are due to end
};

}  // namespace rolva
