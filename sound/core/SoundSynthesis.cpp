#include "sound/core/SoundSynthesis.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace rolva {

namespace {

constexpr double kPi = 3.14159265358979323846;

// A fixed xorshift sequence: the same sounds on every run and every system.
class NoiseSource {
public:
    explicit NoiseSource(std::uint32_t seed) : state_(seed) {}
    float Next()
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<float>(state_) / 2147483648.0f - 1.0f;
    }

private:
    std::uint32_t state_;
};

// The coefficient of a one-pole low-pass with the given corner frequency.
double OnePole(double cornerHz)
{
    return 1.0 - std::exp(-2.0 * kPi * cornerHz / kSoundRate);
}

// A one-pole low-pass run round a loop: the first lap only settles the filter on the loop's own
// end, so the second lap, which is kept, runs on across the seam as it does inside.
std::vector<float> LowPassRound(const std::vector<float>& input, double cornerHz)
{
    const double a = OnePole(cornerHz);
    std::vector<float> output(input.size());
    double state = 0;
    for (int lap = 0; lap < 2; ++lap) {
        for (std::size_t i = 0; i < input.size(); ++i) {
            state += a * (input[i] - state);
            output[i] = static_cast<float>(state);
        }
    }
    return output;
}

void ScaleToPeak(Sound& sound, float peak)
{
    float highest = 0;
    for (float sample : sound.samples)
        highest = std::max(highest, std::fabs(sample));
    if (highest > 0) {
        for (float& sample : sound.samples)
            sample *= peak / highest;
    }
}

std::size_t SamplesOf(double seconds) { return static_cast<std::size_t>(seconds * kSoundRate + 0.5); }

}  // namespace

Sound SynthesizeMotor()
{
    const std::size_t length = SamplesOf(0.5);  // 50 cycles of 100 Hz, 2 of the 4 Hz swell
    NoiseSource noise(0x5EEDu);
    std::vector<float> white(length);
    for (float& sample : white)
        sample = noise.Next();
    const std::vector<float> belowTop = LowPassRound(white, 1500);
    const std::vector<float> belowBottom = LowPassRound(belowTop, 200);

    struct Partial {
        double hz, level;
    };
    const Partial partials[] = {{100, 0.5}, {200, 0.25}, {300, 0.12}, {500, 0.06}, {1200, 0.04}};
    Sound motor;
    motor.samples.resize(length);
    for (std::size_t i = 0; i < length; ++i) {
        const double t = static_cast<double>(i) / kSoundRate;
        double hum = 0;
        for (const Partial& partial : partials)
            hum += partial.level * std::sin(2 * kPi * partial.hz * t);
        const double swell = 0.85 + 0.15 * std::sin(2 * kPi * 4 * t);
        const double band = belowTop[i] - belowBottom[i];
        motor.samples[i] = static_cast<float>(hum * swell + 1.2 * band);
    }
    ScaleToPeak(motor, kMotorPeak);
    return motor;
}

Sound SynthesizeKnock()
{
    const std::size_t length = SamplesOf(0.12);
    const std::size_t attack = SamplesOf(0.0005);
    NoiseSource noise(0xC0FFEEu);
    Sound knock;
    knock.samples.resize(length);
    for (std::size_t i = 0; i < length; ++i) {
        const double t = static_cast<double>(i) / kSoundRate;
        const double thump = std::sin(2 * kPi * 140 * t) * std::exp(-t / 0.025);
        const double overtone = 0.6 * std::sin(2 * kPi * 420 * t + 0.5) * std::exp(-t / 0.012);
        const double strike = 0.5 * noise.Next() * std::exp(-t / 0.004);
        // A short rise: a strike that starts at full level would click.
        const double rise = i < attack ? static_cast<double>(i) / attack : 1.0;
        knock.samples[i] = static_cast<float>(rise * (thump + overtone + strike));
    }
    ScaleToPeak(knock, kKnockPeak);
    return knock;
}

Sound SynthesizeClick()
{
    const std::size_t length = SamplesOf(0.006);
    Sound click;
    click.samples.resize(length);
    for (std::size_t i = 0; i < length; ++i) {
        const double t = static_cast<double>(i) / kSoundRate;
        click.samples[i] = static_cast<float>(std::sin(2 * kPi * 3000 * t) * std::exp(-t / 0.001));
    }
    ScaleToPeak(click, kClickPeak);
    return click;
}

SoundSet BuiltInSounds()
{
    SoundSet set;
    set.motor = SynthesizeMotor();
    set.knock = SynthesizeKnock();
    set.click = SynthesizeClick();
    return set;
}

}  // namespace rolva
