// Puts the document into the settings dialog's controls when it opens.
#pragma once

#include <windows.h>

namespace rolva {

// The kind lists with their choices and the stored kinds, the arrows' ranges and the values
// their fields mirror, and the stored paths.
void FillSettingsFields(HWND dialog);

}  // namespace rolva
