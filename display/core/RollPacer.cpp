#include "display/core/RollPacer.h"

namespace rolva {

std::int64_t RollPacer::WaitFor(std::int64_t nowMs, std::int32_t pauseMs)
{
    due_ += pauseMs > 0 ? pauseMs : 0;
    if (due_ < nowMs) {
        due_ = nowMs;  // behind: no burst of steps without pauses to catch up later
        return 0;
    }
    return due_ - nowMs;
}

}  // namespace rolva
