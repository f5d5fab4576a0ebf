// Creates the program's secondary top-level windows by name. All of them are of the shared
// class NORMALDLG: created, given their own window procedure, then sent WM_INITDIALOG (0, 0),
// which builds their controls.
#pragma once

#include <windows.h>

namespace rolva {

// "Ctrl" (the control panel) and "Splash"; any other name creates nothing and gives NULL.
HWND CreateNamedWindow(HWND owner, const char* name);

// "About" and "Set", the modal windows, created the same way (not yet shown); NULL for others.
HWND CreateModalWindow(HWND owner, const char* name);

// Installs the window's own procedure and sends it WM_INITDIALOG.
void InitNamedWindow(HWND window, WNDPROC procedure);

}  // namespace rolva
