// The one configuration the whole program shows and edits: the Form's background and the two
// sign slots. The Form's size and each sign's place and size are not kept here: the windows
// hold them (see display/SignWindows.h and the Form record).
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <string>

#include "base/Handles.h"
#include "document/core/SceneLiveLook.h"
#include "document/core/SignKind.h"

namespace rolva {

struct SignSlot {
    // Stored in the data files.
    std::uint8_t kind = static_cast<std::uint8_t>(SignKind::Roll);
    std::atomic<std::int32_t> speed{0};     // ms of pause after every one-pixel step
    std::atomic<std::int32_t> interval{0};  // ms of extra pause at each whole frame
    std::int32_t cornerRadius = 0;           // ellipse size of the rounded corners; 0 is square
    std::string picturePath;                 // strip file (roll) or frame folder (LED)
    SignLiveLook liveLook;                   // an LED-style sign's pages, scrolling and dot look

    // Kept for this run only.
    std::int16_t manuscriptFrames = 1;          // frames of the blank template for the clipboard
    std::atomic<std::int16_t> currentFrame{0};  // frame a roll sign shows now
    std::atomic<std::int32_t> targetFrame{0};   // frame last asked for
    std::atomic<std::int32_t> scrollOffset{0};  // y of the picture inside the frame window
    BitmapHandle pictureBitmap;                 // strip of a roll sign, frame of an LED sign
    HRGN region = nullptr;                      // borrowed: the frame window owns it once set
    KernelHandle rollThread;                    // the roll thread, finished or running
    DWORD rollThreadId = 0;
    DWORD rollThreadExitCode = 0;               // STILL_ACTIVE while a roll runs
    std::string keypadEntry;                    // digits typed since the last clear
};

struct SignDocument {
    std::string backgroundPath;
    BitmapHandle backgroundBitmap;
    SignSlot signs[kSignCount];
    std::int32_t gdiplusAvailable = 0;  // 1 when Gdiplus.dll could be loaded
    std::string sceneFolder;            // folder of the data file opened last, for moved scenes
};

// Lives for the whole run; opening a data file overwrites it field by field.
extern SignDocument gDocument;

// Puts every field back to its start-up value and frees the bitmaps (used by tests and start-up).
void ResetDocument();

}  // namespace rolva
