#include "sound/core/RollSound.h"

#include <algorithm>

namespace rolva {

std::int64_t AppendRollSound(int sign, std::int64_t startMs, std::int64_t framesPassed, RollSoundTiming timing,
                             std::vector<TimedSoundEvent>* events)
{
    const std::int64_t height = std::max<std::int32_t>(timing.frameHeight, 0);
    const std::int64_t speed = std::max<std::int32_t>(timing.speedMs, 0);
    const std::int64_t interval = std::max<std::int32_t>(timing.intervalMs, 0);
    if (height == 0 || framesPassed <= 0)
        return 0;
    const std::int64_t moving = height * speed;
    const std::int64_t period = moving + interval;
    for (std::int64_t frame = 0; frame < framesPassed; ++frame) {
        const std::int64_t start = startMs + frame * period;
        if (moving > 0)
            events->push_back({start, SoundEvent{SoundCue::Move, sign, timing.speedMs}});
        events->push_back({start + moving, SoundEvent{SoundCue::Halt, sign, 0}});
        events->push_back({start + moving, SoundEvent{SoundCue::Knock, sign, 0}});
    }
    return framesPassed * period;
}

std::vector<std::int16_t> RenderTrack(SoundMixer& mixer, std::vector<TimedSoundEvent> events, std::int64_t lengthMs)
{
    std::stable_sort(events.begin(), events.end(),
                     [](const TimedSoundEvent& a, const TimedSoundEvent& b) { return a.ms < b.ms; });
    const std::int64_t total = SampleAtMs(lengthMs);
    std::vector<std::int16_t> track(static_cast<std::size_t>(total));
    std::int64_t done = 0;
    std::size_t next = 0;
    while (done < total) {
        while (next < events.size() && SampleAtMs(events[next].ms) <= done)
            mixer.Apply(events[next++].event);
        const std::int64_t until = next < events.size() ? std::min(total, SampleAtMs(events[next].ms)) : total;
        mixer.Render(track.data() + done, static_cast<std::size_t>(until - done));
        done = until;
    }
    return track;
}

}  // namespace rolva
