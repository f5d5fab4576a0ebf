// The strip maker ("幕の作成"): a modal window over the settings dialog or the Form that draws a
// sign's frames from a list of destinations, writes them (a roll strip, or an LED folder of
// numbered pictures) and gives them to the sign as 参照... does. Run like the other modal
// windows, with the sign (0 or 1) as its WM_INITDIALOG lParam.
#pragma once

#include <windows.h>

#include "base/WindowDefinition.h"

namespace rolva {

// Opens the maker for the sign (0 or 1) over owner and returns when it closes.
void RunStripMaker(HWND owner, int sign);

LRESULT CALLBACK StripMakerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The strip maker ("Maker"), run modally; its WM_INITDIALOG lParam is the sign.
extern const WindowDefinition kStripMakerWindow;

}  // namespace rolva
