// A sign as its windows show it, for drawing it elsewhere (a clip): the frame window's white
// background with the picture at its place inside, cut to the rounded rectangle the frame
// window is clipped to.
#pragma once

#include <windows.h>

namespace rolva {

// The frame window's region: a rectangle one pixel larger than its client area with corners
// rounded by an ellipse of cornerRadius (0 is square). The caller owns it.
HRGN CreateSignRegion(int width, int height, int cornerRadius);

// Paints a sign of width x height at (x, y) of dc: white, then picture (borrowed, may be NULL)
// with its top-left corner at (pictureLeft, pictureTop) of the sign, all clipped to the sign's
// region. Any clip region dc had is put back afterwards.
void PaintSign(HDC dc, int x, int y, int width, int height, int cornerRadius, HBITMAP picture, int pictureLeft,
               int pictureTop);

// The Form's background picture, unscaled at the top left of dc; nothing when there is none.
void DrawFormBackground(HDC dc);

}  // namespace rolva
