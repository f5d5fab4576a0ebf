// What a sign is: a roll strip, an LED-style folder of frames, or not shown at all.
#pragma once

#include <cstdint>

namespace rolva {

// Stored as one unsigned byte in the data files; values above Hidden can come from a file.
enum class SignKind : std::uint8_t {
    Roll = 0,
    Led = 1,
    Hidden = 2,
};

constexpr int kSignCount = 2;

// The label the settings dialog shows for a kind ("幕式", "LED風", "使用しない（非表示）"),
// or nullptr for a value no list offers.
const char* SignKindLabel(std::uint8_t kind);

}  // namespace rolva
