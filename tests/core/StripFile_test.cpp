#include "maker/core/StripFile.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace rolva {
namespace {

std::uint32_t Le(const std::vector<std::uint8_t>& bytes, size_t at, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value * 256 + bytes[at + static_cast<size_t>(i)];
    return value;
}

TEST(EncodeBmp24, WritesHeadersAndBottomUpRowsPaddedToFourBytes)
{
    // 2 x 3 pixels: rows of 6 bytes padded to 8; a stride wider than the picture.
    const std::vector<std::uint32_t> pixels = {
        0x112233, 0x445566, 0xDEAD,  //
        0xAABBCC, 0xDDEEFF, 0xDEAD,  //
        0x010203, 0x040506, 0xDEAD,
    };
    const auto bytes = EncodeBmp24(pixels.data(), 2, 3, 3);
    ASSERT_EQ(54u + 3 * 8, bytes.size());
    EXPECT_EQ('B', bytes[0]);
    EXPECT_EQ('M', bytes[1]);
    EXPECT_EQ(bytes.size(), Le(bytes, 2, 4));
    EXPECT_EQ(54u, Le(bytes, 10, 4));
    EXPECT_EQ(40u, Le(bytes, 14, 4));
    EXPECT_EQ(2u, Le(bytes, 18, 4));
    EXPECT_EQ(3u, Le(bytes, 22, 4));
    EXPECT_EQ(1u, Le(bytes, 26, 2));
    EXPECT_EQ(24u, Le(bytes, 28, 2));
    EXPECT_EQ(0u, Le(bytes, 30, 4));
    // The file's first row is the picture's last, blue green red.
    const std::vector<std::uint8_t> lastRow = {0x03, 0x02, 0x01, 0x06, 0x05, 0x04, 0, 0};
    EXPECT_EQ(lastRow, std::vector<std::uint8_t>(bytes.begin() + 54, bytes.begin() + 62));
    const std::vector<std::uint8_t> topRow = {0x33, 0x22, 0x11, 0x66, 0x55, 0x44, 0, 0};
    EXPECT_EQ(topRow, std::vector<std::uint8_t>(bytes.begin() + 70, bytes.end()));
}

TEST(EncodeBmp24, GivesNothingForSizesNoPictureCanHave)
{
    const std::uint32_t pixel = 0;
    EXPECT_TRUE(EncodeBmp24(&pixel, 0, 1, 1).empty());
    EXPECT_TRUE(EncodeBmp24(&pixel, 1, 0, 1).empty());
    EXPECT_TRUE(EncodeBmp24(&pixel, 2, 1, 1).empty());
}

TEST(CheckStrip, KeepsToTheFrameCountAndTheSizeAPictureCanHave)
{
    EXPECT_EQ(StripCheck::Ok, CheckStrip(3, 200, 57));
    EXPECT_EQ(StripCheck::NoFrames, CheckStrip(0, 200, 57));
    EXPECT_EQ(StripCheck::TooManyFrames, CheckStrip(1000, 200, 1));
    EXPECT_EQ(StripCheck::Ok, CheckStrip(999, 200, 57));     // 56,943 rows: deep strips roll too
    EXPECT_EQ(StripCheck::Ok, CheckStrip(999, 200, 167));    // 33,366,600 pixels
    EXPECT_EQ(StripCheck::TooDeep, CheckStrip(999, 200, 168));  // 33,566,400: past 2^25
    EXPECT_EQ(StripCheck::Ok, CheckStrip(1, 1024, 32767));
    EXPECT_EQ(StripCheck::BadSize, CheckStrip(1, 200, 32768));
    EXPECT_EQ(StripCheck::BadSize, CheckStrip(1, 0, 57));
    // An LED sign's pictures are one frame each: no depth limit.
    EXPECT_EQ(StripCheck::Ok, CheckLedFrames(999, 200, 57));
    EXPECT_EQ(StripCheck::TooManyFrames, CheckLedFrames(1000, 200, 57));
}

TEST(LedFrameFileName, NumbersFramesFromOneInThreeDigits)
{
    EXPECT_EQ("001.bmp", LedFrameFileName(0));
    EXPECT_EQ("010.bmp", LedFrameFileName(9));
    EXPECT_EQ("999.bmp", LedFrameFileName(998));
}

TEST(LedPageFileName, NamesFurtherPagesBesideTheirFramesFile)
{
    const struct {
        std::size_t frame, page;
        const char* name;
    } cases[] = {
        {4, 1, "005.bmp"}, {4, 2, "005+2.bmp"}, {0, 10, "001+10.bmp"}, {998, 99, "999+99.bmp"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.name, LedPageFileName(c.frame, c.page)) << c.frame << " " << c.page;
        EXPECT_EQ(c.page > 1, IsLedPageFileName(c.name)) << c.name;
    }
}

TEST(IsLedPageFileName, KnowsOnlyThePagesTheMakerWrites)
{
    const struct {
        const char* name;
        bool page;
    } cases[] = {
        {"005+2.bmp", true},   {"005+2.BMP", true},   {"005+99.bmp", true}, {"005+1.bmp", false},
        {"005+0.bmp", false},  {"005+02.bmp", false}, {"005+100.bmp", false}, {"05+2.bmp", false},
        {"0005+2.bmp", false}, {"005+2.png", false},  {"005-2.bmp", false}, {"abc+2.bmp", false},
        {"005+2a.bmp", false}, {"005+.bmp", false},   {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.page, IsLedPageFileName(c.name)) << c.name;
}

}  // namespace
}  // namespace rolva
