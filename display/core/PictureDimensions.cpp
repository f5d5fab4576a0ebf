#include "display/core/PictureDimensions.h"

namespace rolva {

namespace {

// Reads at offsets checked against the size; a read past the end sets ok to false and gives 0.
class HeaderBytes {
public:
    HeaderBytes(const std::uint8_t* bytes, std::size_t size) : bytes_(bytes), size_(size) {}

    bool ok() const { return ok_; }
    bool Has(std::size_t at, std::size_t count) const { return at <= size_ && count <= size_ - at; }

    std::uint32_t Byte(std::size_t at) { return Take(at, 1) ? bytes_[at] : 0u; }
    std::uint32_t Le16(std::size_t at) { return Take(at, 2) ? Pair(bytes_[at + 1], bytes_[at]) : 0u; }
    std::uint32_t Be16(std::size_t at) { return Take(at, 2) ? Pair(bytes_[at], bytes_[at + 1]) : 0u; }
    std::uint32_t Le32(std::size_t at) { return Take(at, 4) ? Le16(at + 2) << 16 | Le16(at) : 0u; }
    std::uint32_t Be32(std::size_t at) { return Take(at, 4) ? Be16(at) << 16 | Be16(at + 2) : 0u; }
    // A signature test: never a read past the end, so a short file is simply not of that format.
    bool StartsWith(const char* text, std::size_t count) const
    {
        if (!Has(0, count))
            return false;
        for (std::size_t i = 0; i < count; ++i) {
            if (bytes_[i] != static_cast<std::uint8_t>(text[i]))
                return false;
        }
        return true;
    }

private:
    static std::uint32_t Pair(std::uint32_t high, std::uint32_t low) { return high << 8 | low; }

    bool Take(std::size_t at, std::size_t count)
    {
        ok_ = ok_ && Has(at, count);
        return ok_;
    }

    const std::uint8_t* bytes_;
    std::size_t size_;
    bool ok_ = true;
};

std::optional<PictureDimensions> Known(HeaderBytes& in, std::uint32_t width, std::uint32_t height)
{
    if (!in.ok())
        return std::nullopt;
    return PictureDimensions{width, height};
}

// The size of a signed 32-bit field: a negative height is a top-down picture of that many rows,
// and a negative width, which decoders refuse, is judged by its size all the same.
std::uint32_t Magnitude(std::uint32_t field)
{
    return field & 0x80000000u ? 0u - field : field;
}

std::optional<PictureDimensions> BmpDimensions(HeaderBytes& in)
{
    constexpr std::size_t kInfo = 14;  // after the file header
    const std::uint32_t infoSize = in.Le32(kInfo);
    if (infoSize == 12)  // BITMAPCOREHEADER: unsigned 16-bit sides
        return Known(in, in.Le16(kInfo + 4), in.Le16(kInfo + 6));
    if (infoSize < 16)   // no header has 32-bit sides in fewer bytes
        return std::nullopt;
    return Known(in, Magnitude(in.Le32(kInfo + 4)), Magnitude(in.Le32(kInfo + 8)));
}

std::optional<PictureDimensions> PngDimensions(HeaderBytes& in)
{
    // IHDR is always the first chunk: its type at 12, then width and height.
    const std::uint32_t type = in.Be32(12);
    if (type != 0x49484452u)  // "IHDR"
        return std::nullopt;
    return Known(in, in.Be32(16), in.Be32(20));
}

std::optional<PictureDimensions> GifDimensions(HeaderBytes& in) { return Known(in, in.Le16(6), in.Le16(8)); }

bool IsStartOfFrame(std::uint32_t marker)
{
    // C4 (Huffman tables), C8 (reserved) and CC (arithmetic conditioning) share the range.
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

bool StandsAlone(std::uint32_t marker)
{
    return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8);  // TEM, RST0..7, SOI: no length
}

std::optional<PictureDimensions> JpegDimensions(HeaderBytes& in)
{
    std::size_t at = 2;  // after the start-of-image marker
    for (;;) {
        if (in.Byte(at) != 0xFF)
            return std::nullopt;
        while (in.Has(at, 1) && in.Byte(at) == 0xFF)  // a marker may follow any number of fill bytes
            ++at;
        const std::uint32_t marker = in.Byte(at++);
        if (!in.ok() || marker == 0x00 || marker == 0xD9 || marker == 0xDA)
            return std::nullopt;  // the bytes end, or the scan or image does, before any frame header
        if (StandsAlone(marker))
            continue;
        const std::uint32_t length = in.Be16(at);  // counts itself, not the marker
        if (!in.ok() || length < 2)
            return std::nullopt;
        if (IsStartOfFrame(marker))  // length, sample precision, lines, samples per line
            return Known(in, in.Be16(at + 5), in.Be16(at + 3));
        at += length;
    }
}

}  // namespace

std::optional<PictureDimensions> ReadPictureDimensions(const std::uint8_t* bytes, std::size_t size)
{
    if (!bytes)
        return std::nullopt;
    HeaderBytes in(bytes, size);
    if (in.StartsWith("BM", 2))
        return BmpDimensions(in);
    if (in.StartsWith("\x89PNG\r\n\x1A\n", 8))
        return PngDimensions(in);
    if (in.StartsWith("GIF87a", 6) || in.StartsWith("GIF89a", 6))
        return GifDimensions(in);
    if (in.StartsWith("\xFF\xD8", 2))
        return JpegDimensions(in);
    return std::nullopt;
}

bool IsTooLargePicture(const std::uint8_t* bytes, std::size_t size)
{
    const auto dimensions = ReadPictureDimensions(bytes, size);
    if (!dimensions)
        return false;
    const std::uint64_t pixels = std::uint64_t{dimensions->width} * dimensions->height;
    return dimensions->width > kMaxPictureSide || dimensions->height > kMaxPictureSide || pixels > kMaxPicturePixels;
}

}  // namespace rolva
