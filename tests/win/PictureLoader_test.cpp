// Both picture loaders on real files: formats, sizes, pixels, failures and handle leaks.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "app/Handles.h"
#include "display/PictureLoader.h"
#include "document/SignDocument.h"

namespace rolva {
namespace {

using test::BitmapPixel;
using test::BitmapSize;
using test::FixturePath;

using Loader = HBITMAP (*)(const std::string&);

// Close enough for JPEG's rounding; exact formats match exactly anyway.
void ExpectNear(COLORREF expected, COLORREF actual)
{
    EXPECT_NEAR(GetRValue(expected), GetRValue(actual), 8) << std::hex << actual;
    EXPECT_NEAR(GetGValue(expected), GetGValue(actual), 8) << std::hex << actual;
    EXPECT_NEAR(GetBValue(expected), GetBValue(actual), 8) << std::hex << actual;
}

void ExpectFixturePicture(Loader load, const char* name)
{
    SCOPED_TRACE(name);
    BitmapHandle bitmap(load(FixturePath(name)));
    ASSERT_TRUE(bitmap);
    const SIZE size = BitmapSize(bitmap.Get());
    EXPECT_EQ(12, size.cx);
    EXPECT_EQ(7, size.cy);
    ExpectNear(RGB(255, 0, 0), BitmapPixel(bitmap.Get(), 0, 0));
    ExpectNear(RGB(0, 0, 255), BitmapPixel(bitmap.Get(), 11, 6));
}

class GdiplusFlag : public testing::Test {
protected:
    void TearDown() override { gDocument.gdiplusAvailable = ProbeGdiplus(); }
};

TEST(PictureLoader, GdiplusLoaderReadsEveryFormat)
{
    for (const char* name : {"picture.bmp", "picture.jpg", "picture.gif", "picture.png", "picture.tif"})
        ExpectFixturePicture(LoadPictureGdiplus, name);
}

TEST(PictureLoader, OleLoaderReadsBmpJpegAndGif)
{
    for (const char* name : {"picture.bmp", "picture.jpg", "picture.gif"})
        ExpectFixturePicture(LoadPictureOle, name);
}

TEST(PictureLoader, OleLoaderRefusesTiff)
{
    BitmapHandle bitmap(LoadPictureOle(FixturePath("picture.tif")));
    EXPECT_FALSE(bitmap);
}

TEST(PictureLoader, GdiplusComposesTransparentPixelsOnBlack)
{
    BitmapHandle bitmap(LoadPictureGdiplus(FixturePath("alpha.png")));
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(RGB(0, 0, 0), BitmapPixel(bitmap.Get(), 0, 0) & 0xFFFFFF);
    EXPECT_EQ(RGB(0, 255, 0), BitmapPixel(bitmap.Get(), 11, 0) & 0xFFFFFF);
}

TEST(PictureLoader, BrokenOrMissingFilesGiveNullThroughBothLoaders)
{
    for (Loader load : {LoadPictureGdiplus, LoadPictureOle}) {
        for (const char* name : {"missing.bmp", "empty.bmp", "truncated.bmp", "truncated.png", "text.png"}) {
            SCOPED_TRACE(name);
            BitmapHandle bitmap(load(FixturePath(name)));
            EXPECT_FALSE(bitmap);
        }
        BitmapHandle fromEmptyPath(load(""));
        EXPECT_FALSE(fromEmptyPath);
    }
}

TEST_F(GdiplusFlag, LoadPictureFollowsTheGdiplusFlag)
{
    gDocument.gdiplusAvailable = 0;
    BitmapHandle tiffWithoutGdiplus(LoadPicture(FixturePath("picture.tif")));
    EXPECT_FALSE(tiffWithoutGdiplus) << "the OLE loader was not used";

    gDocument.gdiplusAvailable = 1;
    BitmapHandle tiffWithGdiplus(LoadPicture(FixturePath("picture.tif")));
    EXPECT_TRUE(tiffWithGdiplus);
}

TEST_F(GdiplusFlag, EmptyPathLeavesTheFlagAlone)
{
    gDocument.gdiplusAvailable = 7;
    BitmapHandle bitmap(LoadPictureGdiplus(""));
    EXPECT_FALSE(bitmap);
    EXPECT_EQ(7, gDocument.gdiplusAvailable);
}

TEST(PictureLoader, RepeatedLoadsLeakNoGdiObjectAndNoModule)
{
    const char* const names[] = {"picture.bmp", "picture.png", "text.png", "truncated.bmp", "picture.jpg"};
    // Warm up: the first loads bring in codecs that stay for the life of the process.
    for (const char* name : names) {
        BitmapHandle a(LoadPictureGdiplus(FixturePath(name)));
        BitmapHandle b(LoadPictureOle(FixturePath(name)));
    }
    const DWORD before = test::GdiObjectCount();
    ASSERT_GT(before, 0u) << "no GDI object count on this system";
    for (int round = 0; round < 200; ++round) {
        const char* name = names[round % 5];
        BitmapHandle a(LoadPictureGdiplus(FixturePath(name)));
        BitmapHandle b(LoadPictureOle(FixturePath(name)));
    }
    EXPECT_LE(test::GdiObjectCount(), before + test::kGdiSlack);
    EXPECT_EQ(nullptr, GetModuleHandleA("Gdiplus.dll")) << "the library outlived a call";
}

}  // namespace
}  // namespace rolva
