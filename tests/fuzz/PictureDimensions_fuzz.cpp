// Any bytes give a size or nothing without a fault, and the judgement follows the size: a picture
// is too large exactly when its known size passes a limit. A prefix that holds the whole header
// gives the same size as the full bytes.
#include "display/core/PictureDimensions.h"
#include "tests/fuzz/FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // An exact-size copy, so a read past the end is one ASan sees.
    const std::vector<std::uint8_t> bytes(data, data + size);
    const auto dimensions = rolva::ReadPictureDimensions(bytes.data(), bytes.size());
    const bool tooLarge = rolva::IsTooLargePicture(bytes.data(), bytes.size());
    if (!dimensions) {
        ROLVA_FUZZ_CHECK(!tooLarge);
        return 0;
    }
    const std::uint64_t width = dimensions->width;
    const std::uint64_t height = dimensions->height;
    ROLVA_FUZZ_CHECK(tooLarge == (width > 1000000 || height > 1000000 || width * height > (std::uint64_t{1} << 26)));

    // More bytes after a readable header change nothing.
    std::vector<std::uint8_t> longer = bytes;
    longer.resize(bytes.size() + 64, 0xFF);
    const auto again = rolva::ReadPictureDimensions(longer.data(), longer.size());
    ROLVA_FUZZ_CHECK(again && again->width == dimensions->width && again->height == dimensions->height);
    return 0;
}
