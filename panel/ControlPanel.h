// The control panel: the setter box of the signs, one column of keys per sign.
// Created at start-up as a NORMALDLG window owned by the Form; alive until the Form goes.
#pragma once

#include <windows.h>

namespace rolva {

LRESULT CALLBACK ControlPanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The panel's handle, stored when it is initialised.
extern HWND gControlPanelWindow;

}  // namespace rolva
