// The application-wide windows and resources: created once at start-up, alive for the whole run.
#pragma once

#include <windows.h>

#include "app/Handles.h"
#include "app/Menus.h"
#include "app/WindowRecords.h"
#include "document/core/SignKind.h"

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
    FontHandle fonts[kWindowFontCount];
    HBRUSH buttonFace = nullptr;  // class background of NORMALDLG and NORMAL0: the classes own it
    MenuSet menus;
    TopLevelWindow formRecord;
    TopLevelWindow panelRecord;
    ChildWindow ledFileLists[kSignCount];
};

extern Application gApp;

extern const char kFormClass[];    // "NORMAL0"
extern const char kDialogClass[];  // "NORMALDLG", shared by every other top-level window
extern const char kFormTitle[];    // "RolvaVer4"

// Start-up up to and including the Form's creation; returns the Form (NULL when it failed).
HWND StartApplication(HINSTANCE instance);

// The one message loop; returns when WM_QUIT arrives or GetMessage fails.
void RunMessageLoop();

// After the loop, once every window has gone: frees the background picture, the menus and the
// window fonts. The button-face brush stays with the window classes.
void EndApplication();

}  // namespace rolva
