#include "display/ThreadJoin.h"

namespace rolva {

void JoinCarryingSentMessages(HANDLE thread)
{
    for (;;) {
        const DWORD woken = MsgWaitForMultipleObjects(1, &thread, FALSE, 50, QS_SENDMESSAGE);
        if (woken == WAIT_OBJECT_0 || woken == WAIT_FAILED)
            break;
        MSG msg;
        PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

}  // namespace rolva
