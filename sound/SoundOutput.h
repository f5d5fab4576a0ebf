// The program's one sound stream: a thread of its own mixes both signs' sounds (SoundMixer)
// into a waveOut stream of 10 ms buffers, three queued, so that what the signs report is heard
// within about 30 ms. The signs tell it their news through the SoundBoard and never wait for it.
// Where no device opens, or one goes away (headphones unplugged), the thread runs on silently
// and tries again every few seconds; SoundOutputFailed says so meanwhile, for the menu to show.
#pragma once

#include <memory>

#include "sound/core/SoundBoard.h"
#include "sound/core/SoundMixer.h"

namespace rolva {

// The board the signs write on, read by the output's thread.
SoundBoard& TheSoundBoard();

// Starts the thread with these sounds at the volume (0 to 100); a running one is stopped first.
// UI thread.
void StartSoundOutput(std::shared_ptr<const SoundSet> sounds, int volume);

// Asks the thread to stop and waits for it a bounded moment (it makes no window call, so the
// wait cannot deadlock). UI thread.
void StopSoundOutput();

bool SoundOutputRunning();
void SetSoundOutputVolume(int volume);

// True while the output has no device to play on (none, it failed to open or it went away), from
// the first failure until a device opens again.
bool SoundOutputFailed();

// Buffers the thread has played (mixed and handed to the device) since it started: for tests
// and the bench.
long SoundBuffersPlayed();

}  // namespace rolva
