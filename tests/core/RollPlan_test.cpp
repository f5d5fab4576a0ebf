#include "display/core/RollPlan.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <vector>

namespace rolva {
namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

struct RollRun {
    std::int32_t offset;
    std::vector<std::int64_t> pauses;  // steps after which the interval pause comes
};

// Runs the plan the way the roll thread does.
RollRun RunPlan(const RollPlan& plan, std::int32_t startOffset)
{
    RollRun run{startOffset, {}};
    for (std::int64_t step = 1; step <= plan.stepCount; ++step) {
        run.offset += plan.direction;
        if (plan.EndsFrame(step))
            run.pauses.push_back(step);
    }
    return run;
}

struct RollCase {
    std::int16_t current;
    std::int32_t target;
    std::int32_t height;
    std::int32_t offsetAfter;  // starting from the current frame's resting offset
    std::vector<std::int64_t> pauses;
};

TEST(RollPlan, MovesFromOneRestingOffsetToTheOther)
{
    const RollCase cases[] = {
        {3, 1, 57, -57, {57, 114}},  // strip moves down 114 pixels
        {1, 3, 57, -171, {57, 114}},
        {0, 1, 3, -3, {3}},
        {-2, 0, 10, 0, {10, 20}},
        {5, 5, 57, -285, {}},
        {3, 1, 0, 0, {}},   // a frame window of height 0: nothing moves
        {3, 1, -4, 12, {}},
    };
    for (const RollCase& c : cases) {
        const RollPlan plan = PlanRoll(c.current, c.target, c.height);
        const RollRun run = RunPlan(plan, RestingOffset(c.current, c.height));
        EXPECT_EQ(c.offsetAfter, run.offset) << c.current << " -> " << c.target << " on " << c.height;
        EXPECT_EQ(c.pauses, run.pauses) << c.current << " -> " << c.target << " on " << c.height;
        EXPECT_EQ(c.target, plan.finalFrame) << c.current << " -> " << c.target;
    }
}

TEST(RollPlan, ReducesTheDistanceToSixteenBits)
{
    const struct {
        std::int16_t current;
        std::int32_t target;
        std::int16_t distance;
        int direction;
        std::int16_t finalFrame;
    } cases[] = {
        {0, 70000, -4464, -1, 4464},
        {0, -70000, 4464, 1, -4464},
        {0, 65536, 0, 0, 0},
        {32767, -32768, -1, -1, -32768},
        {-32768, 32767, 1, 1, 32767},
        {-32768, 0, -32768, -1, 0},
        {0, kMax, 1, 1, -1},
        {0, kMin, 0, 0, 0},
        {100, kMin, 100, 1, 0},
    };
    for (const auto& c : cases) {
        const RollPlan plan = PlanRoll(c.current, c.target, 2);
        EXPECT_EQ(c.distance, plan.distance) << c.current << " -> " << c.target;
        EXPECT_EQ(c.direction, plan.direction) << c.current << " -> " << c.target;
        EXPECT_EQ(c.finalFrame, plan.finalFrame) << c.current << " -> " << c.target;
        const std::int64_t frames = c.distance < 0 ? -std::int64_t{c.distance} : c.distance;
        EXPECT_EQ(frames * 2, plan.stepCount) << c.current << " -> " << c.target;
    }
}

TEST(RollPlan, CountsStepsOfTheLongestRollOnTheTallestFrameIn64Bits)
{
    const RollPlan plan = PlanRoll(-32768, 0, kMax);
    EXPECT_EQ(std::int64_t{32768} * kMax, plan.stepCount);
    EXPECT_TRUE(plan.EndsFrame(plan.stepCount));
    EXPECT_TRUE(plan.EndsFrame(kMax));
    EXPECT_FALSE(plan.EndsFrame(kMax - 1));
}

TEST(RollPlan, NoPauseOutsideTheRoll)
{
    const RollPlan plan = PlanRoll(2, 0, 5);
    for (std::int64_t step : {std::int64_t{-5}, std::int64_t{0}, std::int64_t{15}})
        EXPECT_FALSE(plan.EndsFrame(step)) << step;
    for (std::int32_t height : {0, -5}) {
        const RollPlan still = PlanRoll(2, 0, height);
        EXPECT_FALSE(still.EndsFrame(0)) << height;  // never divides by a zero height
        EXPECT_FALSE(still.EndsFrame(5)) << height;
    }
}

TEST(RestingOffset, IsMinusFrameTimesHeightSaturated)
{
    const struct {
        std::int16_t frame;
        std::int32_t height;
        std::int32_t offset;
    } cases[] = {
        {0, 57, 0},
        {3, 57, -171},
        {-2, 57, 114},
        {12, 0, 0},
        {32767, 65536, -2147418112},
        {-32768, 65536, kMax},  // 2^31 does not fit
        {32767, kMax, kMin},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.offset, RestingOffset(c.frame, c.height)) << c.frame << " x " << c.height;
}

}  // namespace
}  // namespace rolva
