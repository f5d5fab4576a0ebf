// The control panel: the setter box of the signs, one column per sign with a three-digit
// number display, picture keys (0-9, C, 送, 戻, 強, ON) and speed and interval fields.
// Created at start-up as a NORMALDLG window owned by the Form; alive until the Form goes.
#pragma once

#include <windows.h>

#include <string>

#include "base/WindowDefinition.h"

namespace rolva {

LRESULT CALLBACK ControlPanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The panel's handle, stored when it is initialised.
extern HWND gControlPanelWindow;

// A control of the panel by ID.
HWND PanelControl(int id);

// The text of a panel control, and setting it.
std::string PanelText(int id);
void SetPanelText(int id, const std::string& text);

// The control panel window ("Ctrl"), created at start-up.
extern const WindowDefinition kControlPanelWindow;

}  // namespace rolva
