#include "display/core/RollPlan.h"

#include <limits>

namespace rolva {

std::int16_t WrapFrame(std::int64_t value)
{
    // Spelled out: converting an out-of-range value to a signed type is not portable in C++17.
    const std::int32_t low = static_cast<std::int32_t>(static_cast<std::uint64_t>(value) & 0xFFFFu);
    return static_cast<std::int16_t>(low >= 0x8000 ? low - 0x10000 : low);
}

bool RollPlan::EndsFrame(std::int64_t step) const
{
    return step >= 1 && step <= stepCount && step % frameHeight == 0;
}

RollPlan PlanRoll(std::int16_t currentFrame, std::int32_t targetFrame, std::int32_t frameHeight)
{
    RollPlan plan;
    // In 64 bits: currentFrame - INT32_MIN does not fit an int.
    plan.distance = WrapFrame(std::int64_t{currentFrame} - targetFrame);
    plan.direction = plan.distance < 0 ? -1 : (plan.distance > 0 ? 1 : 0);
    plan.frameHeight = frameHeight;
    if (frameHeight > 0) {
        const std::int64_t frames = plan.distance < 0 ? -std::int64_t{plan.distance} : plan.distance;
        plan.stepCount = frames * frameHeight;
    }
    plan.finalFrame = WrapFrame(targetFrame);
    return plan;
}

std::int32_t RestingOffset(std::int16_t frame, std::int32_t frameHeight)
{
    const std::int64_t offset = -std::int64_t{frame} * frameHeight;
    if (offset > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (offset < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(offset);
}

}  // namespace rolva
