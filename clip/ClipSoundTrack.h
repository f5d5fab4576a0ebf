// The sound track of a clip: a WAV beside the GIF, of the same length, with the motor and the
// knocks at the moments the picture shows them (and an LED-style sign's clicks, where they are
// on), rendered offline through the same mixer as the live sound, at full level, so that a
// video editor can lay it under the GIF.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "clip/ClipScene.h"

namespace rolva {

// The WAV's path for a GIF's: its ".gif" ending, in any case, becomes ".wav"; another name gets
// ".wav" added.
std::string SoundTrackPath(const std::string& gifPath);

// The track's samples (mono, kSoundRate) for a prepared scene, with the sounds now in use.
std::vector<std::int16_t> RenderClipSoundTrack(const ClipScene& scene);

// Renders and writes the track to path: 0 or the system's error code.
std::uint32_t WriteClipSoundTrack(const ClipScene& scene, const std::string& path);

}  // namespace rolva
