// Start-up, the main message loop and the end of the run: the top of the program.
#pragma once

#include <windows.h>

#include "app/Menus.h"
#include "base/WindowRegistry.h"

namespace rolva {

// The Form's menus, built at start-up and freed by EndApplication.
extern MenuSet gMenus;

// Start-up up to and including the Form's creation; returns the Form (NULL when it failed).
HWND StartApplication(HINSTANCE instance);

// The one message loop; returns when WM_QUIT arrives or GetMessage fails.
void RunMessageLoop();

// After the loop, once every window has gone: frees the background picture, the menus and the
// window fonts. The button-face brush stays with the window classes.
void EndApplication();

}  // namespace rolva
