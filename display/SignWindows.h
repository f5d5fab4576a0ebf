// The two signs on the Form. Each sign is a borderless frame window (class MakBase1 or
// MakBase2, white background) clipped to a rounded rectangle, with a bitmap control inside
// that carries the sign's picture; which frame of a roll strip shows depends only on the
// picture's vertical position in the frame. A strip deeper than 32,767 rows is carried in
// bands cut from it around the rows in view (display/core/StripBand.h, docs/deep-strips.md).
// The frame window holds the sign's place and size: the getters read them back from it.
#pragma once

#include <windows.h>

#include <cstdint>

namespace rolva {

// Form creation, in the order the Form runs them.
void CreateSignPictures(HWND form, HFONT font);
void CreateSignFrames(HWND form);
void MoveSignPicturesIntoFrames();

HWND SignFrameHandle(int sign);
HWND SignPictureHandle(int sign);

int SignLeft(int sign);
int SignTop(int sign);
int SignWidth(int sign);
int SignHeight(int sign);

// Each keeps the other coordinate or dimension and repaints the Form.
void SetSignLeft(int sign, int x);
void SetSignTop(int sign, int y);
void SetSignWidth(int sign, int width);
void SetSignHeight(int sign, int height);

// 1 shows the sign, any other value hides it; the value is kept in the frame's record.
void ShowSign(int sign, int visible);
int SignVisible(int sign);

// Clips the frame to a rectangle one pixel larger than its client area with corners rounded
// by an ellipse of the slot's corner radius, then updates the Form.
void ApplySignRegion(int sign);

// Shows a bitmap (owned by the slot) in the sign's picture control at (0, 0): the whole bitmap,
// or for a strip deeper than 32,767 rows its first band. A deep strip whose band cannot be
// made leaves the control empty, so the sign shows white rather than part of a picture. An LED
// frame at play stops, and its later pages go.
void SetSignPicture(int sign, HBITMAP bitmap);

// Puts the sign's strip at scrollOffset in a frame of viewHeight rows and draws the picture
// control: at y = scrollOffset for a strip shown whole, through a band (cut afresh when the
// view leaves the band held) for a deep one. Runs on the roll thread during a roll.
void PlaceSignStrip(int sign, std::int32_t scrollOffset, int viewHeight);

}  // namespace rolva
