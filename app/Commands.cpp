#include "app/Commands.h"

#include <windows.h>

#include <functional>
#include <new>

#include "app/Application.h"
#include "app/Form.h"
#include "app/MenuIds.h"
#include "app/NamedWindows.h"
#include "app/RecentFiles.h"
#include "app/SoundMenu.h"
#include "app/WindowPlacement.h"
#include "base/Modal.h"
#include "base/OwnFiles.h"
#include "clip/ClipCommand.h"
#include "display/RollAnimation.h"
#include "document/SignDocument.h"
#include "document/core/SignKind.h"
#include "info/Help.h"
#include "maker/StripMaker.h"
#include "pack/PackSave.h"
#include "scene/FileCommands.h"
#include "scene/SceneFile.h"
#include "sound/SignSounds.h"

namespace rolva {

namespace {

// The panel greyed for as long as a guarded command runs, and given back however it ends.
class PanelGreyedMeanwhile {
public:
    PanelGreyedMeanwhile() { gApp.panelRecord.Enable(0); }
    ~PanelGreyedMeanwhile()
    {
        gApp.panelRecord.Enable(1);
        gApp.panelRecord.Focus();
    }
    PanelGreyedMeanwhile(const PanelGreyedMeanwhile&) = delete;
    PanelGreyedMeanwhile& operator=(const PanelGreyedMeanwhile&) = delete;
};

// The modal window that takes input: the strip maker opened from the settings disables them.
HWND ForemostModalWindow()
{
    if (gApp.maker)
        return gApp.maker;
    return gApp.settings ? gApp.settings : gApp.about;
}

}  // namespace

void RunGuarded(const std::function<void()>& action)
{
    if (!RollThreadsIdle())
        return;
    try {
        const PanelGreyedMeanwhile greyed;
        action();
    } catch (const std::bad_alloc&) {
        // A long clip at twice the size, say: the command stops and says why, the program goes on.
        MessageBoxA(gApp.form, "メモリーが足りないため、中止しました。", kFormTitle, MB_OK | MB_ICONEXCLAMATION);
    }
}

void RunCommand(int id)
{
    switch (id) {
    case kCommandOpen:
        OpenCommand();
        break;
    case kCommandSaveAs:
        RunGuarded(SaveAsCommand);
        break;
    case kCommandSaveGif:
        RunGuarded(SaveClipCommand);
        break;
    case kCommandSave:
        RunGuarded(SaveCommand);
        break;
    case kCommandSavePack:
        RunGuarded(SavePackCommand);
        break;
    case kCommandExit:
        ConfirmExit(false);
        break;
    case kCommandSettings:
        RunGuarded([] { RunModal(gApp.form, "Set"); });
        break;
    case kCommandMakeStrip:
        RunGuarded([] { RunStripMaker(gApp.form, 0); });
        break;
    case kCommandMakeStripSecond:
        // Greyed in the menu while the second sign is hidden; a command sent anyway is refused.
        if (gDocument.signs[1].kind == static_cast<std::uint8_t>(SignKind::Hidden)) {
            MessageBeep(MB_ICONWARNING);
            break;
        }
        RunGuarded([] { RunStripMaker(gApp.form, 1); });
        break;
    case kCommandAbout:
        RunGuarded([] { RunModal(gApp.form, "About"); });
        break;
    case kCommandHelpTopics:
        OpenHelp();
        break;
    case kCommandSiteApps:
        OpenWebSite(1);
        break;
    case kCommandSiteMaker:
        OpenWebSite(2);
        break;
    case kCommandSiteFictional:
        OpenWebSite(3);
        break;
    default:
        if (IsRecentFileCommand(id))
            OpenRecentFile(id);
        else
            RunSoundCommand(id);
        break;
    }
}

bool ConfirmExit(bool)
{
    // A close request can come while a modal window keeps the panel disabled; No leaves it so.
    const bool panelWasEnabled = IsWindowEnabled(gApp.panelRecord.Handle()) != FALSE;
    gApp.panelRecord.Enable(0);
    const int answer = MessageBoxA(gApp.form, "Rolvaを終了します。よろしいですか？", "終了の確認",
                                   MB_YESNO | MB_ICONQUESTION);
    if (answer == IDNO) {
        if (panelWasEnabled) {
            gApp.panelRecord.Enable(1);
            gApp.panelRecord.Focus();
        } else if (HWND modal = ForemostModalWindow()) {
            // A progress window over it, when one is up, is the one that takes the keys.
            SetActiveWindow(GetLastActivePopup(modal));
        }
        return true;
    }
    // Both rolls end (exit codes 1 and 2) before the places are saved: nothing moves after.
    for (int sign = 0; sign < kSignCount; ++sign)
        StopRoll(sign);
    EndSignSounds();
    SaveWindowPlacement();
    // While the Form can still own it: where the settings went, when not beside the program.
    ShowOwnFilesNotice(gApp.form);
    // The help viewer is closed while the message loop still runs to let it go in order.
    CloseHelp();
    // Both ways end alike: the Form goes with every window it owns (a modal one included),
    // and only then are the menus, fonts and the background freed (EndApplication).
    DestroyWindow(gApp.form);
    return false;
}

}  // namespace rolva
