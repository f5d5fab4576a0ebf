// Measures the real windows and prints figures: roll throughput, how closely a roll keeps its
// nominal time, and how long an LED-style sign takes to switch in folders of growing size.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>

#include "app/Application.h"
#include "app/NamedWindows.h"
#include "base/SystemText.h"
#include "clip/ClipExport.h"
#include "display/LedSign.h"
#include "display/RollAnimation.h"
#include "display/SignWindows.h"
#include "document/SignDocument.h"
#include "maker/FrameDrawing.h"
#include "maker/MakerIds.h"
#include "maker/StripMaker.h"
#include "maker/StripPreview.h"
#include "maker/core/FrameList.h"
#include "panel/ControlPanel.h"
#include "panel/ControlPanelIds.h"
#include "panel/Keypad.h"
#include "panel/SignRequests.h"

using namespace rolva;

namespace {

double Now()
{
    LARGE_INTEGER count, frequency;
    QueryPerformanceCounter(&count);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(count.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

// Runs the roll to its end the way the message loop would, and gives its time in ms.
double TimedRoll(int sign, int fromFrame, const char* toFrame, const char* speed, const char* interval)
{
    ResetSign(sign);
    SignSlot& slot = gDocument.signs[sign];
    slot.currentFrame = static_cast<std::int16_t>(fromFrame);
    slot.scrollOffset = -fromFrame * SignHeight(sign);
    SetPanelText(kNumberDisplayIds[sign], toFrame);
    SetPanelText(kSpeedEditIds[sign], speed);
    SetPanelText(kIntervalEditIds[sign], interval);
    const double start = Now();
    StartSign(sign);
    while (IsRolling(sign)) {
        HANDLE thread = slot.rollThread.Get();
        if (MsgWaitForMultipleObjects(1, &thread, FALSE, INFINITE, QS_ALLINPUT) == WAIT_OBJECT_0)
            break;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
    }
    return Now() - start;
}

// A strip of the given frames in memory, each frame a colour of its own.
HBITMAP MakeStrip(int width, int frameHeight, int frames)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -frameHeight * frames;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP strip = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!strip)
        return nullptr;
    auto* pixels = static_cast<std::uint32_t*>(bits);
    for (int frame = 0; frame < frames; ++frame)
        for (int row = 0; row < frameHeight; ++row)
            std::fill_n(pixels + (static_cast<std::size_t>(frame) * frameHeight + row) * width, width,
                        static_cast<std::uint32_t>(frame * 40503u) & 0xFFFFFFu);
    return strip;
}

// Roll rate at speed 0 and timing at speed 5 from the given frame, as printed for the shallow strip.
void MeasureFrom(int sign, int fromFrame, const char* where)
{
    const int height = SignHeight(sign);
    const double rollMs = TimedRoll(sign, fromFrame, std::to_string(fromFrame + 10).c_str(), "0", "0");
    printf("  %s: %.0f pixels/s at speed 0", where, 10.0 * height * 1000.0 / rollMs);
    const double nominal = 2 * height * 5 + 2 * 100.0;
    const double measured = TimedRoll(sign, fromFrame, std::to_string(fromFrame + 2).c_str(), "5", "100");
    printf(", speed 5 timing %.0f / %.0f ms = %.3f\n", measured, nominal, measured / nominal);
}

void WriteFrameFile(const std::string& path)
{
    static const unsigned char kBmp[] = {
        'B', 'M', 58, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 24, 0,
        0,   0,   0,  0, 0, 0, 0, 0, 0, 0, 0,  0, 0, 0, 0,  0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0};
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, kBmp, sizeof kBmp, &written, nullptr);
    CloseHandle(file);
}

std::string MakeFolder(int files)
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "rolva-bench-" + std::to_string(files);
    CreateDirectoryA(folder.c_str(), nullptr);
    for (int i = 0; i < files; ++i) {
        char name[32];
        snprintf(name, sizeof name, "\\frame%05d.bmp", i);
        const std::string path = folder + name;
        if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES)
            WriteFrameFile(path);
    }
    return folder;
}

// A strip of destination names in an anti-aliased font, as a scanned or drawn strip would be.
HBITMAP MakeTextStrip(int width, int frameHeight, int frames)
{
    static const char* const kNames[] = {"回送", "普通 北浜", "快速 港町", "急行 中央駅", "各停 丘の上", "準急 川辺"};
    WindowDc screen(nullptr);
    HBITMAP strip = CreateCompatibleBitmap(screen.Get(), width, frameHeight * frames);
    MemoryDc memory(screen.Get());
    ScopedSelect selectStrip(memory.Get(), strip);
    FontHandle font(CreateFontA(frameHeight * 2 / 3, 0, 0, 0, FW_BOLD, 0, 0, 0, SHIFTJIS_CHARSET, 0, 0,
                                ANTIALIASED_QUALITY, 0, "ＭＳ ゴシック"));
    ScopedSelect selectFont(memory.Get(), font.Get());
    SetBkMode(memory.Get(), TRANSPARENT);
    for (int i = 0; i < frames; ++i) {
        RECT frame{0, i * frameHeight, width, (i + 1) * frameHeight};
        BrushHandle background(CreateSolidBrush(i % 2 ? RGB(0, 40, 120) : RGB(20, 20, 20)));
        FillRect(memory.Get(), &frame, background.Get());
        SetTextColor(memory.Get(), i % 2 ? RGB(255, 255, 255) : RGB(255, 150, 0));
        DrawTextA(memory.Get(), kNames[i % 6], -1, &frame, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    return strip;
}

class NoCancel final : public ClipProgress {
public:
    bool Continue(std::int64_t, std::int64_t) override { return true; }
};

// A 10-second roll of a 200 x 57 sign at 50 frames a second: time to write and file size.
void BenchClip()
{
    SignSlot& slot = gDocument.signs[0];
    ResetSign(0);
    slot.kind = static_cast<std::uint8_t>(SignKind::Roll);
    slot.cornerRadius = 10;
    slot.pictureBitmap.Reset(MakeTextStrip(200, 57, 12));
    SetSignWidth(0, 200);
    SetSignHeight(0, 57);
    // 720 ms at rest, four frames of 57 steps of 20 ms and a 1000 ms interval each, 720 ms at rest.
    SetPanelText(kSpeedEditIds[0], "20");
    SetPanelText(kIntervalEditIds[0], "1000");
    ClipRequest request;
    request.frames = {0, 4};
    request.fps = 50;
    request.holdMs = 720;
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string path = std::string(temp) + "rolva-bench-clip.gif";
    NoCancel progress;
    const double start = Now();
    const ClipResult result = ExportClip(request, path, progress);
    const double elapsed = Now() - start;
    if (result.outcome != ClipOutcome::Saved) {
        printf("GIF clip: not saved (outcome %d)\n", static_cast<int>(result.outcome));
        return;
    }
    printf("GIF clip, 10 s of a 200 x 57 roll at 50 fps: written in %.0f ms (%.1f x real time), %llu bytes, "
           "%d GIF frames\n",
           elapsed, 10000.0 / elapsed, static_cast<unsigned long long>(result.bytes), result.gifFrames);
    DeleteFileA(path.c_str());
    ResetSign(0);
    slot.pictureBitmap.Reset();
}

// A list of 999 frames like a real one: label, destination, romanised line, some long names.
std::string MakerList()
{
    const char* const labels[] = {"快速", "急行", "", "回送", "12"};
    std::string list;
    for (int i = 0; i < 999; ++i) {
        list += (i % 7 == 0) ? "東京ディズニーランド・ステーション経由南船橋駅前" : "東京駅八重洲口";
        list += "|TOKYO STATION " + std::to_string(i) + "|" + labels[i % 5] + "\r\n";
    }
    return list;
}

void BenchStripMaker()
{
    const std::string list = MakerList();
    const FrameList frames = ParseFrameList(list, IsSystemLeadByte);
    const MakerStyle style = DefaultMakerStyle();
    const DibCanvas strip(200, static_cast<int>(frames.frames.size()) * 57);
    NoCancel progress;
    DrawStrip(strip, frames.frames, 57, style, progress);  // warm-up: fonts and glyphs
    const double drawStart = Now();
    DrawStrip(strip, frames.frames, 57, style, progress);
    printf("strip maker: drawing %zu frames of 200 x 57: %.0f ms (target under 1000 ms)%s\n", frames.frames.size(),
           Now() - drawStart, strip.Valid() ? "" : " [no canvas]");

    SetSignWidth(0, 200);
    SetSignHeight(0, 57);
    HWND maker = CreateModalWindow(gApp.form, "Maker", 0);
    HWND edit = GetDlgItem(maker, kMakerListId);
    HWND preview = GetDlgItem(maker, kMakerPreviewId);
    SetWindowTextA(edit, list.c_str());
    // One typed character: the edit changes, the dialog parses the list again and the preview
    // draws its visible frames.
    const int keys = 20;
    WindowDc screen(preview);
    const double typeStart = Now();
    for (int i = 0; i < keys; ++i) {
        SendMessageA(edit, EM_SETSEL, 0, 0);
        SendMessageA(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(i % 2 ? "x" : "y"));
        DrawPreview(preview, screen.Get());
    }
    printf("strip maker: preview redraw after a key, 999-frame list: %.1f ms (target under 50 ms)\n",
           (Now() - typeStart) / keys);
    SetWindowTextA(edit, "");  // nothing typed is left to ask about on closing, with no one to answer
    SendMessageA(maker, WM_CLOSE, 0, 0);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message != WM_QUIT)
            DispatchMessageA(&msg);
    }
}

}  // namespace

int main()
{
    if (!StartApplication(GetModuleHandleA(nullptr)))
        return 1;
    // The splash would keep the Form and the panel disabled for its five seconds.
    if (gApp.splash)
        SendMessageA(gApp.splash, WM_CLOSE, 0, 0);
    const int height = SignHeight(0);

    TimedRoll(0, 0, "1", "0", "0");  // warm-up: the first roll brings in what later rolls reuse
    const double throughputMs = TimedRoll(0, 0, "10", "0", "0");
    printf("roll throughput at speed 0, interval 0: %.0f pixels/s (%d px in %.0f ms)\n",
           10.0 * height * 1000.0 / throughputMs, 10 * height, throughputMs);

    for (int speed : {1, 5, 20}) {
        const int frames = 2;
        const double nominal = frames * height * speed + frames * 100.0;
        const double measured = TimedRoll(0, 0, "2", std::to_string(speed).c_str(), "100");
        printf("roll timing, speed %2d ms, interval 100 ms: %.0f ms measured / %.0f ms nominal = %.3f\n", speed,
               measured, nominal, measured / nominal);
    }
    ResetSign(0);

    // 999 frames: rows beyond 32,767 cannot be shown by a window holding the whole strip.
    SignSlot& first = gDocument.signs[0];
    first.pictureBitmap.Reset(MakeStrip(SignWidth(0), height, 999));
    SetSignPicture(0, first.pictureBitmap.Get());
    printf("deep strip, 999 frames of %d px (%d px deep):\n", height, 999 * height);
    MeasureFrom(0, 500, "frames 500-510, before row 32,767");
    MeasureFrom(0, 700, "frames 700-710, after row 32,767 ");
    MeasureFrom(0, 570, "frames 570-580, across row 32,767");
    ResetSign(0);
    SetSignPicture(0, nullptr);
    first.pictureBitmap.Reset();

    SignSlot& slot = gDocument.signs[1];
    slot.kind = static_cast<std::uint8_t>(SignKind::Led);
    for (int files : {10, 1000, 10000}) {
        slot.picturePath = MakeFolder(files);
        SetPanelText(kNumberDisplayIds[1], std::to_string(files - 2));
        const int switches = 20;
        const double start = Now();
        for (int i = 0; i < switches; ++i) {
            if (i % 2)
                PressBackKey(1);
            else
                PressForwardKey(1);
        }
        printf("LED switch, folder of %5d files: %.2f ms per key press\n", files, (Now() - start) / switches);
        const double listStart = Now();
        for (int i = 0; i < switches; ++i)
            ListLedFolder(slot.picturePath);
        printf("  listing and sorting the folder afresh (after a change in it): %.2f ms\n", (Now() - listStart) / switches);
    }
    BenchClip();
    BenchStripMaker();
    DestroyWindow(gApp.form);
    return 0;
}
