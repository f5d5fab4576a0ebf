#include "display/core/RollPacer.h"

#include <gtest/gtest.h>

namespace rolva {
namespace {

TEST(RollPacer, DrawingTimeIsTakenOutOfTheNextPause)
{
    RollPacer pacer(1000);
    EXPECT_EQ(5, pacer.WaitFor(1000, 5));  // nothing drawn yet
    EXPECT_EQ(4, pacer.WaitFor(1006, 5));  // 1 ms of drawing after the pause ended at 1005
    EXPECT_EQ(3, pacer.WaitFor(1012, 5));  // due at 1015
    EXPECT_EQ(100, pacer.WaitFor(1015, 100));
}

TEST(RollPacer, TotalTimeStaysNominalWhenDrawingIsFasterThanTheSpeed)
{
    RollPacer pacer(0);
    std::int64_t now = 0;
    for (int step = 0; step < 500; ++step) {
        now += pacer.WaitFor(now, 5);
        now += 2;  // drawing a step
    }
    EXPECT_EQ(2500 + 2, now);
}

TEST(RollPacer, SlowDrawingNeverBringsAStepWithoutPauseLater)
{
    RollPacer pacer(0);
    EXPECT_EQ(1, pacer.WaitFor(0, 1));
    EXPECT_EQ(0, pacer.WaitFor(50, 1)) << "drawing took longer than the pause";
    EXPECT_EQ(1, pacer.WaitFor(50, 1)) << "the next pause is whole again, not skipped to catch up";
}

TEST(RollPacer, ZeroAndNegativePausesWaitNothing)
{
    RollPacer pacer(10);
    EXPECT_EQ(0, pacer.WaitFor(10, 0));
    EXPECT_EQ(0, pacer.WaitFor(10, -50));
    EXPECT_EQ(3, pacer.WaitFor(10, 3));
}

// The system clock wraps from 2^32 - 1 ms to 0 after 49.7 days; a roll running then goes on at its pace.
TEST(RollPacer, KeepsItsPaceAcrossTheWrapOfTheClock)
{
    const struct {
        std::uint32_t start;
        const char* what;
    } cases[] = {
        {0xFFFFFFF0u, "starting 16 ms before the wrap"},
        {0xFFFFFFFFu, "starting on the last tick before the wrap"},
        {0xFFFFF000u, "starting 4 s before the wrap"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        RollPacer pacer(c.start);
        std::uint32_t now = c.start;
        std::uint64_t passed = 0;
        for (int step = 0; step < 1000; ++step) {
            const std::int64_t wait = pacer.WaitFor(now, 5);
            ASSERT_GE(wait, 0);
            ASSERT_LE(wait, 5) << "step " << step << " would wait past its pause";
            now += static_cast<std::uint32_t>(wait) + 2u;  // the wait, then 2 ms of drawing
            passed += static_cast<std::uint64_t>(wait) + 2u;
        }
        EXPECT_EQ(5000u + 2u, passed) << "the pace changed at the wrap";
    }
}

TEST(RollPacer, ExactWaitsAroundTheWrap)
{
    RollPacer pacer(0xFFFFFFFEu);
    EXPECT_EQ(5, pacer.WaitFor(0xFFFFFFFEu, 5));  // due 3 ms past the wrap
    EXPECT_EQ(4, pacer.WaitFor(4u, 5)) << "1 ms of drawing after the pause ended at 3";
    EXPECT_EQ(0, pacer.WaitFor(40u, 5)) << "behind, across no wrap now";
    EXPECT_EQ(10, pacer.WaitFor(40u, 10));
}

TEST(RollPacer, FallingBehindAcrossTheWrapNeverWaitsForADay)
{
    RollPacer pacer(0xFFFFFF00u);
    EXPECT_EQ(100, pacer.WaitFor(0xFFFFFF00u, 100));
    // The pause was due at 0xFFFFFF64; drawing ran on past the wrap.
    EXPECT_EQ(0, pacer.WaitFor(0x00000100u, 100));
    EXPECT_EQ(1, pacer.WaitFor(0x00000100u, 1)) << "the next pause is whole again";
}

}  // namespace
}  // namespace rolva
