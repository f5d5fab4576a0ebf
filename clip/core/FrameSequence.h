// The sequence of a clip as the user types it: frame numbers to go to in turn, such as
// "0 5 3 12". Text is Shift-JIS as the dialog hands it over.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace rolva {

constexpr std::int32_t kHighestClipFrame = 32767;  // frame numbers are kept in 16 bits
constexpr std::size_t kMostClipFrames = 1000;      // longest sequence accepted

// Numbers separated by blanks or commas (half- or full-width, and full-width digits too).
// None when the text holds anything else, no number at all, more than kMostClipFrames numbers
// or a number above kHighestClipFrame.
std::optional<std::vector<std::int32_t>> ParseFrameSequence(std::string_view text);

// 0, 1, ... count-1: every frame of a strip or folder in turn (one frame at least).
std::vector<std::int32_t> EveryFrameInTurn(std::int32_t count);

// Whole frames of a strip of stripHeight pixels shown frameHeight at a time (1 at least).
std::int32_t StripFrameCount(std::int32_t stripHeight, std::int32_t frameHeight);

}  // namespace rolva
