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

// The work area (the screen less the taskbar) of the monitor a window stands on, or of its
// owner's where it has one. Tests set it to show a small screen.
using WorkAreaCall = RECT (*)(HWND window);
extern WorkAreaCall gWorkAreaOf;

// Where a window, once it holds its children, is larger than the work area (a small screen, or
// large text scaling), cuts it to the area, moves it inside, and gives it scroll bars that move
// its children; a window that fits is left alone. Call once the children exist, before placing
// the window; the window procedure then passes its scroll messages to ScrollOnRequest.
void ScrollWhereTooLarge(HWND window);

// WM_VSCROLL, WM_HSCROLL and WM_MOUSEWHEEL of a window given scroll bars above: scrolls its
// children and returns true; false for other messages, for a scroll message from a control
// (an up-down control or a scroll bar control sends its own), and for a window without the bars.
bool ScrollOnRequest(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// After a key has moved the focus (Tab, an arrow, a mnemonic) in a window given scroll bars
// above: scrolls just far enough to bring the focused control into view.
void KeepFocusInView(HWND window);

// Puts the window in the middle of the owner's outer rectangle, moved as little as needed to
// stand inside the work area of the owner's monitor (clear of the taskbar).
void CentreOverOwner(HWND window, HWND owner);

}  // namespace rolva
