// The LED look window ("LEDの表示"): a small modal window over the settings dialog where an
// LED-style sign's page time, scroll speed and dot look are edited. Each change goes to the
// sign's slot and shows on the sign at once. Its WM_INITDIALOG lParam is the sign.
#pragma once

#include <windows.h>

#include "base/WindowDefinition.h"

namespace rolva {

// Opens the window for the sign (0 or 1) over owner and returns when it closes.
void RunLedLookWindow(HWND owner, int sign);

LRESULT CALLBACK LedLookProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The LED look window ("LedLook"), run modally; its WM_INITDIALOG lParam is the sign.
extern const WindowDefinition kLedLookWindow;

}  // namespace rolva
