// An LED-style sign's frame in motion: its pages taking turns and its wide pages scrolling, timed
// by a worker thread of the sign's own that follows the frame's LedTimeline from absolute due
// times, so a late wake-up never adds up. The thread only posts a step when the picture is due to
// change; the user-interface thread, taking its messages, gives the sign's picture control the
// page and draws it where the timeline stands by then. Steps come 4 ms apart at least, so a
// scroll faster than 250 pixels a second moves a few pixels a step and never floods the queue.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "base/Handles.h"
#include "display/core/LedTimeline.h"

namespace rolva {

// Shows the frame's first pose and, when the pose ever changes, plays the frame until the next
// stop. firstPage is borrowed (the sign's pictureBitmap owns it); laterPages become the
// player's, replacing the previous frame's only now that the control shows the new page.
// A player still running is stopped first.
void PlayLedFrame(int sign, HBITMAP firstPage, std::vector<BitmapHandle> laterPages, const LedTimeline& timeline);

// Plays the frame last given to PlayLedFrame again from its first page, on a new timeline for
// the same pages (the sign's width, page time or scroll speed changed); false, doing nothing,
// when there is none.
bool ReplayLedFrame(int sign, std::int32_t signWidth, std::int32_t pageMs, std::int32_t pixelsPerSecond);

// Asks the sign's player thread to stop and waits until it has ended. A page stopped in
// mid-scroll is drawn from the control's left edge at the next repaint, as every picture load
// puts it; otherwise the picture stays as the last step left it.
void StopLedPlayer(int sign);

// Stops the player and frees the frame's later pages; for after the control was given another
// picture.
void DropLedPages(int sign);

// True while the sign's player thread runs.
bool IsLedPlaying(int sign);

}  // namespace rolva
