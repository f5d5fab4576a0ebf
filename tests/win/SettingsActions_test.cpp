// The settings dialog's buttons and kind lists: kind changes with their message, the panel's
// width and the second sign's visibility; deletions with their question; the file and folder
// choosers answered as a person answers them.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "SettingsFixture.h"
#include "TestSupport.h"
#include "app/Application.h"
#include "display/PictureLoader.h"
#include "display/SignWindows.h"
#include "document/SignDocument.h"
#include "panel/ControlPanel.h"
#include "panel/ControlPanelIds.h"
#include "scene/DocumentApply.h"
#include "settings/SettingsIds.h"

namespace rolva {
namespace {

const char kKindMessage[] = "幕の種類が変更されました。画像ファイル名（もしくはフォルダー名）を再設定してください";
const char kOldPath[] = "C:\\old\\strip.bmp";

bool SamePath(const std::string& a, const std::string& b)
{
    auto trimmed = [](std::string p) {
        while (!p.empty() && p.back() == '\\')
            p.pop_back();
        return p;
    };
    return lstrcmpiA(trimmed(a).c_str(), trimmed(b).c_str()) == 0;
}

HBITMAP ShownPicture(int sign)
{
    return reinterpret_cast<HBITMAP>(SendMessageA(SignPictureHandle(sign), STM_GETIMAGE, IMAGE_BITMAP, 0));
}

POINT PicturePlace(int sign)
{
    HWND picture = SignPictureHandle(sign);
    RECT rc{};
    GetWindowRect(picture, &rc);
    POINT at{rc.left, rc.top};
    ScreenToClient(GetParent(picture), &at);
    return at;
}

// A sign showing the fixture strip, lowered by one frame as a roll leaves it.
void GiveStrip(int sign)
{
    SignSlot& slot = gDocument.signs[sign];
    slot.picturePath = test::FixturePath("picture.bmp");
    slot.pictureBitmap.Reset(LoadPicture(slot.picturePath));
    SetSignPicture(sign, slot.pictureBitmap.Get());
    SetWindowPos(SignPictureHandle(sign), nullptr, 0, -7, 0, 0, SWP_NOSIZE);
    slot.scrollOffset = -7;
    slot.currentFrame = 1;
    slot.targetFrame = 1;
}

void ExpectOnFrameZero(int sign)
{
    const SignSlot& slot = gDocument.signs[sign];
    EXPECT_EQ(0, slot.scrollOffset);
    EXPECT_EQ(0, slot.currentFrame);
    EXPECT_EQ(0, slot.targetFrame);
    EXPECT_EQ(0, PicturePlace(sign).x);
    EXPECT_EQ(0, PicturePlace(sign).y);
}

using SettingsActionsTest = test::SettingsDialogTest;

TEST_F(SettingsActionsTest, AKindChangeAsksForANewPictureAndTheSecondSignsKindSetsThePanel)
{
    struct Case {
        int sign;
        std::uint8_t stored;
        int chosen;
        bool changed;
        bool shown;
        int panelWidth;
    };
    const Case cases[] = {
        {1, 0, 2, true, false, 138},
        {1, 2, 0, true, true, 270},
        {1, 2, 1, true, true, 270},
        {1, 1, 1, false, true, 270},  // the same kind again: no message, the path stays
        {1, 2, 2, false, false, 138},
        {0, 0, 1, true, true, 270},
        {0, 2, 0, true, true, 270},  // a first sign hidden by a data file comes back
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.sign << ": " << int{c.stored} << " -> " << c.chosen);
        SignSlot& slot = gDocument.signs[c.sign];
        slot.kind = c.stored;
        slot.picturePath = kOldPath;
        // The opposite of what the choice brings, so that the change shows; the first sign's
        // kind leaves the panel alone.
        ShowSign(c.sign, c.shown ? 0 : 1);
        gApp.panelRecord.SetWidth(c.sign == 1 && c.panelWidth == 270 ? 138 : 270);
        Open();

        test::DialogAnswerer answer(IDOK);
        ChooseKind(c.sign, c.chosen);
        const auto seen = answer.SeenSoFar();

        EXPECT_EQ(c.chosen, slot.kind);
        if (c.changed) {
            ASSERT_EQ(1u, seen.size());
            EXPECT_EQ("幕の種類の変更", seen[0].caption);
            EXPECT_EQ(kKindMessage, seen[0].text);
            EXPECT_EQ("", slot.picturePath);
        } else {
            EXPECT_TRUE(seen.empty());
            EXPECT_EQ(kOldPath, slot.picturePath);
        }
        EXPECT_EQ(slot.picturePath, Text(kPicturePathIds[c.sign]));
        EXPECT_EQ(c.shown, IsWindowVisible(SignFrameHandle(c.sign)) != FALSE);
        EXPECT_EQ(c.panelWidth, gApp.panelRecord.Width());
        Close();
    }
}

TEST_F(SettingsActionsTest, DeletingTheBackgroundAnsweredNoKeepsItAndYesForgetsIt)
{
    const std::string path = test::FixturePath("picture.bmp");
    for (int button : {IDNO, IDYES}) {
        SCOPED_TRACE(button);
        gDocument.backgroundPath = path;
        gDocument.backgroundBitmap.Reset(LoadPicture(path));
        HBITMAP loaded = gDocument.backgroundBitmap.Get();
        Open();

        test::DialogAnswerer answer(button);
        Click(kBackgroundDeleteId);
        const auto seen = answer.SeenSoFar();
        ASSERT_EQ(1u, seen.size());
        EXPECT_EQ("削除の確認", seen[0].caption);
        EXPECT_EQ("背景画像を消去します。よろしいですか？", seen[0].text);

        const bool kept = button == IDNO;
        EXPECT_EQ(kept ? loaded : nullptr, gDocument.backgroundBitmap.Get());
        EXPECT_EQ(kept ? path : "", gDocument.backgroundPath);
        EXPECT_EQ(kept ? path : "", Text(kBackgroundPathId));
        Close();
    }
}

TEST_F(SettingsActionsTest, DeletingARollSignsPictureAnsweredYesLeavesTheWhiteFrameOnFrameZero)
{
    for (int sign = 0; sign < kSignCount; ++sign) {
        for (int button : {IDNO, IDYES}) {
            SCOPED_TRACE(testing::Message() << "sign " << sign << ", button " << button);
            GiveStrip(sign);
            HBITMAP strip = gDocument.signs[sign].pictureBitmap.Get();
            Open();

            test::DialogAnswerer answer(button);
            Click(kPictureDeleteIds[sign]);
            const auto seen = answer.SeenSoFar();
            ASSERT_EQ(1u, seen.size());
            EXPECT_EQ("削除の確認", seen[0].caption);
            EXPECT_EQ("方向幕画像を消去します。よろしいですか？", seen[0].text);

            if (button == IDNO) {
                EXPECT_EQ(strip, gDocument.signs[sign].pictureBitmap.Get());
                EXPECT_EQ(strip, ShownPicture(sign));
                EXPECT_EQ(test::FixturePath("picture.bmp"), Text(kPicturePathIds[sign]));
                EXPECT_EQ(-7, gDocument.signs[sign].scrollOffset);
                Close();
                continue;
            }
            EXPECT_EQ(nullptr, gDocument.signs[sign].pictureBitmap.Get());
            EXPECT_EQ(nullptr, ShownPicture(sign)) << "the control still holds the freed picture";
            EXPECT_EQ("", gDocument.signs[sign].picturePath);
            EXPECT_EQ("", Text(kPicturePathIds[sign]));
            ExpectOnFrameZero(sign);

            // What a person sees of the sign: the frame's white.
            SetWindowPos(gApp.form, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
            UpdateWindow(gApp.form);
            test::PumpMessages();
            const test::Capture frame = test::CaptureClient(SignFrameHandle(sign));
            ASSERT_GT(frame.pixels.size(), 0u);
            EXPECT_EQ(frame.pixels.size(),
                      static_cast<size_t>(std::count(frame.pixels.begin(), frame.pixels.end(), RGB(255, 255, 255))));
            Close();
        }
    }
}

TEST_F(SettingsActionsTest, DeleteDoesNothingWithoutAQuestionUnlessTheListShowsARollSign)
{
    const struct {
        int sign;
        std::uint8_t kind;
    } cases[] = {{0, 1}, {1, 1}, {1, 2}, {0, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.sign << " " << int{c.kind});
        gDocument.signs[c.sign].kind = c.kind;
        GiveStrip(c.sign);
        HBITMAP strip = gDocument.signs[c.sign].pictureBitmap.Get();
        Open();

        test::DialogAnswerer answer(IDYES);
        Click(kPictureDeleteIds[c.sign]);
        EXPECT_TRUE(answer.SeenSoFar().empty());
        EXPECT_EQ(strip, gDocument.signs[c.sign].pictureBitmap.Get());
        EXPECT_EQ(test::FixturePath("picture.bmp"), gDocument.signs[c.sign].picturePath);
        Close();
    }
}

TEST_F(SettingsActionsTest, ChoosingAStripShowsItsTopFrameAndKeepsTheDisplay)
{
    const std::string strip = test::FixturePath("picture.bmp");
    const struct {
        int sign;
        std::uint8_t kind;
        bool withoutGdiplus;
    } cases[] = {
        {0, 0, false},  // GDI+ as this system has it
        {1, 2, true},   // a hidden second sign still gets the file chooser
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sign);
        gDocument.signs[c.sign].kind = c.kind;
        GiveStrip(c.sign);
        if (c.withoutGdiplus)
            gDocument.gdiplusAvailable = 0;
        const size_t typeCount = gDocument.gdiplusAvailable == 1 ? 5 : 3;
        gDocument.signs[c.sign].picturePath = kOldPath;
        SetNumberDisplay(c.sign, "7");
        Open();
        {
            test::ChooserDriver chooser(strip);
            Click(kPictureBrowseIds[c.sign]);
            ASSERT_TRUE(chooser.Answered());
            EXPECT_FALSE(chooser.WasFolderChooser());
            EXPECT_EQ("方向幕ファイルの選択", chooser.Caption());
            const std::vector<std::string> types = chooser.Types();
            ASSERT_EQ(typeCount, types.size());
            EXPECT_EQ("ビットマップ(*.bmp)", types[0]);
        }
        const SignSlot& slot = gDocument.signs[c.sign];
        EXPECT_TRUE(SamePath(strip, slot.picturePath)) << slot.picturePath;
        EXPECT_EQ(slot.picturePath, Text(kPicturePathIds[c.sign]));
        ASSERT_NE(nullptr, slot.pictureBitmap.Get());
        EXPECT_EQ(12, test::BitmapSize(slot.pictureBitmap.Get()).cx);
        EXPECT_EQ(slot.pictureBitmap.Get(), ShownPicture(c.sign));
        ExpectOnFrameZero(c.sign);
        EXPECT_EQ("7", PanelText(kNumberDisplayIds[c.sign]));
        Close();
    }
}

// A folder of two frame pictures in the temporary folder, removed again afterwards.
class FrameFolder {
public:
    FrameFolder()
    {
        char temp[MAX_PATH] = {};
        GetTempPathA(sizeof temp, temp);
        path_ = std::string(temp) + "rolva-settings-frames";
        CreateDirectoryA(path_.c_str(), nullptr);
        CopyFileA(test::FixturePath("picture.bmp").c_str(), (path_ + "\\1.bmp").c_str(), FALSE);
        CopyFileA(test::FixturePath("picture.gif").c_str(), (path_ + "\\2.gif").c_str(), FALSE);
    }
    ~FrameFolder()
    {
        DeleteFileA((path_ + "\\1.bmp").c_str());
        DeleteFileA((path_ + "\\2.gif").c_str());
        RemoveDirectoryA(path_.c_str());
    }
    FrameFolder(const FrameFolder&) = delete;
    FrameFolder& operator=(const FrameFolder&) = delete;
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

TEST_F(SettingsActionsTest, ChoosingAFolderForAnLedSignShowsItsFirstPictureOnDisplayZero)
{
    FrameFolder folder;
    gDocument.signs[1].kind = 1;
    gDocument.signs[1].picturePath = kOldPath;
    SetNumberDisplay(1, "5");
    Open();
    {
        test::ChooserDriver chooser(folder.Path());
        Click(kPictureBrowseIds[1]);
        ASSERT_TRUE(chooser.Answered());
        EXPECT_TRUE(chooser.WasFolderChooser());
    }
    const SignSlot& slot = gDocument.signs[1];
    EXPECT_TRUE(SamePath(folder.Path(), slot.picturePath)) << slot.picturePath;
    EXPECT_EQ(slot.picturePath, Text(kPicturePathIds[1]));
    EXPECT_EQ("0", PanelText(kNumberDisplayIds[1]));
    ASSERT_NE(nullptr, slot.pictureBitmap.Get());
    EXPECT_EQ(12, test::BitmapSize(slot.pictureBitmap.Get()).cx) << "not the first picture";
    EXPECT_EQ(slot.pictureBitmap.Get(), ShownPicture(1));
    ExpectOnFrameZero(1);
}

TEST_F(SettingsActionsTest, ChoosingABackgroundLoadsItAndCancellingKeepsTheOldOne)
{
    const std::string picture = test::FixturePath("picture.bmp");
    for (bool cancel : {true, false}) {
        SCOPED_TRACE(cancel ? "cancel" : "choose");
        gDocument.backgroundPath = kOldPath;
        gDocument.backgroundBitmap.Reset();
        Open();
        {
            test::ChooserDriver chooser(cancel ? "" : picture);
            Click(kBackgroundBrowseId);
            ASSERT_TRUE(chooser.Answered());
            EXPECT_EQ(gDocument.gdiplusAvailable == 1 ? 5u : 3u, chooser.Types().size());
        }
        if (cancel) {
            EXPECT_EQ(kOldPath, gDocument.backgroundPath);
            EXPECT_EQ(nullptr, gDocument.backgroundBitmap.Get());
        } else {
            EXPECT_TRUE(SamePath(picture, gDocument.backgroundPath)) << gDocument.backgroundPath;
            ASSERT_NE(nullptr, gDocument.backgroundBitmap.Get());
            EXPECT_EQ(12, test::BitmapSize(gDocument.backgroundBitmap.Get()).cx);
        }
        EXPECT_EQ(gDocument.backgroundPath, Text(kBackgroundPathId));
        Close();
    }
}

}  // namespace
}  // namespace rolva
