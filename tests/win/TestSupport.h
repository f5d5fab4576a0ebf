// Helpers shared by the tests that drive the real windows.
#pragma once

#include <windows.h>

#include <string>

namespace rolva::test {

// Dispatches every pending message of this thread, a few rounds, so posted work settles.
void PumpMessages(int rounds = 3);

// A file of tests/fixtures (the folder comes from --fixtures=).
std::string FixturePath(const char* name);
void SetFixtureFolder(const std::string& folder);

// GDI objects this process holds now.
DWORD GdiObjectCount();

// The class name and the window text of a window.
std::string ClassOf(HWND window);
std::string TextOf(HWND window);

// Pixel of the window as it shows on screen, in its client coordinates.
COLORREF ScreenPixel(HWND window, int x, int y);

// The colour of a bitmap pixel (bitmap coordinates, top-down).
COLORREF BitmapPixel(HBITMAP bitmap, int x, int y);
SIZE BitmapSize(HBITMAP bitmap);

}  // namespace rolva::test
