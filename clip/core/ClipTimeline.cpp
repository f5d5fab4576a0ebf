#include "clip/core/ClipTimeline.h"

#include <algorithm>

#include "display/core/RollPlan.h"

namespace rolva {

namespace {

std::int32_t NotNegative(std::int32_t value) { return value < 0 ? 0 : value; }
std::int64_t NotNegative64(std::int64_t value) { return value < 0 ? 0 : value; }

RollTiming Clean(RollTiming timing)
{
    timing.frameHeight = NotNegative(timing.frameHeight);
    timing.speedMs = NotNegative(timing.speedMs);
    timing.intervalMs = NotNegative(timing.intervalMs);
    return timing;
}

// Time of one whole frame of a roll: its steps and the interval after them.
std::int64_t FramePeriodMs(const RollTiming& timing)
{
    return std::int64_t{timing.frameHeight} * timing.speedMs + timing.intervalMs;
}

}  // namespace

std::int64_t RollLengthMs(std::int32_t fromFrame, std::int32_t toFrame, RollTiming timing)
{
    timing = Clean(timing);
    if (timing.frameHeight == 0)
        return 0;
    const RollPlan plan = PlanRoll(WrapFrame(fromFrame), toFrame, timing.frameHeight);
    return plan.stepCount / timing.frameHeight * FramePeriodMs(timing);
}

void SignTimeline::Append(std::int32_t fromFrame, std::int32_t toFrame, std::int64_t lengthMs, int ledMotion)
{
    Segment segment;
    segment.ledMotion = ledMotion;
    segment.startMs = lengthMs_;
    segment.lengthMs = lengthMs;
    segment.fromFrame = fromFrame;
    segment.toFrame = toFrame;
    segments_.push_back(segment);
    lengthMs_ += lengthMs;
}

SignTimeline SignTimeline::Roll(const std::vector<std::int32_t>& frames, RollTiming timing, std::int64_t holdMs)
{
    SignTimeline timeline;
    timeline.rolls_ = true;
    timeline.timing_ = Clean(timing);
    holdMs = NotNegative64(holdMs);
    for (std::size_t i = 0; i < frames.size(); ++i) {
        if (i > 0)
            timeline.Append(frames[i - 1], frames[i], RollLengthMs(frames[i - 1], frames[i], timeline.timing_));
        timeline.Append(frames[i], frames[i], holdMs);
    }
    return timeline;
}

SignTimeline SignTimeline::Led(const std::vector<std::int32_t>& frames, std::int64_t holdMs, const LedMotion& motion)
{
    SignTimeline timeline;
    holdMs = NotNegative64(holdMs);
    for (std::int32_t frame : frames) {
        const auto widths = motion.pageWidths.find(frame);
        if (widths == motion.pageWidths.end()) {
            timeline.Append(frame, frame, holdMs);
            continue;
        }
        LedTimeline pages(motion.signWidth, widths->second, motion.pageMs, motion.pixelsPerSecond);
        const std::int64_t turnMs = pages.TurnMs();
        if (turnMs == 0) {
            timeline.Append(frame, frame, holdMs);
            continue;
        }
        timeline.ledTimelines_.push_back(std::move(pages));
        timeline.Append(frame, frame, std::max(holdMs, turnMs), static_cast<int>(timeline.ledTimelines_.size() - 1));
    }
    return timeline;
}

SignPose SignTimeline::RollPose(const Segment& segment, std::int64_t localMs) const
{
    const std::int32_t height = timing_.frameHeight;
    const RollPlan plan = PlanRoll(WrapFrame(segment.fromFrame), segment.toFrame, height);
    std::int64_t steps = plan.stepCount;
    const std::int64_t period = FramePeriodMs(timing_);
    if (localMs < segment.lengthMs && period > 0) {
        // Steps of frame f come at f * period + j * speed (j = 0 .. height-1): the first at once.
        const std::int64_t frame = localMs / period;
        const std::int64_t within = localMs - frame * period;
        std::int64_t step = height - 1;
        if (timing_.speedMs > 0)
            step = std::min<std::int64_t>(height - 1, within / timing_.speedMs);
        steps = std::min(plan.stepCount, frame * height + step + 1);
    }
    SignPose pose;
    // The strip moves by -direction per step when the target is higher (direction -1).
    pose.offset = static_cast<std::int32_t>(RestingOffset(WrapFrame(segment.fromFrame), height) + plan.direction * steps);
    const std::int64_t framesPassed = height > 0 ? steps / height : 0;
    pose.frame = static_cast<std::int32_t>(segment.fromFrame - plan.direction * framesPassed);
    return pose;
}

SignPose SignTimeline::PoseAt(std::int64_t ms) const
{
    if (segments_.empty())
        return SignPose{};
    ms = NotNegative64(ms);
    // The last segment that has begun: of several starting at once, the latest (a roll that takes
    // no time has already ended when the rest after it begins).
    auto next = std::upper_bound(segments_.begin(), segments_.end(), ms,
                                 [](std::int64_t t, const Segment& s) { return t < s.startMs; });
    const Segment& segment = *(next - 1);
    const std::int64_t local = ms - segment.startMs;
    if (segment.fromFrame == segment.toFrame || !rolls_) {
        SignPose pose;
        pose.frame = segment.toFrame;
        if (segment.ledMotion >= 0) {
            // Past the end the pages stop where the clip ends.
            const std::int64_t shown = std::min(local, segment.lengthMs - 1);
            const LedPose page = ledTimelines_[static_cast<std::size_t>(segment.ledMotion)].PoseAt(shown);
            pose.page = static_cast<std::int32_t>(page.page);
            pose.x = page.x;
        }
        if (rolls_)
            pose.offset = RestingOffset(WrapFrame(segment.toFrame), timing_.frameHeight);
        return pose;
    }
    return RollPose(segment, local);
}

std::vector<ClipFrame> PlanClipFrames(std::int64_t lengthMs, int fps)
{
    fps = std::clamp(fps, 1, 100);
    lengthMs = NotNegative64(lengthMs);
    std::vector<ClipFrame> frames;
    // Frame k starts at k * 100 / fps hundredths, rounded to the nearest one.
    auto startCs = [fps](std::int64_t k) { return (k * 200 + fps) / (2 * fps); };
    const std::int64_t endCs = (lengthMs + 5) / 10;
    const std::int64_t count = (lengthMs * fps + 999) / 1000;
    for (std::int64_t k = 0; k < count; ++k) {
        const std::int64_t begin = startCs(k);
        const std::int64_t end = std::min(endCs, startCs(k + 1));
        if (end <= begin)
            continue;
        ClipFrame frame;
        frame.timeMs = k * 1000 / fps;
        frame.delayCs = static_cast<std::int32_t>(end - begin);
        frames.push_back(frame);
    }
    if (frames.empty())
        frames.push_back(ClipFrame{0, 1});
    return frames;
}

}  // namespace rolva
