// ファイル > パックで保存...: the scene on screen and every picture it uses in one zip file
// (.rvp), the scene naming its pictures by their places inside the pack. Pictures that are
// missing are named, and the user packs without them or stops. The pack is written under a
// temporary name with progress and a cancel button, and replaces the chosen file only whole.
#pragma once

#include <string>

namespace rolva {

void SavePackCommand();

// The pack written to path without the chooser (missing pictures still asked about): true when
// it is in place; false when the person stopped it or it failed, after its message.
bool SaveScenePack(const std::string& path);

}  // namespace rolva
