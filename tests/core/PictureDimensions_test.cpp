#include "display/core/PictureDimensions.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "tests/core/TestBytes.h"

namespace rolva {
namespace {

using test::Bytes;
using test::Concat;
using test::Le16;
using test::Le32;
using test::Prefix;
using test::Text;

Bytes Be16(std::uint32_t v) { return {static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v)}; }
Bytes Be32(std::uint32_t v) { return Concat({Be16(v >> 16), Be16(v & 0xFFFF)}); }

// A BMP file header and BITMAPINFOHEADER (32-bit signed sides), then a few pixel bytes.
Bytes BmpInfo(std::int32_t width, std::int32_t height)
{
    return Concat({Text("BM"), Le32(0), Le32(0), Le32(54), Le32(40), Le32(width), Le32(height), Le16(1), Le16(32),
                   Le32(0), Le32(0), Le32(0), Le32(0), Le32(0), Le32(0), Bytes(8, 0x55)});
}

// A BMP with the old 12-byte BITMAPCOREHEADER: unsigned 16-bit sides.
Bytes BmpCore(std::uint32_t width, std::uint32_t height)
{
    return Concat({Text("BM"), Le32(0), Le32(0), Le32(26), Le32(12), Le16(static_cast<std::int32_t>(width)),
                   Le16(static_cast<std::int32_t>(height)), Le16(1), Le16(24), Bytes(8, 0x55)});
}

Bytes Png(std::uint32_t width, std::uint32_t height)
{
    return Concat({Bytes{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}, Be32(13), Text("IHDR"), Be32(width),
                   Be32(height), Bytes{8, 6, 0, 0, 0}, Be32(0x12345678)});
}

Bytes Gif(std::uint32_t width, std::uint32_t height, const char* version = "GIF89a")
{
    return Concat({Text(version), Le16(static_cast<std::int32_t>(width)), Le16(static_cast<std::int32_t>(height)),
                   Bytes{0x00, 0, 0, ',', 0, 0}});
}

Bytes Segment(std::uint8_t marker, const Bytes& body)
{
    return Concat({Bytes{0xFF, marker}, Be16(static_cast<std::uint32_t>(body.size() + 2)), body});
}

Bytes SmallFrame(std::uint8_t marker, std::uint32_t width, std::uint32_t height)
{
    return Segment(marker, Concat({Bytes{8}, Be16(height), Be16(width), Bytes{1, 1, 0x11, 0}}));
}

// A baseline frame header (or any other start-of-frame marker) after an APP0 and tables that
// carry the bytes of a frame header in them, then the scan.
Bytes Jpeg(std::uint32_t width, std::uint32_t height, std::uint8_t frameMarker = 0xC0)
{
    const Bytes decoy = Concat({Bytes{8}, Be16(60000), Be16(60000), Bytes{3}});
    return Concat({Bytes{0xFF, 0xD8}, Segment(0xE0, Concat({Text("JFIF"), Bytes{0, 1, 1, 0, 0, 1, 0, 1, 0, 0}})),
                   Segment(0xDB, Concat({Bytes{0}, Bytes(64, 1)})), Segment(0xC4, decoy),
                   SmallFrame(frameMarker, width, height),
                   Segment(0xDA, Bytes{1, 1, 0, 0, 63, 0}), Bytes{0x12, 0x34, 0xFF, 0xD9}});
}

std::optional<PictureDimensions> Read(const Bytes& bytes) { return ReadPictureDimensions(bytes.data(), bytes.size()); }

bool TooLarge(const Bytes& bytes) { return IsTooLargePicture(bytes.data(), bytes.size()); }

TEST(PictureDimensions, ReadsTheSizeEachFormatsHeaderClaims)
{
    const struct {
        const char* name;
        Bytes bytes;
        std::uint32_t width;
        std::uint32_t height;
    } cases[] = {
        {"bmp", BmpInfo(12, 7), 12, 7},
        {"bmp top-down", BmpInfo(12, -7), 12, 7},
        {"bmp top-down, most rows", BmpInfo(1, INT32_MIN), 1, 0x80000000u},
        {"bmp core", BmpCore(60000, 2), 60000, 2},
        {"bmp v5 header", Concat({Prefix(BmpInfo(200, 57), 14), Le32(124), Le32(200), Le32(57), Bytes(120, 0)}), 200,
         57},
        {"png", Png(12, 7), 12, 7},
        {"png huge", Png(0xFFFFFFFFu, 3), 0xFFFFFFFFu, 3},
        {"gif89a", Gif(12, 7), 12, 7},
        {"gif87a", Gif(65535, 1, "GIF87a"), 65535, 1},
        {"jpeg baseline", Jpeg(12, 7), 12, 7},
        {"jpeg progressive", Jpeg(640, 480, 0xC2), 640, 480},
        {"jpeg lossless arithmetic", Jpeg(1, 65535, 0xCF), 1, 65535},
        {"jpeg with fill and standalone markers",
         Concat({Bytes{0xFF, 0xD8, 0xFF, 0x01, 0xFF, 0xD0, 0xFF, 0xFF}, SmallFrame(0xC1, 10, 9)}), 10, 9},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto dimensions = Read(c.bytes);
        ASSERT_TRUE(dimensions.has_value());
        EXPECT_EQ(c.width, dimensions->width);
        EXPECT_EQ(c.height, dimensions->height);
    }
}

// Limits of 2^26 pixels and 1,000,000 on a side: at each one a picture still loads, one past it
// the picture is refused, whatever the format.
TEST(PictureDimensions, RefusesPicturesOverTheLimits)
{
    const struct {
        const char* name;
        Bytes bytes;
        bool tooLarge;
    } cases[] = {
        {"bmp strip of 999 frames", BmpInfo(200, 999 * 57), false},
        {"bmp 8192 square", BmpInfo(8192, 8192), false},
        {"bmp one row more", BmpInfo(8192, 8193), true},
        {"bmp top-down one row more", BmpInfo(8192, -8193), true},
        {"bmp 60 x 1,000,000", BmpInfo(60, 1000000), false},
        {"bmp 67 x 1,000,000", BmpInfo(67, 1000000), false},
        {"bmp 1 x 1,000,001", BmpInfo(1, 1000001), true},
        {"bmp 1,000,001 x 1", BmpInfo(1000001, 1), true},
        {"bmp negative width", BmpInfo(-1000001, 1), true},
        {"bmp 1,000 x 600,000", BmpInfo(1000, 600000), true},
        {"bmp most rows", BmpInfo(1, INT32_MIN), true},
        {"bmp core 65535 x 1024", BmpCore(65535, 1024), false},
        {"bmp core 65535 x 1025", BmpCore(65535, 1025), true},
        {"png", Png(12, 7), false},
        {"png at the pixel limit", Png(16384, 4096), false},
        {"png one column more", Png(16385, 4096), true},
        {"png 1,000,000 x 1", Png(1000000, 1), false},
        {"png 1 x 1,000,001", Png(1, 1000001), true},
        {"png widest", Png(0xFFFFFFFFu, 0xFFFFFFFFu), true},
        {"gif", Gif(12, 7), false},
        {"gif 65535 x 1024", Gif(65535, 1024), false},
        {"gif one column more", Gif(1025, 65535), true},
        {"gif widest", Gif(65535, 65535), true},
        {"jpeg", Jpeg(640, 480), false},
        {"jpeg 1024 x 65535", Jpeg(1024, 65535), false},
        {"jpeg 1025 x 65535", Jpeg(1025, 65535, 0xC2), true},
        {"jpeg no lines yet", Jpeg(65535, 0), false},  // the height comes later, in a DNL segment
        {"unknown: tiff", Concat({Text("II*"), Bytes{0}, Le32(8), Bytes(32, 0xFF)}), false},
        {"unknown: empty", Bytes{}, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.tooLarge, TooLarge(c.bytes));
    }
}

// Every prefix that ends before the size does gives nothing, and the prefix that holds the size
// gives it: each read is bounded by the bytes there are (ASan sees the exact-size copies).
TEST(PictureDimensions, HeadersCutShortBeforeTheSizeAreUnknown)
{
    const struct {
        const char* name;
        Bytes bytes;
        std::size_t sizeEnds;  // the first length that holds the width and height
    } cases[] = {
        {"bmp", BmpInfo(1000, 600000), 26},
        {"bmp core", BmpCore(65535, 65535), 22},
        {"png", Png(100000, 100000), 24},
        {"gif", Gif(65535, 65535), 10},
        {"jpeg", Jpeg(65535, 65535), 2 + 18 + 69 + 10 + 9},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (std::size_t length = 0; length < c.sizeEnds; ++length) {
            const Bytes cut = Prefix(c.bytes, length);
            EXPECT_FALSE(Read(cut).has_value()) << length;
            EXPECT_FALSE(TooLarge(cut)) << length;
        }
        EXPECT_TRUE(TooLarge(Prefix(c.bytes, c.sizeEnds)));
    }
}

TEST(PictureDimensions, BytesThatAreNoPictureHeaderAreUnknown)
{
    const Bytes frame = SmallFrame(0xC0, 65535, 65535);
    const Bytes png = Png(100000, 100000);
    const Bytes pngAfterSignature(png.begin() + 8, png.end());
    const struct {
        const char* name;
        Bytes bytes;
    } cases[] = {
        {"text", Text("hello, picture")},
        {"tiff", Concat({Text("MM"), Bytes{0, 42}, Be32(8), Bytes(32, 0xFF)})},
        {"bmp signature only", Text("BM")},
        {"bmp with a 13-byte info header", Concat({Prefix(BmpInfo(100000, 100000), 14), Le32(13), Bytes(40, 0xFF)})},
        {"bmp with no info header", Concat({Prefix(BmpInfo(100000, 100000), 14), Le32(0), Bytes(40, 0xFF)})},
        {"png whose first chunk is not IHDR", Concat({Prefix(Png(1, 1), 12), Text("IDAT"), Be32(100000), Be32(100000)})},
        {"png signature off by one byte", Concat({Bytes{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, 0}, pngAfterSignature})},
        {"gif of another version", Gif(65535, 65535, "GIF90a")},
        {"jpeg scan before any frame", Concat({Bytes{0xFF, 0xD8}, Segment(0xDA, Bytes{1, 1, 0, 0, 63, 0}), frame})},
        {"jpeg end of image first", Concat({Bytes{0xFF, 0xD8, 0xFF, 0xD9}, frame})},
        {"jpeg huffman tables only", Concat({Bytes{0xFF, 0xD8}, Segment(0xC4, Bytes{8, 0xFF, 0xFF, 0xFF, 0xFF, 3})})},
        {"jpeg arithmetic conditioning", Concat({Bytes{0xFF, 0xD8}, Segment(0xCC, Bytes{8, 0xFF, 0xFF, 0xFF, 0xFF})})},
        {"jpeg reserved C8", Concat({Bytes{0xFF, 0xD8}, Segment(0xC8, Bytes{8, 0xFF, 0xFF, 0xFF, 0xFF})})},
        {"jpeg segment with no length", Concat({Bytes{0xFF, 0xD8, 0xFF, 0xE0, 0, 1}, frame})},
        {"jpeg byte where a marker belongs", Concat({Bytes{0xFF, 0xD8, 0x00}, frame})},
        {"jpeg stuffed zero as marker", Concat({Bytes{0xFF, 0xD8, 0xFF, 0x00}, frame})},
        {"jpeg segment running past the end", Concat({Bytes{0xFF, 0xD8, 0xFF, 0xE1, 0xFF, 0xFF}, frame})},
        {"jpeg fill bytes to the end", Bytes{0xFF, 0xD8, 0xFF, 0xFF, 0xFF, 0xFF}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(Read(c.bytes).has_value());
        EXPECT_FALSE(TooLarge(c.bytes));
    }
    EXPECT_FALSE(ReadPictureDimensions(nullptr, 0).has_value());
}

}  // namespace
}  // namespace rolva
