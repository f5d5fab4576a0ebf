#include "display/core/LedTimeline.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <limits>
#include <tuple>
#include <vector>

namespace rolva {
namespace {

constexpr std::int64_t kNever = -1;  // no next change
constexpr std::int64_t kEndOfClock = std::numeric_limits<std::int64_t>::max();

struct PoseCase {
    std::int64_t ms;
    std::size_t page;
    std::int32_t x;
    std::int64_t nextChangeMs;  // kNever: none
};

void ExpectPoses(const LedTimeline& timeline, const std::vector<PoseCase>& cases)
{
    for (const PoseCase& c : cases) {
        const LedPose pose = timeline.PoseAt(c.ms);
        EXPECT_EQ(std::make_tuple(c.page, c.x, c.nextChangeMs), std::make_tuple(pose.page, pose.x, pose.nextChangeMs.value_or(kNever)))
            << "at " << c.ms << " ms";
    }
}

TEST(LedTimeline, StillPagesTakeTurnsForThePageTime)
{
    // Pages as wide as the sign or narrower stand still at x = 0.
    ExpectPoses(LedTimeline(200, {200, 10, 0}, 2000, 60), {
                                                              {-5, 0, 0, 2000},
                                                              {0, 0, 0, 2000},
                                                              {1999, 0, 0, 2000},
                                                              {2000, 1, 0, 4000},
                                                              {4000, 2, 0, 6000},
                                                              {5999, 2, 0, 6000},
                                                              {6000, 0, 0, 8000},
                                                              {36'000'001, 0, 0, 36'002'000},  // ten hours on
                                                              {kEndOfClock, 0, 0, kNever},     // the next turn is past the clock
                                                          });
}

TEST(LedTimeline, AWidePageScrollsInFromTheRightAndOutAtTheLeft)
{
    // 1000 pixels on a 200-pixel sign at 60 px/s: x = 200 - floor(t * 60 / 1000), one pass
    // taking 1200 steps, 20000 ms. Step k comes at k * 16.67 ms.
    ExpectPoses(LedTimeline(200, {1000}, 2000, 60), {
                                                        {0, 0, 200, 17},
                                                        {16, 0, 200, 17},
                                                        {17, 0, 199, 34},
                                                        {50, 0, 197, 67},
                                                        {1000, 0, 140, 1017},
                                                        {10'000, 0, -400, 10'017},
                                                        {19'983, 0, -998, 19'984},
                                                        {19'999, 0, -999, 20'000},
                                                        {20'000, 0, 200, 20'017},  // the next pass
                                                        {20'017, 0, 199, 20'034},
                                                    });
}

TEST(LedTimeline, StepsKeepTheirExactTimesOverLongRuns)
{
    // A pass of 1201 steps at 60 px/s lasts 20016.67 ms, so passes begin off the millisecond;
    // adding up rounded step or pass lengths would drift within hours.
    ExpectPoses(LedTimeline(201, {1000}, 2000, 60), {
                                                        {20'016, 0, -999, 20'017},
                                                        {20'017, 0, 201, 20'034},
                                                        {60'049, 0, -999, 60'050},
                                                        {60'050, 0, 201, 60'067},  // three passes end on a whole ms
                                                        {36'000'007, 0, -401, 36'000'017},
                                                        {360'000'000, 0, 186, 360'000'017},
                                                        {360'000'017, 0, 185, 360'000'034},
                                                        {kEndOfClock, 0, -95, kNever},
                                                    });
}

TEST(LedTimeline, MixesStillAndScrollingPages)
{
    // Still 100 ms, a pass of (10 + 12) steps of 10 ms, still 100 ms, then from the start.
    ExpectPoses(LedTimeline(10, {10, 12, 4}, 100, 100), {
                                                            {0, 0, 0, 100},
                                                            {99, 0, 0, 100},
                                                            {100, 1, 10, 110},
                                                            {109, 1, 10, 110},
                                                            {110, 1, 9, 120},
                                                            {319, 1, -11, 320},
                                                            {320, 2, 0, 420},
                                                            {420, 0, 0, 520},
                                                            {520, 1, 10, 530},
                                                        });
}

TEST(LedTimeline, OneStillPageStaysForGood)
{
    ExpectPoses(LedTimeline(200, {150}, 2000, 60), {{0, 0, 0, kNever}, {2000, 0, 0, kNever}, {kEndOfClock, 0, 0, kNever}});
    ExpectPoses(LedTimeline(200, {}, 2000, 60), {{0, 0, 0, kNever}, {5000, 0, 0, kNever}});
}

TEST(LedTimeline, HoldsItsValuesWithinLimits)
{
    const struct {
        const char* what;
        LedTimeline timeline;
        std::vector<PoseCase> poses;
    } cases[] = {
        {"page time below the minimum", LedTimeline(10, {1, 1}, 0, 60), {{99, 0, 0, 100}, {100, 1, 0, 200}}},
        {"negative page time", LedTimeline(10, {1, 1}, -5, 60), {{100, 1, 0, 200}}},
        {"speed 0 as 1 px/s", LedTimeline(1, {2}, 100, 0), {{999, 0, 1, 1000}, {1000, 0, 0, 2000}}},
        {"speed above the maximum", LedTimeline(1, {2}, 100, 100'000), {{0, 0, 1, 1}, {1, 0, -1, 2}, {2, 0, 0, 3}}},
        {"negative sign width as 0", LedTimeline(-8, {2}, 100, 1000), {{0, 0, 0, 1}, {1, 0, -1, 2}, {2, 0, 0, 3}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ExpectPoses(c.timeline, c.poses);
    }
}

}  // namespace
}  // namespace rolva
