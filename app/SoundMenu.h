// The サウンド submenu under 設定: sound on or off, the volume in five steps and the LED-style
// signs' click, each shown checked as it stands. Where no sound output could be opened the
// first item says so (the one notice of it: no message interrupts anyone).
#pragma once

#include <windows.h>

namespace rolva {

// The submenu, filled; it goes where the caller puts it.
HMENU BuildSoundMenu();

// Its checks and the first item's text as things stand: after start-up, after each of its
// commands, and as it opens.
void UpdateSoundMenu(HMENU sound);

// Carries out a command of the submenu; false for any other command.
bool RunSoundCommand(int id);

}  // namespace rolva
