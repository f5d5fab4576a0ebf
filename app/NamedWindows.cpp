#include "app/NamedWindows.h"

#include "app/Application.h"
#include "info/AboutWindow.h"
#include "info/SplashWindow.h"
#include "maker/StripMaker.h"
#include "panel/ControlPanel.h"
#include "settings/SettingsDialog.h"

namespace rolva {

namespace {

struct NamedWindow {
    const char* name;
    bool modal;  // run by RunModal rather than living for the whole run
    const char* text;
    DWORD exStyle;
    DWORD style;
    int width;
    int height;
    WNDPROC procedure;
    HWND* handle;  // where the application keeps it
};

const NamedWindow kNamedWindows[] = {
    {"Ctrl", false, "ｺﾝﾄﾛｰﾙｳｨﾝﾄﾞｳ", 0, WS_CAPTION, 270, 211, ControlPanelProc, &gApp.controlPanel},
    {"Splash", false, "", WS_EX_STATICEDGE | WS_EX_TOPMOST, 0, 456, 295, SplashWindowProc, &gApp.splash},
    {"About", true, "Rolvaのバージョン情報", 0, WS_CAPTION, 456, 339, AboutWindowProc, &gApp.about},
    {"Set", true, "設定", 0, WS_CAPTION, 600, 448, SettingsDialogProc, &gApp.settings},
    {"Maker", true, "幕の作成", 0, WS_CAPTION | WS_SYSMENU, 760, 560, StripMakerProc, &gApp.maker},
};

HWND CreateByName(HWND owner, const char* name, bool modal)
{
    for (const NamedWindow& w : kNamedWindows) {
        if (w.modal != modal || lstrcmpA(name, w.name) != 0)
            continue;
        HWND window = CreateWindowExA(w.exStyle, kDialogClass, w.text, w.style, CW_USEDEFAULT, CW_USEDEFAULT,
                                      w.width, w.height, owner, nullptr, gApp.instance, nullptr);
        *w.handle = window;
        InitNamedWindow(window, w.procedure);
        return window;
    }
    return nullptr;
}

}  // namespace

void InitNamedWindow(HWND window, WNDPROC procedure)
{
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
    SendMessageA(window, WM_INITDIALOG, 0, 0);
}

HWND CreateNamedWindow(HWND owner, const char* name) { return CreateByName(owner, name, false); }

HWND CreateModalWindow(HWND owner, const char* name) { return CreateByName(owner, name, true); }

}  // namespace rolva
