// LED-style signs: each frame is a picture file of the sign's folder, frame n being the
// (n+1)-th file in sorted order, with the pages named after it ("005+2.bmp" is page 2 of
// "005.bmp", display/core/LedPages.h). The folder is listed anew at every switch, so files added
// or removed take effect at the next key press. A switch shows the frame's first page at once;
// more pages take turns and a page wider than the sign scrolls through it (display/LedPlayer.h),
// each at the sign's live look, through the LED dot mask when that is on.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace rolva {

// Shows the frame from its first page; a missing folder, an empty one or a frame past the last
// file leaves the picture as it was.
void SwitchLedFrame(int sign, std::int32_t frame);

// Shows the sign's frame again as its live look (gDocument's liveLook: page time, scroll speed,
// dot look) now asks, after that look was edited: from its first page, the pictures read again
// only for another dot look or folder.
void RefreshLedLook(int sign);

// Plays the sign's frame again from its first page at the sign's new width, with the pages it
// has; nothing when they are no longer the sign's (another folder, another dot look). Never
// reads a picture, so it may come in the middle of applying a scene.
void FitLedFrameToWidth(int sign);

// Replaces the sign's picture with the given file as a frame of one page (a file that is no
// picture shows nothing).
void ShowLedFrame(int sign, const std::string& path);

// The frame files of a folder: its ordinary files (no sub-folders, no hidden or system
// files), sorted by name without regard to case.
std::vector<std::string> ListLedFolder(const std::string& folder);

// Closes the watch on each sign's folder unless the sign is still an LED-style sign of that
// folder: on Windows a watched folder cannot be renamed or removed, nor its drive ejected.
// Called after a sign changes kind or a data file is applied; a new folder is watched at the
// next switch. A sign no longer LED-style stops playing its frame's pages.
void ReleaseLedFolderWatches();

// The folder the system watches for the sign now, or "" when it watches none.
std::string WatchedLedFolder(int sign);

}  // namespace rolva
