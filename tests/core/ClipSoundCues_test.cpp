#include "clip/core/ClipSoundCues.h"

#include <gtest/gtest.h>

#include "SoundCueText.h"

namespace rolva {
namespace {

TEST(ClipSoundCues, ARollsCuesAreThoseOfTheRollThreadAtTheTimesTheClipShowsIt)
{
    struct Case {
        std::vector<std::int32_t> frames;
        RollTiming timing;
        std::int64_t holdMs;
        std::vector<std::pair<std::int64_t, std::int64_t>> rolls;  // start, frames passed
    };
    // Rolls of the clip's sequence, each after the hold on the frame before it.
    const Case cases[] = {
        {{0, 2, 1}, {20, 10, 100}, 500, {{500, 2}, {500 + 600 + 500, 1}}},
        {{3, 0}, {57, 4, 0}, 250, {{250, 3}}},
        {{0, 1}, {10, 7, 300}, 0, {{0, 1}}},  // the roll begins at once
        {{1, 1, 4}, {8, 15, 40}, 100, {{200, 3}}},  // no roll between equal frames
    };
    for (const Case& c : cases) {
        const SignTimeline timeline = SignTimeline::Roll(c.frames, c.timing, c.holdMs);
        std::vector<TimedSoundEvent> expected;
        for (const auto& roll : c.rolls)
            AppendRollSound(1, roll.first, roll.second,
                            {c.timing.frameHeight, c.timing.speedMs, c.timing.intervalMs}, &expected);
        std::vector<TimedSoundEvent> cues;
        AppendTimelineCues(timeline, 1, c.timing.frameHeight, true, &cues);
        EXPECT_EQ(test::TimedCues(expected), test::TimedCues(cues)) << c.frames.size() << " frames, hold " << c.holdMs;
    }
}

TEST(ClipSoundCues, AtSpeedZeroTheStripKnocksWhereEachFrameShows)
{
    const SignTimeline timeline = SignTimeline::Roll({0, 2}, {20, 0, 150}, 100);
    std::vector<TimedSoundEvent> cues;
    AppendTimelineCues(timeline, 0, 20, false, &cues);
    EXPECT_EQ("100halt 100knock 250halt 250knock ", test::TimedCues(cues));
}

TEST(ClipSoundCues, AnLedSignClicksAtEachChangeOnlyWhenAsked)
{
    const SignTimeline timeline = SignTimeline::Led({0, 3, 3, 1}, 200);
    std::vector<TimedSoundEvent> cues;
    AppendTimelineCues(timeline, 0, 40, false, &cues);
    EXPECT_EQ("", test::TimedCues(cues));
    AppendTimelineCues(timeline, 0, 40, true, &cues);
    EXPECT_EQ("200click 600click ", test::TimedCues(cues));
}

// Pages turning and a wide page scrolling change the picture within a frame: no click.
TEST(ClipSoundCues, AnLedSignsPagesAndScrollStepsDoNotClick)
{
    LedMotion motion;
    motion.signWidth = 100;
    motion.pageMs = 50;
    motion.pixelsPerSecond = 1000;
    motion.pageWidths = {{3, {100, 100}}, {1, {400}}};
    const SignTimeline timeline = SignTimeline::Led({0, 3, 1}, 300, motion);
    std::vector<TimedSoundEvent> cues;
    AppendTimelineCues(timeline, 0, 40, true, &cues);
    EXPECT_EQ("300click 600click ", test::TimedCues(cues));
}

}  // namespace
}  // namespace rolva
