#include "display/core/BmpCompleteness.h"

namespace rolva {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;  // BITMAPCOREHEADER: 16-bit width and height
constexpr std::uint32_t kRgb = 0;              // uncompressed
constexpr std::uint32_t kBitFields = 3;        // uncompressed with colour masks

std::uint32_t Read16(const std::uint8_t* p) { return p[0] | p[1] << 8; }

std::uint32_t Read32(const std::uint8_t* p)
{
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

}  // namespace

bool IsCutShortBmp(const std::uint8_t* bytes, std::size_t size)
{
    if (size < 2 || bytes[0] != 'B' || bytes[1] != 'M')
        return false;
    if (size < kFileHeaderSize + 4)
        return true;
    const std::uint64_t pixelOffset = Read32(bytes + 10);
    const std::uint32_t infoSize = Read32(bytes + kFileHeaderSize);
    const bool core = infoSize == kCoreHeaderSize;
    // The fields read below end at byte 24 of a core header and byte 38 of the others.
    if (size < kFileHeaderSize + (core ? 12u : 24u))
        return true;
    const std::uint8_t* info = bytes + kFileHeaderSize;

    std::uint64_t width = 0;
    std::uint64_t height = 0;
    std::uint64_t bitsPerPixel = 0;
    std::uint32_t compression = kRgb;
    std::uint64_t storedSize = 0;
    if (core) {
        width = Read16(info + 4);
        height = Read16(info + 6);
        bitsPerPixel = Read16(info + 10);
    } else {
        const auto signedWidth = static_cast<std::int32_t>(Read32(info + 4));
        const auto signedHeight = static_cast<std::int32_t>(Read32(info + 8));
        width = signedWidth < 0 ? 0 : static_cast<std::uint64_t>(signedWidth);
        // A negative height is a top-down picture of that many rows.
        height = signedHeight < 0 ? 0 - static_cast<std::uint64_t>(static_cast<std::int64_t>(signedHeight))
                                  : static_cast<std::uint64_t>(signedHeight);
        bitsPerPixel = Read16(info + 14);
        compression = Read32(info + 16);
        storedSize = Read32(info + 20);
    }

    std::uint64_t pixelBytes = storedSize;
    if (compression == kRgb || compression == kBitFields) {
        const std::uint64_t rowBytes = (width * bitsPerPixel + 31) / 32 * 4;  // rows end on 4 bytes
        if (rowBytes != 0 && height > (UINT64_MAX - pixelOffset) / rowBytes)
            return true;  // more than any file holds
        pixelBytes = rowBytes * height;
    } else if (storedSize == 0) {
        return false;  // compressed, of a size only the decoder finds out
    }
    return size < pixelOffset + pixelBytes;
}

}  // namespace rolva
