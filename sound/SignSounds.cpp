#include "sound/SignSounds.h"

#include <string>

#include "base/OwnFiles.h"
#include "sound/SoundFiles.h"
#include "sound/SoundOutput.h"

namespace rolva {

namespace {

constexpr const char* kSettingsEnding = ".sound";
// A file of the few lines this program writes is far shorter; anything longer is not its.
constexpr std::size_t kSettingsMaxBytes = 4096;

SoundSettings gSettings;
LoadedSounds gLoaded;
std::string gFolder;
bool gFolderChosen = false;
bool gProblemsShown = false;

SoundSettings ReadSettingsFile() { return DecodeSoundSettings(ReadOwnFileText(kSettingsEnding, kSettingsMaxBytes)); }

void WriteSettingsFile(const SoundSettings& settings) { WriteOwnFileText(kSettingsEnding, EncodeSoundSettings(settings)); }

const std::string& SoundFolder()
{
    if (!gFolderChosen) {
        gFolder = SoundFolderBesideExecutable();
        gFolderChosen = true;
    }
    return gFolder;
}

void ApplyOutput()
{
    if (!gSettings.on) {
        StopSoundOutput();
        return;
    }
    if (!gLoaded.sounds)
        gLoaded = LoadSounds(SoundFolder());
    if (SoundOutputRunning())
        SetSoundOutputVolume(gSettings.volume);
    else
        StartSoundOutput(gLoaded.sounds, gSettings.volume);
}

}  // namespace

void ReportRollMoving(int sign, std::int32_t speedMs) { TheSoundBoard().Moving(sign, speedMs); }
void ReportFrameStop(int sign) { TheSoundBoard().FrameStop(sign); }
void ReportRollEnded(int sign) { TheSoundBoard().Halted(sign); }
void ReportRollCut(int sign) { TheSoundBoard().Cut(sign); }

void ReportLedFrameChange(int sign)
{
    // LED frames change on the user-interface thread, which owns the settings.
    if (gSettings.ledClick)
        TheSoundBoard().Click(sign);
}

void StartSignSounds()
{
    gSettings = ReadSettingsFile();
    gLoaded = LoadSounds(SoundFolder());
    ApplyOutput();
}

void EndSignSounds() { StopSoundOutput(); }

void UseSoundFolder(const std::string& folder)
{
    gFolder = folder;
    gFolderChosen = true;
    gLoaded = LoadSounds(folder);
    gProblemsShown = false;
    if (SoundOutputRunning())
        StartSoundOutput(gLoaded.sounds, gSettings.volume);
}

void ShowSoundFileProblems(HWND owner)
{
    if (gProblemsShown || gLoaded.problems.empty())
        return;
    gProblemsShown = true;
    const std::string text = SoundProblemsMessage(gLoaded.problems);
    MessageBoxA(owner, text.c_str(), "読み込みエラー", MB_OK | MB_ICONEXCLAMATION);
}

const SoundSettings& CurrentSoundSettings() { return gSettings; }

void ChangeSoundSettings(const SoundSettings& settings)
{
    gSettings = settings;
    ApplyOutput();
    WriteSettingsFile(settings);
}

std::shared_ptr<const SoundSet> CurrentSounds()
{
    if (!gLoaded.sounds)
        gLoaded = LoadSounds(SoundFolder());
    return gLoaded.sounds;
}

}  // namespace rolva
