// The sounds of the signs, for the rest of the program: the signs report what they do (from any
// thread, never waiting), and the user's choices (sound on or off, volume, the LED click) are
// applied and kept in the program's own file "Rolva.sound" (base/OwnFiles) between runs.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

#include "sound/core/Sound.h"
#include "sound/core/SoundSettings.h"

namespace rolva {

// The strip of a roll sign moves at the speed (its pause after each pixel): the motor runs.
void ReportRollMoving(int sign, std::int32_t speedMs);
// The strip stands on a frame, where the interval pause begins: the motor stops, a knock.
void ReportFrameStop(int sign);
// The roll ended on its frame.
void ReportRollEnded(int sign);
// The roll was stopped (the reset key, a new scene, the end of the program): silence at once.
void ReportRollCut(int sign);
// An LED-style sign changed its frame: a click, where the user asked for one.
void ReportLedFrameChange(int sign);

// Start-up: reads the choices, loads the sounds (the user's files where good) and starts the
// output when sound is on. Whatever fails, the program runs on; nothing is shown here.
void StartSignSounds();

// The end of the run: the output stops. UI thread.
void EndSignSounds();

// Where the user's sound files are looked for; only tests put another folder. Loads the sounds
// again from there (restarting the output when it runs).
void UseSoundFolder(const std::string& folder);

// Shows, once a run, the message naming the user's sound files that were left out. UI thread.
void ShowSoundFileProblems(HWND owner);

const SoundSettings& CurrentSoundSettings();
// Applies the choices at once (starting or stopping the output) and writes them to the file.
void ChangeSoundSettings(const SoundSettings& settings);

// The sounds in use: the built-in ones with the user's files in their place.
std::shared_ptr<const SoundSet> CurrentSounds();

}  // namespace rolva
