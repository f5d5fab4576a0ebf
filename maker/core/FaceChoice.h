// Which font face the strip maker draws with when the one asked for is not installed: a face
// that can draw Japanese, for the destinations are Japanese, and never a vertical one.
#pragma once

#include <string>
#include <vector>

namespace rolva {

// A face the system has, with one of the character sets it covers (a face is listed once per set).
struct InstalledFace {
    std::string name;
    int charset = 0;
};

// The character set of Shift-JIS faces.
constexpr int kJapaneseCharset = 128;

// The first installed face with the Japanese character set that is not a vertical ("@") face,
// in the order given; fallback when there is none.
std::string ReplacementFace(const std::vector<InstalledFace>& installed, const std::string& fallback);

}  // namespace rolva
