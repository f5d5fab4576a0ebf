// The controls of the LED look window, made from their table.
#pragma once

#include <windows.h>

namespace rolva {

void CreateLedLookControls(HWND window, HFONT font);

}  // namespace rolva
