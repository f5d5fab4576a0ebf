// Pictures seen through the LED dot mask of a sign's live look (display/core/LedDotMask.h).
#pragma once

#include <windows.h>

#include <string>

#include "document/core/SceneLiveLook.h"

namespace rolva {

// A 32-bit copy of the picture with the look's dot mask applied, which the caller owns; NULL
// when no copy can be made.
HBITMAP DottedPicture(HBITMAP picture, const SignLiveLook& look);

// A page of an LED-style sign as the sign shows it: the picture file, or its dotted copy when
// the look asks for one; the caller owns it. NULL when the file is no picture.
HBITMAP LoadLedPage(const std::string& path, const SignLiveLook& look);

}  // namespace rolva
