// The geometry of one roll: which way the strip moves, how many one-pixel steps it takes and
// after which steps the interval pause comes. The roll thread runs it as
//
//     const RollPlan plan = PlanRoll(currentFrame, targetFrame, frameHeight);
//     for (std::int64_t step = 1; step <= plan.stepCount; ++step) {
//         scrollOffset += plan.direction;      // move the picture, sleep speed
//         if (plan.EndsFrame(step)) { ... }     // sleep interval
//     }
//     currentFrame = plan.finalFrame;
#pragma once

#include <cstdint>

namespace rolva {

// The low 16 bits of a value as a signed 16-bit number: how frame numbers are kept.
std::int16_t WrapFrame(std::int64_t value);

struct RollPlan {
    std::int16_t distance = 0;     // currentFrame - targetFrame in 16 bits; > 0 goes to a lower frame
    int direction = 0;             // change of scrollOffset per step: -1 (target higher), +1 or 0
    std::int32_t frameHeight = 0;  // pixels per frame; 0 or less moves nothing
    std::int64_t stepCount = 0;    // |distance| x frameHeight one-pixel steps
    std::int16_t finalFrame = 0;   // currentFrame once the roll is done: targetFrame in 16 bits

    // Whether step (1-based) completes a whole frame, the last one included.
    bool EndsFrame(std::int64_t step) const;
};

RollPlan PlanRoll(std::int16_t currentFrame, std::int32_t targetFrame, std::int32_t frameHeight);

// scrollOffset of a sign resting on frame: -frame x frameHeight, saturated to int32.
std::int32_t RestingOffset(std::int16_t frame, std::int32_t frameHeight);

}  // namespace rolva
