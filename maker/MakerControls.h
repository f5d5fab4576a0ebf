// The controls of the strip maker dialog, created in tab order.
#pragma once

#include <windows.h>

namespace rolva {

void CreateMakerControls(HWND dialog, HFONT font);

// The preview's window class, registered once.
extern const char kStripPreviewClass[];

}  // namespace rolva
