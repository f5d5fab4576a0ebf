// The "GIFで保存" dialog: what to record, the sequence, frames a second, the hold time, loop and
// scale. Modal over the Form; it offers the request it is given.
#pragma once

#include <windows.h>

#include <optional>

#include "clip/ClipScene.h"

namespace rolva {

// The dialog offering the given request; the request chosen, or none when the user cancelled.
std::optional<ClipRequest> AskClipOptions(HWND owner, const ClipRequest& offered);

// The request the dialog's fields give, or none with the field at fault focused and a message
// naming it in problem. Used by the dialog's OK button.
std::optional<ClipRequest> ReadClipOptions(HWND dialog, const char** problem);

}  // namespace rolva
