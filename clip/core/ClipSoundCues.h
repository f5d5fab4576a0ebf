// The sound of a clip, read off the sign's own timeline, so that the track follows exactly what
// the picture shows: the timeline is looked at every millisecond, and
//
// - a roll's strip moving from rest starts the motor, at the pitch of the gap between its steps;
// - the step that brings a frame whole into view stops the motor and knocks one step's pause
//   later, where the roll thread begins its interval pause (RollSound);
// - an LED-style sign's frame change clicks, where the user wants clicks.
#pragma once

#include <cstdint>
#include <vector>

#include "clip/core/ClipTimeline.h"
#include "sound/core/RollSound.h"

namespace rolva {

// Appends the cues of the sign's timeline; frameHeight is the sign's height (a roll's pixels
// per frame).
void AppendTimelineCues(const SignTimeline& timeline, int sign, std::int32_t frameHeight, bool ledClick,
                        std::vector<TimedSoundEvent>* events);

}  // namespace rolva
