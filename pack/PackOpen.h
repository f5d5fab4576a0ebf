// Opening a scene pack (.rvp) by 開く, a drop, the command line or the recent files: the pack is
// unpacked into a folder of its own (PackFolder) and its scene opened from there. A pack that
// fails any check gets one message, leaves nothing but its own part-made folder (removed again),
// and the scene on screen stays as it was.
#pragma once

#include <string>

#include "scene/DataFiles.h"

namespace rolva {

FileReadOutcome OpenPackFile(const std::string& path);

}  // namespace rolva
