// The About window ("Rolvaのバージョン情報"): banner, icon, credits, the three web-site buttons
// and whether GDI+ is there. Run modally by the Help menu's version item (RunModal "About");
// it ends itself with OK (result 1) or a close request (result 0).
#pragma once

#include <windows.h>

#include "base/WindowDefinition.h"

namespace rolva {

LRESULT CALLBACK AboutWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The About window ("About"), run modally.
extern const WindowDefinition kAboutWindow;

}  // namespace rolva
