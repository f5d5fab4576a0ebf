// A sign given a new picture: a strip file for a roll sign, a folder of frame pictures for an
// LED-style sign. What the settings dialog's 参照... does once a path is chosen, and what a drop
// on the sign and the strip maker's output do.
#pragma once

#include <windows.h>

#include <string>

#include "base/AppMessages.h"
#include "document/SignDocument.h"

namespace rolva {

// Each sends kSignPathChangedMessage to the settings dialog when it is open.
void SetSignFolder(int sign, const std::string& folder);
void SetSignStrip(int sign, const std::string& path);

// A new picture or folder, or a deleted picture, puts the sign on frame 0.
void ResetRollState(SignSlot& slot);

}  // namespace rolva
