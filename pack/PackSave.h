// ファイル > パックで保存...: the scene on screen and every picture it uses in one zip file
// (.rvp), the scene naming its pictures by their places inside the pack. Pictures that are
// missing are named, and the user packs without them or stops. The pack is written under a
// temporary name with progress and a cancel button, and replaces the chosen file only whole.
#pragma once

namespace rolva {

void SavePackCommand();

}  // namespace rolva
