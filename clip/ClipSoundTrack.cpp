#include "clip/ClipSoundTrack.h"

#include <windows.h>

#include "base/FileStreams.h"
#include "clip/core/ClipSoundCues.h"
#include "sound/SignSounds.h"
#include "sound/core/WavFile.h"

namespace rolva {

std::string SoundTrackPath(const std::string& gifPath)
{
    const std::size_t size = gifPath.size();
    if (size >= 4 && lstrcmpiA(gifPath.c_str() + size - 4, ".gif") == 0)
        return gifPath.substr(0, size - 4) + ".wav";
    return gifPath + ".wav";
}

std::vector<std::int16_t> RenderClipSoundTrack(const ClipScene& scene)
{
    std::vector<TimedSoundEvent> events;
    int sign = 0;
    for (const PlacedTimeline& placed : scene.PlacedTimelines())
        AppendTimelineCues(*placed.timeline, sign++, placed.place.height, CurrentSoundSettings().ledClick, &events);
    SoundMixer mixer(CurrentSounds());
    return RenderTrack(mixer, events, scene.LengthMs());
}

std::uint32_t WriteClipSoundTrack(const ClipScene& scene, const std::string& path)
{
    const std::vector<std::int16_t> track = RenderClipSoundTrack(scene);
    return WriteUserFile(path, [&track](ByteSink& sink) {
        return EncodeWav(track.data(), track.size(), kSoundRate, 1, sink);
    });
}

}  // namespace rolva
