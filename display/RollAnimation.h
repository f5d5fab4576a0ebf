// Starting, stopping and watching a sign: a roll sign's strip slides one pixel per step on a
// worker thread of its own, pausing at every whole frame, to the frame the number display
// shows; an LED-style sign switches its picture at once.
#pragma once

namespace rolva {

// ON (also 送 and 戻 after they set the display, and the file readers): roll or switch the sign
// to the number shown. A request while the sign rolls is dropped.
void StartSign(int sign);

// 強: stops a roll where it is, puts the strip back on frame 0 and empties the display.
void ResetSign(int sign);

// True while the sign's roll thread runs.
bool IsRolling(int sign);

// False while either sign's roll thread runs.
bool RollThreadsIdle();

// Enables or disables the sign's keys, fields and arrows (never its 強 key).
void EnableSignKeys(int sign, bool enable);

// Asks the sign's roll thread to stop and waits until it has ended, still carrying out the
// window calls it makes meanwhile. Afterwards no step of that roll happens any more.
void StopRoll(int sign);

}  // namespace rolva
