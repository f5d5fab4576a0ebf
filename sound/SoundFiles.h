// The user's own sounds: WAV files in the folder "sounds" beside the executable, each taking the
// place of one built-in sound (motor.wav, knock.wav, click.wav). A missing file leaves the
// built-in sound; so does one that cannot be read or whose format the mixer cannot take, and
// that one is named, with the reason, in the message of SoundProblemsMessage.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "sound/core/Sound.h"
#include "sound/core/WavFile.h"

namespace rolva {

// The file names the folder may hold, in the order motor, knock, click.
extern const char* const kSoundFileNames[3];

struct SoundFileProblem {
    std::string path;
    WavProblem problem = WavProblem::None;
};

struct LoadedSounds {
    std::shared_ptr<const SoundSet> sounds;
    std::vector<SoundFileProblem> problems;
};

// "<the executable's folder>\sounds".
std::string SoundFolderBesideExecutable();

// The built-in sounds, with each one the folder holds a good file for replaced by it.
LoadedSounds LoadSounds(const std::string& folder);

// One message naming every file that was left out and why; empty when there is none.
std::string SoundProblemsMessage(const std::vector<SoundFileProblem>& problems);

}  // namespace rolva
