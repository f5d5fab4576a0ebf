// What a clip shows, drawn off screen: one sign, or the Form's whole client area (its
// background with the signs on it), at any moment of the clip. Each sign goes through the
// clip's sequence with its own speed and interval (the values in the control panel, as the
// next roll would use them), its place, size and rounded corners, from its strip or from the
// pictures of its folder, an LED-style sign's pages taking turns and scrolling at its live look
// and through its dot mask as on the Form; nothing is read from the screen.
#pragma once

#include <windows.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "base/Handles.h"
#include "clip/core/ClipMemory.h"
#include "clip/core/ClipTimeline.h"

namespace rolva {

enum class ClipSubject { FirstSign = 0, SecondSign = 1, WholeScene = 2 };

struct ClipRequest {
    ClipSubject subject = ClipSubject::FirstSign;
    bool everyFrame = false;            // every frame of the strip or folder in turn
    std::vector<std::int32_t> frames;   // otherwise these, in turn
    int fps = 25;                       // 1 to 50
    std::int32_t holdMs = 1000;         // rest on each frame reached
    bool loopForever = true;            // otherwise plays once
    int scale = 1;                      // 1 or 2
    bool soundTrack = false;            // a WAV of the same timeline beside the GIF
};

class ClipScene {
public:
    ClipScene() = default;
    ClipScene(const ClipScene&) = delete;
    ClipScene& operator=(const ClipScene&) = delete;

    // Reads the signs from the document and the windows. False, with a sentence for the user,
    // when the subject cannot be recorded (a sign that is not shown).
    bool Prepare(const ClipRequest& request, std::string* problem);

    int Width() const { return width_; }
    int Height() const { return height_; }
    std::int64_t LengthMs() const;
    // For one sign: 1 inside its rounded shape, 0 outside (width x height); empty for the scene.
    const std::vector<std::uint8_t>& InsideMask() const { return inside_; }

    // Each sign's timeline and place in the picture, valid while the scene is.
    std::vector<PlacedTimeline> PlacedTimelines() const;

    // The scene at ms from the start, width x height pixels 0x00RRGGBB, top row first; valid
    // until the next call.
    const std::uint32_t* DrawAt(std::int64_t ms);

private:
    struct Sign {
        int index = 0;
        int left = 0, top = 0, width = 0, height = 0, cornerRadius = 0;
        bool led = false;
        HBITMAP strip = nullptr;                // borrowed from the document
        std::map<std::int32_t, std::vector<HBITMAP>> pages;  // LED frames' pages, borrowed from owned_
        SignTimeline timeline;
    };
    bool AddSign(int sign, const ClipRequest& request, int left, int top);
    void PaintSignAt(HDC dc, const Sign& sign, std::int64_t ms) const;

    int width_ = 0, height_ = 0;
    bool wholeScene_ = false;
    std::vector<Sign> signs_;  // in the order they are painted (the lowest first)
    std::vector<BitmapHandle> owned_;
    std::vector<std::uint8_t> inside_;
    BitmapHandle canvas_;
    std::uint32_t* pixels_ = nullptr;  // the canvas's bits
};

}  // namespace rolva
