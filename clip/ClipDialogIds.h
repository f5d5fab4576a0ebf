// Control IDs of the clip's option dialog and of its progress window.
#pragma once

#include "base/ProgressWindowIds.h"

namespace rolva {

constexpr int kClipSubjectIds[3] = {1301, 1302, 1303};  // first sign, second sign, whole scene
constexpr int kClipListedId = 1311;                     // go to the listed frames in turn
constexpr int kClipEveryFrameId = 1312;                 // every frame in turn
constexpr int kClipFramesEditId = 1313;
constexpr int kClipFpsEditId = 1321;
constexpr int kClipHoldEditId = 1322;
constexpr int kClipLoopId = 1323;
constexpr int kClipSoundTrackId = 1324;  // a WAV of the sound beside the GIF
constexpr int kClipScaleIds[2] = {1331, 1332};  // 1x, 2x

constexpr int kClipProgressBarId = kProgressBarId;
constexpr int kClipProgressTextId = kProgressTextId;

}  // namespace rolva
