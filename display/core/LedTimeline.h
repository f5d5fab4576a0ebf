// What an LED-style sign shows at any moment after one of its frames was chosen. The frame's
// pages take turns, over and over. A page as wide as the sign or narrower stands still at the
// sign's left edge for the page time. A wider page scrolls from right to left, one pixel a step
// at the scroll speed: its left edge starts just outside the right edge of the sign (x = sign
// width) and the next page follows when the page has just gone past the left edge (x = -page
// width), so one pass takes (sign width + page width) steps. A frame of one still page shows it
// for good; a frame of one wide page scrolls it again and again.
//
// The pose is worked out from the elapsed time alone: step k of a pass comes exactly
// k * 1000 / speed ms after the pass began, so however long a sign runs no rounding adds up,
// and a shell that oversleeps simply shows where the sign stands by now.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace rolva {

constexpr std::int32_t kMinLedPageMs = 100;  // shorter page times would only flicker
constexpr std::int32_t kMinLedScrollSpeed = 1;
constexpr std::int32_t kMaxLedScrollSpeed = 2000;  // pixels a second

struct LedPose {
    std::size_t page = 0;  // index of the page shown
    std::int32_t x = 0;    // the page's left edge inside the sign: 0 when still, else sign width .. 1 - page width
    // The first whole millisecond since the frame was chosen at which the pose differs (a step
    // or the next page), so a shell can wait until then; none when it never changes.
    std::optional<std::int64_t> nextChangeMs;
};

class LedTimeline {
public:
    // Widths in pixels; a sign width below 0 counts as 0. pageMs below kMinLedPageMs counts as
    // that minimum; pixelsPerSecond is held to kMinLedScrollSpeed .. kMaxLedScrollSpeed.
    LedTimeline(std::int32_t signWidth, const std::vector<std::int32_t>& pageWidths, std::int32_t pageMs,
                std::int32_t pixelsPerSecond);

    // The pose elapsedMs after the frame was chosen; negative times count as 0. A frame without
    // pages stays at page 0, x 0.
    LedPose PoseAt(std::int64_t elapsedMs) const;

    std::int32_t SignWidth() const { return signWidth_; }

    // Whether a page is wider than the sign, so the frame moves one pixel at a time.
    bool Scrolls() const;

    // How long all the pages take to show once, rounded up to whole milliseconds; 0 for a
    // frame that never changes.
    std::int64_t TurnMs() const;

private:
    // Time inside the timeline is counted in units of 1 / speed ms, in which every step lasts
    // exactly 1000 units and every page time a whole number of them.
    struct Page {
        std::int64_t start = 0;   // when the page begins in each turn, in units
        std::int64_t length = 0;  // in units
        std::int32_t width = 0;   // pixels; wider than the sign when the page scrolls
    };

    bool Moves() const;

    std::int32_t signWidth_ = 0;
    std::int64_t speed_ = 0;  // pixels a second, within the limits
    std::vector<Page> pages_;
    std::int64_t turnLength_ = 0;  // all pages once, in units
};

}  // namespace rolva
