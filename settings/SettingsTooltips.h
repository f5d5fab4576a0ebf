// The settings dialog's tooltips: one tooltip window owned by the dialog (it goes when the
// dialog goes), with a tip on each arrow pair, button and the first sign's kind list.
#pragma once

#include <windows.h>

namespace rolva {

// Creates the tooltip window and registers every tip.
void CreateSettingsTooltips(HWND dialog);

}  // namespace rolva
