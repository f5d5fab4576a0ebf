// A loaded picture seen through the LED dot mask of a sign's live look (display/core/LedDotMask.h).
#pragma once

#include <windows.h>

#include "document/core/SceneLiveLook.h"

namespace rolva {

// A 32-bit copy of the picture with the look's dot mask applied, which the caller owns; NULL
// when no copy can be made.
HBITMAP DottedPicture(HBITMAP picture, const SignLiveLook& look);

}  // namespace rolva
