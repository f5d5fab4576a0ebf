#include "display/core/BmpCompleteness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace rolva {
namespace {

void Put16(std::vector<std::uint8_t>& b, size_t at, std::uint32_t v)
{
    b[at] = static_cast<std::uint8_t>(v);
    b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

void Put32(std::vector<std::uint8_t>& b, size_t at, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

struct Bmp {
    std::int32_t width;
    std::int32_t height;
    std::uint16_t bitsPerPixel;
    std::uint32_t compression = 0;
    std::uint32_t storedSize = 0;
    bool core = false;  // the old 12-byte info header
};

// The headers of a BMP file, then as many bytes as `length` asks for in all.
std::vector<std::uint8_t> BmpBytes(const Bmp& bmp, size_t length)
{
    const std::uint32_t infoSize = bmp.core ? 12 : 40;
    std::vector<std::uint8_t> b(std::max<size_t>(length, 14 + infoSize), 0);
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 10, 14 + infoSize);
    Put32(b, 14, infoSize);
    if (bmp.core) {
        Put16(b, 18, static_cast<std::uint32_t>(bmp.width));
        Put16(b, 20, static_cast<std::uint32_t>(bmp.height));
        Put16(b, 22, 1);
        Put16(b, 24, bmp.bitsPerPixel);
    } else {
        Put32(b, 18, static_cast<std::uint32_t>(bmp.width));
        Put32(b, 22, static_cast<std::uint32_t>(bmp.height));
        Put16(b, 26, 1);
        Put16(b, 28, bmp.bitsPerPixel);
        Put32(b, 30, bmp.compression);
        Put32(b, 34, bmp.storedSize);
    }
    b.resize(length);
    return b;
}

bool CutShort(const std::vector<std::uint8_t>& bytes) { return IsCutShortBmp(bytes.data(), bytes.size()); }

TEST(IsCutShortBmp, JudgesUncompressedFilesByTheRowsTheirHeadersPromise)
{
    // 12 x 7 at 24 bits: rows of 36 bytes (padded to 4), 252 bytes after 54 of headers.
    const Bmp rgb{12, 7, 24};
    const Bmp topDown{12, -7, 24};
    const Bmp core{12, 7, 24, 0, 0, true};  // 26 bytes of headers
    const Bmp oneBit{33, 2, 1};             // 33 bits round up to rows of 8 bytes
    const struct {
        Bmp bmp;
        size_t length;
        bool cutShort;
    } cases[] = {
        {rgb, 306, false},     {rgb, 400, false},  // trailing bytes are no harm
        {rgb, 305, true},      {rgb, 60, true},
        {topDown, 306, false}, {topDown, 305, true},
        {core, 278, false},    {core, 277, true},
        {oneBit, 54 + 16, false}, {oneBit, 54 + 15, true},
        {Bmp{12, 7, 32, 3}, 54 + 336, false},  // bit fields: uncompressed
        {Bmp{12, 7, 32, 3}, 54 + 335, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.bmp.width << "x" << c.bmp.height << " core " << c.bmp.core
                                        << " length " << c.length);
        EXPECT_EQ(c.cutShort, CutShort(BmpBytes(c.bmp, c.length)));
    }
}

TEST(IsCutShortBmp, FilesEndingInsideTheirHeadersAreCutShort)
{
    for (size_t length : {2u, 13u, 17u, 37u})
        EXPECT_TRUE(CutShort(BmpBytes(Bmp{12, 7, 24}, length))) << length;
    EXPECT_TRUE(CutShort(BmpBytes(Bmp{12, 7, 24, 0, 0, true}, 25)));
}

TEST(IsCutShortBmp, CompressedFilesAreJudgedByTheirStoredSizeOnly)
{
    const std::uint32_t rle8 = 1;
    EXPECT_FALSE(CutShort(BmpBytes(Bmp{12, 7, 8, rle8, 0}, 60))) << "no size stored: the decoder decides";
    EXPECT_FALSE(CutShort(BmpBytes(Bmp{12, 7, 8, rle8, 40}, 54 + 40)));
    EXPECT_TRUE(CutShort(BmpBytes(Bmp{12, 7, 8, rle8, 40}, 54 + 39)));
}

TEST(IsCutShortBmp, OtherDataAndHugePromisesAreSafe)
{
    const std::vector<std::uint8_t> gif = {'G', 'I', 'F', '8', '9', 'a'};
    EXPECT_FALSE(CutShort(gif));
    EXPECT_FALSE(IsCutShortBmp(nullptr, 0));
    const std::vector<std::uint8_t> lone = {'B'};
    EXPECT_FALSE(CutShort(lone));
    // Dimensions whose pixel size overflows 64 bits in a careless product.
    EXPECT_TRUE(CutShort(BmpBytes(Bmp{0x7FFFFFFF, 0x7FFFFFFF, 0xFFFF}, 300)));
    EXPECT_TRUE(CutShort(BmpBytes(Bmp{0x7FFFFFFF, static_cast<std::int32_t>(0x80000000u), 32}, 300)));
}

}  // namespace
}  // namespace rolva
