// The program's windows and the resources they share: set once at start-up or while a window is
// open, read by every room that needs an owner, a font or a window record. It knows no window's
// contents, only where the windows are.
#pragma once

#include <windows.h>

#include "base/Handles.h"
#include "base/WindowRecords.h"

namespace rolva {

// One window font per top-level window, in this order.
enum WindowFont { kFontForm, kFontPanel, kFontAbout, kFontSplash, kFontSettings, kWindowFontCount };

struct Application {
    HINSTANCE instance = nullptr;
    HWND form = nullptr;
    HWND controlPanel = nullptr;
    HWND splash = nullptr;    // gone once the splash has closed
    HWND about = nullptr;     // set while the About window is open
    HWND settings = nullptr;  // set while the settings dialog is open
    HWND maker = nullptr;     // set while the strip maker is open
    HWND ledLook = nullptr;   // set while the LED look window is open
    FontHandle fonts[kWindowFontCount];
    HBRUSH buttonFace = nullptr;  // class background of NORMALDLG and NORMAL0: the classes own it
    TopLevelWindow formRecord;
    TopLevelWindow panelRecord;
};

extern Application gApp;

extern const char kFormClass[];    // "NORMAL0"
extern const char kDialogClass[];  // "NORMALDLG", shared by every other top-level window
extern const char kFormTitle[];    // "RolvaVer4"

}  // namespace rolva
