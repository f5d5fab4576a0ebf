// The sounds of a roll in time, as the roll thread moves it: one pixel per step, a pause of its
// speed after every step and of its interval after every whole frame. The strip moves through
// the steps of a frame and their pauses, so the motor runs for frameHeight x speed and stops
// where the interval pause begins, which is where the strip stands on the frame and knocks:
//
//     frame f of the roll:  Move at f*P,  Halt and Knock at f*P + frameHeight*speed,
//     where P = frameHeight*speed + interval; after the last frame the roll has ended.
//
// A roll with no frame height or no frames makes no sound; with speed 0 the strip moves as
// fast as drawing allows, which a timeline counts as no time: only the knocks remain.
#pragma once

#include <cstdint>
#include <vector>

#include "sound/core/SoundMixer.h"

namespace rolva {

struct RollSoundTiming {
    std::int32_t frameHeight = 0;  // pixels per frame
    std::int32_t speedMs = 0;      // pause after every one-pixel step
    std::int32_t intervalMs = 0;   // extra pause after every whole frame
};

struct TimedSoundEvent {
    std::int64_t ms = 0;  // from the start of the track
    SoundEvent event;
};

// Appends the cues of a roll of the sign across framesPassed whole frames, starting at startMs;
// returns how long the roll takes. Negative timing values count as 0.
std::int64_t AppendRollSound(int sign, std::int64_t startMs, std::int64_t framesPassed, RollSoundTiming timing,
                             std::vector<TimedSoundEvent>* events);

// Renders the cues (in any order; those at one time in the order given) through the mixer into
// a track of lengthMs, each at the sample its time falls on.
std::vector<std::int16_t> RenderTrack(SoundMixer& mixer, std::vector<TimedSoundEvent> events, std::int64_t lengthMs);

}  // namespace rolva
