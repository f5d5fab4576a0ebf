#include "display/LedPlayer.h"

#include <windows.h>
#include <mmsystem.h>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <utility>

#include "base/AppMessages.h"
#include "base/Dib32.h"
#include "base/WindowProcs.h"
#include "display/SignWindows.h"
#include "display/ScrolledPicture.h"
#include "display/core/StripBand.h"
#include "document/SignDocument.h"

namespace rolva {

namespace {

// The shortest time between two steps: 250 a second, beyond what a screen shows.
constexpr std::int64_t kLeastStepGapMs = 4;

// Milliseconds since a start, summed from wrapping differences of the system clock.
class Stopwatch {
public:
    explicit Stopwatch(DWORD start) : last_(start) {}

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

// One sign's frame at play. Its steps are taken on the user-interface thread, which owns the
// sign's windows: the player thread only keeps time and posts a step when one is due, at most
// one waiting at a time. Neither thread ever waits for the other, and a step taken late shows
// where the sign stands by then.
struct LedPlayback {
    int sign = 0;
    std::vector<HBITMAP> pages;            // borrowed: firstPage and the later pages below
    std::vector<BitmapHandle> laterPages;  // pages 2.. of the frame shown
    std::optional<LedTimeline> timeline;   // written only while no thread runs
    HWND stepWindow = nullptr;             // where the thread posts its steps
    DWORD startTick = 0;                   // timeGetTime() when the frame was shown
    bool fineTimer = false;                // the thread holds a 1 ms timer period
    LONG play = 0;                         // steps posted for an earlier play are dropped
    LedPose shown;                         // user-interface thread only
    std::optional<Stopwatch> clock;        // user-interface thread only: time since shown
    volatile LONG stepWaiting = 0;         // a step message is in the queue
    KernelHandle stop;                     // set to ask the thread to stop
    KernelHandle thread;                   // the thread, finished or running; none for a still frame
};

LedPlayback gPlaybacks[kSignCount];

// Gives the page to the control at the sign's top left, drawn at x when it scrolls, then draws
// the sign at once. The control is drawn last, on its own: the frame does not clip its child,
// so erasing the frame may white it out again.
void ShowPage(int sign, HBITMAP page, std::int32_t signWidth, std::int32_t x)
{
    HWND picture = SignPictureHandle(sign);
    const SIZE size = BitmapSize(page);
    if (size.cx > signWidth)
        SetScrolledPicture(sign, page, x);
    else
        EndScrolledPicture(sign);
    SendMessageA(picture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(page));
    // Window sizes are cut to 16 bits: a page wider than that is seen through the widest control
    // there can be, wider than any sign.
    if (size.cx > kLargestWholeStrip)
        SetWindowPos(picture, HWND_TOP, 0, 0, kLargestWholeStrip, size.cy, SWP_NOCOPYBITS);
    else
        SetWindowPos(picture, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOCOPYBITS);
    UpdateWindow(SignFrameHandle(sign));
    RedrawWindow(picture, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

// Shows the pose: a page just turned to, or the same page at a new place.
void ShowPose(const LedPlayback& playback, const LedPose& pose, bool newPage)
{
    if (newPage)
        ShowPage(playback.sign, playback.pages[pose.page], playback.timeline->SignWidth(), pose.x);
    else
        ScrollPictureTo(playback.sign, pose.x);
}

void TakeStep(int sign, LONG play)
{
    LedPlayback& playback = gPlaybacks[sign];
    // A step of an earlier play leaves the flag to the play that set it (Play clears it).
    if (play != playback.play || !playback.timeline || !playback.clock)
        return;
    InterlockedExchange(&playback.stepWaiting, 0);
    const LedPose pose = playback.timeline->PoseAt(playback.clock->Elapsed());
    if (pose.page != playback.shown.page || pose.x != playback.shown.x)
        ShowPose(playback, pose, pose.page != playback.shown.page);
    playback.shown = pose;
}

LRESULT StepWindowDispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kLedStepMessage) {
        if (wParam < static_cast<WPARAM>(kSignCount))
            TakeStep(static_cast<int>(wParam), static_cast<LONG>(lParam));
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT CALLBACK StepWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DispatchWithoutThrowing(StepWindowDispatch, window, message, wParam, lParam);
}

// A message-only window of the user-interface thread that takes the players' steps; it lasts as
// long as the thread.
HWND StepWindow()
{
    static HWND window = nullptr;
    if (!window) {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = StepWindowProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "RolvaLedSteps";
        RegisterClassExA(&wc);
        window = CreateWindowExA(0, wc.lpszClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
    }
    return window;
}

DWORD WINAPI LedPlayerThread(LPVOID parameter)
{
    LedPlayback& playback = *static_cast<LedPlayback*>(parameter);
    Stopwatch clock(playback.startTick);
    std::optional<std::int64_t> due = playback.timeline->PoseAt(0).nextChangeMs;
    while (due) {
        const std::int64_t wait = std::clamp<std::int64_t>(*due - clock.Elapsed(), 0, INFINITE - 1);
        if (WaitForSingleObject(playback.stop.Get(), static_cast<DWORD>(wait)) != WAIT_TIMEOUT)
            break;
        if (InterlockedExchange(&playback.stepWaiting, 1) == 0 &&
            !PostMessageA(playback.stepWindow, kLedStepMessage, static_cast<WPARAM>(playback.sign), playback.play))
            InterlockedExchange(&playback.stepWaiting, 0);
        const std::int64_t now = clock.Elapsed();
        due = playback.timeline->PoseAt(now).nextChangeMs;
        // Posted messages come before the keys, the mouse and painting: a step always waiting
        // would starve them. Faster scrolls move several pixels a step instead.
        if (due)
            due = std::max(*due, now + kLeastStepGapMs);
    }
    // Gives back the fine timer asked for when this frame started.
    if (playback.fineTimer)
        timeEndPeriod(1);
    return 0;
}

// Shows the pose at the start of the timeline and, when it ever changes, starts the thread.
void Play(LedPlayback& playback, const LedTimeline& timeline)
{
    const LedPose first = timeline.PoseAt(0);
    playback.timeline = timeline;
    ShowPose(playback, first, true);
    playback.stepWindow = StepWindow();
    playback.startTick = timeGetTime();
    playback.clock.emplace(playback.startTick);
    playback.shown = first;
    ++playback.play;
    InterlockedExchange(&playback.stepWaiting, 0);
    // Without its window no step could be taken: the frame stays at its first pose.
    if (!first.nextChangeMs || !playback.stepWindow)
        return;

    if (!playback.stop)
        playback.stop.Reset(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    ResetEvent(playback.stop.Get());
    // Scroll steps shorter than the default timer tick (about 15.6 ms) would each last a whole
    // tick: ask for 1 ms while a frame scrolls, and only then, since on older systems the period
    // is the whole system's. The thread gives it back when it ends.
    playback.fineTimer = timeline.Scrolls();
    if (playback.fineTimer)
        timeBeginPeriod(1);
    DWORD id = 0;
    playback.thread.Reset(CreateThread(nullptr, 0, LedPlayerThread, &playback, 0, &id));
    if (!playback.thread && playback.fineTimer)
        timeEndPeriod(1);
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
    EndScrolledPicture(sign);
    if (!playback.thread)
        return;
    SetEvent(playback.stop.Get());
    // The thread sends nothing, so a plain wait cannot hold it up.
    WaitForSingleObject(playback.thread.Get(), INFINITE);
    playback.thread.Reset();
    // A step still in the queue belongs to the play just stopped.
    ++playback.play;
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
    // The control holds the new page once Play has shown it: the old frame's pages may go then.
    std::vector<BitmapHandle> oldPages = std::move(playback.laterPages);
    playback.sign = sign;
    playback.pages = std::move(pages);
    playback.laterPages = std::move(laterPages);
    Play(playback, timeline);
}

bool ReplayLedFrame(int sign, std::int32_t signWidth, std::int32_t pageMs, std::int32_t pixelsPerSecond)
{
    StopLedPlayer(sign);
    LedPlayback& playback = gPlaybacks[sign];
    if (playback.pages.empty())
        return false;
    std::vector<std::int32_t> widths;
    for (HBITMAP page : playback.pages)
        widths.push_back(BitmapSize(page).cx);
    Play(playback, LedTimeline(signWidth, widths, pageMs, pixelsPerSecond));
    return true;
}

}  // namespace rolva
