// The arrows of the settings dialog's number fields: each step resizes the Form, moves or
// sizes a sign, re-rounds its corners or sets a manuscript frame count at once. A number typed
// into a field counts only at the next step, which the up-down takes as its base.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include "settings/core/NumberFields.h"

namespace rolva {

// What the field's window or slot holds now (the Form's outer size, a sign's place or client
// size, its corner radius or frame count).
int ReadFieldValue(const NumberField& field);

// One step of the field's arrows: the control's position plus the step, kept in range, goes
// to the window or slot. The control then moves itself and shows the same value.
void ArrowStep(HWND dialog, const NumberField& field, const NMUPDOWN& change);

}  // namespace rolva
