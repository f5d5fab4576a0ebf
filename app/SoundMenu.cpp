#include "app/SoundMenu.h"

#include "app/Application.h"
#include "app/MenuIds.h"
#include "sound/SignSounds.h"
#include "sound/SoundOutput.h"

namespace rolva {

namespace {

constexpr int kVolumeSteps = 5;  // 20 % apart
constexpr const char* kSoundOnLabel = "音を鳴らす(&O)";
constexpr const char* kSoundOnNoOutputLabel = "音を鳴らす(&O)（出力できる装置がありません）";

int VolumeOf(int id) { return (id - kCommandSoundVolumeFirst + 1) * 100 / kVolumeSteps; }

void AppendItem(HMENU menu, UINT id, const char* label)
{
    AppendMenuA(menu, MF_STRING, id, label);
}

}  // namespace

HMENU BuildSoundMenu()
{
    HMENU sound = CreatePopupMenu();
    AppendItem(sound, kCommandSoundOn, kSoundOnLabel);
    AppendMenuA(sound, MF_SEPARATOR, 0, nullptr);
    const char* const volumes[kVolumeSteps] = {"音量 20%(&1)", "音量 40%(&2)", "音量 60%(&3)", "音量 80%(&4)",
                                               "音量 100%(&5)"};
    for (int i = 0; i < kVolumeSteps; ++i)
        AppendItem(sound, kCommandSoundVolumeFirst + i, volumes[i]);
    AppendMenuA(sound, MF_SEPARATOR, 0, nullptr);
    AppendItem(sound, kCommandSoundLedClick, "LED風の幕の切り替えでクリック音(&L)");
    return sound;
}

void UpdateSoundMenu(HMENU sound)
{
    const SoundSettings& settings = CurrentSoundSettings();
    const char* label = settings.on && SoundOutputFailed() ? kSoundOnNoOutputLabel : kSoundOnLabel;
    // The text alone: ModifyMenu would drop the check mark too.
    MENUITEMINFOA item{};
    item.cbSize = sizeof item;
    item.fMask = MIIM_STRING;
    item.dwTypeData = const_cast<char*>(label);
    SetMenuItemInfoA(sound, kCommandSoundOn, FALSE, &item);
    CheckMenuItem(sound, kCommandSoundOn, MF_BYCOMMAND | (settings.on ? MF_CHECKED : MF_UNCHECKED));
    const int last = kCommandSoundVolumeFirst + kVolumeSteps - 1;
    // A volume from the file between two steps checks none of them.
    for (int id = kCommandSoundVolumeFirst; id <= last; ++id)
        CheckMenuItem(sound, id, MF_BYCOMMAND | (VolumeOf(id) == settings.volume ? MF_CHECKED : MF_UNCHECKED));
    CheckMenuItem(sound, kCommandSoundLedClick, MF_BYCOMMAND | (settings.ledClick ? MF_CHECKED : MF_UNCHECKED));
}

bool RunSoundCommand(int id)
{
    SoundSettings settings = CurrentSoundSettings();
    if (id == kCommandSoundOn)
        settings.on = !settings.on;
    else if (id >= kCommandSoundVolumeFirst && id < kCommandSoundVolumeFirst + kVolumeSteps)
        settings.volume = VolumeOf(id);
    else if (id == kCommandSoundLedClick)
        settings.ledClick = !settings.ledClick;
    else
        return false;
    ChangeSoundSettings(settings);
    UpdateSoundMenu(gMenus.sound);
    return true;
}

}  // namespace rolva
