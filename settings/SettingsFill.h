// Puts the document into the settings dialog's controls when it opens.
#pragma once

#include <windows.h>

namespace rolva {

// The kind lists with their choices and the stored kinds, the arrows' ranges and the values
// their fields mirror, and the stored paths.
void FillSettingsFields(HWND dialog);

// "LEDの表示..." answers only while the sign is LED-style.
void EnableLedLookButton(HWND dialog, int sign);

}  // namespace rolva
