// A window's text as the A functions give it: bytes in the system's ANSI code page.
#pragma once

#include <windows.h>

#include <string>

namespace rolva {

// The whole text of the window (a control's contents, a window's title); empty for no window.
std::string WindowText(HWND window);

}  // namespace rolva
