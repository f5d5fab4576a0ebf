#include "sound/core/SoundMixer.h"

#include <algorithm>
#include <cmath>

namespace rolva {

double MotorRate(std::int32_t speedMs)
{
    const double speed = std::max<std::int32_t>(speedMs, 1);
    return std::clamp(std::sqrt(10.0 / speed), 0.5, 2.0);
}

float SoftLimit(float x)
{
    const float size = std::fabs(x);
    if (size <= kLimiterKnee)
        return x;
    const float room = kLimiterCeiling - kLimiterKnee;
    const float bent = kLimiterKnee + room * std::tanh((size - kLimiterKnee) / room);
    return std::copysign(std::min(bent, kLimiterCeiling), x);
}

SoundMixer::SoundMixer(std::shared_ptr<const SoundSet> sounds) : sounds_(std::move(sounds)) {}

void SoundMixer::SetVolume(int percent)
{
    volume_ = static_cast<float>(std::clamp(percent, 0, 100)) / 100.0f;
}

void SoundMixer::StartShot(const Sound& sound, int sign)
{
    if (sound.samples.empty())
        return;
    Shot* voice = &shots_[0];
    for (Shot& shot : shots_) {
        if (!shot.sound) {
            voice = &shot;
            break;
        }
        if (shot.position > voice->position)
            voice = &shot;  // the one furthest on, unless one is free
    }
    *voice = Shot{};
    voice->sound = &sound;
    voice->sign = sign;
}

void SoundMixer::Apply(const SoundEvent& event)
{
    if (event.sign < 0 || event.sign >= kSigns || !sounds_)
        return;
    Motor& motor = motors_[event.sign];
    switch (event.cue) {
    case SoundCue::Move:
        motor.rate = MotorRate(event.speedMs);
        motor.target = 1;
        motor.step = 1.0f / kFadeSamples;
        break;
    case SoundCue::Halt:
        motor.target = 0;
        motor.step = 1.0f / kFadeSamples;
        break;
    case SoundCue::Knock:
        StartShot(sounds_->knock, event.sign);
        break;
    case SoundCue::Click:
        StartShot(sounds_->click, event.sign);
        break;
    case SoundCue::Cut:
        motor.target = 0;
        motor.step = 1.0f / kCutSamples;
        for (Shot& shot : shots_) {
            if (shot.sound && shot.sign == event.sign)
                shot.fall = 1.0f / kCutSamples;
        }
        break;
    }
}

void SoundMixer::MixMotor(Motor& motor, float* mix, std::size_t count)
{
    const std::vector<float>& loop = sounds_->motor.samples;
    if (loop.empty() || (motor.gain == 0 && motor.target == 0))
        return;
    const double length = static_cast<double>(loop.size());
    for (std::size_t i = 0; i < count; ++i) {
        if (motor.gain < motor.target)
            motor.gain = std::min(motor.target, motor.gain + motor.step);
        else if (motor.gain > motor.target)
            motor.gain = std::max(motor.target, motor.gain - motor.step);
        if (motor.gain == 0 && motor.target == 0)
            break;
        // Between two samples of the loop, read straight across: enough for a hum and noise.
        const std::size_t at = static_cast<std::size_t>(motor.position);
        const float between = static_cast<float>(motor.position - static_cast<double>(at));
        const float a = loop[at];
        const float b = loop[at + 1 < loop.size() ? at + 1 : 0];
        mix[i] += motor.gain * (a + (b - a) * between);
        motor.position += motor.rate;
        // However short the loop and fast the rate, the next read stays inside it.
        if (motor.position >= length)
            motor.position = std::fmod(motor.position, length);
    }
}

void SoundMixer::MixShot(Shot& shot, float* mix, std::size_t count)
{
    const std::vector<float>& samples = shot.sound->samples;
    for (std::size_t i = 0; i < count && shot.position < samples.size() && shot.gain > 0; ++i) {
        mix[i] += shot.gain * samples[shot.position++];
        shot.gain -= shot.fall;
    }
    if (shot.position >= samples.size() || shot.gain <= 0)
        shot.sound = nullptr;
}

void SoundMixer::Render(std::int16_t* out, std::size_t count)
{
    mix_.assign(count, 0.0f);
    if (sounds_) {
        for (Motor& motor : motors_)
            MixMotor(motor, mix_.data(), count);
        for (Shot& shot : shots_) {
            if (shot.sound)
                MixShot(shot, mix_.data(), count);
        }
    }
    for (std::size_t i = 0; i < count; ++i)
        out[i] = static_cast<std::int16_t>(std::lrint(SoftLimit(mix_[i] * volume_) * 32767.0f));
}

bool SoundMixer::Silent() const
{
    for (const Motor& motor : motors_) {
        if (motor.gain > 0 || motor.target > 0)
            return false;
    }
    for (const Shot& shot : shots_) {
        if (shot.sound)
            return false;
    }
    return true;
}

}  // namespace rolva
