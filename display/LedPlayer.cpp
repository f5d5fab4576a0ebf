#include "display/LedPlayer.h"

#include <windows.h>
#include <mmsystem.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <utility>

#include "display/SignWindows.h"
#include "display/ThreadJoin.h"
#include "document/SignDocument.h"

namespace rolva {

namespace {

// One sign's frame at play. The user-interface thread writes it only while no thread runs.
struct LedPlayback {
    int sign = 0;
    std::vector<HBITMAP> pages;            // borrowed: firstPage and the later pages below
    std::vector<BitmapHandle> laterPages;  // pages 2.. of the frame shown
    std::optional<LedTimeline> timeline;
    KernelHandle stop;                     // set to ask the thread to stop
    KernelHandle thread;                   // the thread, finished or running; none for a still frame
};

LedPlayback gPlaybacks[kSignCount];

// Puts the page at x and gives it to the control, then draws the sign at once. The move copies
// no bits, so the old page never shows at the new place; the move and the new page's size each
// give the frame back the part the control no longer covers. The control is drawn last, on its
// own: the frame does not clip its child, so erasing the frame may white it out again.
void ShowPage(int sign, HBITMAP page, std::int32_t x)
{
    HWND picture = SignPictureHandle(sign);
    SetWindowPos(picture, HWND_TOP, x, 0, 0, 0, SWP_NOSIZE | SWP_NOCOPYBITS);
    SendMessageA(picture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(page));
    UpdateWindow(SignFrameHandle(sign));
    RedrawWindow(picture, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

// One scroll step: the page keeps the place on top it got when shown, and the part of the frame
// it uncovers is erased by the move itself.
void MovePage(int sign, std::int32_t x)
{
    SetWindowPos(SignPictureHandle(sign), nullptr, x, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    UpdateWindow(SignFrameHandle(sign));
}

// Milliseconds since the start, summed from wrapping differences of the system clock.
class Stopwatch {
public:
    Stopwatch() : last_(timeGetTime()) {}

    std::int64_t Elapsed()
    {
        const DWORD now = timeGetTime();
        elapsed_ += static_cast<DWORD>(now - last_);
        last_ = now;
        return elapsed_;
    }

private:
    DWORD last_;
    std::int64_t elapsed_ = 0;
};

DWORD WINAPI LedPlayerThread(LPVOID parameter)
{
    const LedPlayback& playback = *static_cast<const LedPlayback*>(parameter);
    Stopwatch clock;
    LedPose shown = playback.timeline->PoseAt(0);
    while (shown.nextChangeMs) {
        const std::int64_t wait = std::clamp<std::int64_t>(*shown.nextChangeMs - clock.Elapsed(), 0, INFINITE - 1);
        if (WaitForSingleObject(playback.stop.Get(), static_cast<DWORD>(wait)) != WAIT_TIMEOUT)
            break;
        // Where the sign stands by now: after an oversleep it jumps there rather than lagging.
        const LedPose pose = playback.timeline->PoseAt(clock.Elapsed());
        if (pose.page != shown.page)
            ShowPage(playback.sign, playback.pages[pose.page], pose.x);
        else if (pose.x != shown.x)
            MovePage(playback.sign, pose.x);
        shown = pose;
    }
    // Gives back the fine timer asked for when this frame started.
    timeEndPeriod(1);
    return 0;
}

}  // namespace

bool IsLedPlaying(int sign)
{
    HANDLE thread = gPlaybacks[sign].thread.Get();
    DWORD code = 0;
    return thread && GetExitCodeThread(thread, &code) && code == STILL_ACTIVE;
}

void StopLedPlayer(int sign)
{
    LedPlayback& playback = gPlaybacks[sign];
    if (!playback.thread)
        return;
    SetEvent(playback.stop.Get());
    JoinCarryingSentMessages(playback.thread.Get());
    playback.thread.Reset();
}

void DropLedPages(int sign)
{
    StopLedPlayer(sign);
    LedPlayback& playback = gPlaybacks[sign];
    playback.pages.clear();
    playback.laterPages.clear();
    playback.timeline.reset();
}

void PlayLedFrame(int sign, HBITMAP firstPage, std::vector<BitmapHandle> laterPages, const LedTimeline& timeline)
{
    StopLedPlayer(sign);
    LedPlayback& playback = gPlaybacks[sign];
    std::vector<HBITMAP> pages{firstPage};
    for (const BitmapHandle& page : laterPages)
        pages.push_back(page.Get());

    const LedPose first = timeline.PoseAt(0);
    ShowPage(sign, pages[first.page], first.x);
    // The control holds the new page now: the old frame's pages may go.
    playback.sign = sign;
    playback.pages = std::move(pages);
    playback.laterPages = std::move(laterPages);
    playback.timeline = timeline;
    if (!first.nextChangeMs)
        return;

    if (!playback.stop)
        playback.stop.Reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    ResetEvent(playback.stop.Get());
    // Steps shorter than the default timer tick (about 15.6 ms) would each last a whole tick:
    // ask for 1 ms while the frame plays. The thread gives it back when it ends.
    timeBeginPeriod(1);
    DWORD id = 0;
    playback.thread.Reset(CreateThread(nullptr, 0, LedPlayerThread, &playback, 0, &id));
    if (!playback.thread)
        timeEndPeriod(1);
}

}  // namespace rolva
