// The program's secondary top-level windows by name, as start-up, the menu commands and the
// tests ask for them.
#pragma once

#include <windows.h>

namespace rolva {

// "Ctrl" (the control panel) and "Splash"; any other name creates nothing and gives NULL.
HWND CreateNamedWindow(HWND owner, const char* name);

// "About", "Set" and "Maker", the modal windows, created the same way (not yet shown); NULL for
// others. initParam reaches the window with its WM_INITDIALOG (the maker's sign).
HWND CreateModalWindow(HWND owner, const char* name, LPARAM initParam = 0);

// A modal window by name run over owner until it ends; any other name creates nothing and gives 0.
int RunModal(HWND owner, const char* name);

}  // namespace rolva
