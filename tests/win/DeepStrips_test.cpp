// Roll strips deeper than a window can show whole (32,767 rows): every frame shows its own rows
// at rest, after rolls, after 送 and 戻 across row 32,767 and while a roll crosses it, with the
// strip loaded by either picture loader.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "SharedState.h"
#include "TestSupport.h"
#include "display/PictureLoader.h"
#include "display/RollAnimation.h"
#include "display/SignWindows.h"
#include "document/SignDocument.h"
#include "panel/ControlPanel.h"
#include "panel/ControlPanelIds.h"
#include "panel/Keypad.h"
#include "panel/SignRequests.h"

namespace rolva {
namespace {

constexpr int kStripWidth = 60;
constexpr COLORREF kWhite = RGB(255, 255, 255);

// A colour of each frame's own, far from white; unique for frames 0 to 1023.
COLORREF FrameColour(int frame) { return RGB((frame * 53) & 0xFF, (frame >> 8) * 60 + 10, 200); }

int FrameOfColour(COLORREF colour)
{
    for (int frame = 0; frame < 1024; ++frame)
        if (FrameColour(frame) == colour)
            return frame;
    return -1;
}

std::string TempPath(const std::string& name)
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    return std::string(temp) + name;
}

void PutLe(std::string& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// A 24-bit BMP of frames stacked top to bottom, each filled with its colour.
std::string StripBmp(int frames, int frameHeight)
{
    const int rowBytes = kStripWidth * 3;  // a multiple of 4: no padding
    const std::uint32_t height = static_cast<std::uint32_t>(frames * frameHeight);
    std::string bmp = "BM";
    PutLe(bmp, 54 + rowBytes * height, 4);
    PutLe(bmp, 0, 4);
    PutLe(bmp, 54, 4);
    PutLe(bmp, 40, 4);
    PutLe(bmp, kStripWidth, 4);
    PutLe(bmp, height, 4);  // bottom-up
    PutLe(bmp, 1, 2);
    PutLe(bmp, 24, 2);
    PutLe(bmp, 0, 4);
    PutLe(bmp, rowBytes * height, 4);
    PutLe(bmp, 2835, 4);
    PutLe(bmp, 2835, 4);
    PutLe(bmp, 0, 4);
    PutLe(bmp, 0, 4);
    bmp.reserve(bmp.size() + rowBytes * height);
    for (int row = static_cast<int>(height) - 1; row >= 0; --row) {
        const COLORREF colour = FrameColour(row / frameHeight);
        for (int x = 0; x < kStripWidth; ++x) {
            bmp.push_back(static_cast<char>(GetBValue(colour)));
            bmp.push_back(static_cast<char>(GetGValue(colour)));
            bmp.push_back(static_cast<char>(GetRValue(colour)));
        }
    }
    return bmp;
}

std::string StripFile(int frames, int frameHeight)
{
    const std::string path = TempPath("rolva-strip-" + std::to_string(frames) + "x" + std::to_string(frameHeight) + ".bmp");
    static std::set<std::string> written;  // once per run, so a file left by an older run is not used
    if (written.insert(path).second)
        test::WriteFileBytes(path, StripBmp(frames, frameHeight));
    return path;
}

bool WaitForRollEnd(int sign)
{
    const DWORD start = GetTickCount();
    while (IsRolling(sign)) {
        if (GetTickCount() - start > 60000)
            return false;
        HANDLE thread = gDocument.signs[sign].rollThread.Get();
        if (MsgWaitForMultipleObjects(1, &thread, FALSE, 50, QS_ALLINPUT) == WAIT_OBJECT_0)
            continue;
        test::PumpMessages(1);
    }
    test::PumpMessages(1);  // the roll's end, posted to the panel, gives back the keys
    return true;
}

int PictureTop()
{
    RECT rc{};
    GetWindowRect(SignPictureHandle(0), &rc);
    POINT corner{rc.left, rc.top};
    ScreenToClient(SignFrameHandle(0), &corner);
    return corner.y;
}

struct StripCase {
    int frames;
    int frameHeight;
    bool gdiplus;
};

std::string CaseName(const testing::TestParamInfo<StripCase>& info)
{
    return std::to_string(info.param.frames) + "x" + std::to_string(info.param.frameHeight) +
           (info.param.gdiplus ? "_Gdiplus" : "_Ole");
}

class DeepStripTest : public test::SharedSceneTest, public testing::WithParamInterface<StripCase> {
protected:
    void SetUp() override
    {
        frames_ = GetParam().frames;
        height_ = GetParam().frameHeight;
        SignSlot& slot = gDocument.signs[0];
        slot.kind = static_cast<std::uint8_t>(SignKind::Roll);
        ResetSign(0);
        SetSignWidth(0, kStripWidth);
        SetSignHeight(0, height_);
        ApplySignRegion(0);
        const std::string path = StripFile(frames_, height_);
        slot.pictureBitmap.Reset(GetParam().gdiplus ? LoadPictureGdiplus(path) : LoadPictureOle(path));
        ASSERT_TRUE(slot.pictureBitmap) << path;
        ASSERT_EQ(frames_ * height_, test::BitmapSize(slot.pictureBitmap.Get()).cy);
        SetSignPicture(0, slot.pictureBitmap.Get());
        test::PumpMessages();
    }

    void TearDown() override
    {
        ResetSign(0);
        SetSignPicture(0, nullptr);
        gDocument.signs[0].pictureBitmap.Reset();
        SetSignWidth(0, 123);
        SetSignHeight(0, 57);
        ApplySignRegion(0);
        SetPanelText(kSpeedEditIds[0], "0");
        SetPanelText(kIntervalEditIds[0], "0");
        SetPanelText(kNumberDisplayIds[0], "0");
        gDocument.signs[0].keypadEntry.clear();
        test::PumpMessages();
    }

    int LastFrame() const { return frames_ - 1; }
    // The frame whose rows hold row 32,767 of the strip.
    int BoundaryFrame() const { return 32767 / height_; }

    // The sign at rest on a frame, as a finished roll leaves it.
    void RestAt(int frame)
    {
        SignSlot& slot = gDocument.signs[0];
        slot.currentFrame = static_cast<std::int16_t>(frame);
        slot.scrollOffset = -frame * height_;
        PlaceSignStrip(0, slot.scrollOffset, height_);
        SetPanelText(kNumberDisplayIds[0], std::to_string(frame));
        test::PumpMessages();
    }

    void StartRollTo(int frame, const char* speed)
    {
        SetPanelText(kNumberDisplayIds[0], std::to_string(frame));
        SetPanelText(kSpeedEditIds[0], speed);
        SetPanelText(kIntervalEditIds[0], "0");
        StartSign(0);
    }

    COLORREF Pixel(int x, int y) const { return test::ScreenPixel(SignFrameHandle(0), x, y); }

    // The top, middle and bottom rows of the sign, at its left, middle and right.
    void ExpectShows(int frame)
    {
        UpdateWindow(SignFrameHandle(0));
        test::PumpMessages();
        for (int y : {0, height_ / 2, height_ - 1})
            for (int x : {0, kStripWidth / 2, kStripWidth - 1})
                EXPECT_EQ(FrameColour(frame), Pixel(x, y))
                    << "frame " << frame << " at " << x << "," << y << " shows frame " << FrameOfColour(Pixel(x, y));
        EXPECT_EQ(-frame * height_, gDocument.signs[0].scrollOffset);
        EXPECT_EQ(frame, gDocument.signs[0].currentFrame);
    }

    void ExpectPictureInsideTheFrameWithinSixteenBits()
    {
        RECT rc{};
        GetWindowRect(SignPictureHandle(0), &rc);
        EXPECT_EQ(SignFrameHandle(0), GetParent(SignPictureHandle(0)));
        EXPECT_LE(rc.bottom - rc.top, 32767);
        EXPECT_GE(PictureTop(), -32768);
    }

    int frames_ = 0;
    int height_ = 0;
};

TEST_P(DeepStripTest, RollsToDeepFramesShowThoseFramesOwnRows)
{
    for (int target : {600, 690, LastFrame()}) {
        SCOPED_TRACE(target);
        RestAt(target - 3);
        ExpectShows(target - 3);
        StartRollTo(target, "0");
        ASSERT_TRUE(WaitForRollEnd(0));
        ExpectShows(target);
        ExpectPictureInsideTheFrameWithinSixteenBits();
    }
    StartRollTo(LastFrame() - 2, "0");
    ASSERT_TRUE(WaitForRollEnd(0));
    ExpectShows(LastFrame() - 2);
}

TEST_P(DeepStripTest, ForwardAndBackAcrossRow32767ShowEachFrame)
{
    const int boundary = BoundaryFrame();
    RestAt(boundary - 1);
    SetPanelText(kSpeedEditIds[0], "0");
    SetPanelText(kIntervalEditIds[0], "0");
    for (int frame = boundary; frame <= boundary + 1; ++frame) {
        PressForwardKey(0);
        ASSERT_TRUE(WaitForRollEnd(0));
        ExpectShows(frame);
    }
    for (int frame = boundary; frame >= boundary - 1; --frame) {
        PressBackKey(0);
        ASSERT_TRUE(WaitForRollEnd(0));
        ExpectShows(frame);
    }
}

TEST_P(DeepStripTest, ResetFromADeepFrameShowsFrameZero)
{
    RestAt(LastFrame() - 1);
    StartRollTo(LastFrame(), "0");
    ASSERT_TRUE(WaitForRollEnd(0));
    ResetSign(0);
    ExpectShows(0);
    EXPECT_EQ(0, PictureTop());
    EXPECT_EQ("", PanelText(kNumberDisplayIds[0]));
}

// Samples the sign while the roll runs: the frame at the top row only ever moves the roll's
// way, within the frames rolled over, and the bottom row shows the same frame or the next one.
TEST_P(DeepStripTest, ARollAcrossRow32767NeverShowsAFrameOutOfOrder)
{
    const int from = BoundaryFrame() - 2;
    const int to = BoundaryFrame() + 2;
    for (const auto& [start, end] : {std::pair{from, to}, std::pair{to, from}}) {
        SCOPED_TRACE(std::to_string(start) + " -> " + std::to_string(end));
        const int step = end > start ? 1 : -1;
        RestAt(start);
        StartRollTo(end, "1");
        std::vector<int> seen{start};
        while (IsRolling(0)) {
            const int top = FrameOfColour(Pixel(kStripWidth / 2, 0));
            const int bottom = FrameOfColour(Pixel(kStripWidth / 2, height_ - 1));
            ASSERT_NE(-1, top) << "a colour of no frame at the top row";
            ASSERT_TRUE(bottom == top || bottom == top + 1) << top << " above " << bottom;
            ASSERT_GE((top - seen.back()) * step, 0) << "frame " << top << " after " << seen.back();
            ASSERT_GE(top, std::min(start, end));
            ASSERT_LE(top, std::max(start, end));
            if (top != seen.back())
                seen.push_back(top);
            test::PumpMessages(1);
        }
        ExpectShows(end);
        EXPECT_GE(seen.size(), 3u) << "the roll was not watched";
    }
}

TEST_P(DeepStripTest, APictureThatCannotBeLoadedLeavesTheSignWhiteAndRolling)
{
    RestAt(690);
    // A name of each case's own: Wine's GDI+ keeps a file it failed to decode open.
    const std::string path = TempPath("rolva-truncated-" + CaseName({GetParam(), 0}) + ".bmp");
    test::WriteFileBytes(path, StripBmp(700, 50).substr(0, 40000));
    SignSlot& slot = gDocument.signs[0];
    SetSignPicture(0, nullptr);
    slot.pictureBitmap.Reset(GetParam().gdiplus ? LoadPictureGdiplus(path) : LoadPictureOle(path));
    SetSignPicture(0, slot.pictureBitmap.Get());
    DeleteFileA(path.c_str());
    RestAt(0);
    StartRollTo(2, "0");
    ASSERT_TRUE(WaitForRollEnd(0));
    UpdateWindow(SignFrameHandle(0));
    test::PumpMessages();
    EXPECT_FALSE(slot.pictureBitmap);
    for (int y : {0, height_ / 2, height_ - 1})
        for (int x : {0, kStripWidth - 1})
            EXPECT_EQ(kWhite, Pixel(x, y)) << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(Strips, DeepStripTest,
                         testing::Values(StripCase{700, 50, true}, StripCase{700, 50, false},
                                         StripCase{999, 57, true}, StripCase{999, 57, false}),
                         CaseName);

// A strip that fits in 16 bits is shown whole, its picture control at y = scrollOffset.
TEST(ShallowStrip, PictureHoldsTheWholeStripAndStandsAtTheScrollOffset)
{
    SignSlot& slot = gDocument.signs[0];
    slot.kind = static_cast<std::uint8_t>(SignKind::Roll);
    ResetSign(0);
    SetSignWidth(0, kStripWidth);
    SetSignHeight(0, 50);
    slot.pictureBitmap.Reset(LoadPictureGdiplus(StripFile(400, 50)));
    ASSERT_TRUE(slot.pictureBitmap);
    SetSignPicture(0, slot.pictureBitmap.Get());
    EXPECT_EQ(reinterpret_cast<LPARAM>(slot.pictureBitmap.Get()),
              SendMessageA(SignPictureHandle(0), STM_GETIMAGE, IMAGE_BITMAP, 0));
    slot.currentFrame = 396;
    slot.scrollOffset = -396 * 50;
    PlaceSignStrip(0, slot.scrollOffset, 50);
    SetPanelText(kNumberDisplayIds[0], "399");
    StartSign(0);
    ASSERT_TRUE(WaitForRollEnd(0));
    EXPECT_EQ(-399 * 50, PictureTop());
    RECT rc{};
    GetWindowRect(SignPictureHandle(0), &rc);
    EXPECT_EQ(20000, rc.bottom - rc.top);
    UpdateWindow(SignFrameHandle(0));
    test::PumpMessages();
    EXPECT_EQ(FrameColour(399), test::ScreenPixel(SignFrameHandle(0), 30, 25));

    ResetSign(0);
    SetSignPicture(0, nullptr);
    slot.pictureBitmap.Reset();
    SetSignWidth(0, 123);
    SetSignHeight(0, 57);
    SetPanelText(kNumberDisplayIds[0], "0");
}

}  // namespace
}  // namespace rolva
