#include "display/RollAnimation.h"

#include <windows.h>
#include <mmsystem.h>

#include <atomic>

#include "base/Handles.h"
#include "display/FormIds.h"
#include "display/LedPlayer.h"
#include "display/LedSign.h"
#include "display/SignWindows.h"
#include "display/ThreadJoin.h"
#include "display/core/RollPacer.h"
#include "display/core/RollPlan.h"
#include "document/SignDocument.h"
#include "sound/SignSounds.h"

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

// The roll listener, and each sign's roll number: counted up on the UI thread as each roll
// starts, read by that roll's thread once at its start.
std::atomic<HWND> gRollListener{nullptr};
std::atomic<LONG> gLatestRolls[kSignCount] = {};

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
    const LONG roll = gLatestRolls[Sign].load();
    HANDLE stop = gStopEvents[Sign].Get();
    HWND frame = SignFrameHandle(Sign);
    HWND form = GetParent(frame);
    RECT client{};
    GetClientRect(frame, &client);

    const RollPlan plan = PlanRoll(slot.currentFrame, slot.targetFrame, client.bottom);
    RollPacer pacer(timeGetTime());
    bool stopped = false;
    // The speed the motor was last told, -1 while it stands: the sound hears of changes only.
    std::int32_t motorSpeed = -1;
    for (std::int64_t step = 1; step <= plan.stepCount && !stopped; ++step) {
        if (StopRequested(stop)) {
            stopped = true;
            break;
        }
        const std::int32_t speed = slot.speed;
        if (speed != motorSpeed) {
            ReportRollMoving(Sign, speed);
            motorSpeed = speed;
        }
        slot.scrollOffset += plan.direction;
        PlaceSignStrip(Sign, slot.scrollOffset, client.bottom);
        stopped = PauseOrStop(stop, pacer, speed);
        if (!stopped && plan.EndsFrame(step)) {
            // The strip stands on the frame as the interval pause begins.
            ReportFrameStop(Sign);
            motorSpeed = -1;
            stopped = PauseOrStop(stop, pacer, slot.interval);
        }
        if (!stopped)
            UpdateWindow(form);
    }
    if (stopped)
        ReportRollCut(Sign);
    else
        ReportRollEnded(Sign);
    if (!stopped) {
        slot.currentFrame = plan.finalFrame;
        // Posted, never sent: the UI thread may be waiting for this thread to end.
        if (HWND listener = gRollListener.load())
            PostMessageA(listener, kRollEndedMessage, Sign, roll);
    }
    // Gives back the fine timer asked for when this roll started.
    timeEndPeriod(1);
    return ExitCodeOf(Sign);
}

const LPTHREAD_START_ROUTINE kRollThreads[kSignCount] = {RollThread<0>, RollThread<1>};

}  // namespace

bool IsRolling(int sign)
{
    SignSlot& slot = gDocument.signs[sign];
    if (!slot.rollThread)
        return false;
    GetExitCodeThread(slot.rollThread.Get(), &slot.rollThreadExitCode);
    return slot.rollThreadExitCode == STILL_ACTIVE;
}

void SetRollListener(HWND window) { gRollListener = window; }

bool IsLatestRoll(int sign, LPARAM roll) { return gLatestRolls[sign].load() == static_cast<LONG>(roll); }

bool MoveSign(int sign, const SignRequest& request)
{
    SignSlot& slot = gDocument.signs[sign];
    if (slot.kind == static_cast<std::uint8_t>(SignKind::Led)) {
        const std::int32_t before = slot.targetFrame;
        SwitchLedFrame(sign, request.targetFrame);
        if (request.targetFrame != before)
            ReportLedFrameChange(sign);
        return false;
    }
    if (sign == 1 && slot.kind == static_cast<std::uint8_t>(SignKind::Hidden))
        return false;
    if (IsRolling(sign))
        return false;

    slot.targetFrame = request.targetFrame;
    slot.speed = request.speed;
    slot.interval = request.interval;
    ++gLatestRolls[sign];

    ResetEvent(StopEvent(sign));
    // Sleeps shorter than the default timer tick (about 15.6 ms on Windows) would all last a
    // whole tick: ask for 1 ms while the roll runs. The thread gives it back when it ends.
    timeBeginPeriod(1);
    HANDLE thread = CreateThread(nullptr, 0, kRollThreads[sign], nullptr, 0, &slot.rollThreadId);
    if (!thread)
        timeEndPeriod(1);
    slot.rollThread.Reset(thread);
    return thread != nullptr;
}

void JoinEndedRoll(int sign)
{
    // Bounded all the same: the UI thread must never hang on a thread that misbehaves.
    constexpr DWORD kLongestJoinMs = 1000;
    if (HANDLE thread = gDocument.signs[sign].rollThread.Get())
        WaitForSingleObject(thread, kLongestJoinMs);
}

void StopRoll(int sign)
{
    StopLedPlayer(sign);
    SignSlot& slot = gDocument.signs[sign];
    if (!slot.rollThread)
        return;
    SetEvent(StopEvent(sign));
    ReportRollCut(sign);
    HANDLE thread = slot.rollThread.Get();
    JoinCarryingSentMessages(thread);
    GetExitCodeThread(thread, &slot.rollThreadExitCode);
}

void PutSignHome(int sign)
{
    StopRoll(sign);
    PlaceSignStrip(sign, 0, SignHeight(sign));

    SignSlot& slot = gDocument.signs[sign];
    slot.scrollOffset = 0;
    slot.targetFrame = 0;
    slot.currentFrame = 0;
    if (slot.kind == static_cast<std::uint8_t>(SignKind::Led))
        SwitchLedFrame(sign, 0);
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
