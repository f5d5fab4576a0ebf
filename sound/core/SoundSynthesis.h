// The built-in sounds, made by the program itself (nothing recorded), the same on every run:
//
// - Motor: a loop of half a second. A hum on 100 Hz with its 2nd, 3rd and 5th harmonics (the
//   mains-frequency drone of a small geared motor), a faint gear whine at 1.2 kHz, and noise
//   band-passed between about 200 Hz and 1.5 kHz (the strip sliding over its rollers); the hum
//   swells twice per loop, as a motor under a varying load does. Every partial completes whole
//   cycles in the loop and the noise is filtered round the loop, so it repeats without a seam.
//   The mixer plays it faster or slower with the roll's speed (MotorRate), so its pitch follows.
// - Knock: 120 ms. A damped 140 Hz thump (decay 25 ms) with a 420 Hz overtone (decay 12 ms) and
//   a 4 ms burst of noise for the strike, reaching its peak within the first 2 ms.
// - Click: 6 ms of a damped 3 kHz tone, the relay of an LED-style sign's controller.
#pragma once

#include "sound/core/Sound.h"

namespace rolva {

Sound SynthesizeMotor();
Sound SynthesizeKnock();
Sound SynthesizeClick();

// All three.
SoundSet BuiltInSounds();

// Peak levels of the built-in sounds: room for two signs at once before the mixer's limiter acts.
constexpr float kMotorPeak = 0.3f;
constexpr float kKnockPeak = 0.7f;
constexpr float kClickPeak = 0.35f;

}  // namespace rolva
