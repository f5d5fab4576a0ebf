// Dialog boxes that build their own controls: a modal or modeless dialog from an empty
// in-memory template (no dialog resource), sized and filled by its procedure at WM_INITDIALOG.
#pragma once

#include <windows.h>

namespace rolva {

// The procedure gets parameter as its WM_INITDIALOG lParam.
INT_PTR RunEmptyDialog(HWND owner, DLGPROC procedure, LPARAM parameter);
HWND CreateEmptyDialog(HWND owner, DLGPROC procedure, LPARAM parameter);

}  // namespace rolva
