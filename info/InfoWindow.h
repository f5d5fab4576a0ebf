// What the splash and the About window share: the bus-and-train background behind transparent
// controls and the centring on the desktop.
#pragma once

#include <windows.h>

namespace rolva {

// Bitmap 102, its black pixels in the grey-text colour and its white ones in button face,
// with its top-left corner at (0, top).
void DrawInfoBackground(HWND window, HDC dc, int top);

// WM_CTLCOLORSTATIC: texts and frames drawn straight over the background.
LRESULT TransparentStaticColours(HDC dc);

// Puts the window's client-sized box in the middle of the desktop's client area.
void CentreOnDesktop(HWND window);

}  // namespace rolva
