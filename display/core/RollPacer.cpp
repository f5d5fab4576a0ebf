#include "display/core/RollPacer.h"

namespace rolva {

std::int64_t RollPacer::WaitFor(std::uint32_t nowMs, std::int32_t pauseMs)
{
    // Unsigned subtraction is modulo 2^32: right across the wrap for readings under 49.7 days apart.
    elapsed_ += static_cast<std::uint32_t>(nowMs - last_);
    last_ = nowMs;
    due_ += pauseMs > 0 ? pauseMs : 0;
    if (due_ < elapsed_) {
        due_ = elapsed_;  // behind: no burst of steps without pauses to catch up later
        return 0;
    }
    return due_ - elapsed_;
}

}  // namespace rolva
