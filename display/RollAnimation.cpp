#include "display/RollAnimation.h"

#include <windows.h>
#include <mmsystem.h>

#include "display/FormIds.h"
#include "base/Handles.h"
#include "display/LedSign.h"
#include "display/SignWindows.h"
#include "display/core/NumericText.h"
#include "display/core/RollPacer.h"
#include "display/core/RollPlan.h"
#include "document/SignDocument.h"
#include "panel/ControlPanel.h"
#include "panel/ControlPanelIds.h"

namespace rolva {

namespace {

// Set to ask a roll thread to stop; the thread waits on it in place of sleeping, so a stop
// never waits out a long interval.
KernelHandle gStopEvents[kSignCount];

HANDLE StopEvent(int sign)
{
    if (!gStopEvents[sign])
        gStopEvents[sign].Reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    return gStopEvents[sign].Get();
}

DWORD ExitCodeOf(int sign) { return static_cast<DWORD>(sign + 1); }

// Pauses for the given time, less what drawing took, unless a stop comes first; true when stopped.
bool PauseOrStop(HANDLE stop, RollPacer& pacer, std::int32_t milliseconds)
{
    const std::int64_t wait = pacer.WaitFor(timeGetTime(), milliseconds);
    return WaitForSingleObject(stop, static_cast<DWORD>(wait)) == WAIT_OBJECT_0;
}

bool StopRequested(HANDLE stop) { return WaitForSingleObject(stop, 0) == WAIT_OBJECT_0; }

template <int Sign>
DWORD WINAPI RollThread(LPVOID)
{
    SignSlot& slot = gDocument.signs[Sign];
    HANDLE stop = gStopEvents[Sign].Get();
    HWND frame = SignFrameHandle(Sign);
    HWND form = GetParent(frame);
    RECT client{};
    GetClientRect(frame, &client);

    const RollPlan plan = PlanRoll(slot.currentFrame, slot.targetFrame, client.bottom);
    RollPacer pacer(timeGetTime());
    bool stopped = false;
    for (std::int64_t step = 1; step <= plan.stepCount && !stopped; ++step) {
        if (StopRequested(stop)) {
            stopped = true;
            break;
        }
        slot.scrollOffset += plan.direction;
        PlaceSignStrip(Sign, slot.scrollOffset, client.bottom);
        stopped = PauseOrStop(stop, pacer, slot.speed);
        if (!stopped && plan.EndsFrame(step))
            stopped = PauseOrStop(stop, pacer, slot.interval);
        if (!stopped)
            UpdateWindow(form);
    }
    if (!stopped) {
        slot.currentFrame = plan.finalFrame;
        EnableSignKeys(Sign, true);
    }
    // Gives back the fine timer asked for when this roll started.
    timeEndPeriod(1);
    return ExitCodeOf(Sign);
}

const LPTHREAD_START_ROUTINE kRollThreads[kSignCount] = {RollThread<0>, RollThread<1>};

std::int32_t PanelNumber(int id) { return ReadNumericText(PanelText(id)); }

}  // namespace

bool IsRolling(int sign)
{
    SignSlot& slot = gDocument.signs[sign];
    if (!slot.rollThread)
        return false;
    GetExitCodeThread(slot.rollThread.Get(), &slot.rollThreadExitCode);
    return slot.rollThreadExitCode == STILL_ACTIVE;
}

void EnableSignKeys(int sign, bool enable)
{
    const int ids[] = {
        kDigitKeyFirstIds[sign] + 0, kDigitKeyFirstIds[sign] + 1, kDigitKeyFirstIds[sign] + 2,
        kDigitKeyFirstIds[sign] + 3, kDigitKeyFirstIds[sign] + 4, kDigitKeyFirstIds[sign] + 5,
        kDigitKeyFirstIds[sign] + 6, kDigitKeyFirstIds[sign] + 7, kDigitKeyFirstIds[sign] + 8,
        kDigitKeyFirstIds[sign] + 9, kOnKeyIds[sign],           kClearKeyIds[sign],
        kForwardKeyIds[sign],        kBackKeyIds[sign],         kSpeedEditIds[sign],
        kIntervalEditIds[sign],      kSpeedUpDownIds[sign],     kIntervalUpDownIds[sign],
    };
    for (int id : ids)
        EnableWindow(PanelControl(id), enable ? TRUE : FALSE);
}

void StartSign(int sign)
{
    SignSlot& slot = gDocument.signs[sign];
    if (slot.kind == static_cast<std::uint8_t>(SignKind::Led)) {
        SwitchLedFrame(sign);
        return;
    }
    if (sign == 1 && slot.kind == static_cast<std::uint8_t>(SignKind::Hidden))
        return;
    if (IsRolling(sign))
        return;

    slot.targetFrame = PanelNumber(kNumberDisplayIds[sign]);
    slot.speed = PanelNumber(kSpeedEditIds[sign]);
    slot.interval = PanelNumber(kIntervalEditIds[sign]);
    EnableSignKeys(sign, false);

    ResetEvent(StopEvent(sign));
    // Sleeps shorter than the default timer tick (about 15.6 ms on Windows) would all last a
    // whole tick: ask for 1 ms while the roll runs. The thread gives it back when it ends.
    timeBeginPeriod(1);
    HANDLE thread = CreateThread(nullptr, 0, kRollThreads[sign], nullptr, 0, &slot.rollThreadId);
    if (!thread)
        timeEndPeriod(1);
    slot.rollThread.Reset(thread);
}

void StopRoll(int sign)
{
    SignSlot& slot = gDocument.signs[sign];
    if (!slot.rollThread)
        return;
    SetEvent(StopEvent(sign));
    HANDLE thread = slot.rollThread.Get();
    // The thread's window calls are carried out on this thread: keep taking them (sent
    // messages only, so no key press is handled in the middle of a stop) until it has ended.
    for (;;) {
        const DWORD woken = MsgWaitForMultipleObjects(1, &thread, FALSE, 50, QS_SENDMESSAGE);
        if (woken == WAIT_OBJECT_0 || woken == WAIT_FAILED)
            break;
        MSG msg;
        PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
    GetExitCodeThread(thread, &slot.rollThreadExitCode);
}

void ResetSign(int sign)
{
    StopRoll(sign);
    EnableSignKeys(sign, true);
    PlaceSignStrip(sign, 0, SignHeight(sign));

    SignSlot& slot = gDocument.signs[sign];
    slot.scrollOffset = 0;
    slot.targetFrame = 0;
    slot.currentFrame = 0;
    SetPanelText(kNumberDisplayIds[sign], "");
    if (slot.kind == static_cast<std::uint8_t>(SignKind::Led))
        StartSign(sign);
}

bool RollThreadsIdle()
{
    for (int sign = 0; sign < kSignCount; ++sign) {
        if (IsRolling(sign))
            return false;
    }
    return true;
}

}  // namespace rolva
