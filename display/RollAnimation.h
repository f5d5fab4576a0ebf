// Starting, stopping and watching a sign: a roll sign's strip slides one pixel per step on a
// worker thread of its own, pausing at every whole frame, to the frame asked for; an LED-style
// sign switches its picture at once. What a sign is asked is the panel's to say: this room
// takes the request and never touches the panel's windows. A roll thread tells the end of its
// roll by posting kRollEndedMessage to the window that listens.
#pragma once

#include <windows.h>

#include <cstdint>

#include "base/AppMessages.h"

namespace rolva {

// What a sign is asked to do: go to a frame, with the pause after every pixel and the extra
// pause at every whole frame, in milliseconds.
struct SignRequest {
    std::int32_t targetFrame = 0;
    std::int32_t speed = 0;
    std::int32_t interval = 0;
};

// kRollEndedMessage is posted to the roll listener when a roll reaches its frame, with the
// roll's number (see IsLatestRoll). A roll that was stopped posts nothing.

// The window that gets kRollEndedMessage; NULL posts nothing.
void SetRollListener(HWND window);

// Rolls a roll sign, or switches an LED-style sign, to the requested frame. A request while
// the sign rolls, or for a hidden second sign, is dropped. True when a roll thread started.
bool MoveSign(int sign, const SignRequest& request);

// Stops a roll where it is and puts the sign back on frame 0 (an LED-style sign shows its first
// picture again).
void PutSignHome(int sign);

// True while the sign's roll thread runs.
bool IsRolling(int sign);

// False while either sign's roll thread runs.
bool RollThreadsIdle();

// Whether the roll number (from kRollEndedMessage) is the sign's latest roll, so that a late
// message of an earlier roll changes nothing.
bool IsLatestRoll(int sign, LPARAM roll);

// After the sign's kRollEndedMessage: waits the moment until its thread has returned (it makes
// no window call after posting), so that IsRolling is false once the keys are back.
void JoinEndedRoll(int sign);

// Asks the sign's roll thread, or an LED-style sign's page player, to stop and waits until it
// has ended, still carrying out the window calls it makes meanwhile. Afterwards no step of that
// roll, page or scroll happens any more.
void StopRoll(int sign);

}  // namespace rolva
