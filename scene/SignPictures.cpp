#include "scene/SignPictures.h"

#include <utility>

#include "base/Handles.h"
#include "base/WindowRegistry.h"
#include "display/LedPlayer.h"
#include "display/LedSign.h"
#include "display/PictureLoader.h"
#include "display/RollAnimation.h"
#include "display/SignWindows.h"
#include "document/SignDocument.h"
#include "panel/SignRequests.h"
#include "scene/DocumentApply.h"

namespace rolva {

namespace {

void RepaintFormForFirstSign(int sign)
{
    if (sign == 0)
        InvalidateRect(gApp.form, nullptr, TRUE);
}

// The settings dialog, when open, shows the new path in the sign's field.
void NotifySettingsDialog(int sign)
{
    if (gApp.settings)
        SendMessageA(gApp.settings, kSignPathChangedMessage, static_cast<WPARAM>(sign), 0);
}

}  // namespace

void ResetRollState(SignSlot& slot)
{
    slot.scrollOffset = 0;
    slot.targetFrame = 0;
    slot.currentFrame = 0;
}

void SetSignFolder(int sign, const std::string& folder)
{
    SignSlot& slot = gDocument.signs[sign];
    slot.picturePath = folder;
    // The old folder's pages stop here, also when the new folder has no picture to show.
    StopLedPlayer(sign);
    MoveSignPictureHome(sign);
    RepaintFormForFirstSign(sign);
    ResetRollState(slot);
    SetNumberDisplay(sign, "0");
    NotifySettingsDialog(sign);
    StartSign(sign);  // lists the folder and shows its first picture
}

void SetSignStrip(int sign, const std::string& path)
{
    SignSlot& slot = gDocument.signs[sign];
    slot.picturePath = path;
    // The control shows the new strip before the old one is freed, so it never draws a freed one.
    BitmapHandle strip(LoadPicture(path));
    SetSignPicture(sign, strip.Get());
    slot.pictureBitmap = std::move(strip);
    RepaintFormForFirstSign(sign);
    ResetRollState(slot);
    NotifySettingsDialog(sign);
}

}  // namespace rolva
