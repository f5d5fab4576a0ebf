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

// From now on, while the control holds the page, its repaints draw the page with its left edge
// at x inside the sign and the frame's background beside it. Draws nothing: it comes before the
// control is given the page, so no repaint on the way shows the page at the control's left.
// The page stays the caller's.
void SetScrolledPicture(int sign, HBITMAP page, std::int32_t x);

// One step: the page set above is drawn at x now, without waiting for a repaint.
void ScrollPictureTo(int sign, std::int32_t x);

// The control paints its picture the usual way again: a page it shows scrolled is marked for a
// repaint, which draws it from the control's left edge as every picture load puts it.
void EndScrolledPicture(int sign);

// Where the page's left edge is drawn while the control shows it scrolled; none otherwise.
std::optional<std::int32_t> ScrolledPictureX(int sign);

}  // namespace rolva
