// The Form: the main window (class NORMAL0) that shows the background picture with the two
// signs on it, carries the menu bar and owns every other top-level window.
#pragma once

#include <windows.h>

namespace rolva {

LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace rolva
