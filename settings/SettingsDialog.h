// The settings dialog ("設定"): a modal NORMALDLG window over the Form, run by RunModal. It
// sizes the Form, chooses the background and the sign pictures, places, sizes and rounds the
// signs and copies manuscript templates. Every edit goes straight to the document and the
// windows: there is no OK, no Cancel and no copy of the document. The dialog owns its
// controls, its brushes, the help picture and the tooltip window, all gone when it closes.
#pragma once

#include <windows.h>

#include "base/WindowDefinition.h"

namespace rolva {

LRESULT CALLBACK SettingsDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The settings dialog ("Set"), run modally.
extern const WindowDefinition kSettingsWindow;

}  // namespace rolva
