// Writing a clip: the scene is drawn at every frame time of the clip, twice (once to choose the
// clip's palette, once to encode), each picture is encoded only where it differs from the one
// before (an unchanged one just lengthens the one before), the encoder's bytes get their delays
// and loop, and the file is written beside the target and put in its place only when complete.
// A cancel or a failure leaves the target as it was and no new file behind. A clip whose GIF
// might not fit in the memory the program can get is refused before anything is drawn. A sound
// track asked for is written beside a saved GIF (ClipSoundTrack.h).
#pragma once

#include <cstdint>
#include <string>

#include "base/core/Progress.h"
#include "clip/ClipScene.h"

namespace rolva {

// Told how far the clip has got; answers false to cancel it.
using ClipProgress = Progress;

enum class ClipOutcome { Saved, Cancelled, NotRecordable, TooLong, EncoderFailed, WriteFailed };

struct ClipResult {
    ClipOutcome outcome = ClipOutcome::Saved;
    std::string problem;         // NotRecordable: why
    std::int64_t longestMs = 0;  // TooLong: how much of the clip, from its start, would fit
    long encoderError = 0;       // EncoderFailed: the HRESULT
    std::uint32_t writeError = 0;  // WriteFailed: the system error code
    std::int32_t gifFrames = 0;  // Saved: frames in the file
    std::uint64_t bytes = 0;     // Saved: size of the file
    std::uint32_t soundError = 0;  // Saved, asked for a sound track: 0 or the system error code of its WAV
};

// The bytes a clip may take: what the system can give the program now, less room for the rest
// of it (ClipMemoryAvailable). Only tests put another figure here.
extern std::uint64_t (*gClipMemoryBudget)();
std::uint64_t ClipMemoryAvailable();

ClipResult ExportClip(const ClipRequest& request, const std::string& path, ClipProgress& progress);

}  // namespace rolva
