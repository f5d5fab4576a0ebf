// The Form's "GIFで保存..." command: asks for the clip's options and the file, writes the clip
// with a progress window, and says how it ended when it did not save.
#pragma once

#include "clip/ClipExport.h"

namespace rolva {

void SaveClipCommand();

// The message for a clip that was not saved (nothing for a saved one).
void ShowClipResult(const ClipResult& result);

}  // namespace rolva
