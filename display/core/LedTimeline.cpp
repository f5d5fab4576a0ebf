#include "display/core/LedTimeline.h"

#include <algorithm>
#include <iterator>
#include <limits>

namespace rolva {
namespace {

constexpr std::int64_t kUnitsPerStep = 1000;  // a step lasts 1000 / speed ms

// (a * b) mod m for a >= 0, b >= 0, m > 0, without the product: the elapsed time of a sign
// left running for ages times the speed does not fit in 64 bits. Doubling keeps every partial
// sum below 2m, which fits unsigned.
std::int64_t MultiplyModulo(std::int64_t a, std::int64_t b, std::int64_t m)
{
    const std::uint64_t modulus = static_cast<std::uint64_t>(m);
    std::uint64_t factor = static_cast<std::uint64_t>(a) % modulus;
    std::uint64_t result = 0;
    for (std::uint64_t bits = static_cast<std::uint64_t>(b); bits != 0; bits >>= 1) {
        if ((bits & 1) != 0)
            result = (result + factor) % modulus;
        factor = (factor * 2) % modulus;
    }
    return static_cast<std::int64_t>(result);
}

}  // namespace

LedTimeline::LedTimeline(std::int32_t signWidth, const std::vector<std::int32_t>& pageWidths, std::int32_t pageMs,
                         std::int32_t pixelsPerSecond)
    : signWidth_(std::max(signWidth, 0)),
      speed_(std::clamp(pixelsPerSecond, kMinLedScrollSpeed, kMaxLedScrollSpeed))
{
    const std::int64_t stillLength = std::int64_t{std::max(pageMs, kMinLedPageMs)} * speed_;
    for (std::int32_t pageWidth : pageWidths) {
        Page page;
        page.start = turnLength_;
        page.width = pageWidth;
        page.length = page.width > signWidth_ ? (std::int64_t{signWidth_} + page.width) * kUnitsPerStep : stillLength;
        turnLength_ += page.length;
        pages_.push_back(page);
    }
}

bool LedTimeline::Moves() const
{
    return pages_.size() > 1 || (pages_.size() == 1 && pages_[0].width > signWidth_);
}

bool LedTimeline::Scrolls() const
{
    return std::any_of(pages_.begin(), pages_.end(), [this](const Page& page) { return page.width > signWidth_; });
}

std::int64_t LedTimeline::TurnMs() const
{
    return Moves() ? (turnLength_ + speed_ - 1) / speed_ : 0;
}

LedPose LedTimeline::PoseAt(std::int64_t elapsedMs) const
{
    LedPose pose;
    if (!Moves())
        return pose;

    const std::int64_t now = std::max<std::int64_t>(elapsedMs, 0);
    const std::int64_t inTurn = MultiplyModulo(now, speed_, turnLength_);
    const auto page = std::prev(std::upper_bound(pages_.begin(), pages_.end(), inTurn,
                                                 [](std::int64_t time, const Page& p) { return time < p.start; }));
    pose.page = static_cast<std::size_t>(page - pages_.begin());

    std::int64_t nextChange = page->start + page->length;
    if (page->width > signWidth_) {
        const std::int64_t steps = (inTurn - page->start) / kUnitsPerStep;
        pose.x = static_cast<std::int32_t>(signWidth_ - steps);
        nextChange = page->start + (steps + 1) * kUnitsPerStep;
    }
    // The change comes within this turn, at a moment that need not fall on a whole millisecond:
    // the pose shows from the first one at or after it.
    const std::int64_t wait = (nextChange - inTurn + speed_ - 1) / speed_;
    if (now <= std::numeric_limits<std::int64_t>::max() - wait)
        pose.nextChangeMs = now + wait;
    return pose;
}

}  // namespace rolva
