// The start-up splash: shown for a few seconds over the disabled Form and control panel; when it
// goes, the data file named on the command line opens.
#pragma once

#include <windows.h>

namespace rolva {

LRESULT CALLBACK SplashWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace rolva
