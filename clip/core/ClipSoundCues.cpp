#include "clip/core/ClipSoundCues.h"

#include "display/core/RollPlan.h"

namespace rolva {

void AppendTimelineCues(const SignTimeline& timeline, int sign, std::int32_t frameHeight, bool ledClick,
                        std::vector<TimedSoundEvent>* events)
{
    const std::int64_t length = timeline.LengthMs();
    // Before the start the sign rests on its first frame: a roll that begins at once has made
    // its first step at 0 already.
    SignPose before = timeline.PoseAt(0);
    before.offset = frameHeight > 0 && before.offset != 0 ? RestingOffset(WrapFrame(before.frame), frameHeight) : before.offset;
    bool motorOn = false;
    std::int64_t lastStep = 0;
    std::int32_t speed = 0;
    for (std::int64_t t = 0; t <= length; ++t) {
        const SignPose now = timeline.PoseAt(t);
        if (now == before)
            continue;
        const bool stepped = now.offset != before.offset;
        const bool frameReached = now.frame != before.frame;
        if (!stepped) {
            // An LED sign clicks when it turns to another frame, as the live sign does; its
            // pages and scroll steps within a frame are silent.
            if (ledClick && frameReached)
                events->push_back({t, SoundEvent{SoundCue::Click, sign, 0}});
        } else {
            if (motorOn) {
                speed = static_cast<std::int32_t>(t - lastStep);
            } else if (!frameReached) {
                // The first step of a frame: the pause until the next one is the roll's speed.
                std::int64_t next = t + 1;
                while (next <= length && timeline.PoseAt(next) == now)
                    ++next;
                speed = static_cast<std::int32_t>(next - t);
                events->push_back({t, SoundEvent{SoundCue::Move, sign, speed}});
                motorOn = true;
            }
            if (frameReached) {
                // A frame passed in no time (speed 0) knocks where it shows.
                const std::int64_t stop = motorOn ? t + speed : t;
                events->push_back({stop, SoundEvent{SoundCue::Halt, sign, 0}});
                events->push_back({stop, SoundEvent{SoundCue::Knock, sign, 0}});
                motorOn = false;
            }
            lastStep = t;
        }
        before = now;
    }
}

}  // namespace rolva
