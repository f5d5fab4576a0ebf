#include "app/NamedWindows.h"

#include "base/Modal.h"
#include "base/WindowDefinition.h"
#include "info/AboutWindow.h"
#include "info/SplashWindow.h"
#include "maker/StripMaker.h"
#include "panel/ControlPanel.h"
#include "settings/LedLookWindow.h"
#include "settings/SettingsDialog.h"

namespace rolva {

namespace {

struct NamedWindow {
    const char* name;
    bool modal;  // run by RunModal rather than living for the whole run
    const WindowDefinition& definition;
};

const NamedWindow kNamedWindows[] = {
    {"Ctrl", false, kControlPanelWindow},
    {"Splash", false, kSplashWindow},
    {"About", true, kAboutWindow},
    {"Set", true, kSettingsWindow},
    {"Maker", true, kStripMakerWindow},
    {"LedLook", true, kLedLookWindow},
};

HWND CreateByName(HWND owner, const char* name, bool modal, LPARAM initParam)
{
    for (const NamedWindow& w : kNamedWindows) {
        if (w.modal == modal && lstrcmpA(name, w.name) == 0)
            return CreateDefinedWindow(owner, w.definition, initParam);
    }
    return nullptr;
}

}  // namespace

HWND CreateNamedWindow(HWND owner, const char* name) { return CreateByName(owner, name, false, 0); }

HWND CreateModalWindow(HWND owner, const char* name, LPARAM initParam)
{
    return CreateByName(owner, name, true, initParam);
}

int RunModal(HWND owner, const char* name) { return RunModalWindow(owner, CreateModalWindow(owner, name)); }

}  // namespace rolva
