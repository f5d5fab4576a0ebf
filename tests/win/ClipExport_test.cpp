// Clips written from the real windows and read back with the Windows Imaging Component's GIF
// decoder: a roll of a three-frame strip with its frame count, delays, length, loop and first and
// last pictures (corners cut round); an LED sequence held frame by frame, its pages taking turns,
// a wide page scrolling and the dot look; a cancelled clip, a clip too long for the memory and a
// read-only target that leave nothing behind; the sound track beside a GIF, decoded with it.
#include <gtest/gtest.h>

#include <windows.h>
#include <wincodec.h>

#include <string>
#include <vector>

#include "SharedState.h"
#include "TestSupport.h"
#include "app/Application.h"
#include "app/Commands.h"
#include "app/MenuIds.h"
#include "base/Handles.h"
#include "clip/ClipCommand.h"
#include "clip/ClipDialogIds.h"
#include "clip/ClipExport.h"
#include "clip/ClipProgressWindow.h"
#include "clip/ClipSoundTrack.h"
#include "clip/core/ClipMemory.h"
#include "display/RollAnimation.h"
#include "display/SignWindows.h"
#include "document/SignDocument.h"
#include "panel/ControlPanel.h"
#include "panel/ControlPanelIds.h"
#include "panel/SignRequests.h"
#include "sound/SignSounds.h"
#include "sound/SoundFiles.h"
#include "sound/core/WavFile.h"
#include "base/FileStreams.h"

namespace rolva {
namespace {

constexpr int kSignWidth = 40;
constexpr int kFrameHeight = 20;
constexpr COLORREF kFrameColours[3] = {RGB(255, 0, 0), RGB(0, 160, 0), RGB(0, 0, 255)};

// A picture as a viewer shows it: BGRA, top row first; alpha 0 where nothing was drawn.
struct Picture {
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;
    std::uint32_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

struct DecodedFrame {
    int delayCs = -1;
    Picture composite;  // every frame so far drawn over each other (none is disposed)
};

std::uint32_t Opaque(COLORREF colour)
{
    return 0xFF000000u | (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
}

int MetadataNumber(IWICMetadataQueryReader* reader, const wchar_t* name)
{
    PROPVARIANT value;
    PropVariantInit(&value);
    int result = -1;
    if (SUCCEEDED(reader->GetMetadataByName(name, &value)) && value.vt == VT_UI2)
        result = value.uiVal;
    PropVariantClear(&value);
    return result;
}

// Decodes the file with WIC and draws its frames one over the other, as a viewer plays them.
std::vector<DecodedFrame> DecodeGif(const std::string& path, int width, int height)
{
    std::vector<DecodedFrame> frames;
    ComApartment com;
    ComObject<IWICImagingFactory> factory;
    ComObject<IWICBitmapDecoder> decoder;
    std::wstring wide(path.begin(), path.end());
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                factory.ReceiveVoid())) ||
        FAILED(factory->CreateDecoderFromFilename(wide.c_str(), nullptr, GENERIC_READ, WICDecodeMetadataCacheOnLoad,
                                                  decoder.Receive())))
        return frames;
    UINT count = 0;
    decoder->GetFrameCount(&count);
    Picture canvas{width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width * height), 0)};
    for (UINT i = 0; i < count; ++i) {
        ComObject<IWICBitmapFrameDecode> frame;
        ComObject<IWICMetadataQueryReader> metadata;
        ComObject<IWICBitmapSource> converted;
        if (FAILED(decoder->GetFrame(i, frame.Receive())) || FAILED(frame->GetMetadataQueryReader(metadata.Receive())) ||
            FAILED(WICConvertBitmapSource(GUID_WICPixelFormat32bppBGRA, frame.Get(), converted.Receive())))
            break;
        DecodedFrame decoded;
        decoded.delayCs = MetadataNumber(metadata.Get(), L"/grctlext/Delay");
        const int left = MetadataNumber(metadata.Get(), L"/imgdesc/Left");
        const int top = MetadataNumber(metadata.Get(), L"/imgdesc/Top");
        UINT w = 0, h = 0;
        converted->GetSize(&w, &h);
        std::vector<std::uint32_t> pixels(static_cast<std::size_t>(w) * h);
        converted->CopyPixels(nullptr, w * 4, static_cast<UINT>(pixels.size() * 4),
                              reinterpret_cast<BYTE*>(pixels.data()));
        for (UINT y = 0; y < h; ++y) {
            for (UINT x = 0; x < w; ++x) {
                const std::uint32_t p = pixels[y * w + x];
                const int cx = left + static_cast<int>(x), cy = top + static_cast<int>(y);
                if ((p >> 24) != 0 && cx < width && cy < height)
                    canvas.pixels[static_cast<std::size_t>(cy * width + cx)] = p;
            }
        }
        decoded.composite = canvas;
        frames.push_back(decoded);
    }
    return frames;
}

// A solid-coloured picture of frames stacked top to bottom.
HBITMAP MakeStrip(int width, int frameHeight, const std::vector<COLORREF>& colours)
{
    WindowDc screen(nullptr);
    HBITMAP strip = CreateCompatibleBitmap(screen.Get(), width, frameHeight * static_cast<int>(colours.size()));
    MemoryDc memory(screen.Get());
    ScopedSelect select(memory.Get(), strip);
    for (std::size_t i = 0; i < colours.size(); ++i) {
        BrushHandle brush(CreateSolidBrush(colours[i]));
        const RECT frame{0, static_cast<LONG>(i) * frameHeight, width, static_cast<LONG>(i + 1) * frameHeight};
        FillRect(memory.Get(), &frame, brush.Get());
    }
    return strip;
}

class CancelAfter final : public ClipProgress {
public:
    explicit CancelAfter(int reports) : left_(reports) {}
    bool Continue(std::int64_t, std::int64_t) override { return left_-- > 0; }

private:
    int left_;
};

class ClipExportTest : public test::SharedSceneTest {
protected:
    void SetUp() override
    {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        folder_ = std::string(temp) + "rolva-clip-test";
        test::RemoveTree(folder_);
        CreateDirectoryA(folder_.c_str(), nullptr);

        SignSlot& slot = gDocument.signs[0];
        ResetSign(0);
        slot.kind = static_cast<std::uint8_t>(SignKind::Roll);
        slot.cornerRadius = 12;
        slot.pictureBitmap.Reset(MakeStrip(kSignWidth, kFrameHeight, {kFrameColours[0], kFrameColours[1], kFrameColours[2]}));
        ShowSign(0, 1);
        SetSignWidth(0, kSignWidth);
        SetSignHeight(0, kFrameHeight);
        SetPanelText(kSpeedEditIds[0], "5");
        SetPanelText(kIntervalEditIds[0], "100");
    }

    void TearDown() override
    {
        SignSlot& slot = gDocument.signs[0];
        slot.kind = static_cast<std::uint8_t>(SignKind::Roll);
        slot.cornerRadius = 0;
        slot.picturePath.clear();
        slot.liveLook = SignLiveLook{};
        slot.pictureBitmap.Reset();
        SetPanelText(kSpeedEditIds[0], "0");
        SetPanelText(kIntervalEditIds[0], "0");
        test::RemoveTree(folder_);
    }

    std::string PathOf(const char* name) const { return folder_ + "\\" + name; }

    static ClipRequest RollRequest()
    {
        ClipRequest request;
        request.subject = ClipSubject::FirstSign;
        request.frames = {0, 2};
        request.fps = 50;
        request.holdMs = 200;
        request.loopForever = true;
        return request;
    }

    std::string folder_;
};

TEST_F(ClipExportTest, RollOfAThreeFrameStrip)
{
    const std::string path = PathOf("roll.gif");
    CancelAfter never(1 << 30);
    const ClipResult result = ExportClip(RollRequest(), path, never);
    ASSERT_EQ(ClipOutcome::Saved, result.outcome);

    // 200 ms at rest, two frames of 20 steps of 5 ms plus 100 ms each, 200 ms at rest: 800 ms.
    // At 50 frames a second the strip moves 4 pixels a frame; the still pictures are merged.
    const std::vector<int> expectedDelays = {20, 2, 2, 2, 2, 2, 10, 2, 2, 2, 2, 2, 30};
    const std::vector<DecodedFrame> frames = DecodeGif(path, kSignWidth, kFrameHeight);
    ASSERT_EQ(expectedDelays.size(), frames.size());
    int total = 0;
    for (std::size_t i = 0; i < frames.size(); ++i) {
        EXPECT_EQ(expectedDelays[i], frames[i].delayCs) << i;
        total += frames[i].delayCs;
    }
    EXPECT_NEAR(800, total * 10, 800 * 0.02);

    const std::string bytes = test::ReadFileBytes(path);
    EXPECT_NE(std::string::npos, bytes.find(std::string("NETSCAPE2.0\x03\x01\x00\x00\x00", 16)));  // forever
    EXPECT_EQ(bytes.size(), result.bytes);

    const Picture& first = frames.front().composite;
    const Picture& last = frames.back().composite;
    EXPECT_EQ(Opaque(kFrameColours[0]), first.At(kSignWidth / 2, kFrameHeight / 2));
    EXPECT_EQ(Opaque(kFrameColours[2]), last.At(kSignWidth / 2, kFrameHeight / 2));
    EXPECT_EQ(Opaque(kFrameColours[2]), last.At(0, kFrameHeight / 2));
    // The corners lie outside the rounded sign: nothing is drawn there.
    for (const Picture* picture : {&first, &last}) {
        for (const POINT corner : {POINT{0, 0}, POINT{kSignWidth - 1, 0}, POINT{0, kFrameHeight - 1},
                                   POINT{kSignWidth - 1, kFrameHeight - 1}})
            EXPECT_EQ(0u, picture->At(corner.x, corner.y) >> 24) << corner.x << "," << corner.y;
    }
    // Half-way through the first roll's steps (t = 260 ms: 13 steps) frame 0 meets frame 1.
    EXPECT_EQ(Opaque(kFrameColours[0]), frames[4].composite.At(kSignWidth / 2, 1));
    EXPECT_EQ(Opaque(kFrameColours[1]), frames[4].composite.At(kSignWidth / 2, kFrameHeight - 2));
}

TEST_F(ClipExportTest, PlayOnceAndDoubleSize)
{
    ClipRequest request = RollRequest();
    request.loopForever = false;
    request.scale = 2;
    const std::string path = PathOf("once.gif");
    CancelAfter never(1 << 30);
    ASSERT_EQ(ClipOutcome::Saved, ExportClip(request, path, never).outcome);
    EXPECT_EQ(std::string::npos, test::ReadFileBytes(path).find("NETSCAPE2.0"));
    const std::vector<DecodedFrame> frames = DecodeGif(path, kSignWidth * 2, kFrameHeight * 2);
    ASSERT_EQ(13u, frames.size());
    EXPECT_EQ(Opaque(kFrameColours[2]), frames.back().composite.At(kSignWidth, kFrameHeight));
    EXPECT_EQ(0u, frames.back().composite.At(1, 1) >> 24);
}

TEST_F(ClipExportTest, LedSequenceHoldsEachPicture)
{
    test::WriteSolidBmp(PathOf("a.bmp"), kSignWidth, kFrameHeight, kFrameColours[0]);
    test::WriteSolidBmp(PathOf("b.bmp"), kSignWidth, kFrameHeight, kFrameColours[1]);
    test::WriteSolidBmp(PathOf("c.bmp"), kSignWidth, kFrameHeight, kFrameColours[2]);
    // A page of a.bmp: the clip numbers the frames as the sign does, without it, and shows it
    // after a.bmp; the two pages fill the hold.
    test::WriteSolidBmp(PathOf("a+2.bmp"), kSignWidth, kFrameHeight, RGB(9, 9, 9));
    SignSlot& slot = gDocument.signs[0];
    slot.kind = static_cast<std::uint8_t>(SignKind::Led);
    slot.picturePath = folder_;
    slot.liveLook.pageTimeMs = 200;

    ClipRequest request;
    request.frames = {2, 0, 1, 9};  // 9 has no file: the picture stays
    request.fps = 25;
    request.holdMs = 400;  // ten frames at 25 a second
    const std::string path = PathOf("led.gif");
    CancelAfter never(1 << 30);
    ASSERT_EQ(ClipOutcome::Saved, ExportClip(request, path, never).outcome);

    const std::vector<DecodedFrame> frames = DecodeGif(path, kSignWidth, kFrameHeight);
    ASSERT_EQ(4u, frames.size());
    const COLORREF expected[4] = {kFrameColours[2], kFrameColours[0], RGB(9, 9, 9), kFrameColours[1]};
    const int delays[4] = {40, 20, 20, 80};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(delays[i], frames[i].delayCs) << i;
        EXPECT_EQ(Opaque(expected[i]), frames[i].composite.At(kSignWidth / 2, kFrameHeight / 2)) << i;
    }
}

// The moment each decoded picture starts, from the delays before it.
std::vector<int> StartTimesMs(const std::vector<DecodedFrame>& frames)
{
    std::vector<int> starts;
    int ms = 0;
    for (const DecodedFrame& frame : frames) {
        starts.push_back(ms);
        ms += frame.delayCs * 10;
    }
    return starts;
}

// Frame 0 has three pages that take turns at the page time; frame 1 is one page twice as wide as
// the sign that scrolls through it, each sampled picture showing the page's columns at the
// offset the time gives; the pages are seen through the dot look.
TEST_F(ClipExportTest, LedPagesTakeTurnsAndAWidePageScrollsAsOnTheSign)
{
    constexpr int kWide = 2 * kSignWidth;
    auto band = [](int x) { return RGB(30 * (x / 10), 255 - 30 * (x / 10), 128); };  // 10-pixel bands
    test::WriteSolidBmp(PathOf("a.bmp"), kSignWidth, kFrameHeight, kFrameColours[0]);
    test::WriteSolidBmp(PathOf("a+2.bmp"), kSignWidth, kFrameHeight, kFrameColours[1]);
    test::WriteSolidBmp(PathOf("a+3.bmp"), kSignWidth, kFrameHeight, kFrameColours[2]);
    test::WriteColumnsBmp(PathOf("b.bmp"), kWide, kFrameHeight, band);
    SignSlot& slot = gDocument.signs[0];
    slot.kind = static_cast<std::uint8_t>(SignKind::Led);
    slot.picturePath = folder_;
    slot.cornerRadius = 0;
    slot.liveLook.pageTimeMs = 200;
    slot.liveLook.scrollSpeed = 500;  // a step every 2 ms: 10 pixels a picture at 50 a second

    ClipRequest request;
    request.frames = {0, 1};
    request.fps = 50;
    request.holdMs = 100;  // shorter than either frame's turn: each frame shows all of it
    const std::string path = PathOf("pages.gif");
    CancelAfter never(1 << 30);
    ASSERT_EQ(ClipOutcome::Saved, ExportClip(request, path, never).outcome);
    const std::vector<DecodedFrame> frames = DecodeGif(path, kSignWidth, kFrameHeight);
    ASSERT_FALSE(frames.empty());
    const std::vector<int> starts = StartTimesMs(frames);
    // Three pages of 200 ms, then (40 + 80) steps of 2 ms.
    EXPECT_EQ(600 + 240, starts.back() + frames.back().delayCs * 10);

    constexpr int kRow = kFrameHeight / 2;
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const int ms = starts[i];
        SCOPED_TRACE(ms);
        const Picture& picture = frames[i].composite;
        if (ms < 600) {
            EXPECT_EQ(Opaque(kFrameColours[ms / 200]), picture.At(kSignWidth / 2, kRow));
            continue;
        }
        const int x = kSignWidth - (ms - 600) / 2;  // the page's left edge
        for (int column = 0; column < kSignWidth; ++column) {
            const int pageColumn = column - x;
            const COLORREF expected = pageColumn >= 0 && pageColumn < kWide ? band(pageColumn) : RGB(255, 255, 255);
            ASSERT_EQ(Opaque(expected), picture.At(column, kRow)) << "column " << column;
        }
    }
    EXPECT_GE(frames.size(), 3u + 240 / 20 - 1);
}

TEST_F(ClipExportTest, TheDotLookIsRecorded)
{
    test::WriteSolidBmp(PathOf("a.bmp"), kSignWidth, kFrameHeight, kFrameColours[0]);
    SignSlot& slot = gDocument.signs[0];
    slot.kind = static_cast<std::uint8_t>(SignKind::Led);
    slot.picturePath = folder_;
    slot.cornerRadius = 0;
    slot.liveLook.dotLook = true;
    slot.liveLook.dotPitch = 3;
    slot.liveLook.roundDots = false;
    slot.liveLook.glow = false;
    slot.liveLook.gapColour = 0x000080;

    ClipRequest request;
    request.frames = {0};
    request.holdMs = 100;
    const std::string path = PathOf("dots.gif");
    CancelAfter never(1 << 30);
    ASSERT_EQ(ClipOutcome::Saved, ExportClip(request, path, never).outcome);
    const std::vector<DecodedFrame> frames = DecodeGif(path, kSignWidth, kFrameHeight);
    ASSERT_EQ(1u, frames.size());
    // Each 3 x 3 block keeps its dot and gives its last row and column to the gap.
    EXPECT_EQ(Opaque(kFrameColours[0]), frames[0].composite.At(4, 4));
    EXPECT_EQ(Opaque(RGB(0, 0, 0x80)), frames[0].composite.At(5, 4));
    EXPECT_EQ(Opaque(RGB(0, 0, 0x80)), frames[0].composite.At(4, 5));
}

TEST_F(ClipExportTest, CancelLeavesNoFile)
{
    const std::string path = PathOf("cancelled.gif");
    for (int reports : {0, 5, 60}) {  // while choosing colours, while encoding
        SCOPED_TRACE(reports);
        CancelAfter cancel(reports);
        EXPECT_EQ(ClipOutcome::Cancelled, ExportClip(RollRequest(), path, cancel).outcome);
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(path.c_str()));
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((path + ".rolva-new").c_str()));
    }

    // The progress window's cancel button.
    ClipProgressWindow progress(gApp.form);
    ASSERT_TRUE(progress.Handle());
    EXPECT_FALSE(IsWindowEnabled(gApp.form));
    PostMessageA(progress.Handle(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(progress.Handle(), IDCANCEL)));
    EXPECT_EQ(ClipOutcome::Cancelled, ExportClip(RollRequest(), path, progress).outcome);
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(path.c_str()));
}

// The memory the export may use, for as long as the object lives.
class MemoryBudget {
public:
    explicit MemoryBudget(std::uint64_t bytes) : previous_(gClipMemoryBudget)
    {
        bytes_ = bytes;
        gClipMemoryBudget = [] { return bytes_; };
    }
    ~MemoryBudget() { gClipMemoryBudget = previous_; }
    MemoryBudget(const MemoryBudget&) = delete;
    MemoryBudget& operator=(const MemoryBudget&) = delete;

private:
    static std::uint64_t bytes_;
    std::uint64_t (*previous_)();
};

std::uint64_t MemoryBudget::bytes_ = 0;

class CountReports final : public ClipProgress {
public:
    bool Continue(std::int64_t, std::int64_t) override
    {
        ++count;
        return true;
    }
    int count = 0;
};

TEST_F(ClipExportTest, AClipTooLongForTheMemoryIsRefusedBeforeDrawingWithTheLengthThatFits)
{
    const std::string path = PathOf("long.gif");
    for (int scale : {1, 2}) {
        SCOPED_TRACE(scale);
        ClipRequest request = RollRequest();
        request.scale = scale;
        // Memory for the first picture and the 200 ms it rests, not one frame of the roll after.
        const std::vector<ClipFrame> frames = PlanClipFrames(800, request.fps);
        std::vector<std::uint64_t> resting(frames.size(), 0);
        resting[0] = kSignWidth * kFrameHeight;
        const MemoryBudget budget(
            ReckonClipMemory(ClipSize{kSignWidth, kFrameHeight, scale}, frames, resting, UINT64_MAX).bytes);

        CountReports progress;
        const ClipResult result = ExportClip(request, path, progress);
        EXPECT_EQ(ClipOutcome::TooLong, result.outcome);
        EXPECT_EQ(200, result.longestMs);
        EXPECT_EQ(0, progress.count) << "nothing drawn";
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(path.c_str()));
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((path + ".rolva-new").c_str()));

        test::DialogAnswerer answer(IDOK);
        ShowClipResult(result);
        const auto seen = answer.SeenSoFar();
        ASSERT_EQ(1u, seen.size());
        EXPECT_EQ("GIFで保存", seen[0].caption);
        EXPECT_EQ("このGIFは長すぎて、この大きさではメモリーに収まりません。\r\n"
                  "この大きさで保存できるのは約0.2秒までです。GIFは保存されていません。",
                  seen[0].text);
    }
    // Memory for nothing but the pictures of one frame: no length to offer.
    {
        const MemoryBudget budget(ClipWorkingBytes(ClipSize{kSignWidth, kFrameHeight, 1}));
        CountReports progress;
        const ClipResult result = ExportClip(RollRequest(), path, progress);
        EXPECT_EQ(ClipOutcome::TooLong, result.outcome);
        test::DialogAnswerer answer(IDOK);
        ShowClipResult(result);
        const auto seen = answer.SeenSoFar();
        ASSERT_EQ(1u, seen.size());
        EXPECT_EQ("この大きさのGIFを作るには、メモリーが足りません。\r\nGIFは保存されていません。", seen[0].text);
    }
    // With the memory the system gives, the same clip is written.
    CancelAfter never(1 << 30);
    ClipRequest request = RollRequest();
    request.scale = 2;
    EXPECT_EQ(ClipOutcome::Saved, ExportClip(request, path, never).outcome);
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(path.c_str()));
}

TEST_F(ClipExportTest, ReadOnlyTargetGivesTheSaveErrorAndStaysAsItWas)
{
    const std::string path = PathOf("old.gif");
    test::WriteFileBytes(path, "old contents");
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    CancelAfter never(1 << 30);
    const ClipResult result = ExportClip(RollRequest(), path, never);
    EXPECT_EQ(ClipOutcome::WriteFailed, result.outcome);
    EXPECT_EQ(static_cast<std::uint32_t>(ERROR_ACCESS_DENIED), result.writeError);
    {
        test::DialogAnswerer answer(IDOK);
        ShowClipResult(result);
        const auto seen = answer.SeenSoFar();
        ASSERT_EQ(1u, seen.size());
        EXPECT_EQ("読み込みエラー", seen[0].caption);
        EXPECT_EQ(0u, seen[0].text.find("ファイルを保存中に、以下のエラーが発生しました。\r\n\r\n"));
    }
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ("old contents", test::ReadFileBytes(path));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((path + ".rolva-new").c_str()));
}

TEST_F(ClipExportTest, MenuItemUnderFileAndRefusedWhileRolling)
{
    char label[64] = {};
    GetMenuStringA(gMenus.file, kCommandSaveGif, label, sizeof label, MF_BYCOMMAND);
    EXPECT_STREQ("GIFで保存(&G)...", label);

    // While a sign rolls the command shows nothing at all.
    SetPanelText(kSpeedEditIds[0], "50");
    SetPanelText(kNumberDisplayIds[0], "2");
    StartSign(0);
    ASSERT_TRUE(IsRolling(0));
    test::DialogAnswerer answer(IDCANCEL);
    RunCommand(kCommandSaveGif);
    EXPECT_TRUE(answer.SeenSoFar().empty());
    ResetSign(0);
}

// The sound track written with a GIF, both decoded: the same length within 10 ms, a knock where
// the picture comes to rest on each frame, the motor only while it moves, silence on the holds.
TEST_F(ClipExportTest, TheSoundTrackBesideTheGifKnocksWhereThePictureStops)
{
    const std::string gif = PathOf("roll.gif");
    ClipRequest request = RollRequest();
    request.soundTrack = true;
    test::ProgressLog progress;
    const ClipResult result = ExportClip(request, gif, progress);
    ASSERT_EQ(ClipOutcome::Saved, result.outcome);
    const std::string wav = SoundTrackPath(gif);
    EXPECT_EQ(PathOf("roll.wav"), wav);
    ASSERT_EQ(0u, result.soundError);

    const std::vector<DecodedFrame> frames = DecodeGif(gif, kSignWidth, kFrameHeight);
    ASSERT_GT(frames.size(), 3u);
    FileByteSource file(wav);
    WavAudio audio;
    ASSERT_EQ(WavProblem::None, DecodeWav(file, &audio));
    ASSERT_EQ(1, audio.channels);
    ASSERT_EQ(kSoundRate, audio.rate);

    // Where the picture stops: a changed picture that shows longer than one frame time of the
    // clip (the encoder lengthens a picture rather than repeat it).
    const int frameCs = 100 / request.fps;
    std::int64_t gifMs = 0;
    std::vector<std::int64_t> stops;
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const bool changed = i > 0 && frames[i].composite.pixels != frames[i - 1].composite.pixels;
        if (changed && frames[i].delayCs > frameCs)
            stops.push_back(gifMs);
        gifMs += 10 * frames[i].delayCs;
    }
    const std::int64_t wavMs = static_cast<std::int64_t>(audio.samples.size()) * 1000 / kSoundRate;
    EXPECT_NEAR(gifMs, wavMs, 10) << "the track lasts as long as the GIF";
    ASSERT_EQ(2u, stops.size()) << "frames 1 and 2 come to rest";

    auto peakNear = [&](std::int64_t ms, std::int64_t* at) {
        int peak = 0;
        const std::int64_t from = SampleAtMs(ms - 30), to = std::min<std::int64_t>(SampleAtMs(ms + 30), audio.samples.size());
        for (std::int64_t i = from; i < to; ++i) {
            if (std::abs(audio.samples[i]) > peak) {
                peak = std::abs(audio.samples[i]);
                *at = i;
            }
        }
        return peak;
    };
    for (std::int64_t stop : stops) {
        std::int64_t at = 0;
        EXPECT_GT(peakNear(stop, &at), 0.5 * 32767) << "a knock near " << stop << " ms";
        // One picture of the GIF (20 ms) either way of the moment it shows the frame at rest.
        EXPECT_NEAR(stop, at * 1000 / kSoundRate, 20);
    }
    // The first hold is silent; the motor runs while the strip slides to frame 1 (200 to 300 ms).
    for (std::int64_t i = 0; i < SampleAtMs(190); ++i)
        ASSERT_EQ(0, audio.samples[i]) << i;
    double motion = 0;
    for (std::int64_t i = SampleAtMs(220); i < SampleAtMs(280); ++i)
        motion += std::abs(audio.samples[i]);
    EXPECT_GT(motion / SampleAtMs(60), 0.02 * 32767);
}

TEST_F(ClipExportTest, AMotorOfTheUsersOwnIsHeardInTheTrack)
{
    const std::string sounds = PathOf("sounds");
    CreateDirectoryA(sounds.c_str(), nullptr);
    // A steady level is no motor, but it shows whose sound the track plays.
    const std::vector<std::int16_t> level(4410, 8192);
    MemoryByteSink sink;
    ASSERT_EQ(0u, EncodeWav(level.data(), level.size(), kSoundRate, 1, sink));
    test::WriteFileBytes(sounds + "\\motor.wav", std::string(sink.Bytes().begin(), sink.Bytes().end()));
    UseSoundFolder(sounds);
    ClipScene scene;
    std::string problem;
    ASSERT_TRUE(scene.Prepare(RollRequest(), &problem)) << problem;
    const std::vector<std::int16_t> track = RenderClipSoundTrack(scene);
    UseSoundFolder(SoundFolderBesideExecutable());
    ASSERT_GT(track.size(), static_cast<std::size_t>(SampleAtMs(300)));
    for (std::int64_t i = SampleAtMs(220); i < SampleAtMs(280); ++i)
        ASSERT_NEAR(8192, track[i], 1) << i;
}

}  // namespace
}  // namespace rolva
