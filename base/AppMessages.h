// The program's own window messages, numbered in one place so that no two share a number.
// Each is posted or sent by a lower room to a window of a higher one that asked for it.
#pragma once

#include <windows.h>

namespace rolva {

// To the open settings dialog after a sign's picture path changed; wParam is the sign.
constexpr UINT kSignPathChangedMessage = WM_APP + 40;

// To the roll listener when a roll reaches its frame: wParam is the sign, lParam the roll's
// number.
constexpr UINT kRollEndedMessage = WM_APP + 41;

// To the strip maker itself, to say once it shows that a face saved with its list is missing.
constexpr UINT kMakerFaceMissingMessage = WM_APP + 42;

// To the LED players' window from a sign's player thread when the sign's picture is due to
// change: wParam is the sign, lParam the number of the play.
constexpr UINT kLedStepMessage = WM_APP + 43;

// To the Form itself once it is made, to name the user's sound files that were left out.
constexpr UINT kSoundFilesMessage = WM_APP + 50;

}  // namespace rolva
