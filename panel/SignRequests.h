// What the panel asks of each sign: the frame its number display shows, with the speed and
// interval its fields show, read in one place by the numeric-text rule. The panel greys a
// sign's keys while the sign rolls and gives them back when the roll ends; only the UI thread
// touches them.
#pragma once

#include <windows.h>

#include "display/RollAnimation.h"

namespace rolva {

// The sign's request as the panel shows it now.
SignRequest PanelRequest(int sign);

// ON (also 送 and 戻 after they set the display, the file readers and a new picture): rolls or
// switches the sign to the panel's request; a roll greys the sign's keys until it ends.
void StartSign(int sign);

// 強: stops a roll where it is, puts the sign back on frame 0, gives back its keys and empties
// its display.
void ResetSign(int sign);

// Enables or disables the sign's keys, fields and arrows (never its 強 key).
void EnableSignKeys(int sign, bool enable);

// A roll thread's kRollEndedMessage: the sign's keys come back unless a later roll runs.
void OnRollEnded(int sign, LPARAM roll);

}  // namespace rolva
