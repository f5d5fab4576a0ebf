#include "sound/core/Sound.h"

namespace rolva {

std::int64_t SampleAtMs(std::int64_t ms)
{
    return ms <= 0 ? 0 : (ms * kSoundRate + 500) / 1000;
}

}  // namespace rolva
