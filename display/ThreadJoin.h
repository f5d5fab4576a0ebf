// Waiting on the user-interface thread for a worker that sends it window calls (moving and
// showing a sign's picture): the calls are carried out during the wait, so neither thread
// waits for the other for good.
#pragma once

#include <windows.h>

namespace rolva {

// Waits until the thread has ended, carrying out the window calls it sends meanwhile (sent
// messages only, so no key press is handled in the middle of the wait).
void JoinCarryingSentMessages(HANDLE thread);

}  // namespace rolva
