// The system's colour chooser over a colour kept as 0x00RRGGBB, the order the program's
// files and looks use (a COLORREF is 0x00BBGGRR).
#pragma once

#include <windows.h>

#include <cstdint>

namespace rolva {

// Opens the chooser over owner at the colour, with its custom colours kept by the caller.
// True, and the colour replaced, when a person chose one.
bool ChooseRgbColour(HWND owner, std::uint32_t& rgb, COLORREF (&customColours)[16]);

COLORREF ColourRefOf(std::uint32_t rgb);

}  // namespace rolva
