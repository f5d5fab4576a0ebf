// Makes the README's clip: opens a scene file as the program would and saves the whole scene
// as a GIF, rolling the first sign and stepping the LED sign through the same frames, with its
// sound track beside it (OUT.wav).
//   sample_clip.exe SCENE.rv4 OUT.gif
#include <windows.h>

#include <cstdio>
#include <string>

#include "app/Application.h"
#include "clip/ClipExport.h"
#include "clip/ClipSoundTrack.h"
#include "scene/FileCommands.h"

using namespace rolva;

namespace {

class NoCancel final : public ClipProgress {
public:
    bool Continue(std::int64_t, std::int64_t) override { return true; }
};

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3 || !StartApplication(GetModuleHandleA(nullptr)))
        return 1;
    if (gApp.splash)
        SendMessageA(gApp.splash, WM_CLOSE, 0, 0);
    OpenDataFile(argv[1]);
    ClipRequest request;
    request.subject = ClipSubject::WholeScene;
    request.frames = {0, 3, 5};
    request.fps = 25;
    request.holdMs = 1200;
    request.soundTrack = true;
    NoCancel progress;
    const ClipResult result = ExportClip(request, argv[2], progress);
    printf("%s: outcome %d, %d frames, %llu bytes\n", argv[2], static_cast<int>(result.outcome), result.gifFrames,
           static_cast<unsigned long long>(result.bytes));
    if (result.outcome == ClipOutcome::Saved)
        printf("%s: error %u\n", SoundTrackPath(argv[2]).c_str(), static_cast<unsigned>(result.soundError));
    DestroyWindow(gApp.form);
    return result.outcome == ClipOutcome::Saved ? 0 : 1;
}
