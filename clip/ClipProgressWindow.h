// The window that shows how far a clip has got, with a cancel button: the program's progress
// window with the clip's caption and line, shown at once over the Form.
#pragma once

#include <windows.h>

#include "base/ProgressWindow.h"
#include "clip/ClipExport.h"

namespace rolva {

class ClipProgressWindow final : public ProgressWindow {
public:
    explicit ClipProgressWindow(HWND owner) : ProgressWindow(owner, "GIFで保存", "GIFを作成しています...") {}
};

}  // namespace rolva
