// The data files on the real windows: what a saved scene brings back, what each sign kind does
// to the signs and the panel, refused and broken files, failed saves, and the two imports.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "SharedState.h"
#include "TestSupport.h"
#include "app/Application.h"
#include "base/Handles.h"
#include "display/PictureLoader.h"
#include "display/RollAnimation.h"
#include "display/SignWindows.h"
#include "document/SignDocument.h"
#include "panel/ControlPanel.h"
#include "panel/ControlPanelIds.h"
#include "panel/SignRequests.h"
#include "scene/DataFiles.h"
#include "scene/FileCommands.h"

namespace rolva {
namespace {

using test::ReadFileBytes;
using test::RemoveTree;
using test::WriteFileBytes;

const char kReadErrorCaption[] = "読み込みエラー";
const char kReadErrorLead[] = "ファイルを読み込み中に、以下のエラーが発生しました。\r\n\r\n";
const char kSaveErrorLead[] = "ファイルを保存中に、以下のエラーが発生しました。\r\n\r\n";
const char kWrongMagicText[] = "このファイルはRolvaのデータではありません";

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);

constexpr int kRoll = 0, kLed = 1, kHidden = 2, kUnknownKind = 3;

// Little-endian file contents, built field by field.
class Bytes {
public:
    Bytes& Int32(std::int32_t v)
    {
        for (int i = 0; i < 4; ++i)
            data_ += static_cast<char>((static_cast<std::uint32_t>(v) >> (8 * i)) & 0xFF);
        return *this;
    }
    Bytes& Int16(std::int16_t v)
    {
        data_ += static_cast<char>(static_cast<std::uint16_t>(v) & 0xFF);
        data_ += static_cast<char>(static_cast<std::uint16_t>(v) >> 8);
        return *this;
    }
    Bytes& Byte(int v)
    {
        data_ += static_cast<char>(v);
        return *this;
    }
    Bytes& String(const std::string& s)  // int32 count
    {
        Int32(static_cast<std::int32_t>(s.size()));
        data_ += s;
        return *this;
    }
    Bytes& String16(const std::string& s)  // unsigned 16-bit count
    {
        Int16(static_cast<std::int16_t>(s.size()));
        data_ += s;
        return *this;
    }
    Bytes& Raw(const std::string& s)
    {
        data_ += s;
        return *this;
    }
    const std::string& Data() const { return data_; }

private:
    std::string data_;
};

struct Ver4Sign {
    int kind = kRoll;
    int left = 77, top = 26, width = 123, height = 57;
    int speed = 0, interval = 0, radius = 0;
    std::string path;
};

// The second sign at its start-up place, beside the first.
Ver4Sign SecondSign()
{
    Ver4Sign s;
    s.left = 231;
    return s;
}

Bytes Ver4Bytes(const Ver4Sign& first, const Ver4Sign& second, int formWidth = 450, int formHeight = 450,
                const std::string& background = "", const std::string& magic = "Rolva4DataFile")
{
    Bytes b;
    b.String(magic).String(background).Int32(formWidth).Int32(formHeight);
    for (const Ver4Sign* s : {&first, &second}) {
        b.Byte(s->kind).Int32(s->left).Int32(s->top).Int32(s->width).Int32(s->height);
        b.Int32(s->speed).Int32(s->interval).Int32(s->radius).String(s->path);
    }
    return b;
}

// Places, sizes and radius in twips where the format has them; reserved elements get values a
// misaligned reader would show.
struct Ver3Sign {
    std::string path;
    int left = 0, top = 0, height = 0, width = 0;  // twips
    int radius = 0, speed = 0, interval = 0;
};

void AppendVer3SignBlock(Bytes& b, const Ver3Sign& s, bool whole)
{
    b.String16(s.path).Int16(s.left).Int16(s.top).Int16(s.height).Int16(s.width);
    b.Int32(0x11111111);
    for (int i = 0; i < 5; ++i)
        b.Int16(999);
    b.Int32(0x22222222).Int32(0x33333333).Int16(888);
    b.Int16(s.radius);
    if (!whole)
        return;  // the digital format ends its sign here
    b.Int16(777).Int16(s.speed).Int16(s.interval).Int32(0x44444444).Int32(0x55555555);
}

Bytes Ver3Bytes(const std::string& background, int formHeight, int formWidth, int keypads, const Ver3Sign& first,
                const Ver3Sign& second, int firstOff, int secondOff)
{
    Bytes b;
    b.String16(background).Int16(formHeight).Int16(formWidth).Int32(0x66666666).Int16(keypads);
    AppendVer3SignBlock(b, first, true);
    AppendVer3SignBlock(b, second, true);
    b.Int16(firstOff).Int16(secondOff);
    return b;
}

Bytes DigitalVer3Bytes(const std::string& background, int formHeight, int formWidth, const Ver3Sign& sign)
{
    Bytes b;
    b.String16(background).Int16(formHeight).Int16(formWidth).Int32(0x66666666).Int16(2);
    AppendVer3SignBlock(b, sign, false);
    return b;
}

// Files of the folder whose names match the pattern.
int CountFiles(const std::string& folder, const char* pattern)
{
    int count = 0;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\" + pattern).c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do
            ++count;
        while (FindNextFileA(search, &found));
        FindClose(search);
    }
    return count;
}

bool StartsWith(const std::string& text, const std::string& lead) { return text.compare(0, lead.size(), lead) == 0; }

// Keeps the scene of the shared windows as it was and gives each test a folder of its own.
class DataFilesTest : public test::SharedSceneTest {
protected:
    struct SignState {
        int left, top, width, height, visible, radius;
        std::uint8_t kind;
        std::string path, speedText, intervalText;
        std::int32_t speed, interval;
    };

    void SetUp() override
    {
        formWidth_ = gApp.formRecord.Width();
        formHeight_ = gApp.formRecord.Height();
        panelWidth_ = gApp.panelRecord.Width();
        background_ = gDocument.backgroundPath;
        sceneFolder_ = gDocument.sceneFolder;
        for (int i = 0; i < kSignCount; ++i) {
            const SignSlot& slot = gDocument.signs[i];
            signs_[i] = SignState{SignLeft(i),
                                  SignTop(i),
                                  SignWidth(i),
                                  SignHeight(i),
                                  SignVisible(i),
                                  slot.cornerRadius,
                                  slot.kind,
                                  slot.picturePath,
                                  PanelText(kSpeedEditIds[i]),
                                  PanelText(kIntervalEditIds[i]),
                                  slot.speed,
                                  slot.interval};
        }
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        folder_ = std::string(temp) + "rolva-data-files-test";
        RemoveTree(folder_);
        CreateDirectoryA(folder_.c_str(), nullptr);
    }

    void TearDown() override
    {
        test::WaitUntilIdle();
        for (int i = 0; i < kSignCount; ++i) {
            const SignState& s = signs_[i];
            SignSlot& slot = gDocument.signs[i];
            slot.kind = s.kind;  // before the reset, so an LED kind does not switch a frame in
            ResetSign(i);
            SetPanelText(kNumberDisplayIds[i], "0");
            SetSignPicture(i, nullptr);
            slot.pictureBitmap.Reset();
            SetSignLeft(i, s.left);
            SetSignTop(i, s.top);
            SetSignWidth(i, s.width);
            SetSignHeight(i, s.height);
            slot.cornerRadius = s.radius;
            ApplySignRegion(i);
            ShowSign(i, s.visible);
            slot.picturePath = s.path;
            slot.speed = s.speed;
            slot.interval = s.interval;
            slot.liveLook = SignLiveLook{};
            SetPanelText(kSpeedEditIds[i], s.speedText);
            SetPanelText(kIntervalEditIds[i], s.intervalText);
        }
        gDocument.backgroundPath = background_;
        gDocument.sceneFolder = sceneFolder_;
        gDocument.backgroundBitmap.Reset();
        gApp.formRecord.SetWidth(formWidth_);
        gApp.formRecord.SetHeight(formHeight_);
        gApp.panelRecord.SetWidth(panelWidth_);
        InvalidateRect(gApp.form, nullptr, TRUE);
        test::PumpMessages();
        RemoveTree(folder_);
    }

    std::string PathOf(const char* name) const { return folder_ + "\\" + name; }

    // A folder of two frames: a.bmp (red, 12 x 7) sorts before b.png.
    std::string MakeLedFolder() const
    {
        const std::string led = PathOf("frames");
        CreateDirectoryA(led.c_str(), nullptr);
        CopyFileA(test::FixturePath("picture.bmp").c_str(), (led + "\\a.bmp").c_str(), FALSE);
        CopyFileA(test::FixturePath("alpha.png").c_str(), (led + "\\b.png").c_str(), FALSE);
        return led;
    }

    static void PlaceSign(int sign, int left, int top, int width, int height)
    {
        SetSignLeft(sign, left);
        SetSignTop(sign, top);
        SetSignWidth(sign, width);
        SetSignHeight(sign, height);
    }

    static void SetFormSize(int width, int height)
    {
        gApp.formRecord.SetWidth(width);
        gApp.formRecord.SetHeight(height);
    }

    static void ExpectSignPlace(int sign, int left, int top, int width, int height)
    {
        SCOPED_TRACE(sign);
        EXPECT_EQ(left, SignLeft(sign));
        EXPECT_EQ(top, SignTop(sign));
        EXPECT_EQ(width, SignWidth(sign));
        EXPECT_EQ(height, SignHeight(sign));
    }

    static void ExpectOneMessage(const test::DialogAnswerer& answer, const std::string& lead)
    {
        const auto seen = answer.SeenSoFar();
        ASSERT_EQ(1u, seen.size());
        EXPECT_EQ(kReadErrorCaption, seen[0].caption);
        EXPECT_TRUE(StartsWith(seen[0].text, lead)) << seen[0].text;
        EXPECT_GT(seen[0].text.size(), lead.size()) << "the system's text of the error follows";
    }

    std::string folder_;

private:
    int formWidth_ = 0, formHeight_ = 0, panelWidth_ = 0;
    std::string background_, sceneFolder_;
    SignState signs_[kSignCount];
};

TEST_F(DataFilesTest, SavedSceneComesBackWithTheSpeedsTheSlotsHeld)
{
    const std::string background = test::FixturePath("picture.bmp");
    const std::string strip = test::FixturePath("picture.bmp");
    const std::string secondPath = "C:\\表示\\帯.bmp";  // 表 ends in the byte '\\'
    gDocument.backgroundPath = background;
    SetFormSize(520, 430);
    PlaceSign(0, 15, 22, 140, 50);
    PlaceSign(1, 210, 90, 70, 36);
    gDocument.signs[0].kind = kRoll;
    gDocument.signs[1].kind = kHidden;
    gDocument.signs[0].cornerRadius = 12;
    gDocument.signs[1].cornerRadius = 6;
    gDocument.signs[0].picturePath = strip;
    gDocument.signs[1].picturePath = secondPath;
    // The fields show other numbers than the slots: the slots are what a roll last used.
    const std::int32_t speeds[] = {7, 9}, intervals[] = {300, 1200};
    for (int i = 0; i < kSignCount; ++i) {
        gDocument.signs[i].speed = speeds[i];
        gDocument.signs[i].interval = intervals[i];
        SetPanelText(kSpeedEditIds[i], "99");
        SetPanelText(kIntervalEditIds[i], "88");
    }

    const std::string file = PathOf("scene.rv4");
    {
        test::DialogAnswerer answer(IDOK);
        WriteVer4File(file);
        EXPECT_TRUE(answer.SeenSoFar().empty());
    }
    const std::string bytes = ReadFileBytes(file);
    EXPECT_EQ(96 + background.size() + strip.size() + secondPath.size(), bytes.size());
    EXPECT_EQ(std::string("\x0E\0\0\0Rolva4DataFile", 18), bytes.substr(0, 18));

    // Everything else, so the reading has to bring it all back.
    gDocument.backgroundPath.clear();
    SetFormSize(450, 450);
    PlaceSign(0, 77, 26, 123, 57);
    PlaceSign(1, 231, 26, 123, 57);
    for (int i = 0; i < kSignCount; ++i) {
        SignSlot& slot = gDocument.signs[i];
        slot.kind = kRoll;
        slot.cornerRadius = 0;
        slot.picturePath.clear();
        ApplySignRegion(i);
        ShowSign(i, 1);
        SetPanelText(kSpeedEditIds[i], "1");
        SetPanelText(kIntervalEditIds[i], "1");
    }
    gApp.panelRecord.SetWidth(kPanelWidthBoth);

    test::DialogAnswerer answer(IDOK);
    ReadVer4File(file);
    test::PumpMessages();
    EXPECT_TRUE(answer.SeenSoFar().empty());

    EXPECT_EQ(520, gApp.formRecord.Width());
    EXPECT_EQ(430, gApp.formRecord.Height());
    EXPECT_EQ(background, gDocument.backgroundPath);
    EXPECT_TRUE(gDocument.backgroundBitmap) << "the background is loaded";
    ExpectSignPlace(0, 15, 22, 140, 50);
    ExpectSignPlace(1, 210, 90, 70, 36);
    EXPECT_EQ(kRoll, gDocument.signs[0].kind);
    EXPECT_EQ(kHidden, gDocument.signs[1].kind);
    EXPECT_EQ(12, gDocument.signs[0].cornerRadius);
    EXPECT_EQ(6, gDocument.signs[1].cornerRadius);
    EXPECT_EQ(strip, gDocument.signs[0].picturePath);
    EXPECT_EQ(secondPath, gDocument.signs[1].picturePath);
    for (int i = 0; i < kSignCount; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(std::to_string(speeds[i]), PanelText(kSpeedEditIds[i]));
        EXPECT_EQ(std::to_string(intervals[i]), PanelText(kIntervalEditIds[i]));
    }

    // The regions are rebuilt for the new sizes and radii.
    const RECT box = test::SignRegionBox(0);
    EXPECT_EQ(140, box.right);
    EXPECT_EQ(50, box.bottom);
    EXPECT_FALSE(test::SignRegionContains(0, 0, 0));
    EXPECT_TRUE(test::SignRegionContains(0, 70, 25));
    EXPECT_FALSE(test::SignRegionContains(1, 0, 0));

    EXPECT_EQ(1, SignVisible(0));
    EXPECT_EQ(0, SignVisible(1));
    EXPECT_EQ(kPanelWidthFirstOnly, gApp.panelRecord.Width());
}

TEST_F(DataFilesTest, StripPictureOfTheFirstSignShowsInIt)
{
    ShowSign(0, 0);  // a roll sign is shown whatever it was before
    Ver4Sign first;
    first.path = test::FixturePath("picture.bmp");
    WriteFileBytes(PathOf("strip.rv4"), Ver4Bytes(first, SecondSign()).Data());

    ReadVer4File(PathOf("strip.rv4"));
    test::PumpMessages();

    HBITMAP strip = gDocument.signs[0].pictureBitmap.Get();
    ASSERT_TRUE(strip);
    EXPECT_EQ(12, test::BitmapSize(strip).cx);
    EXPECT_EQ(1, SignVisible(0));
    UpdateWindow(SignFrameHandle(0));
    EXPECT_EQ(kRed, test::ScreenPixel(SignFrameHandle(0), 2, 2));
    EXPECT_EQ(kWhite, test::ScreenPixel(SignFrameHandle(0), 30, 30)) << "white beside and below the strip";
}

TEST_F(DataFilesTest, LedSecondSignShowsItsFirstFileAndWidensThePanel)
{
    ShowSign(1, 0);
    gApp.panelRecord.SetWidth(kPanelWidthFirstOnly);
    Ver4Sign second = SecondSign();
    second.kind = kLed;
    second.path = MakeLedFolder();
    WriteFileBytes(PathOf("led.rv4"), Ver4Bytes(Ver4Sign{}, second).Data());

    ReadVer4File(PathOf("led.rv4"));
    test::PumpMessages();

    EXPECT_EQ(kLed, gDocument.signs[1].kind);
    EXPECT_EQ(1, SignVisible(1));
    EXPECT_EQ(kPanelWidthBoth, gApp.panelRecord.Width());
    HBITMAP frame = gDocument.signs[1].pictureBitmap.Get();
    ASSERT_TRUE(frame);
    EXPECT_EQ(kRed, test::BitmapPixel(frame, 0, 0)) << "a.bmp, the first file";
    EXPECT_FALSE(IsRolling(1));
}

TEST_F(DataFilesTest, KindsDecideWhichSignsShowAndHowWideThePanelIs)
{
    struct Case {
        const char* name;
        int kinds[2];
        int visibleBefore[2];
        int panelBefore;
        int visibleAfter[2];
        int panelAfter;
    };
    const Case cases[] = {
        {"roll shows a hidden sign", {kRoll, kRoll}, {0, 0}, kPanelWidthFirstOnly, {1, 1}, kPanelWidthBoth},
        {"hidden second sign", {kRoll, kHidden}, {1, 1}, kPanelWidthBoth, {1, 0}, kPanelWidthFirstOnly},
        {"unknown second kind keeps it hidden", {kRoll, kUnknownKind}, {1, 0}, kPanelWidthFirstOnly, {1, 0},
         kPanelWidthFirstOnly},
        {"unknown second kind keeps it shown", {kRoll, kUnknownKind}, {1, 1}, kPanelWidthBoth, {1, 1},
         kPanelWidthBoth},
        {"unknown first kind hides it", {kUnknownKind, kRoll}, {1, 1}, kPanelWidthFirstOnly, {0, 1},
         kPanelWidthBoth},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (int i = 0; i < kSignCount; ++i)
            ShowSign(i, c.visibleBefore[i]);
        gApp.panelRecord.SetWidth(c.panelBefore);
        Ver4Sign first, second = SecondSign();
        first.kind = c.kinds[0];
        second.kind = c.kinds[1];
        WriteFileBytes(PathOf("kinds.rv4"), Ver4Bytes(first, second).Data());

        test::DialogAnswerer answer(IDOK);
        ReadVer4File(PathOf("kinds.rv4"));
        EXPECT_TRUE(answer.SeenSoFar().empty());
        EXPECT_EQ(c.kinds[0], gDocument.signs[0].kind);
        EXPECT_EQ(c.kinds[1], gDocument.signs[1].kind);
        for (int i = 0; i < kSignCount; ++i) {
            EXPECT_EQ(c.visibleAfter[i], SignVisible(i)) << "sign " << i;
            EXPECT_EQ(c.visibleAfter[i] == 1, IsWindowVisible(SignFrameHandle(i)) != FALSE) << "sign " << i;
        }
        EXPECT_EQ(c.panelAfter, gApp.panelRecord.Width());
    }
}

TEST_F(DataFilesTest, WrongMagicIsRefusedBeforeAnythingChanges)
{
    // Everything after the magic is a valid scene a careless reader would apply.
    Ver4Sign first;
    first.left = 5;
    first.path = test::FixturePath("picture.bmp");
    for (const char* magic : {"rolva4datafile", ""}) {
        SCOPED_TRACE(magic);
        WriteFileBytes(PathOf("foreign.rv4"),
                       Ver4Bytes(first, SecondSign(), 300, 310, test::FixturePath("picture.bmp"), magic).Data());
        const int formWidth = gApp.formRecord.Width(), left = SignLeft(0), panel = gApp.panelRecord.Width();
        const std::string background = gDocument.backgroundPath;

        test::DialogAnswerer answer(IDOK);
        ReadVer4File(PathOf("foreign.rv4"));
        const auto seen = answer.SeenSoFar();
        ASSERT_EQ(1u, seen.size());
        EXPECT_EQ(kReadErrorCaption, seen[0].caption);
        EXPECT_EQ(kWrongMagicText, seen[0].text);

        EXPECT_EQ(formWidth, gApp.formRecord.Width());
        EXPECT_EQ(left, SignLeft(0));
        EXPECT_EQ(panel, gApp.panelRecord.Width());
        EXPECT_EQ(background, gDocument.backgroundPath);
        EXPECT_TRUE(gDocument.signs[0].picturePath.empty());
        EXPECT_FALSE(gDocument.signs[0].pictureBitmap);
    }
}

TEST_F(DataFilesTest, FileCutInsideANumberKeepsTheFieldsBeforeTheCut)
{
    // The first sign's strip is named already: a reader that went on would load it.
    gDocument.signs[0].picturePath = test::FixturePath("picture.bmp");
    PlaceSign(0, 77, 26, 123, 57);
    const std::string background = test::FixturePath("picture.bmp");
    Bytes cut;
    cut.String("Rolva4DataFile").String(background).Int32(320).Int32(330);
    cut.Byte(kHidden).Int32(11).Int32(12).Int32(99).Raw(std::string("\x21\0", 2));  // half a height
    WriteFileBytes(PathOf("cut.rv4"), cut.Data());

    test::DialogAnswerer answer(IDOK);
    ReadVer4File(PathOf("cut.rv4"));
    ExpectOneMessage(answer, kReadErrorLead);

    EXPECT_EQ(background, gDocument.backgroundPath);
    EXPECT_FALSE(gDocument.backgroundBitmap) << "pictures are not reloaded";
    EXPECT_EQ(320, gApp.formRecord.Width());
    EXPECT_EQ(330, gApp.formRecord.Height());
    EXPECT_EQ(kHidden, gDocument.signs[0].kind);
    ExpectSignPlace(0, 11, 12, 99, 57);
    EXPECT_EQ(1, SignVisible(0)) << "the kind is stored but not acted on";
    EXPECT_FALSE(gDocument.signs[0].pictureBitmap);
}

TEST_F(DataFilesTest, CutShortOldFilesSayReadErrorAndKeepTheFieldsBeforeTheCut)
{
    const std::string strip = test::FixturePath("picture.bmp");
    const Ver3Sign sign{strip, 1800, 450, 900, 1500, 0, 15, 250};
    // Both formats begin alike: 12 bytes of Form elements, the sign's path, its left and top.
    const std::size_t cut = 12 + 2 + strip.size() + 2 + 1;  // one byte into the top
    struct Case {
        const char* name;
        std::string bytes;
        FileReadOutcome (*read)(const std::string&);
    };
    const Case cases[] = {
        {"old.rv3", Ver3Bytes("", 5250, 6000, 2, sign, sign, 0, 0).Data(), ReadVer3File},
        {"old.rvd", DigitalVer3Bytes("", 5250, 6000, sign).Data(), ReadDigitalVer3File},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetFormSize(300, 300);
        PlaceSign(0, 77, 26, 123, 57);
        gDocument.signs[0].picturePath.clear();
        WriteFileBytes(PathOf(c.name), c.bytes.substr(0, cut));

        test::DialogAnswerer answer(IDOK);
        c.read(PathOf(c.name));
        ExpectOneMessage(answer, kReadErrorLead);

        EXPECT_EQ(400, gApp.formRecord.Width());
        EXPECT_EQ(350, gApp.formRecord.Height());
        EXPECT_EQ(strip, gDocument.signs[0].picturePath);
        ExpectSignPlace(0, 120, 26, 123, 57);  // the left read whole, the top cut
        EXPECT_FALSE(IsRolling(0)) << "a broken file starts nothing";
    }
}

// Looks unlike the defaults and unlike each other, so a value read for the wrong sign shows.
SignLiveLook EditedLook(int sign)
{
    SignLiveLook look;
    look.pageTimeMs = 700 + sign;
    look.scrollSpeed = 240 + sign;
    look.dotLook = sign == 0;
    look.dotPitch = 5 + sign;
    look.roundDots = sign != 0;
    look.gapColour = 0x203040 + static_cast<std::uint32_t>(sign);
    look.glow = sign != 0;
    return look;
}

TEST_F(DataFilesTest, TheLiveLookOfEachSignComesBackFromTheScene)
{
    for (int i = 0; i < kSignCount; ++i)
        gDocument.signs[i].liveLook = EditedLook(i);
    const std::string file = PathOf("live.rv4");
    {
        test::DialogAnswerer answer(IDOK);
        ASSERT_TRUE(WriteVer4File(file));
    }
    EXPECT_NE(std::string::npos, ReadFileBytes(file).find("RolvaLiveLook"));

    for (SignSlot& slot : gDocument.signs)
        slot.liveLook = SignLiveLook{};
    test::DialogAnswerer answer(IDOK);
    ReadVer4File(file);
    EXPECT_TRUE(answer.SeenSoFar().empty());
    for (int i = 0; i < kSignCount; ++i)
        EXPECT_TRUE(EditedLook(i) == gDocument.signs[i].liveLook) << "sign " << i;
}

// A scene saved before the live look existed, or an older file imported, leaves no look of
// the scene shown before.
TEST_F(DataFilesTest, ScenesWithoutTheLiveLookGiveEverySignTheDefaults)
{
    struct Case {
        const char* name;
        std::string bytes;
        FileReadOutcome (*read)(const std::string&);
    };
    const Case cases[] = {
        {"plain.rv4", Ver4Bytes(Ver4Sign{}, SecondSign()).Data(), ReadVer4File},
        {"old.rv3", Ver3Bytes("", 5250, 6000, 2, Ver3Sign{}, Ver3Sign{}, 0, 0).Data(), ReadVer3File},
        {"old.rvd", DigitalVer3Bytes("", 5250, 6000, Ver3Sign{}).Data(), ReadDigitalVer3File},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (int i = 0; i < kSignCount; ++i)
            gDocument.signs[i].liveLook = EditedLook(i);
        WriteFileBytes(PathOf(c.name), c.bytes);
        test::DialogAnswerer answer(IDOK);
        EXPECT_EQ(FileReadOutcome::Whole, c.read(PathOf(c.name)));
        for (int i = 0; i < kSignCount; ++i)
            EXPECT_TRUE(SignLiveLook{} == gDocument.signs[i].liveLook) << "sign " << i;
    }
}

TEST_F(DataFilesTest, MissingFileIsIgnoredByEveryReader)
{
    const int formWidth = gApp.formRecord.Width(), left = SignLeft(0);
    test::DialogAnswerer answer(IDOK);
    ReadVer4File(PathOf("missing.rv4"));
    ReadVer3File(PathOf("missing.rv3"));
    ReadDigitalVer3File(PathOf("missing.rvd"));
    EXPECT_TRUE(answer.SeenSoFar().empty());
    EXPECT_EQ(formWidth, gApp.formRecord.Width());
    EXPECT_EQ(left, SignLeft(0));
    EXPECT_FALSE(IsRolling(0));
}

TEST_F(DataFilesTest, SavingOverAFileReplacesItAndLeavesNothingBeside)
{
    const std::string file = PathOf("scene.rv4");
    WriteFileBytes(file, std::string(500, 'x'));
    gDocument.signs[0].picturePath = "strip.bmp";

    test::DialogAnswerer answer(IDOK);
    WriteVer4File(file);
    EXPECT_TRUE(answer.SeenSoFar().empty());
    const std::string bytes = ReadFileBytes(file);
    EXPECT_EQ(96 + gDocument.backgroundPath.size() + 9 + gDocument.signs[1].picturePath.size(), bytes.size());
    EXPECT_EQ("Rolva4DataFile", bytes.substr(4, 14));
    EXPECT_EQ(0, CountFiles(folder_, "*.rolva-new"));
}

TEST_F(DataFilesTest, FailedSaveSaysSoAndLeavesNoTemporaryFile)
{
    CreateDirectoryA(PathOf("taken.rv4").c_str(), nullptr);
    struct Case {
        const char* name;
        std::string path;
    };
    const Case cases[] = {
        {"folder missing", PathOf("nowhere\\scene.rv4")},
        {"a folder stands in the way", PathOf("taken.rv4")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::DialogAnswerer answer(IDOK);
        WriteVer4File(c.path);
        ExpectOneMessage(answer, kSaveErrorLead);
        EXPECT_EQ(0, CountFiles(folder_, "*.rolva-new"));
    }
    const DWORD attributes = GetFileAttributesA(PathOf("taken.rv4").c_str());
    EXPECT_TRUE(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY));
}

TEST_F(DataFilesTest, SavingOverAFileKeepsItsAttributes)
{
    const std::string file = PathOf("scene.rv4");
    WriteFileBytes(file, std::string(500, 'x'));
    const DWORD kept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE;
    ASSERT_TRUE(SetFileAttributesA(file.c_str(), kept));

    test::DialogAnswerer answer(IDOK);
    WriteVer4File(file);
    EXPECT_TRUE(answer.SeenSoFar().empty());
    EXPECT_EQ("Rolva4DataFile", ReadFileBytes(file).substr(4, 14));
    const DWORD attributes = GetFileAttributesA(file.c_str());
    EXPECT_EQ(kept, attributes & (kept | FILE_ATTRIBUTE_READONLY)) << std::hex << attributes;
    EXPECT_EQ(0, CountFiles(folder_, "*.rolva-new"));
}

TEST_F(DataFilesTest, AFileThatCannotBeReplacedKeepsItsBytes)
{
    const std::string old(500, 'x');
    for (bool readOnly : {false, true}) {
        SCOPED_TRACE(readOnly ? "read-only" : "held open by another program");
        const std::string file = PathOf(readOnly ? "read-only.rv4" : "held.rv4");
        WriteFileBytes(file, old);
        HANDLE held = INVALID_HANDLE_VALUE;
        if (readOnly) {
            ASSERT_TRUE(SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY));
        } else {
            // Open without letting anyone delete or rename it, for longer than a save waits.
            held = CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
            ASSERT_NE(INVALID_HANDLE_VALUE, held);
        }
        {
            test::DialogAnswerer answer(IDOK);
            WriteVer4File(file);
            ExpectOneMessage(answer, kSaveErrorLead);
        }
        if (held != INVALID_HANDLE_VALUE)
            CloseHandle(held);
        EXPECT_EQ(old, ReadFileBytes(file));
        EXPECT_EQ(0, CountFiles(folder_, "*.rolva-new"));
    }
}

TEST_F(DataFilesTest, AFileLetGoOfWhileSavingIsReplaced)
{
    const std::string file = PathOf("busy.rv4");
    WriteFileBytes(file, std::string(500, 'x'));
    // A scanner that holds the file for a moment, as they do right after a file is written.
    HANDLE held = CreateFileA(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    struct Release {
        static DWORD WINAPI After100Ms(LPVOID handle)
        {
            Sleep(100);
            CloseHandle(static_cast<HANDLE>(handle));
            return 0;
        }
    };
    HANDLE releaser = CreateThread(nullptr, 0, Release::After100Ms, held, 0, nullptr);
    {
        test::DialogAnswerer answer(IDOK);
        WriteVer4File(file);
        const auto seen = answer.SeenSoFar();
        EXPECT_TRUE(seen.empty()) << seen[0].text;
    }
    WaitForSingleObject(releaser, INFINITE);
    CloseHandle(releaser);
    EXPECT_EQ("Rolva4DataFile", ReadFileBytes(file).substr(4, 14));
}

// A folder path of more than MAX_PATH characters inside the test's folder, made with the wide
// functions (the ANSI ones stop at MAX_PATH), and removed with them afterwards.
class LongFolder {
public:
    explicit LongFolder(const std::string& base) : top_(base + "\\long")
    {
        path_ = top_;
        CreateDirectoryW(Wide(path_).c_str(), nullptr);
        for (int level = 0; level < 4; ++level) {
            path_ += "\\" + std::string(70, static_cast<char>('a' + level));
            CreateDirectoryW(Wide(path_).c_str(), nullptr);
        }
    }
    ~LongFolder() { test::RemoveTreeWide(Wide(top_)); }
    LongFolder(const LongFolder&) = delete;
    LongFolder& operator=(const LongFolder&) = delete;

    const std::string& Path() const { return path_; }
    // The long path as the wide functions take it.
    static std::wstring Wide(const std::string& path) { return L"\\\\?\\" + std::wstring(path.begin(), path.end()); }
    static bool Exists(const std::string& path) { return GetFileAttributesW(Wide(path).c_str()) != INVALID_FILE_ATTRIBUTES; }
    static void Copy(const std::string& from, const std::string& to)
    {
        CopyFileW(std::wstring(from.begin(), from.end()).c_str(), Wide(to).c_str(), FALSE);
    }

private:
    std::string top_;
    std::string path_;
};

TEST_F(DataFilesTest, ScenesPastMaxPathAreSavedAndOpenedWithEitherSeparator)
{
    LongFolder folder(folder_);
    ASSERT_TRUE(LongFolder::Exists(folder.Path()));
    ASSERT_GT(folder.Path().size(), static_cast<size_t>(MAX_PATH));
    for (const char* separators : {"\\", "/"}) {
        SCOPED_TRACE(separators);
        std::string path = folder.Path() + "\\scene.rv4";
        if (separators[0] == '/') {
            for (char& c : path)
                c = c == '\\' ? '/' : c;
        }
        gApp.formRecord.SetWidth(432);
        {
            test::DialogAnswerer answer(IDOK);
            WriteVer4File(path);
            gApp.formRecord.SetWidth(400);
            ReadVer4File(path);
            test::WaitUntilIdle();
            EXPECT_TRUE(answer.SeenSoFar().empty()) << answer.SeenSoFar()[0].text;
        }
        EXPECT_EQ(432, gApp.formRecord.Width());
        EXPECT_TRUE(LongFolder::Exists(folder.Path() + "\\scene.rv4"));
        EXPECT_FALSE(LongFolder::Exists(folder.Path() + "\\scene.rv4.rolva-new"));
    }
}

TEST_F(DataFilesTest, PicturesAndLedFramesPastMaxPathLoad)
{
    LongFolder folder(folder_);
    const std::string picture = folder.Path() + "\\strip.bmp";
    LongFolder::Copy(test::FixturePath("picture.bmp"), picture);
    ASSERT_TRUE(LongFolder::Exists(picture));
    for (HBITMAP (*load)(const std::string&) : {LoadPictureOle, LoadPictureGdiplus}) {
        BitmapHandle bitmap(load(picture));
        ASSERT_TRUE(bitmap);
        EXPECT_EQ(12, test::BitmapSize(bitmap.Get()).cx);
    }

    gDocument.signs[1].kind = kLed;
    gDocument.signs[1].picturePath = folder.Path();
    SetPanelText(kNumberDisplayIds[1], "0");
    StartSign(1);
    HBITMAP frame = gDocument.signs[1].pictureBitmap.Get();
    ASSERT_TRUE(frame);
    EXPECT_EQ(kRed, test::BitmapPixel(frame, 0, 0));
}

TEST_F(DataFilesTest, Ver3ImportMapsTwipsFlagsAndKeypadCount)
{
    struct Case {
        const char* name;
        int keypads, firstOff, secondOff;
        int visible[2];
        int secondKind;
        int panel;
    };
    const Case cases[] = {
        {"both shown", 2, 0, 0, {1, 1}, kRoll, kPanelWidthBoth},
        {"first off", 2, 1, 0, {0, 1}, kRoll, kPanelWidthBoth},
        {"only 1 switches a sign off", 2, 2, 0, {1, 1}, kRoll, kPanelWidthBoth},
        {"second off", 2, 0, 1, {1, 0}, kHidden, kPanelWidthBoth},
        {"one keypad", 1, 0, 0, {1, 1}, kRoll, kPanelWidthFirstOnly},
    };
    const std::string strip = test::FixturePath("picture.bmp");
    Ver3Sign first{strip, 1800, 450, 900, 1500, 0, 15, 250};
    Ver3Sign second{strip, 3014, -29, 555, 1245, 20, 16, 260};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // The opposite of what the file says, so every value has to come from it.
        SetFormSize(300, 300);
        gDocument.signs[0].kind = kHidden;
        gDocument.signs[1].kind = c.secondKind == kRoll ? kHidden : kRoll;
        for (int i = 0; i < kSignCount; ++i)
            ShowSign(i, c.visible[i] ? 0 : 1);
        gApp.panelRecord.SetWidth(c.panel == kPanelWidthBoth ? kPanelWidthFirstOnly : kPanelWidthBoth);
        const Bytes file = Ver3Bytes("", 6750, 6750, c.keypads, first, second, c.firstOff, c.secondOff);
        ASSERT_EQ(116 + 2 * strip.size(), file.Data().size());
        WriteFileBytes(PathOf("old.rv3"), file.Data());

        test::DialogAnswerer answer(IDOK);
        ReadVer3File(PathOf("old.rv3"));
        ASSERT_TRUE(test::WaitUntilIdle());
        EXPECT_TRUE(answer.SeenSoFar().empty());

        EXPECT_EQ(450, gApp.formRecord.Width());
        EXPECT_EQ(450, gApp.formRecord.Height());
        ExpectSignPlace(0, 120, 30, 100, 60);
        ExpectSignPlace(1, 200, -1, 83, 37);  // cut toward zero
        EXPECT_EQ(kRoll, gDocument.signs[0].kind);
        EXPECT_EQ(c.secondKind, gDocument.signs[1].kind);
        for (int i = 0; i < kSignCount; ++i) {
            EXPECT_EQ(c.visible[i], SignVisible(i)) << "sign " << i;
            EXPECT_EQ(strip, gDocument.signs[i].picturePath);
            EXPECT_TRUE(gDocument.signs[i].pictureBitmap) << "sign " << i << ": loaded even when hidden";
        }
        EXPECT_EQ(c.panel, gApp.panelRecord.Width());
        EXPECT_EQ("15", PanelText(kSpeedEditIds[0]));
        EXPECT_EQ("250", PanelText(kIntervalEditIds[0]));
        EXPECT_EQ("16", PanelText(kSpeedEditIds[1]));
        EXPECT_EQ("260", PanelText(kIntervalEditIds[1]));
        EXPECT_EQ(20, gDocument.signs[1].cornerRadius);
        EXPECT_FALSE(test::SignRegionContains(1, 0, 0)) << "the second sign's corners are rounded";
        EXPECT_TRUE(test::SignRegionContains(1, 10, 10));
        EXPECT_TRUE(test::SignRegionContains(0, 0, 0)) << "the first sign's stay square";
    }
}

TEST_F(DataFilesTest, DigitalVer3MakesTheFirstSignLedAndSwitchesTheSecondOff)
{
    SetFormSize(300, 300);
    ShowSign(0, 0);
    ShowSign(1, 1);
    gDocument.signs[1].picturePath = "C:\\strip.bmp";
    gApp.panelRecord.SetWidth(kPanelWidthBoth);
    const char* const fields[] = {"33", "44", "55", "66"};
    const int fieldIds[] = {kSpeedEditIds[0], kIntervalEditIds[0], kSpeedEditIds[1], kIntervalEditIds[1]};
    for (int k = 0; k < 4; ++k)
        SetPanelText(fieldIds[k], fields[k]);
    const int secondLeft = SignLeft(1);

    const std::string led = MakeLedFolder();
    Ver3Sign sign{led, 150, 300, 855, 1845, 10, 0, 0};
    Bytes file = DigitalVer3Bytes("", 5250, 6000, sign);
    ASSERT_EQ(48 + led.size(), file.Data().size());
    file.Raw(std::string(30, '\x7F'));  // what follows element 20 is not read
    WriteFileBytes(PathOf("digital.rvd"), file.Data());

    test::DialogAnswerer answer(IDOK);
    ReadDigitalVer3File(PathOf("digital.rvd"));
    ASSERT_TRUE(test::WaitUntilIdle());
    test::PumpMessages();
    EXPECT_TRUE(answer.SeenSoFar().empty());

    EXPECT_EQ(400, gApp.formRecord.Width());
    EXPECT_EQ(350, gApp.formRecord.Height());
    ExpectSignPlace(0, 10, 20, 123, 57);
    EXPECT_EQ(kLed, gDocument.signs[0].kind);
    EXPECT_EQ(led, gDocument.signs[0].picturePath);
    EXPECT_EQ(1, SignVisible(0));
    HBITMAP frame = gDocument.signs[0].pictureBitmap.Get();
    ASSERT_TRUE(frame);
    EXPECT_EQ(kRed, test::BitmapPixel(frame, 0, 0)) << "a.bmp, the first file";
    EXPECT_FALSE(test::SignRegionContains(0, 0, 0));

    EXPECT_EQ(kHidden, gDocument.signs[1].kind);
    EXPECT_EQ(0, SignVisible(1));
    EXPECT_TRUE(gDocument.signs[1].picturePath.empty());
    EXPECT_EQ(secondLeft, SignLeft(1));
    EXPECT_EQ(kPanelWidthFirstOnly, gApp.panelRecord.Width());
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(fields[k], PanelText(fieldIds[k]));
}

TEST_F(DataFilesTest, OpenPicksTheReaderByTheEndingInAnyCase)
{
    const std::string ver4 = Ver4Bytes(Ver4Sign{}, SecondSign(), 333, 344).Data();
    const std::string ver3 = Ver3Bytes("", 6000, 6150, 2, Ver3Sign{"", 0, 0, 855, 1845}, Ver3Sign{}, 0, 1).Data();
    const std::string digital = DigitalVer3Bytes("", 6000, 5250, Ver3Sign{MakeLedFolder(), 0, 0, 855, 1845}).Data();
    struct Case {
        const char* name;
        const std::string& contents;
        int formWidth;  // 450 when the file is left alone
    };
    const Case cases[] = {
        {"scene.rv4", ver4, 333}, {"scene.Rv4", ver4, 333}, {"SCENE.RV4", ver4, 333},
        {"old.rV3", ver3, 410},   {"new.RvD", digital, 350}, {"scene.rv4.bak", ver4, 450},
        {"scene.rv", ver4, 450},  {"scene.txt", ver3, 450},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetFormSize(450, 450);
        WriteFileBytes(PathOf(c.name), c.contents);
        test::DialogAnswerer answer(IDOK);
        OpenDataFile(PathOf(c.name));
        ASSERT_TRUE(test::WaitUntilIdle());
        EXPECT_TRUE(answer.SeenSoFar().empty());
        EXPECT_EQ(c.formWidth, gApp.formRecord.Width());
    }
}

}  // namespace
}  // namespace rolva

namespace rolva {
namespace {

void CopyTree(const std::string& from, const std::string& to)
{
    CreateDirectoryA(to.c_str(), nullptr);
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((from + "\\*").c_str(), &found);
    ASSERT_NE(INVALID_HANDLE_VALUE, search) << from;
    do {
        const std::string name = found.cFileName;
        if (name == "." || name == "..")
            continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            CopyTree(from + "\\" + name, to + "\\" + name);
        else
            CopyFileA((from + "\\" + name).c_str(), (to + "\\" + name).c_str(), FALSE);
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

// The sample scene names its pictures under a folder no computer has; copied anywhere, it
// finds them beside its data file, and saving keeps the paths it stored.
TEST_F(DataFilesTest, TheSampleSceneCopiedElsewhereOpensWithAllItsPictures)
{
    const std::string copy = PathOf("moved scene");
    CopyTree(test::FixturePath("..\\..\\samples"), copy);
    test::DialogAnswerer answer(IDOK);
    ReadVer4File(copy + "\\demo.rv4");
    ASSERT_TRUE(test::WaitUntilIdle());
    EXPECT_TRUE(answer.SeenSoFar().empty()) << "no message";

    ASSERT_TRUE(gDocument.backgroundBitmap);
    const SIZE background = test::BitmapSize(gDocument.backgroundBitmap.Get());
    EXPECT_EQ(640, background.cx);
    ASSERT_TRUE(gDocument.signs[0].pictureBitmap) << "the roll strip";
    EXPECT_EQ(SignWidth(0), test::BitmapSize(gDocument.signs[0].pictureBitmap.Get()).cx);
    EXPECT_EQ(0, test::BitmapSize(gDocument.signs[0].pictureBitmap.Get()).cy % SignHeight(0))
        << "a strip of whole frames";
    ASSERT_TRUE(gDocument.signs[1].pictureBitmap) << "the LED sign's first frame";
    EXPECT_EQ(static_cast<std::uint8_t>(SignKind::Led), gDocument.signs[1].kind);

    EXPECT_EQ("C:\\Rolva\\samples\\bus.jpg", gDocument.backgroundPath) << "the stored path stays";
    EXPECT_EQ("C:\\Rolva\\samples\\led", gDocument.signs[1].picturePath);
}

}  // namespace
}  // namespace rolva
