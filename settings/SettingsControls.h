// The settings dialog's 65 controls, created in their fixed order.
#pragma once

#include <windows.h>

namespace rolva {

// Creates every control of the dialog and gives each one but the up-downs the font.
void CreateSettingsControls(HWND dialog, HFONT font);

}  // namespace rolva
