// The start-up splash: a captionless picture with the product's name, the user and the system,
// shown for five seconds over the disabled Form and control panel. The Form's creation makes
// it (owner: the Form); it ends itself on its timer or on WM_CLOSE, and when it goes the data
// file named on the command line opens.
#pragma once

#include <windows.h>

#include "base/WindowDefinition.h"

namespace rolva {

LRESULT CALLBACK SplashWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The splash window ("Splash"), created at start-up.
extern const WindowDefinition kSplashWindow;

}  // namespace rolva
