#include "clip/core/ClipTimeline.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <tuple>
#include <vector>

namespace rolva {
namespace {

struct PoseCase {
    std::int64_t ms;
    std::int32_t frame;
    std::int32_t offset;
};

void ExpectPoses(const SignTimeline& timeline, const std::vector<PoseCase>& cases)
{
    for (const PoseCase& c : cases) {
        SCOPED_TRACE(c.ms);
        const SignPose pose = timeline.PoseAt(c.ms);
        EXPECT_EQ(c.frame, pose.frame);
        EXPECT_EQ(c.offset, pose.offset);
    }
}

TEST(ClipTimeline, RollStepsLikeTheRollThreadWithHoldsAround)
{
    // 3-pixel frames, 10 ms a step, 100 ms at each whole frame, 500 ms at rest.
    const SignTimeline timeline = SignTimeline::Roll({0, 2}, RollTiming{3, 10, 100}, 500);
    EXPECT_EQ(500 + 2 * (30 + 100) + 500, timeline.LengthMs());
    ExpectPoses(timeline, {
                              {-5, 0, 0},
                              {0, 0, 0},
                              {499, 0, 0},
                              {500, 0, -1},  // the first step comes at once
                              {509, 0, -1},
                              {510, 0, -2},
                              {520, 1, -3},
                              {629, 1, -3},  // the interval after frame 1
                              {630, 1, -4},
                              {650, 2, -6},
                              {759, 2, -6},
                              {760, 2, -6},  // at rest on frame 2
                              {1259, 2, -6},
                              {99999, 2, -6},
                          });
}

TEST(ClipTimeline, RollBackAndRollsWithoutSpeedOrInterval)
{
    ExpectPoses(SignTimeline::Roll({2, 0}, RollTiming{3, 10, 0}, 0), {{0, 2, -5}, {19, 2, -4}, {29, 1, -3}, {30, 1, -2}, {59, 0, 0}});
    // No speed: a whole frame moves at once, then its interval.
    const SignTimeline jumps = SignTimeline::Roll({0, 2}, RollTiming{3, 0, 50}, 0);
    EXPECT_EQ(100, jumps.LengthMs());
    ExpectPoses(jumps, {{0, 1, -3}, {49, 1, -3}, {50, 2, -6}});
    // Neither: the roll takes no time and the sign rests on the target from the start.
    const SignTimeline instant = SignTimeline::Roll({0, 2}, RollTiming{3, 0, 0}, 100);
    EXPECT_EQ(200, instant.LengthMs());
    ExpectPoses(instant, {{0, 0, 0}, {100, 2, -6}, {150, 2, -6}});
}

TEST(ClipTimeline, SequenceOfRollsAndRollLength)
{
    EXPECT_EQ(12 * (57 * 20 + 1000), RollLengthMs(0, 12, RollTiming{57, 20, 1000}));
    EXPECT_EQ(9 * (57 * 20 + 1000), RollLengthMs(12, 3, RollTiming{57, 20, 1000}));
    EXPECT_EQ(0, RollLengthMs(4, 4, RollTiming{57, 20, 1000}));
    EXPECT_EQ(0, RollLengthMs(0, 4, RollTiming{0, 20, 1000}));
    EXPECT_EQ(2 * 57 * 20, RollLengthMs(0, 2, RollTiming{57, 20, -5}));

    // 0 -> 2 -> 1, 2-pixel frames at 5 ms a step, no interval, 10 ms holds.
    const SignTimeline timeline = SignTimeline::Roll({0, 2, 1}, RollTiming{2, 5, 0}, 10);
    EXPECT_EQ(10 + 20 + 10 + 10 + 10, timeline.LengthMs());
    ExpectPoses(timeline, {{9, 0, 0}, {10, 0, -1}, {20, 1, -3}, {25, 2, -4}, {30, 2, -4}, {40, 2, -3}, {45, 1, -2}, {55, 1, -2}});
}

TEST(ClipTimeline, LedHoldsEachFrame)
{
    const SignTimeline timeline = SignTimeline::Led({3, 1, 4}, 200);
    EXPECT_EQ(600, timeline.LengthMs());
    ExpectPoses(timeline, {{0, 3, 0}, {199, 3, 0}, {200, 1, 0}, {399, 1, 0}, {400, 4, 0}, {700, 4, 0}});
    EXPECT_EQ(0, SignTimeline::Led({}, 200).LengthMs());
    EXPECT_EQ(SignPose{}, SignTimeline::Led({}, 200).PoseAt(10));
}

TEST(ClipTimeline, LedFramesPageAndScrollAsOnTheSignAndRestUntilEveryPageHasShown)
{
    // A 10-pixel sign at 100 pixels a second, pages of 300 ms. Frame 1 has three still pages
    // (900 ms, past the 500 ms hold); frame 2 one page 30 pixels wide that scrolls through in
    // 40 steps of 10 ms; frame 3 is plain; frame 4 a still page that outlasts no hold.
    LedMotion motion;
    motion.signWidth = 10;
    motion.pageMs = 300;
    motion.pixelsPerSecond = 100;
    motion.pageWidths = {{1, {10, 8, 10}}, {2, {30}}, {4, {10}}};
    const SignTimeline timeline = SignTimeline::Led({1, 2, 3, 4, 1}, 500, motion);
    EXPECT_EQ(900 + 500 + 500 + 500 + 900, timeline.LengthMs());

    struct Case {
        std::int64_t ms;
        SignPose pose;  // frame, offset, page, x
    };
    const Case cases[] = {
        {0, {1, 0, 0, 0}},      {299, {1, 0, 0, 0}},    {300, {1, 0, 1, 0}},   {600, {1, 0, 2, 0}},
        {899, {1, 0, 2, 0}},    {900, {2, 0, 0, 10}},   {910, {2, 0, 0, 9}},   {1299, {2, 0, 0, -29}},
        {1300, {2, 0, 0, 10}},  // the pass is over: the wide page enters again
        {1400, {3, 0, 0, 0}},   {1900, {4, 0, 0, 0}},   {2400, {1, 0, 0, 0}},  {2700, {1, 0, 1, 0}},
        {9999, {1, 0, 2, 0}},   // past the end, the last pose
    };
    for (const Case& c : cases) {
        const SignPose pose = timeline.PoseAt(c.ms);
        EXPECT_EQ(std::make_tuple(c.pose.frame, c.pose.page, c.pose.x), std::make_tuple(pose.frame, pose.page, pose.x))
            << "at " << c.ms << " ms";
        EXPECT_EQ(0, pose.offset);
    }
}

struct FramesCase {
    std::int64_t lengthMs;
    int fps;
    std::vector<std::int64_t> times;
    std::vector<std::int32_t> delays;
};

TEST(ClipFrames, FrameTimesAndDelaysInHundredths)
{
    const FramesCase cases[] = {
        {100, 50, {0, 20, 40, 60, 80}, {2, 2, 2, 2, 2}},
        {100, 30, {0, 33, 66}, {3, 4, 3}},  // boundaries 0, 3.3, 6.7, 10 rounded
        {110, 50, {0, 20, 40, 60, 80, 100}, {2, 2, 2, 2, 2, 1}},
        {101, 50, {0, 20, 40, 60, 80}, {2, 2, 2, 2, 2}},  // the sixth would show for no time
        {0, 25, {0}, {1}},
        {1000, 1, {0}, {100}},
    };
    for (const FramesCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.lengthMs << " ms at " << c.fps);
        const std::vector<ClipFrame> frames = PlanClipFrames(c.lengthMs, c.fps);
        ASSERT_EQ(c.delays.size(), frames.size());
        for (std::size_t i = 0; i < frames.size(); ++i) {
            EXPECT_EQ(c.times[i], frames[i].timeMs) << i;
            EXPECT_EQ(c.delays[i], frames[i].delayCs) << i;
        }
    }
}

TEST(ClipFrames, DelaysAddUpToTheLengthAtAnyRate)
{
    for (int fps : {1, 7, 24, 25, 30, 50, 60, 100}) {
        for (std::int64_t length : {5, 19, 20, 333, 1000, 1234, 25680, 600001}) {
            std::int64_t totalCs = 0;
            for (const ClipFrame& frame : PlanClipFrames(length, fps)) {
                EXPECT_GT(frame.delayCs, 0);
                totalCs += frame.delayCs;
            }
            EXPECT_LE(std::abs(totalCs * 10 - length), 5) << length << " ms at " << fps;
        }
    }
}

}  // namespace
}  // namespace rolva
