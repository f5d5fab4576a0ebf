// 32-bit top-down DIB sections: pictures whose pixels the program reads and writes itself, in
// memory of its own whatever the display's format. Used by the sign bands, the strip maker and
// the clip's canvas.
#pragma once

#include <windows.h>

#include <cstdint>

namespace rolva {

// A width x height section, top row first; *pixels gets its first pixel (0x00RRGGBB). NULL,
// with *pixels NULL, when it cannot be made.
HBITMAP CreateDib32(int width, int height, std::uint32_t** pixels);

// Copies width x height pixels of source, from (left, top), to the top-left of target (neither
// may be selected into a DC); false when that cannot be done.
bool CopyBitmapPixels(HBITMAP source, int left, int top, HBITMAP target, int width, int height);

// Any bitmap's width and height (as its header gives them); 0 x 0 for NULL.
SIZE BitmapSize(HBITMAP bitmap);

}  // namespace rolva
