// The sound choices of the user, kept between runs in a small text file of the program's own
// ("Rolva.sound"), one "name=value" a line:
//
//     sound=1        1 plays the sounds, 0 keeps the program silent
//     volume=80      0 to 100
//     ledclick=0     1 lets an LED-style sign click at a frame change
//
// Unknown lines are passed over and missing ones keep their defaults, so older and newer
// programs read each other's files; numbers out of range are brought into it.
#pragma once

#include <string>

namespace rolva {

struct SoundSettings {
    bool on = true;
    int volume = 80;
    bool ledClick = false;
    bool operator==(const SoundSettings& other) const
    {
        return on == other.on && volume == other.volume && ledClick == other.ledClick;
    }
};

SoundSettings DecodeSoundSettings(const std::string& text);
std::string EncodeSoundSettings(const SoundSettings& settings);

}  // namespace rolva
