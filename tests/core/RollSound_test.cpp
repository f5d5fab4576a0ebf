#include "sound/core/RollSound.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>

#include "sound/core/SoundSynthesis.h"

namespace rolva {
namespace {

constexpr std::int64_t kBuffer = 441;  // 10 ms: the live output's buffer

struct Roll {
    std::int64_t frames;
    RollSoundTiming timing;
};

const Roll kRolls[] = {
    {3, {20, 10, 300}},   // the motor 200 ms a frame, 300 ms apart
    {1, {57, 4, 0}},      // one frame, no interval
    {2, {30, 7, 1000}},   // a long pause at each frame
    {4, {15, 3, 55}},     // short frames and pauses, near the buffer's length
};

std::shared_ptr<SoundSet> MotorOnly()
{
    auto sounds = std::make_shared<SoundSet>();
    sounds->motor = SynthesizeMotor();
    return sounds;
}

double BlockLevel(const std::vector<std::int16_t>& track, std::int64_t block)
{
    double sum = 0;
    const std::int64_t end = std::min<std::int64_t>((block + 1) * kBuffer, track.size());
    for (std::int64_t i = block * kBuffer; i < end; ++i)
        sum += static_cast<double>(track[i]) * track[i];
    return std::sqrt(sum / kBuffer);
}

std::vector<std::int16_t> Render(std::shared_ptr<const SoundSet> sounds, const std::vector<TimedSoundEvent>& events,
                                 std::int64_t lengthMs, int volume = 100)
{
    SoundMixer mixer(std::move(sounds));
    mixer.SetVolume(volume);
    return RenderTrack(mixer, events, lengthMs);
}

TEST(RollSound, CuesFollowTheStepsAndPausesOfTheRollThread)
{
    std::vector<TimedSoundEvent> events;
    const std::int64_t length = AppendRollSound(1, 500, 2, {20, 10, 300}, &events);
    EXPECT_EQ(2 * (20 * 10 + 300), length);
    const std::vector<std::pair<std::int64_t, SoundCue>> expected = {
        {500, SoundCue::Move}, {700, SoundCue::Halt}, {700, SoundCue::Knock},
        {1000, SoundCue::Move}, {1200, SoundCue::Halt}, {1200, SoundCue::Knock}};
    ASSERT_EQ(expected.size(), events.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(expected[i].first, events[i].ms) << i;
        EXPECT_EQ(expected[i].second, events[i].event.cue) << i;
        EXPECT_EQ(1, events[i].event.sign) << i;
    }
    EXPECT_EQ(10, events[0].event.speedMs);
}

TEST(RollSound, RollsThatDoNotMoveMakeNoSoundAndSpeedZeroLeavesTheKnocks)
{
    std::vector<TimedSoundEvent> events;
    EXPECT_EQ(0, AppendRollSound(0, 0, 3, {0, 10, 300}, &events)) << "no frame height";
    EXPECT_EQ(0, AppendRollSound(0, 0, 0, {20, 10, 300}, &events)) << "no frame to pass";
    EXPECT_TRUE(events.empty());

    EXPECT_EQ(2 * 250, AppendRollSound(0, 0, 2, {20, 0, 250}, &events));
    ASSERT_EQ(4u, events.size());
    for (const TimedSoundEvent& e : events)
        EXPECT_NE(SoundCue::Move, e.event.cue);
    EXPECT_EQ(0, events[1].ms);
    EXPECT_EQ(250, events[3].ms);

    events.clear();
    EXPECT_EQ(2 * 20 * 10, AppendRollSound(0, 0, 2, {20, 10, -5}, &events)) << "a negative interval counts as 0";
}

TEST(RollSound, MotorSoundsExactlyWhileTheStripMovesWithinOneBuffer)
{
    for (const Roll& roll : kRolls) {
        std::vector<TimedSoundEvent> events;
        const std::int64_t start = 100;
        const std::int64_t length = start + AppendRollSound(0, start, roll.frames, roll.timing, &events) + 200;
        const std::vector<std::int16_t> track = Render(MotorOnly(), events, length);

        const std::int64_t moving = std::int64_t{roll.timing.frameHeight} * roll.timing.speedMs;
        const std::int64_t period = moving + roll.timing.intervalMs;
        auto distanceToMotion = [&](std::int64_t block, bool* inside) {
            // How far the block lies from the nearest span of motion, in samples (0 when it touches one).
            const std::int64_t first = block * kBuffer, last = first + kBuffer - 1;
            std::int64_t nearest = INT64_MAX;
            *inside = false;
            for (std::int64_t f = 0; f < roll.frames; ++f) {
                const std::int64_t from = SampleAtMs(start + f * period), to = SampleAtMs(start + f * period + moving);
                if (first >= from && last < to)
                    *inside = true;
                nearest = std::min(nearest, last < from ? from - last : (first >= to ? first - to + 1 : 0));
            }
            return nearest;
        };
        const std::int64_t blocks = static_cast<std::int64_t>(track.size()) / kBuffer;
        int loud = 0;
        for (std::int64_t block = 0; block < blocks; ++block) {
            bool inside = false;
            const std::int64_t away = distanceToMotion(block, &inside);
            const double level = BlockLevel(track, block);
            if (inside) {
                EXPECT_GT(level, 0.02 * 32767) << "block " << block << " of a roll of " << roll.frames << " frames";
                ++loud;
            } else if (away > kBuffer) {
                EXPECT_EQ(0, level) << "block " << block << " of a roll of " << roll.frames << " frames";
            }
        }
        EXPECT_GT(loud, 0);
    }
}

TEST(RollSound, KnocksPeakWhereTheStripStandsOnEachFrame)
{
    auto sounds = std::make_shared<SoundSet>(BuiltInSounds());
    for (const Roll& roll : kRolls) {
        std::vector<TimedSoundEvent> events;
        const std::int64_t length = AppendRollSound(0, 0, roll.frames, roll.timing, &events) + 300;
        const std::vector<std::int16_t> track = Render(sounds, events, length);
        const std::int64_t period = std::int64_t{roll.timing.frameHeight} * roll.timing.speedMs + roll.timing.intervalMs;
        std::vector<std::int64_t> stops;
        for (std::int64_t f = 0; f < roll.frames; ++f)
            stops.push_back(SampleAtMs(f * period + std::int64_t{roll.timing.frameHeight} * roll.timing.speedMs));

        for (std::int64_t stop : stops) {
            // The loudest sample from 20 ms before to 40 ms after the stop comes within 3 ms after it.
            const std::int64_t from = std::max<std::int64_t>(0, stop - SampleAtMs(20));
            const std::int64_t to = std::min<std::int64_t>(track.size(), stop + SampleAtMs(40));
            std::int64_t peak = from;
            for (std::int64_t i = from; i < to; ++i) {
                if (std::abs(track[i]) > std::abs(track[peak]))
                    peak = i;
            }
            EXPECT_GE(peak, stop) << "a stop at sample " << stop;
            EXPECT_LE(peak, stop + SampleAtMs(3)) << "a stop at sample " << stop;
            EXPECT_GT(std::abs(track[peak]), 0.5 * 32767);
        }
        // Nothing as loud as a knock anywhere else: the motor alone stays under it.
        for (std::int64_t i = 0; i < static_cast<std::int64_t>(track.size()); ++i) {
            const bool nearStop = std::any_of(stops.begin(), stops.end(),
                                              [i](std::int64_t s) { return i >= s && i < s + SampleAtMs(120); });
            if (!nearStop) {
                ASSERT_LE(std::abs(track[i]), kMotorPeak * 32767 * 1.05) << "sample " << i;
            }
        }
    }
}

TEST(RollSound, NothingSoundsOneBufferAfterACut)
{
    auto sounds = std::make_shared<SoundSet>(BuiltInSounds());
    struct Case {
        const char* what;
        std::int64_t cutMs;
        bool soundingAtCut;
    };
    // A roll of 3 frames {20, 10, 300}: moving 0-200, knock at 200, moving 500-700, knock at 700.
    const Case cases[] = {{"while the motor runs", 120, true}, {"just after a knock", 705, true}, {"in the interval", 400, false}};
    for (const Case& c : cases) {
        std::vector<TimedSoundEvent> roll;
        AppendRollSound(0, 0, 3, {20, 10, 300}, &roll);
        std::vector<TimedSoundEvent> heard;
        for (const TimedSoundEvent& e : roll) {
            if (e.ms < c.cutMs)
                heard.push_back(e);
        }
        heard.push_back({c.cutMs, SoundEvent{SoundCue::Cut, 0, 0}});
        const std::vector<std::int16_t> track = Render(sounds, heard, 1500);
        const std::int64_t quietFrom = SampleAtMs(c.cutMs) + kBuffer;
        if (c.soundingAtCut) {
            EXPECT_NE(0, track[SampleAtMs(c.cutMs) - 1]) << c.what << ": it sounded up to the cut";
        }
        for (std::size_t i = quietFrom; i < track.size(); ++i) {
            ASSERT_EQ(0, track[i]) << c.what << ", sample " << i;
        }
    }
}

TEST(RollSound, ACutSilencesOnlyItsOwnSign)
{
    auto sounds = std::make_shared<SoundSet>(BuiltInSounds());
    std::vector<TimedSoundEvent> events;
    AppendRollSound(0, 0, 1, {50, 10, 0}, &events);
    AppendRollSound(1, 0, 1, {50, 10, 0}, &events);
    events.push_back({200, SoundEvent{SoundCue::Cut, 0, 0}});
    const std::vector<std::int16_t> track = Render(sounds, events, 600);
    EXPECT_GT(BlockLevel(track, SampleAtMs(300) / kBuffer), 0.05 * 32767) << "the second sign's motor runs on";
}

TEST(RollSound, TwoRollsMixWithoutASampleAtFullScale)
{
    auto sounds = std::make_shared<SoundSet>(BuiltInSounds());
    // Both signs knock at the same moments while both motors run: the plain sum passes full scale.
    std::vector<TimedSoundEvent> first, second, both;
    AppendRollSound(0, 0, 4, {20, 10, 100}, &first);
    AppendRollSound(1, 0, 4, {20, 10, 100}, &second);
    both = first;
    both.insert(both.end(), second.begin(), second.end());
    const std::int64_t length = 1500;
    const std::vector<std::int16_t> a = Render(sounds, first, length);
    const std::vector<std::int16_t> b = Render(sounds, second, length);
    const std::vector<std::int16_t> mixed = Render(sounds, both, length);

    int plainSumOver = 0, quietSamples = 0;
    for (std::size_t i = 0; i < mixed.size(); ++i) {
        const int sum = a[i] + b[i];
        ASSERT_LT(std::abs(mixed[i]), 32767) << "sample " << i;
        if (std::abs(sum) > 32767)
            ++plainSumOver;
        if (std::abs(sum) < kLimiterKnee * 32767 * 0.9) {
            // Quiet passages are the plain sum, give or take the rounding of each part.
            ASSERT_NEAR(sum, mixed[i], 2) << "sample " << i;
            ++quietSamples;
        }
        if (i > 0 && std::abs(sum) > 32767) {
            ASSERT_FALSE(mixed[i] == mixed[i - 1] && std::abs(mixed[i]) > 32000) << "a flat top at " << i;
        }
    }
    EXPECT_GT(plainSumOver, 0) << "the case must be loud enough to clip without the limiter";
    EXPECT_GT(quietSamples, 0);
}

TEST(RollSound, TheTrackHasTheLengthAskedForAndEventsPastItAreLeftOut)
{
    auto sounds = std::make_shared<SoundSet>(BuiltInSounds());
    std::vector<TimedSoundEvent> events;
    AppendRollSound(0, 0, 5, {20, 10, 100}, &events);
    EXPECT_EQ(static_cast<std::size_t>(SampleAtMs(777)), Render(sounds, events, 777).size());
    EXPECT_TRUE(Render(sounds, events, 0).empty());
}

}  // namespace
}  // namespace rolva
