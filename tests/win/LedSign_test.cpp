// LED-style signs on real folders: sorted frames, files that are no pictures, frames past the
// end, sub-folders and hidden files, files added while running, and a missing folder.
#include <gtest/gtest.h>

#include <string>

#include "SharedState.h"
#include "TestSupport.h"
#include "display/LedSign.h"
#include "display/RollAnimation.h"
#include "display/SignWindows.h"
#include "document/SignDocument.h"
#include "panel/ControlPanel.h"
#include "panel/ControlPanelIds.h"
#include "panel/SignRequests.h"

namespace rolva {
namespace {

using test::RemoveTree;

// A 4 x 4 bitmap file of one colour.
void WriteText(const std::string& path)
{
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(h, "text", 4, &written, nullptr);
    CloseHandle(h);
}

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kGreen = RGB(0, 255, 0);

class LedTest : public test::SharedSceneTest {
protected:
    void SetUp() override
    {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        folder_ = std::string(temp) + "rolva-led-test";
        RemoveTree(folder_);
        CreateDirectoryA(folder_.c_str(), nullptr);
        test::WriteSolidBmp(folder_ + "\\b.bmp", 4, 4, kBlue);
        test::WriteSolidBmp(folder_ + "\\A.bmp", 4, 4, kRed);
        WriteText(folder_ + "\\c.txt");
        CreateDirectoryA((folder_ + "\\0-folder").c_str(), nullptr);
        test::WriteSolidBmp(folder_ + "\\0-hidden.bmp", 4, 4, kGreen);
        SetFileAttributesA((folder_ + "\\0-hidden.bmp").c_str(), FILE_ATTRIBUTE_HIDDEN);

        SignSlot& slot = gDocument.signs[0];
        slot.kind = static_cast<std::uint8_t>(SignKind::Led);
        slot.picturePath = folder_;
    }

    void TearDown() override
    {
        SignSlot& slot = gDocument.signs[0];
        slot.kind = static_cast<std::uint8_t>(SignKind::Roll);
        slot.picturePath.clear();
        slot.pictureBitmap.Reset();
        SetSignPicture(0, nullptr);
        ResetSign(0);
        SetPanelText(kNumberDisplayIds[0], "0");
        // Windows cannot remove a folder the system still watches.
        ReleaseLedFolderWatches();
        RemoveTree(folder_);
    }

    static void Show(const char* frame)
    {
        SetPanelText(kNumberDisplayIds[0], frame);
        StartSign(0);
    }

    // The colour of the sign's current picture, or CLR_INVALID when it has none.
    static COLORREF Shown()
    {
        HBITMAP bitmap = gDocument.signs[0].pictureBitmap.Get();
        return bitmap ? test::BitmapPixel(bitmap, 1, 1) : CLR_INVALID;
    }

    std::string folder_;
};

TEST_F(LedTest, FramesFollowTheCaseInsensitiveOrderOfOrdinaryFiles)
{
    Show("0");
    EXPECT_EQ(kRed, Shown()) << "A.bmp first: sub-folders and hidden files are no frames";
    EXPECT_EQ(0, gDocument.signs[0].targetFrame);
    Show("1");
    EXPECT_EQ(kBlue, Shown());
    EXPECT_FALSE(IsRolling(0)) << "LED-style signs never roll";
    EXPECT_TRUE(IsWindowEnabled(PanelControl(kOnKeyIds[0])));
}

TEST_F(LedTest, AFileThatIsNoPictureShowsNothingAndFramesPastTheEndKeepThat)
{
    Show("2");
    EXPECT_EQ(CLR_INVALID, Shown()) << "c.txt";
    Show("3");
    EXPECT_EQ(CLR_INVALID, Shown());
    EXPECT_EQ(3, gDocument.signs[0].targetFrame);
    Show("1");
    Show("7");
    EXPECT_EQ(kBlue, Shown()) << "a frame past the last file keeps the picture";
}

TEST_F(LedTest, EmptyDisplayAndResetShowTheFirstFile)
{
    Show("1");
    ResetSign(0);
    EXPECT_EQ("", PanelText(kNumberDisplayIds[0]));
    EXPECT_EQ(kRed, Shown());
}

TEST_F(LedTest, AFileAddedWhileRunningCountsAtTheNextSwitch)
{
    Show("1");
    EXPECT_EQ(kBlue, Shown());
    test::WriteSolidBmp(folder_ + "\\a0.bmp", 4, 4, kGreen);
    Show("1");
    EXPECT_EQ(kGreen, Shown()) << "a0.bmp now sorts between A.bmp and b.bmp";
}

TEST_F(LedTest, RenamingOrHidingAFileWhileRunningCountsAtTheNextSwitch)
{
    Show("0");
    EXPECT_EQ(kRed, Shown());
    MoveFileA((folder_ + "\\b.bmp").c_str(), (folder_ + "\\0b.bmp").c_str());
    Show("0");
    EXPECT_EQ(kBlue, Shown()) << "0b.bmp sorts first now";
    SetFileAttributesA((folder_ + "\\0b.bmp").c_str(), FILE_ATTRIBUTE_HIDDEN);
    Show("0");
    EXPECT_EQ(kRed, Shown()) << "a hidden file is no frame";
}

TEST_F(LedTest, MissingFolderKeepsThePicture)
{
    Show("1");
    gDocument.signs[0].picturePath = folder_ + "\\nowhere";
    Show("0");
    EXPECT_EQ(kBlue, Shown());
}

TEST_F(LedTest, PictureShowsInTheSignAtTheTopLeft)
{
    SetWindowPos(SignPictureHandle(0), nullptr, 0, -30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    Show("0");
    test::PumpMessages();
    EXPECT_EQ(kRed, test::ScreenPixel(SignFrameHandle(0), 1, 1));
    EXPECT_EQ(RGB(255, 255, 255), test::ScreenPixel(SignFrameHandle(0), 20, 20));
}

TEST_F(LedTest, ManySwitchesLeakNoGdiObjectOrHandle)
{
    Show("0");
    Show("1");
    const DWORD gdiBefore = test::GdiObjectCount();
    const DWORD handlesBefore = test::HandleCount();
    ASSERT_GT(handlesBefore, 0u) << "the handle count must be real to show a leak";
    for (int i = 0; i < 500; ++i)
        Show(i % 2 ? "1" : "0");
    EXPECT_LE(test::GdiObjectCount(), gdiBefore + test::kGdiSlack);
    EXPECT_LE(test::HandleCount(), handlesBefore + test::kHandleSlack);
}

}  // namespace
}  // namespace rolva
