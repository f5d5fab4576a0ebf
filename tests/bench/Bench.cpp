// Measures the real windows and prints figures: roll throughput, how closely a roll keeps its
// nominal time, how long an LED-style sign takes to switch in folders of growing size, how
// closely two LED-style signs keep their scroll speeds, packing and opening a big scene, the sound
// mixer's CPU time and how fast a clip's sound track is written.
#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "app/Application.h"
#include "app/NamedWindows.h"
#include "base/Dib32.h"
#include "base/OwnFiles.h"
#include "base/SystemText.h"
#include "clip/ClipExport.h"
#include "clip/ClipSoundTrack.h"
#include "display/LedSign.h"
#include "display/RollAnimation.h"
#include "display/ScrolledPicture.h"
#include "display/SignWindows.h"
#include "document/SignDocument.h"
#include "maker/FrameDrawing.h"
#include "maker/MakerIds.h"
#include "maker/StripMaker.h"
#include "maker/StripPreview.h"
#include "maker/core/FrameList.h"
#include "maker/core/StripFile.h"
#include "panel/ControlPanel.h"
#include "panel/ControlPanelIds.h"
#include "panel/Keypad.h"
#include "pack/PackOpen.h"
#include "pack/PackSave.h"
#include "scene/DataFiles.h"
#include "panel/SignRequests.h"
#include "sound/core/RollSound.h"
#include "sound/core/SoundSynthesis.h"

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

    const std::string wav = SoundTrackPath(path);
    ClipScene scene;
    std::string problem;
    const double trackStart = Now();
    const std::uint32_t trackError = scene.Prepare(request, &problem) ? WriteClipSoundTrack(scene, wav) : ERROR_INVALID_DATA;
    const double trackMs = Now() - trackStart;
    printf("sound track of that clip: %s in %.0f ms (%.0f x real time; goal 20 x)\n",
           trackError ? "not written" : "written", trackMs, 10000.0 / trackMs);
    DeleteFileA(wav.c_str());
    ResetSign(0);
    slot.pictureBitmap.Reset();
}

double ProcessCpuMs();

// The output thread's work while both signs roll: 60 s of mixing, buffer by buffer as it mixes
// (the test machine has no device to play them; the device's own work is the system's).
void BenchSoundMixer()
{
    std::vector<TimedSoundEvent> events;
    for (int sign = 0; sign < 2; ++sign)
        AppendRollSound(sign, 37 * sign, 100, {57, 10, 30}, &events);
    std::stable_sort(events.begin(), events.end(),
                     [](const TimedSoundEvent& a, const TimedSoundEvent& b) { return a.ms < b.ms; });
    SoundMixer mixer(std::make_shared<SoundSet>(BuiltInSounds()));
    constexpr int kBuffer = kSoundRate / 100;
    constexpr int kSeconds = 60;
    std::int16_t buffer[kBuffer];
    std::size_t next = 0;
    const double cpuStart = ProcessCpuMs();
    const double start = Now();
    for (int b = 0; b < kSeconds * 100; ++b) {
        while (next < events.size() && events[next].ms <= b * 10)
            mixer.Apply(events[next++].event);
        mixer.Render(buffer, kBuffer);
    }
    const double cpu = ProcessCpuMs() - cpuStart;
    // CPU time counts in ticks of the system's clock; the elapsed time bounds it from above.
    const double elapsed = Now() - start;
    printf("sound mixer while two signs roll: %d s of sound mixed in %.0f ms of CPU (%.0f ms elapsed) = %.2f %% of "
           "one core (goal under 2 %%)\n",
           kSeconds, cpu, elapsed, std::max(cpu, elapsed) / (kSeconds * 10.0));
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

// A BMP of vertical stripes, as an LED page.
void WriteStripedBmp(const std::string& path, int width, int height)
{
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
    for (std::size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = (i % static_cast<std::size_t>(width)) / 8 % 2 ? 0xFF8000u : 0x202020u;
    const std::vector<std::uint8_t> bytes = EncodeBmp24(pixels.data(), width, height, width);
    HANDLE out = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(out, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(out);
}

// Where the sign draws its scrolling page's left edge.
int PictureLeft(int sign) { return ScrolledPictureX(sign).value_or(0); }

double ProcessCpuMs()
{
    FILETIME created, exited, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    auto ms = [](const FILETIME& t) {
        return static_cast<double>((static_cast<std::uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 10000.0;
    };
    return ms(kernel) + ms(user);
}

void ShowLed(int sign, const char* frame)
{
    SetPanelText(kNumberDisplayIds[sign], frame);
    StartSign(sign);
}

// Waits for messages and dispatches them, as the message loop would, for about ms.
void TakeMessagesFor(double ms)
{
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(ms) + 1, QS_ALLINPUT);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
}

// Both signs scroll a page five times their width, one at each speed; the program takes its
// messages as the message loop would. A step's time is its nominal time from the switch: the
// ratio of the last step seen says how far the steps fell behind.
void BenchLedScroll(const std::string& folder, int seconds)
{
    const int speeds[kSignCount] = {60, 120};
    for (int sign = 0; sign < kSignCount; ++sign) {
        SignSlot& slot = gDocument.signs[sign];
        slot.kind = static_cast<std::uint8_t>(SignKind::Led);
        slot.picturePath = folder;
        slot.liveLook = SignLiveLook{};
        slot.liveLook.scrollSpeed = speeds[sign];
        SetSignWidth(sign, 200);
        SetSignHeight(sign, 57);
        ShowSign(sign, 1);
    }
    int startX[kSignCount];
    int lastX[kSignCount];
    double lastAt[kSignCount];
    const double start = Now();
    for (int sign = 0; sign < kSignCount; ++sign) {
        ShowLed(sign, "1");
        startX[sign] = lastX[sign] = PictureLeft(sign);
        lastAt[sign] = Now() - start;
    }
    for (double now = 0; now < seconds * 1000.0; now = Now() - start) {
        TakeMessagesFor(seconds * 1000.0 - now);
        for (int sign = 0; sign < kSignCount; ++sign) {
            const int x = PictureLeft(sign);
            if (x != lastX[sign]) {
                lastX[sign] = x;
                lastAt[sign] = Now() - start;
            }
        }
    }
    for (int sign = 0; sign < kSignCount; ++sign) {
        const int steps = startX[sign] - lastX[sign];
        const double nominal = steps * 1000.0 / speeds[sign];
        printf("LED scroll, %3d px/s with both signs scrolling, %d s: %d steps in %.0f ms / %.0f ms nominal = %.3f "
               "(goal <= 1.05)\n",
               speeds[sign], seconds, steps, lastAt[sign], nominal, lastAt[sign] / nominal);
    }
    // The CPU time is taken apart from the timing, which looks at the windows after every
    // message: only the program's own work counts, with both signs still scrolling. It is taken
    // over one-second windows too: their median leaves out a moment when the machine itself was
    // busy, which a virtual machine's accounting lays on whatever runs then.
    std::vector<double> perSecond;
    const double cpuStart = ProcessCpuMs();
    const double cpuWindowStart = Now();
    for (int window = 0; window < seconds; ++window) {
        const double windowCpu = ProcessCpuMs();
        const double windowStart = Now();
        for (double now = 0; now < 1000.0; now = Now() - windowStart)
            TakeMessagesFor(1000.0 - now);
        perSecond.push_back(100.0 * (ProcessCpuMs() - windowCpu) / (Now() - windowStart));
    }
    const double wall = Now() - cpuWindowStart;
    const double cpu = ProcessCpuMs() - cpuStart;
    std::sort(perSecond.begin(), perSecond.end());
    printf("LED scroll: the program's CPU time while both signs scroll, %d s: %.1f %% of one core; median of its "
           "seconds %.1f %%, from %.1f %% to %.1f %% (goal under 10 %%)\n",
           seconds, 100.0 * cpu / wall, perSecond[perSecond.size() / 2], perSecond.front(), perSecond.back());
    for (int sign = 0; sign < kSignCount; ++sign)
        StopRoll(sign);
}

// Key presses switching a 200 x 57 sign between two frames, without and with the dot look.
void BenchLedDotLookSwitch(const std::string& folder)
{
    SignSlot& slot = gDocument.signs[0];
    slot.picturePath = folder;
    ShowLed(0, "2");  // warm-up: the folder listed, its watch set
    // The best of several rounds each, taken in turn: other work on the machine only adds.
    double perSwitch[2] = {1e9, 1e9};
    for (int round = 0; round < 5; ++round) {
        for (int dotted = 0; dotted < 2; ++dotted) {
            slot.liveLook = SignLiveLook{};
            slot.liveLook.dotLook = dotted != 0;
            const int switches = 20;
            const double start = Now();
            for (int i = 0; i < switches; ++i)
                ShowLed(0, i % 2 ? "2" : "3");
            perSwitch[dotted] = std::min(perSwitch[dotted], (Now() - start) / switches);
        }
    }
    printf("LED switch to a 200 x 57 frame: %.2f ms plain, %.2f ms with the dot look = %.2f x (goal <= 2)\n",
           perSwitch[0], perSwitch[1], perSwitch[1] / perSwitch[0]);
    slot.liveLook = SignLiveLook{};
}

void BenchLedPages()
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "rolva-bench-led-pages";
    CreateDirectoryA(folder.c_str(), nullptr);
    // Frames: 0 still, 1 a page 1000 px wide, 2 and 3 still frames of the sign's size.
    WriteStripedBmp(folder + "\\000.bmp", 200, 57);
    WriteStripedBmp(folder + "\\001.bmp", 1000, 57);
    WriteStripedBmp(folder + "\\002.bmp", 200, 57);
    WriteStripedBmp(folder + "\\003.bmp", 200, 57);
    BenchLedScroll(folder, 10);
    BenchLedDotLookSwitch(folder);
    for (int sign = 0; sign < kSignCount; ++sign) {
        SignSlot& slot = gDocument.signs[sign];
        SetSignPicture(sign, nullptr);
        slot.pictureBitmap.Reset();
        slot.kind = static_cast<std::uint8_t>(SignKind::Roll);
        slot.picturePath.clear();
    }
}

// A part of the bitmap (rows top to top + height) as a 24-bit BMP file.
void WriteBitmapAsBmp(HBITMAP bitmap, const std::string& path, int top, int width, int height)
{
    std::uint32_t* pixels = nullptr;
    BitmapHandle part(CreateDib32(width, height, &pixels));
    if (!part || !CopyBitmapPixels(bitmap, 0, top, part.Get(), width, height))
        return;
    const std::vector<std::uint8_t> bytes = EncodeBmp24(pixels, width, height, width);
    HANDLE out = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(out, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(out);
}

std::uint64_t FileSize(const std::string& path)
{
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data))
        return 0;
    return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

// A scene of a 999-frame strip of names and a folder of 1,000 LED frames: packed, then opened
// from the pack twice (unpacked, then from the folder it was unpacked to).
void BenchPack()
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string root = std::string(temp) + "rolva-bench-pack";
    CreateDirectoryA(root.c_str(), nullptr);
    const std::string stripPath = root + "\\strip999.bmp";
    const std::string ledFolder = root + "\\led1000";
    CreateDirectoryA(ledFolder.c_str(), nullptr);
    std::uint64_t pictures = 0;
    {
        const int width = 200, height = 57;
        HBITMAP strip = MakeTextStrip(width, height, 999);
        WriteBitmapAsBmp(strip, stripPath, 0, width, height * 999);
        DeleteObject(strip);
        pictures += FileSize(stripPath);
        HBITMAP frames = MakeTextStrip(120, 48, 6);
        for (int i = 0; i < 1000; ++i) {
            char name[32];
            snprintf(name, sizeof name, "\\frame%05d.bmp", i);
            WriteBitmapAsBmp(frames, ledFolder + name, (i % 6) * 48, 120, 48);
            pictures += FileSize(ledFolder + name);
        }
        DeleteObject(frames);
    }
    gDocument.backgroundPath.clear();
    gDocument.signs[0].kind = static_cast<std::uint8_t>(SignKind::Roll);
    gDocument.signs[0].picturePath = stripPath;
    gDocument.signs[1].kind = static_cast<std::uint8_t>(SignKind::Led);
    gDocument.signs[1].picturePath = ledFolder;

    // What opening the scene costs without a pack, for comparison.
    const std::string plain = root + "\\big.rv4";
    WriteVer4File(plain);
    double start = Now();
    ReadVer4File(plain);
    const double plainMs = Now() - start;

    const std::string pack = root + "\\big.rvp";
    const OwnFileFolders real = OwnFileFoldersInUse();
    UseOwnFileFolders({real.besideExecutable, root + "\\user\\", real.name});
    start = Now();
    const bool saved = SaveScenePack(pack);
    const double packMs = Now() - start;
    const std::uint64_t packBytes = FileSize(pack);
    printf("scene pack, a 999-frame strip of 200 x 57 and a folder of 1,000 LED frames (%.1f MB of pictures):\n",
           pictures / 1e6);
    printf("  packed in %.0f ms (goal under 1000 ms)%s; pack %.1f MB = %.1f %% of the pictures\n", packMs,
           saved ? "" : " [NOT SAVED]", packBytes / 1e6, 100.0 * static_cast<double>(packBytes) / pictures);
    start = Now();
    const FileReadOutcome first = OpenPackFile(pack);
    const double firstMs = Now() - start;
    start = Now();
    const FileReadOutcome again = OpenPackFile(pack);
    const double againMs = Now() - start;
    printf("  opened in %.0f ms, unpacking it (goal under 1000 ms)%s; again from its folder in %.0f ms%s;\n"
           "  the same scene from its .rv4: %.0f ms\n",
           firstMs, first == FileReadOutcome::Whole ? "" : " [NOT OPENED]", againMs,
           again == FileReadOutcome::Whole ? "" : " [NOT OPENED]", plainMs);
    UseOwnFileFolders(real);
}

}  // namespace

int main(int argc, char** argv)
{
    if (!StartApplication(GetModuleHandleA(nullptr)))
        return 1;
    // The splash would keep the Form and the panel disabled for its five seconds.
    if (gApp.splash)
        SendMessageA(gApp.splash, WM_CLOSE, 0, 0);
    // "bench led" measures the live LED signs alone, "bench pack" the scene pack's figures.
    const std::string only = argc > 1 ? argv[1] : "";
    if (only == "led" || only == "pack") {
        if (only == "led")
            BenchLedPages();
        else
            BenchPack();
        DestroyWindow(gApp.form);
        return 0;
    }
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
    BenchLedPages();
    BenchClip();
    BenchSoundMixer();
    BenchStripMaker();
    BenchPack();
    DestroyWindow(gApp.form);
    return 0;
}
