// The program's secondary top-level windows are all of the shared class NORMALDLG: created with
// the text, styles and size of their definition, given their own window procedure, then sent
// WM_INITDIALOG, which builds their controls. Each room keeps the definitions of its own windows.
#pragma once

#include <windows.h>

namespace rolva {

struct WindowDefinition {
    const char* text;
    DWORD exStyle;
    DWORD style;
    int width;
    int height;
    WNDPROC procedure;
    HWND* handle;  // where the window registry keeps it while it exists
};

// Creates the window over owner (not yet shown), records it and sends it WM_INITDIALOG with
// (0, initParam).
HWND CreateDefinedWindow(HWND owner, const WindowDefinition& definition, LPARAM initParam = 0);

// Installs the window's own procedure and sends it WM_INITDIALOG (0, initParam).
void InitNamedWindow(HWND window, WNDPROC procedure, LPARAM initParam = 0);

}  // namespace rolva
