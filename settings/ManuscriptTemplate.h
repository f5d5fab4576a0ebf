// The blank manuscript of a sign, put on the clipboard as a bitmap for a paint program.
#pragma once

#include <windows.h>

namespace rolva {

// Draws a white template of the given frame size and count (a black line on the top row of
// every frame when there are several) and makes it the clipboard's whole content, with the
// owner window as the clipboard's owner. True when the clipboard took it; a template the
// clipboard refused is freed at once.
bool CopyManuscriptTemplate(HWND owner, int width, int frameHeight, int frames);

// The template of a sign as it now stands: its client size, and one frame for an LED-style
// sign or the stored count otherwise.
bool CopySignManuscript(HWND owner, int sign);

}  // namespace rolva
