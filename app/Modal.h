// Modal windows of the program: a NORMALDLG window run in a nested message loop while the Form
// (its owner) is disabled, ended with a result code.
#pragma once

#include <windows.h>

namespace rolva {

// "About" or "Set"; any other name creates nothing and gives 0.
int RunModal(HWND owner, const char* name);

// Enables the owner, destroys the window and ends the nested loop with the code.
void EndModal(HWND window, int code);

}  // namespace rolva
