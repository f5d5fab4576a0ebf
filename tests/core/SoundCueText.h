// Cues as short text ("0knock 1move10 "), so a test compares a whole sequence at once and a
// failure shows it.
#pragma once

#include <string>
#include <vector>

#include "sound/core/RollSound.h"

namespace rolva::test {

inline std::string CueText(const SoundEvent& e)
{
    static const char* const kNames[] = {"move", "halt", "knock", "cut", "click"};
    std::string text = kNames[static_cast<int>(e.cue)];
    if (e.cue == SoundCue::Move)
        text += std::to_string(e.speedMs);
    return text;
}

// Each cue after its sign.
inline std::string SignCues(const std::vector<SoundEvent>& events)
{
    std::string text;
    for (const SoundEvent& e : events)
        text += std::to_string(e.sign) + CueText(e) + " ";
    return text;
}

// Each cue after its time.
inline std::string TimedCues(const std::vector<TimedSoundEvent>& events)
{
    std::string text;
    for (const TimedSoundEvent& e : events)
        text += std::to_string(e.ms) + CueText(e.event) + " ";
    return text;
}

}  // namespace rolva::test
