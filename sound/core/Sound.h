// A sound as the mixer plays it: mono samples at one rate, full scale at -1 and +1. Every sound
// the program plays or writes is at this rate; a user's file is converted to it once, on loading.
#pragma once

#include <cstdint>
#include <vector>

namespace rolva {

constexpr int kSoundRate = 44100;  // samples a second

struct Sound {
    std::vector<float> samples;
};

// The sounds of the signs: the roll's motor (played in a loop while a strip moves), the knock of
// a strip stopping on a frame, and the click of an LED-style sign's frame change.
struct SoundSet {
    Sound motor;
    Sound knock;
    Sound click;
};

// The sample a time falls on, to the nearest; negative times count as 0.
std::int64_t SampleAtMs(std::int64_t ms);

}  // namespace rolva
