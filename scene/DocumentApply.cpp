#include "scene/DocumentApply.h"

#include <windows.h>
#include <commctrl.h>

#include "base/WindowRegistry.h"
#include "display/PictureLoader.h"
#include "display/SignWindows.h"
#include "document/ScenePaths.h"
#include "document/SignDocument.h"
#include "panel/ControlPanel.h"
#include "panel/ControlPanelIds.h"

namespace rolva {

void SetFormOuterWidth(int width) { gApp.formRecord.SetWidth(width); }
void SetFormOuterHeight(int height) { gApp.formRecord.SetHeight(height); }
void SetPanelOuterWidth(int width) { gApp.panelRecord.SetWidth(width); }

void SetSpeedField(int sign, std::int32_t value)
{
    SendMessageA(PanelControl(kSpeedUpDownIds[sign]), UDM_SETPOS, 0, MAKELPARAM(LOWORD(value), 0));
}

void SetIntervalField(int sign, std::int32_t value)
{
    SendMessageA(PanelControl(kIntervalUpDownIds[sign]), UDM_SETPOS, 0, MAKELPARAM(LOWORD(value), 0));
}

void ReloadBackground()
{
    gDocument.backgroundBitmap.Reset(LoadPicture(ExistingScenePath(gDocument.backgroundPath)));
    InvalidateRect(gApp.form, nullptr, TRUE);
    UpdateWindow(gApp.form);
}

void ClearSignPicture(int sign)
{
    SetSignPicture(sign, nullptr);
    gDocument.signs[sign].pictureBitmap.Reset();
}

void ReloadSignStrip(int sign)
{
    ClearSignPicture(sign);
    SignSlot& slot = gDocument.signs[sign];
    slot.pictureBitmap.Reset(LoadPicture(ExistingScenePath(slot.picturePath)));
    SetSignPicture(sign, slot.pictureBitmap.Get());
}

void MoveSignPictureHome(int sign)
{
    HWND picture = SignPictureHandle(sign);
    SetWindowPos(picture, nullptr, 0, 0, 0, 0, SWP_NOSIZE);
    UpdateWindow(picture);
}

void SetNumberDisplay(int sign, const std::string& text) { SetPanelText(kNumberDisplayIds[sign], text); }

}  // namespace rolva
