// How the LED-style signs of a scene come alive: the time each page of a frame shows, the speed
// of a page wider than the sign, and the LED dot look. Part of the scene; see LiveLookBlock.h for
// how the .rv4 keeps it.
#pragma once

#include <cstdint>

#include "document/core/SignKind.h"

namespace rolva {

constexpr std::int32_t kMinPageTimeMs = 100;
constexpr std::int32_t kMaxPageTimeMs = 60000;
constexpr std::int32_t kMinScrollSpeed = 1;  // pixels per second
constexpr std::int32_t kMaxScrollSpeed = 2000;
constexpr int kMinDotPitch = 2;  // pixels per dot
constexpr int kMaxDotPitch = 16;

constexpr int kDefaultDotPitch = 3;
constexpr std::uint32_t kDefaultGapColour = 0x101010;

struct SignLiveLook {
    std::int32_t pageTimeMs = 2500;                // how long each page of a frame shows
    std::int32_t scrollSpeed = 60;                 // pixels per second of a page wider than the sign
    bool dotLook = false;                          // the picture shown through the LED dot mask
    std::int32_t dotPitch = kDefaultDotPitch;      // kMinDotPitch..kMaxDotPitch
    bool roundDots = true;                         // discs, or squares
    std::uint32_t gapColour = kDefaultGapColour;  // 0x00RRGGBB between the dots
    bool glow = true;                              // the dots' halo on the gap
};

bool operator==(const SignLiveLook& a, const SignLiveLook& b);
bool operator!=(const SignLiveLook& a, const SignLiveLook& b);

struct SceneLiveLook {
    SignLiveLook signs[kSignCount];
};

// The look with each number brought into its range and the colour's top byte cleared.
SignLiveLook ClampedLiveLook(SignLiveLook look);

// Every sign as a new scene has it.
bool IsDefaultLiveLook(const SceneLiveLook& look);

}  // namespace rolva
