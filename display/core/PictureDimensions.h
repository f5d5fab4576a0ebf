// The width and height a picture file's header claims, read from its first bytes before any
// decoder sees the file. A decoder given a header that claims billions of pixels may fault
// while it makes room for them (GDI+ on Wine does) instead of failing; such pictures are
// refused here, as a broken file is refused by the decoders.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

namespace rolva {

struct PictureDimensions {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
};

// The most pixels a picture may have: 256 MB as 32-bit pixels. Far above any strip the program
// makes (999 frames of 200 x 57 are 11 million), far below where the decoders fall over.
constexpr std::uint64_t kMaxPicturePixels = std::uint64_t{1} << 26;
// The longest side a picture may have, whatever its pixel count.
constexpr std::uint32_t kMaxPictureSide = 1000000;

// The size a BMP (info or core header; a negative height is a top-down picture), PNG (IHDR),
// GIF (logical screen) or JPEG (the first start-of-frame marker) header claims. Nothing for other
// formats and for bytes that end before the size or break the format's structure; any bytes are safe.
std::optional<PictureDimensions> ReadPictureDimensions(const std::uint8_t* bytes, std::size_t size);

// True when the dimensions are known and exceed kMaxPicturePixels or kMaxPictureSide.
bool IsTooLargePicture(const std::uint8_t* bytes, std::size_t size);

}  // namespace rolva
