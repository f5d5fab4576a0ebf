// Mixes the sounds of both signs into 16-bit samples. Each sign has a motor, which runs in a loop
// at a pitch set by the roll's speed and fades in and out over a few milliseconds (a sound that
// starts or stops at full level clicks), and short sounds (knocks, clicks) that play once. The
// sum goes through a soft limiter, so any number of voices never reaches full scale: quiet
// sums pass unchanged, louder ones bend smoothly towards a ceiling below it.
//
// The live output and the clip's sound track run the same mixer: the first applies the cues as
// they come, buffer by buffer, the second at the sample each falls on.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "sound/core/Sound.h"

namespace rolva {

enum class SoundCue : std::uint8_t {
    Move,   // the sign's motor runs, at the pitch of speedMs
    Halt,   // the motor stops (fading out)
    Knock,  // the strip stops on a frame
    Cut,    // everything of the sign stops at once (the reset key)
    Click,  // an LED-style sign changes its frame
};

struct SoundEvent {
    SoundCue cue = SoundCue::Move;
    int sign = 0;             // 0 or 1
    std::int32_t speedMs = 0;  // Move: the pause after every one-pixel step
};

// How fast the motor loop plays for a roll's speed: 1 at 10 ms a pixel, faster for quicker
// rolls (as the square root of the pixel rate), within half to twice its own pitch.
double MotorRate(std::int32_t speedMs);

// The limiter's curve: x itself up to kLimiterKnee, then bending towards kLimiterCeiling, which
// no input reaches.
constexpr float kLimiterKnee = 0.6f;
constexpr float kLimiterCeiling = 32700.0f / 32767.0f;
float SoftLimit(float x);

class SoundMixer {
public:
    static constexpr int kSigns = 2;
    static constexpr int kShotVoices = 8;      // knocks and clicks sounding at once; the oldest gives way
    static constexpr int kFadeSamples = 441;   // 10 ms: a motor's start and stop
    static constexpr int kCutSamples = 88;     // 2 ms: a cut, short enough to be heard as at once

    explicit SoundMixer(std::shared_ptr<const SoundSet> sounds);

    // 0 to 100: the level of the whole mix, applied before the limiter.
    void SetVolume(int percent);

    void Apply(const SoundEvent& event);
    void Render(std::int16_t* out, std::size_t count);

    // No voice sounds: the next samples are all 0.
    bool Silent() const;

private:
    struct Motor {
        double position = 0;  // in samples of the loop
        double rate = 1;
        float gain = 0;       // the fade's level now
        float target = 0;     // 0 or 1
        float step = 0;       // gain change per sample towards target
    };
    struct Shot {
        const Sound* sound = nullptr;  // null: the voice is free
        std::size_t position = 0;
        int sign = 0;
        float gain = 1;
        float fall = 0;  // gain lost per sample once cut
    };
    void StartShot(const Sound& sound, int sign);
    void MixMotor(Motor& motor, float* mix, std::size_t count);
    void MixShot(Shot& shot, float* mix, std::size_t count);

    std::shared_ptr<const SoundSet> sounds_;
    Motor motors_[kSigns];
    Shot shots_[kShotVoices];
    float volume_ = 1;
    std::vector<float> mix_;
};

}  // namespace rolva
