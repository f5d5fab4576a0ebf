#include "clip/ClipExport.h"

#include <algorithm>
#include <optional>

#include "base/FileStreams.h"
#include "clip/ClipSoundTrack.h"
#include "clip/GifEncoder.h"
#include "clip/core/ClipMemory.h"
#include "clip/core/ClipPixels.h"
#include "clip/core/GifBytes.h"

namespace rolva {

namespace {

constexpr std::size_t kMostColours = 256;

ClipResult Failure(ClipOutcome outcome)
{
    ClipResult result;
    result.outcome = outcome;
    return result;
}

ClipResult EncoderFailure(HRESULT hr)
{
    ClipResult result = Failure(ClipOutcome::EncoderFailed);
    result.encoderError = hr;
    return result;
}

std::size_t PixelCount(const ClipScene& scene)
{
    return static_cast<std::size_t>(scene.Width()) * static_cast<std::size_t>(scene.Height());
}

}  // namespace

std::uint64_t ClipMemoryAvailable()
{
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    if (!GlobalMemoryStatusEx(&status))
        return 0;
    // The address space left (2 GB for a 32-bit program, 4 GB when large-address-aware under
    // 64-bit Windows) or the memory the system can still commit (RAM and page file), whichever
    // is less. A quarter of it, and 64 MB, stay for
    // the rest of the program and for the gaps between blocks: a GIF's bytes want one block.
    constexpr std::uint64_t kKeptForTheProgram = 64ull << 20;
    const std::uint64_t free = std::min<std::uint64_t>(status.ullAvailVirtual, status.ullAvailPageFile);
    const std::uint64_t usable = free - free / 4;
    return usable > kKeptForTheProgram ? usable - kKeptForTheProgram : 0;
}

std::uint64_t (*gClipMemoryBudget)() = ClipMemoryAvailable;

ClipResult ExportClip(const ClipRequest& request, const std::string& path, ClipProgress& progress)
{
    ClipScene scene;
    std::string problem;
    if (!scene.Prepare(request, &problem)) {
        ClipResult result = Failure(ClipOutcome::NotRecordable);
        result.problem = problem;
        return result;
    }
    const std::vector<ClipFrame> frames = PlanClipFrames(scene.LengthMs(), request.fps);
    const int scale = request.scale == 2 ? 2 : 1;
    const ClipMemoryNeed memory = ReckonClipMemory(
        ClipSize{scene.Width(), scene.Height(), scale}, frames,
        ChangingPixelsPerFrame(scene.PlacedTimelines(), frames, scene.Width(), scene.Height()), gClipMemoryBudget());
    if (!memory.fits) {
        ClipResult result = Failure(ClipOutcome::TooLong);
        result.longestMs = memory.longestMs;
        return result;
    }
    const std::int64_t steps = static_cast<std::int64_t>(frames.size()) * 2;
    const std::size_t pixelCount = PixelCount(scene);
    const bool cutOut = !scene.InsideMask().empty();

    // First pass: every colour the clip shows. A sign on its own keeps one entry for its
    // corners, which show whatever lies behind the picture.
    ColorTally tally;
    for (std::size_t k = 0; k < frames.size(); ++k) {
        if (!progress.Continue(static_cast<std::int64_t>(k), steps))
            return Failure(ClipOutcome::Cancelled);
        tally.Add(scene.DrawAt(frames[k].timeMs), pixelCount);
    }
    std::vector<std::uint32_t> palette = tally.Palette(cutOut ? kMostColours - 1 : kMostColours);
    const std::uint8_t outsideIndex = static_cast<std::uint8_t>(palette.size());
    if (cutOut)
        palette.push_back(0xFFFFFF);
    PaletteIndexer indexer(palette);

    GifEncoder encoder;
    HRESULT hr = encoder.Begin(palette);
    if (FAILED(hr))
        return EncoderFailure(hr);

    const int width = scene.Width() * scale;
    const int height = scene.Height() * scale;
    GifEdit edit;
    edit.loopForever = request.loopForever;
    if (cutOut)
        edit.transparentIndex = outsideIndex;
    edit.screenWidth = static_cast<std::uint16_t>(width);
    edit.screenHeight = static_cast<std::uint16_t>(height);

    std::vector<std::uint8_t> indexed(pixelCount);
    std::vector<std::uint8_t> shown;  // the whole picture as the clip shows it so far
    for (std::size_t k = 0; k < frames.size(); ++k) {
        if (!progress.Continue(static_cast<std::int64_t>(frames.size() + k), steps))
            return Failure(ClipOutcome::Cancelled);
        indexer.Index(scene.DrawAt(frames[k].timeMs), cutOut ? scene.InsideMask().data() : nullptr, outsideIndex,
                      pixelCount, indexed.data());
        std::vector<std::uint8_t> picture = ScalePixels(indexed, scene.Width(), scene.Height(), scale);
        PixelRect rect{0, 0, width, height};
        if (!shown.empty()) {
            const std::optional<PixelRect> changed = ChangedRect(shown, picture, width, height);
            // Unchanged: the picture before shows longer. 16 bits of delay at most per frame.
            if (!changed && edit.frames.back().delayCs + frames[k].delayCs <= 0xFFFF) {
                edit.frames.back().delayCs = static_cast<std::uint16_t>(edit.frames.back().delayCs + frames[k].delayCs);
                continue;
            }
            if (changed)
                rect = *changed;
        }
        hr = encoder.AddFrame(rect.width == width && rect.height == height ? picture : CropPixels(picture, width, rect),
                              rect.width, rect.height);
        if (FAILED(hr))
            return EncoderFailure(hr);
        edit.frames.push_back(GifFrameEdit{static_cast<std::uint16_t>(frames[k].delayCs),
                                           static_cast<std::uint16_t>(rect.left), static_cast<std::uint16_t>(rect.top)});
        shown = std::move(picture);
    }
    std::vector<std::uint8_t> encoded;
    hr = encoder.Finish(&encoded);
    if (FAILED(hr))
        return EncoderFailure(hr);
    const std::optional<std::vector<std::uint8_t>> clip = FinishClipGif(encoded, edit);
    if (!clip)
        return EncoderFailure(E_UNEXPECTED);

    // A read-only target is refused by the writer before any new file is made (ERROR_ACCESS_DENIED).
    if (const std::uint32_t error = WriteUserFileBytes(path, clip->data(), clip->size())) {
        ClipResult result = Failure(ClipOutcome::WriteFailed);
        result.writeError = error;
        return result;
    }
    ClipResult result;
    result.gifFrames = static_cast<std::int32_t>(edit.frames.size());
    result.bytes = clip->size();
    // From the scene the GIF was drawn from, so picture and sound cannot part.
    if (request.soundTrack)
        result.soundError = WriteClipSoundTrack(scene, SoundTrackPath(path));
    return result;
}

}  // namespace rolva
