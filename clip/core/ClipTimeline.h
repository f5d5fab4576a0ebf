// Where a sign stands at any moment of a clip. A roll sign goes to each frame of a sequence in
// turn the way its roll thread does (one pixel per step, a pause of its speed after every step
// and of its interval after every whole frame), resting for the hold time before the first roll
// and after every one; an LED-style sign shows each frame of the sequence for the hold time,
// its pages taking turns and its wide pages scrolling as on the sign (display/core/LedTimeline.h),
// and rests on a frame that moves at least until all its pages have shown once. The clip then
// samples these poses at its own frame rate.
#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "display/core/LedTimeline.h"

namespace rolva {

struct RollTiming {
    std::int32_t frameHeight = 0;  // pixels per frame of the strip (the sign's height)
    std::int32_t speedMs = 0;      // pause after every one-pixel step
    std::int32_t intervalMs = 0;   // extra pause after every whole frame
};

// How an LED-style sign's frames move, from its live look: frames missing from pageWidths have
// one page no wider than the sign and stand still.
struct LedMotion {
    std::int32_t signWidth = 0;
    std::int32_t pageMs = 0;
    std::int32_t pixelsPerSecond = 0;
    std::map<std::int32_t, std::vector<std::int32_t>> pageWidths;  // frame -> its pages' widths
};

struct SignPose {
    std::int32_t frame = 0;   // LED: the frame shown; roll: the last whole frame reached
    std::int32_t offset = 0;  // roll: y of the strip's top inside the sign (0 or less); LED: 0
    std::int32_t page = 0;    // LED: the frame's page shown
    std::int32_t x = 0;       // LED: the page's left edge inside the sign
    bool operator==(const SignPose& other) const
    {
        return frame == other.frame && offset == other.offset && page == other.page && x == other.x;
    }
};

class SignTimeline {
public:
    // Negative times count as 0; timing values below 0 count as 0.
    static SignTimeline Roll(const std::vector<std::int32_t>& frames, RollTiming timing, std::int64_t holdMs);
    static SignTimeline Led(const std::vector<std::int32_t>& frames, std::int64_t holdMs, const LedMotion& motion = {});

    std::int64_t LengthMs() const { return lengthMs_; }
    // The pose at a time from the start; past the end, the last pose.
    SignPose PoseAt(std::int64_t ms) const;

private:
    struct Segment {
        std::int64_t startMs = 0;
        std::int64_t lengthMs = 0;
        std::int32_t fromFrame = 0;
        std::int32_t toFrame = 0;  // equal to fromFrame for a rest
        int ledMotion = -1;        // an LED rest that moves: its index in ledTimelines_
    };
    SignPose RollPose(const Segment& segment, std::int64_t localMs) const;
    void Append(std::int32_t fromFrame, std::int32_t toFrame, std::int64_t lengthMs, int ledMotion = -1);

    RollTiming timing_;
    bool rolls_ = false;
    std::vector<Segment> segments_;
    std::vector<LedTimeline> ledTimelines_;
    std::int64_t lengthMs_ = 0;
};

// How long one roll takes: every frame passed costs frameHeight steps of speedMs and one interval.
std::int64_t RollLengthMs(std::int32_t fromFrame, std::int32_t toFrame, RollTiming timing);

struct ClipFrame {
    std::int64_t timeMs = 0;   // the moment of the scene this frame shows (k / fps, rounded down)
    std::int32_t delayCs = 0;  // how long it shows, in 1/100 s
};

// The frames of a clip of the given length at fps frames a second (fps from 1 to 100): frame k
// shows time k / fps. The delays are the differences of the frame times rounded to 1/100 s, so
// they add up to the length rounded to 1/100 s whatever the rate; frames that would show for
// no time are left out. A clip of length 0 has one frame of 1/100 s.
std::vector<ClipFrame> PlanClipFrames(std::int64_t lengthMs, int fps);

}  // namespace rolva
