// Fixed-size windows on systems with thicker frames: a window created with a fixed outer size
// keeps it while its client area holds all its controls, and grows just enough where the
// borders and caption (taller on some systems and at higher DPI) would cut them.
#pragma once

#include <windows.h>

namespace rolva {

// The client-area extent of the window's direct children: the largest right and bottom edge
// of any of them, shown or hidden.
SIZE ChildrenExtent(HWND window);

// Grows the window's outer size where its client area, under the frame its styles give it,
// would not hold its children; the top-left corner stays. Call once the children exist.
void GrowToHoldChildren(HWND window);

// Puts the window in the middle of the owner's outer rectangle, moved as little as needed to
// stand inside the work area of the owner's monitor (clear of the taskbar).
void CentreOverOwner(HWND window, HWND owner);

}  // namespace rolva
