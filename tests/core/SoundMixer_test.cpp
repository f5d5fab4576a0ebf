#include "sound/core/SoundMixer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>

#include "sound/core/SoundSynthesis.h"

namespace rolva {
namespace {

TEST(SoundMixer, LimiterPassesQuietSamplesAndNeverReachesItsCeiling)
{
    const float passed[] = {0.0f, 0.1f, -0.3f, kLimiterKnee, -kLimiterKnee};
    for (float x : passed)
        EXPECT_EQ(x, SoftLimit(x));
    float before = kLimiterKnee;
    for (float x : {0.7f, 1.0f, 2.0f, 8.0f, 1e6f}) {
        const float y = SoftLimit(x);
        EXPECT_GT(y, before) << x << ": louder in, louder out";
        EXPECT_LE(y, kLimiterCeiling) << x;
        EXPECT_FLOAT_EQ(-y, SoftLimit(-x)) << x;
        before = std::min(y, kLimiterCeiling - 1e-7f);
    }
    EXPECT_LT(std::lrint(SoftLimit(1e9f) * 32767.0f), 32767);
}

TEST(SoundMixer, MotorPitchFollowsTheSpeedWithinItsRange)
{
    struct Case {
        std::int32_t speedMs;
        double rate;
    };
    const Case cases[] = {{10, 1.0}, {40, 0.5}, {5, std::sqrt(2.0)}, {1, 2.0}, {0, 2.0}, {-3, 2.0}, {1000, 0.5}};
    for (const Case& c : cases)
        EXPECT_DOUBLE_EQ(c.rate, MotorRate(c.speedMs)) << c.speedMs;
}

std::vector<std::int16_t> Samples(SoundMixer& mixer, std::size_t count)
{
    std::vector<std::int16_t> out(count);
    mixer.Render(out.data(), count);
    return out;
}

double Level(const std::vector<std::int16_t>& samples)
{
    double sum = 0;
    for (std::int16_t s : samples)
        sum += static_cast<double>(s) * s;
    return std::sqrt(sum / samples.size());
}

TEST(SoundMixer, AFasterRollPlaysTheMotorHigher)
{
    // The hum's fundamental is 100 Hz times the motor's rate: measure how strong 50 and 100 Hz are.
    auto strength = [](const std::vector<std::int16_t>& s, double hz) {
        double re = 0, im = 0;
        for (std::size_t n = 0; n < s.size(); ++n) {
            const double phase = 2 * 3.14159265358979 * hz * static_cast<double>(n) / kSoundRate;
            re += s[n] * std::cos(phase);
            im += s[n] * std::sin(phase);
        }
        return std::sqrt(re * re + im * im) / static_cast<double>(s.size());
    };
    auto motorAt = [](std::int32_t speed) {
        SoundMixer mixer(std::make_shared<SoundSet>(BuiltInSounds()));
        mixer.Apply({SoundCue::Move, 0, speed});
        return Samples(mixer, kSoundRate);
    };
    const std::vector<std::int16_t> slow = motorAt(40), normal = motorAt(10), fast = motorAt(1);
    EXPECT_GT(strength(slow, 50), 10 * strength(normal, 50)) << "half the pitch at 40 ms a pixel";
    EXPECT_GT(strength(normal, 100), 10 * strength(fast, 100)) << "twice the pitch at 1 ms a pixel";
    EXPECT_GT(strength(fast, 200), 10 * strength(fast, 100));
}

TEST(SoundMixer, VolumeScalesTheMixAndZeroIsSilence)
{
    auto sounds = std::make_shared<SoundSet>(BuiltInSounds());
    double levels[2] = {};
    const int volumes[2] = {100, 50};
    for (int k = 0; k < 2; ++k) {
        SoundMixer mixer(sounds);
        mixer.SetVolume(volumes[k]);
        mixer.Apply({SoundCue::Move, 0, 10});
        levels[k] = Level(Samples(mixer, 8820));
    }
    EXPECT_NEAR(0.5, levels[1] / levels[0], 0.02);

    SoundMixer muted(sounds);
    muted.SetVolume(0);
    muted.Apply({SoundCue::Move, 0, 10});
    muted.Apply({SoundCue::Knock, 1, 0});
    EXPECT_EQ(0, Level(Samples(muted, 4410)));
}

TEST(SoundMixer, ShortSoundsEndAndTheMixerFallsSilent)
{
    SoundMixer mixer(std::make_shared<SoundSet>(BuiltInSounds()));
    EXPECT_TRUE(mixer.Silent());
    mixer.Apply({SoundCue::Knock, 0, 0});
    mixer.Apply({SoundCue::Click, 1, 0});
    EXPECT_FALSE(mixer.Silent());
    const std::size_t knockLength = SynthesizeKnock().samples.size();
    Samples(mixer, knockLength);
    EXPECT_TRUE(mixer.Silent());
    const std::vector<std::int16_t> after = Samples(mixer, 100);
    EXPECT_EQ(0, Level(after));
}

TEST(SoundMixer, MoreKnocksThanVoicesStayBoundedAndTheNewestIsHeard)
{
    SoundMixer mixer(std::make_shared<SoundSet>(BuiltInSounds()));
    for (int k = 0; k < 3 * SoundMixer::kShotVoices; ++k) {
        mixer.Apply({SoundCue::Knock, k % 2, 0});
        const std::vector<std::int16_t> s = Samples(mixer, 50);
        for (std::int16_t v : s)
            ASSERT_LT(std::abs(v), 32767);
    }
    EXPECT_FALSE(mixer.Silent());
}

// A user's motor may be a single sample: at any rate the loop reads only that sample.
TEST(SoundMixer, AMotorOfOneSampleLoopsInsideItselfAtAnyRate)
{
    auto sounds = std::make_shared<SoundSet>();
    sounds->motor.samples = {0.25f};
    for (std::int32_t speed : {1, 10, 40}) {
        SoundMixer mixer(sounds);
        mixer.Apply({SoundCue::Move, 0, speed});
        const std::vector<std::int16_t> s = Samples(mixer, 2000);
        for (std::size_t i = SoundMixer::kFadeSamples + 1; i < s.size(); ++i)
            ASSERT_EQ(s[SoundMixer::kFadeSamples], s[i]) << "speed " << speed << ", sample " << i;
        EXPECT_NE(0, s.back());
    }
}

TEST(SoundMixer, CuesForNoSignOrWithoutSoundsAreIgnored)
{
    SoundMixer mixer(std::make_shared<SoundSet>(BuiltInSounds()));
    mixer.Apply({SoundCue::Move, 2, 10});
    mixer.Apply({SoundCue::Knock, -1, 0});
    EXPECT_TRUE(mixer.Silent());

    SoundMixer empty(std::make_shared<SoundSet>());
    empty.Apply({SoundCue::Move, 0, 10});
    empty.Apply({SoundCue::Knock, 0, 0});
    EXPECT_EQ(0, Level(Samples(empty, 441)));

    SoundMixer none(nullptr);
    none.Apply({SoundCue::Move, 0, 10});
    EXPECT_EQ(0, Level(Samples(none, 441)));
}

TEST(SoundSynthesis, BuiltInSoundsHaveTheirDocumentedShape)
{
    const SoundSet set = BuiltInSounds();
    ASSERT_EQ(static_cast<std::size_t>(kSoundRate / 2), set.motor.samples.size());
    EXPECT_EQ(static_cast<std::size_t>(kSoundRate * 12 / 100), set.knock.samples.size());
    auto peakAt = [](const Sound& s) {
        std::size_t at = 0;
        for (std::size_t i = 0; i < s.samples.size(); ++i) {
            if (std::fabs(s.samples[i]) > std::fabs(s.samples[at]))
                at = i;
        }
        return at;
    };
    EXPECT_FLOAT_EQ(kMotorPeak, std::fabs(set.motor.samples[peakAt(set.motor)]));
    EXPECT_FLOAT_EQ(kKnockPeak, std::fabs(set.knock.samples[peakAt(set.knock)]));
    EXPECT_LE(peakAt(set.knock), static_cast<std::size_t>(kSoundRate * 2 / 1000));
    // The loop's seam is no bigger a jump than the loop's own steps.
    float largestStep = 0;
    for (std::size_t i = 1; i < set.motor.samples.size(); ++i)
        largestStep = std::max(largestStep, std::fabs(set.motor.samples[i] - set.motor.samples[i - 1]));
    EXPECT_LE(std::fabs(set.motor.samples.front() - set.motor.samples.back()), largestStep);
    // The same on every run.
    EXPECT_EQ(set.motor.samples, SynthesizeMotor().samples);
}

}  // namespace
}  // namespace rolva
