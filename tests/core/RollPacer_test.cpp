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

}  // namespace
}  // namespace rolva
