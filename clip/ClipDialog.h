// The "GIFで保存" dialog: what to record, the sequence, frames a second, the hold time, loop and
// scale. Modal over the Form; the values chosen are offered again next time.
#pragma once

#include <windows.h>

#include <optional>

#include "clip/ClipScene.h"

namespace rolva {

// The request, or none when the user cancelled.
std::optional<ClipRequest> AskClipOptions(HWND owner);

// The request the dialog's fields give, or none with the field at fault focused and a message
// naming it in problem. Used by the dialog's OK button.
std::optional<ClipRequest> ReadClipOptions(HWND dialog, const char** problem);

// A modal dialog box of the given client size from an empty in-memory template: the callers
// create their controls themselves (no dialog resource is involved).
INT_PTR RunEmptyDialog(HWND owner, DLGPROC procedure, LPARAM parameter);
HWND CreateEmptyDialog(HWND owner, DLGPROC procedure, LPARAM parameter);

}  // namespace rolva
