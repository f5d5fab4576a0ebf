// The settings file beside the executable (its name with ".ini"): a 24-byte record of where the
// Form stood, how large it was, and where the control panel stood at the last exit (their
// restored places, even when the Form was minimised). Where the executable's folder cannot be
// written, the file is kept in the per-user folder instead (base/OwnFiles).
#pragma once

namespace rolva {

// Applies each stored value in file order; a missing or short file leaves the rest as it is.
void LoadWindowPlacement();

// Moves the Form and the control panel, where one stands on no monitor of this screen (a
// place stored on a larger or another set of screens), into the nearest monitor's work area.
void KeepWindowsOnScreen();

// Writes the places the windows have when restored: a minimised Form keeps the place it comes
// back to. The old file is replaced only by a complete new one.
void SaveWindowPlacement();

}  // namespace rolva
