// A sign's picture control showing its page at any place in the sign, for a page scrolling
// through it. The control stays where every picture load puts it and keeps the page as its
// picture; only its painting changes: each step draws the columns in view straight into the
// control, and a repaint the system asks for draws the same place. Moving the control instead
// would cost a move, a repaint of the frame and one of the control for every pixel of a scroll.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

namespace rolva {

// Draws the page with its left edge at x inside the sign, now and at every later repaint, as
// long as the control holds that page; the frame's background fills the columns beside it.
// The page stays the caller's.
void ShowScrolledPicture(int sign, HBITMAP page, std::int32_t x);

// The control paints its picture the usual way again, from its next repaint on.
void EndScrolledPicture(int sign);

// Where the page's left edge is drawn while the control shows it scrolled; none otherwise.
std::optional<std::int32_t> ScrolledPictureX(int sign);

}  // namespace rolva
