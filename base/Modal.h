// Modal windows of the program: a NORMALDLG window run in a nested message loop while the Form
// (its owner) is disabled, ended with a result code.
#pragma once

#include <windows.h>

namespace rolva {

// Shows the window (made by CreateDefinedWindow), disables owner and runs the nested loop until
// the window ends; NULL gives 0 at once.
int RunModalWindow(HWND owner, HWND window);

// Enables the owner, destroys the window and ends the nested loop with the code.
void EndModal(HWND window, int code);

}  // namespace rolva
