// Both picture loaders on real files: formats, sizes, pixels, failures, handle leaks, files
// other programs hold open, COM on the loading thread and GDI+ kept for a whole run.
#include <gtest/gtest.h>

#include <windows.h>
#include <ole2.h>

#include <cstdint>
#include <string>
#include <utility>

#include "TestSupport.h"
#include "base/Handles.h"
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

// What each loader makes of each file: the 12 x 7 test picture, or nothing.
enum class Result { kPicture, kNothing, kNotAsked };

TEST(PictureLoader, EachLoaderReadsItsFormatsAndGivesNullForBrokenOrMissingFiles)
{
    const struct {
        const char* name;  // nullptr: the empty path
        Result gdiplus;
        Result ole;
    } files[] = {
        {"picture.bmp", Result::kPicture, Result::kPicture},
        {"picture.jpg", Result::kPicture, Result::kPicture},
        {"picture.gif", Result::kPicture, Result::kPicture},
        {"picture.png", Result::kPicture, Result::kNotAsked},
        {"picture.tif", Result::kPicture, Result::kNothing},  // the OLE loader knows no TIFF
        {"missing.bmp", Result::kNothing, Result::kNothing},
        {"empty.bmp", Result::kNothing, Result::kNothing},
        {"truncated.bmp", Result::kNothing, Result::kNothing},
        {"truncated.png", Result::kNothing, Result::kNothing},
        {"text.png", Result::kNothing, Result::kNothing},
        {nullptr, Result::kNothing, Result::kNothing},
    };
    for (const auto& file : files) {
        const std::pair<Loader, Result> loaders[] = {{LoadPictureGdiplus, file.gdiplus}, {LoadPictureOle, file.ole}};
        for (const auto& [load, result] : loaders) {
            SCOPED_TRACE(testing::Message() << (file.name ? file.name : "(empty path)")
                                            << (load == LoadPictureOle ? " by OLE" : " by GDI+"));
            if (result == Result::kPicture) {
                ExpectFixturePicture(load, file.name);
            } else if (result == Result::kNothing) {
                BitmapHandle bitmap(load(file.name ? FixturePath(file.name) : std::string()));
                EXPECT_FALSE(bitmap);
            }
        }
    }
}

TEST(PictureLoader, GdiplusComposesTransparentPixelsOnBlack)
{
    BitmapHandle bitmap(LoadPictureGdiplus(FixturePath("alpha.png")));
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(RGB(0, 0, 0), BitmapPixel(bitmap.Get(), 0, 0) & 0xFFFFFF);
    EXPECT_EQ(RGB(0, 255, 0), BitmapPixel(bitmap.Get(), 11, 0) & 0xFFFFFF);
}

std::string BmpHeaders(std::int32_t width, std::int32_t height, std::uint32_t bitsPerPixel, std::uint32_t colours)
{
    std::string bytes = "BM";
    for (std::uint32_t field : {0u, 0u, 54u + 4 * colours, 40u, static_cast<std::uint32_t>(width),
                                static_cast<std::uint32_t>(height), 1u | bitsPerPixel << 16, 0u, 0u, 0u, 0u, colours,
                                0u}) {
        for (int i = 0; i < 4; ++i)
            bytes += static_cast<char>(field >> (8 * i));
    }
    return bytes;
}

// The headers of a 32-bit BMP that claims width x height pixels, then a few pixel bytes: a
// picture file as it starts, not the gigabytes it promises.
std::string HugeBmpHeader(std::int32_t width, std::int32_t height)
{
    return BmpHeaders(width, height, 32, 0) + std::string(64, '\x55');
}

// A whole one-row BMP of one bit a pixel, black and white: any width is a small file.
std::string OneRowBmp(std::int32_t width)
{
    const std::size_t rowBytes = (static_cast<std::size_t>(width) + 31) / 32 * 4;
    return BmpHeaders(width, 1, 1, 2) + std::string("\0\0\0\0\xFF\xFF\xFF\0", 8) + std::string(rowBytes, '\xF0');
}

// GDI+ on Wine faults inside itself on a BMP that claims 2.4 GB of pixels; such a picture gives
// NULL through both loaders as a broken file does, and pictures load as before afterwards.
TEST(PictureLoader, PicturesClaimingTooManyPixelsGiveNullThroughBothLoaders)
{
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    const std::string huge = std::string(folder) + "rolva_huge_picture.bmp";
    const std::string topDown = std::string(folder) + "rolva_huge_top_down.bmp";
    test::WriteFileBytes(huge, HugeBmpHeader(1000, 600000));
    test::WriteFileBytes(topDown, HugeBmpHeader(1000, -600000));
    for (Loader load : {LoadPictureGdiplus, LoadPictureOle}) {
        for (const std::string& path : {huge, topDown}) {
            SCOPED_TRACE(path);
            BitmapHandle bitmap(load(path));
            EXPECT_FALSE(bitmap);
        }
        ExpectFixturePicture(load, "picture.bmp");
        ExpectFixturePicture(load, "picture.jpg");
    }
    ASSERT_TRUE(StartGdiplusForRun());
    {
        BitmapHandle bitmap(LoadPictureGdiplus(huge));
        EXPECT_FALSE(bitmap) << "GDI+ kept for the run";
    }
    ExpectFixturePicture(LoadPictureGdiplus, "picture.png");
    EndGdiplusForRun();
    DeleteFileA(huge.c_str());
    DeleteFileA(topDown.c_str());
}

// Whole pictures the decoders read: a row of 1,000,000 pixels loads, one pixel more does not.
TEST(PictureLoader, PicturesOneStepPastTheLimitGiveNullThroughBothLoaders)
{
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    const std::string atLimit = std::string(folder) + "rolva_widest_picture.bmp";
    const std::string past = std::string(folder) + "rolva_too_wide_picture.bmp";
    test::WriteFileBytes(atLimit, OneRowBmp(1000000));
    test::WriteFileBytes(past, OneRowBmp(1000001));
    for (Loader load : {LoadPictureGdiplus, LoadPictureOle}) {
        BitmapHandle widest(load(atLimit));
        ASSERT_TRUE(widest);
        EXPECT_EQ(1000000, BitmapSize(widest.Get()).cx);
        BitmapHandle tooWide(load(past));
        EXPECT_FALSE(tooWide);
    }
    DeleteFileA(atLimit.c_str());
    DeleteFileA(past.c_str());
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

// Another program reading or even writing a picture does not keep the OLE loader out of it.
TEST(PictureLoader, OleLoaderReadsAPictureAnotherProgramHasOpen)
{
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    const std::string copy = std::string(folder) + "rolva_held_picture.bmp";
    ASSERT_TRUE(CopyFileA(FixturePath("picture.bmp").c_str(), copy.c_str(), FALSE));
    const struct {
        DWORD access;
        DWORD share;
        bool loads;
    } holders[] = {
        {GENERIC_READ, FILE_SHARE_READ, true},
        {GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, true},
        {GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, true},
        {GENERIC_READ, 0, false},  // a program that lets nobody in
    };
    for (const auto& h : holders) {
        SCOPED_TRACE(testing::Message() << std::hex << h.access << " " << h.share);
        FileHandle held(CreateFileA(copy.c_str(), h.access, h.share, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(held);
        BitmapHandle bitmap(LoadPictureOle(copy));
        EXPECT_EQ(h.loads, static_cast<bool>(bitmap));
        if (bitmap)
            ExpectNear(RGB(0, 0, 255), BitmapPixel(bitmap.Get(), 11, 6));
    }
    DeleteFileA(copy.c_str());
}

struct ThreadLoad {
    bool multithreaded = false;  // the thread joins the multithreaded apartment first
    bool loaded = false;
    HRESULT afterwards = E_FAIL;  // COM initialised again on that thread after the load
};

DWORD WINAPI LoadOnFreshThread(LPVOID context)
{
    ThreadLoad& run = *static_cast<ThreadLoad*>(context);
    if (run.multithreaded)
        CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    {
        BitmapHandle bitmap(LoadPictureOle(FixturePath("picture.gif")));
        run.loaded = static_cast<bool>(bitmap);
    }
    run.afterwards = CoInitializeEx(nullptr, run.multithreaded ? COINIT_MULTITHREADED : COINIT_APARTMENTTHREADED);
    if (SUCCEEDED(run.afterwards))
        CoUninitialize();
    if (run.multithreaded)
        CoUninitialize();
    return 0;
}

// The OLE loader brings COM up for itself on a thread that has none, and leaves each thread's
// COM as it found it.
TEST(PictureLoader, OleLoaderInitialisesComForItselfAndBalancesIt)
{
    const struct {
        bool multithreaded;
        HRESULT afterwards;
    } cases[] = {
        {false, S_OK},    // no COM before, none left behind
        {true, S_FALSE},  // still in its multithreaded apartment
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.multithreaded);
        ThreadLoad run;
        run.multithreaded = c.multithreaded;
        KernelHandle thread(CreateThread(nullptr, 0, LoadOnFreshThread, &run, 0, nullptr));
        ASSERT_TRUE(thread);
        WaitForSingleObject(thread.Get(), INFINITE);
        EXPECT_TRUE(run.loaded);
        EXPECT_EQ(c.afterwards, run.afterwards);
    }
}

class GdiplusRun : public GdiplusFlag {
protected:
    void TearDown() override
    {
        EndGdiplusForRun();
        GdiplusFlag::TearDown();
    }
};

TEST_F(GdiplusRun, IsLoadedOnceFromTheSystemFolderAndFreedAtTheEnd)
{
    ASSERT_TRUE(StartGdiplusForRun());
    HMODULE module = GetModuleHandleA("Gdiplus.dll");
    ASSERT_NE(nullptr, module);
    char path[MAX_PATH] = {};
    char system[MAX_PATH] = {};
    GetModuleFileNameA(module, path, MAX_PATH);
    GetSystemDirectoryA(system, MAX_PATH);
    EXPECT_EQ(0, lstrcmpiA(path, (std::string(system) + "\\gdiplus.dll").c_str())) << path;
    EXPECT_TRUE(StartGdiplusForRun()) << "a second start is the same run";
    EXPECT_EQ(1, ProbeGdiplus());

    gDocument.gdiplusAvailable = 0;
    ExpectFixturePicture(LoadPictureGdiplus, "picture.png");
    EXPECT_EQ(1, gDocument.gdiplusAvailable);
    const DWORD before = test::GdiObjectCount();
    for (int round = 0; round < 100; ++round) {
        BitmapHandle bitmap(LoadPictureGdiplus(FixturePath(round % 2 ? "picture.tif" : "text.png")));
        EXPECT_EQ(module, GetModuleHandleA("Gdiplus.dll")) << "the library went between pictures";
    }
    EXPECT_LE(test::GdiObjectCount(), before + test::kGdiSlack);

    EndGdiplusForRun();
    EXPECT_EQ(nullptr, GetModuleHandleA("Gdiplus.dll")) << "the library outlived the run";
    ExpectFixturePicture(LoadPictureGdiplus, "picture.jpg");  // on its own again, call by call
    EXPECT_EQ(nullptr, GetModuleHandleA("Gdiplus.dll"));
}

}  // namespace
}  // namespace rolva
