// Any bytes parse without a fault; a GIF that parses writes out to bytes that parse to the same
// blocks, and finishing it as a clip gives a GIF again.
#include "clip/core/GifBytes.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto file = rolva::ParseGif(data, size);
    if (!file)
        return 0;
    const std::vector<std::uint8_t> written = rolva::WriteGif(*file);
    const auto again = rolva::ParseGif(written.data(), written.size());
    ROLVA_FUZZ_CHECK(again.has_value());
    ROLVA_FUZZ_CHECK(again->images.size() == file->images.size());
    ROLVA_FUZZ_CHECK(rolva::WriteGif(*again) == written);

    rolva::GifEdit edit;
    edit.frames.resize(file->images.size(), rolva::GifFrameEdit{2, 0, 0});
    const auto finished = rolva::FinishClipGif(std::vector<std::uint8_t>(data, data + size), edit);
    ROLVA_FUZZ_CHECK(finished.has_value());
    const auto clip = rolva::ParseGif(finished->data(), finished->size());
    ROLVA_FUZZ_CHECK(clip.has_value() && clip->images.size() <= file->images.size() && clip->loopCount == 0);
    return 0;
}
