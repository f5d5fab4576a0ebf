#include "clip/ClipScene.h"

#include "base/Dib32.h"
#include "base/SystemText.h"
#include "base/WindowRegistry.h"
#include "clip/core/FrameSequence.h"
#include "display/LedDotLook.h"
#include "display/LedSign.h"
#include "display/SignPainting.h"
#include "display/SignWindows.h"
#include "display/core/LedPages.h"
#include "display/core/NumericText.h"
#include "document/ScenePaths.h"
#include "document/SignDocument.h"
#include "panel/SignRequests.h"

namespace rolva {

namespace {

bool SignShown(int sign)
{
    const SignSlot& slot = gDocument.signs[sign];
    if (sign == 1 && slot.kind == static_cast<std::uint8_t>(SignKind::Hidden))
        return false;
    return SignVisible(sign) == 1;
}

// Whether the second sign's frame window lies above the first one's among the Form's children.
bool SecondSignOnTop()
{
    for (HWND w = GetWindow(SignFrameHandle(0), GW_HWNDPREV); w; w = GetWindow(w, GW_HWNDPREV)) {
        if (w == SignFrameHandle(1))
            return true;
    }
    return false;
}

}  // namespace

bool ClipScene::AddSign(int index, const ClipRequest& request, int left, int top)
{
    const SignSlot& slot = gDocument.signs[index];
    Sign sign;
    sign.index = index;
    sign.left = left;
    sign.top = top;
    sign.width = SignWidth(index);
    sign.height = SignHeight(index);
    sign.cornerRadius = slot.cornerRadius;
    sign.led = slot.kind == static_cast<std::uint8_t>(SignKind::Led);
    if (sign.width <= 0 || sign.height <= 0)
        return false;

    if (sign.led) {
        const std::string folder = ExistingScenePath(slot.picturePath);
        // Numbered as the sign numbers them: a frame's later pages are no frames.
        const std::vector<LedFrame> files = GroupLedPages(ListLedFolder(folder), IsSystemLeadByte);
        std::vector<std::int32_t> frames =
            request.everyFrame ? EveryFrameInTurn(static_cast<std::int32_t>(files.size())) : request.frames;
        LedMotion motion;
        motion.signWidth = sign.width;
        motion.pageMs = slot.liveLook.pageTimeMs;
        motion.pixelsPerSecond = slot.liveLook.scrollSpeed;
        // A frame with no file leaves the picture as it was, as a key press would: the one
        // before it, or the picture the sign shows now.
        constexpr std::int32_t kPictureNow = -1;
        sign.pages[kPictureNow] = {slot.pictureBitmap.Get()};
        std::int32_t previous = kPictureNow;
        for (std::int32_t& frame : frames) {
            if (!sign.pages.count(frame)) {
                const LedFrame* file = LedFrameAt(frame, files);
                if (!file) {
                    frame = previous;
                    continue;
                }
                std::vector<HBITMAP>& pages = sign.pages[frame];
                std::vector<std::int32_t>& widths = motion.pageWidths[frame];
                for (const std::string& page : file->pages) {
                    owned_.emplace_back(LoadLedPage(JoinFolderPath(folder, page, IsSystemLeadByte), slot.liveLook));
                    pages.push_back(owned_.back().Get());
                    widths.push_back(BitmapSize(pages.back()).cx);
                }
            }
            previous = frame;
        }
        sign.timeline = SignTimeline::Led(frames, request.holdMs, motion);
    } else {
        sign.strip = slot.pictureBitmap.Get();
        const std::vector<std::int32_t> frames =
            request.everyFrame ? EveryFrameInTurn(StripFrameCount(BitmapSize(sign.strip).cy, sign.height))
                               : request.frames;
        RollTiming timing;
        timing.frameHeight = sign.height;
        timing.speedMs = PanelRequest(index).speed;
        timing.intervalMs = PanelRequest(index).interval;
        sign.timeline = SignTimeline::Roll(frames, timing, request.holdMs);
    }
    signs_.push_back(std::move(sign));
    return true;
}

bool ClipScene::Prepare(const ClipRequest& request, std::string* problem)
{
    signs_.clear();
    owned_.clear();
    inside_.clear();
    wholeScene_ = request.subject == ClipSubject::WholeScene;
    if (wholeScene_) {
        RECT client{};
        GetClientRect(gApp.form, &client);
        width_ = client.right;
        height_ = client.bottom;
        const int order[2] = {SecondSignOnTop() ? 0 : 1, SecondSignOnTop() ? 1 : 0};
        for (int index : order) {
            if (SignShown(index))
                AddSign(index, request, SignLeft(index), SignTop(index));
        }
    } else {
        const int index = request.subject == ClipSubject::FirstSign ? 0 : 1;
        if (!SignShown(index) || !AddSign(index, request, 0, 0)) {
            *problem = index == 0 ? "一つ目の表示器は表示されていません。" : "二つ目の表示器は表示されていません。";
            return false;
        }
        width_ = signs_.front().width;
        height_ = signs_.front().height;
    }
    if (width_ <= 0 || height_ <= 0) {
        *problem = "記録する画面の大きさが 0 です。";
        return false;
    }

    canvas_.Reset(CreateDib32(width_, height_, &pixels_));
    if (!canvas_ || !pixels_) {
        *problem = "描画用のメモリが足りません。";
        return false;
    }

    if (!wholeScene_) {
        // The sign's shape: paint its region black on white and keep where it is black.
        {
            WindowDc screen(nullptr);
            MemoryDc memory(screen.Get());
            ScopedSelect select(memory.Get(), canvas_.Get());
            const RECT all{0, 0, width_, height_};
            FillRect(memory.Get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));  // stock
            RegionHandle region(CreateSignRegion(width_, height_, signs_.front().cornerRadius));
            FillRgn(memory.Get(), region.Get(), static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));  // stock
            GdiFlush();
        }
        inside_.resize(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_));
        for (std::size_t i = 0; i < inside_.size(); ++i)
            inside_[i] = (pixels_[i] & 0xFFFFFF) == 0 ? 1 : 0;
    }
    return true;
}

std::int64_t ClipScene::LengthMs() const
{
    std::int64_t length = 0;
    for (const Sign& sign : signs_)
        length = std::max(length, sign.timeline.LengthMs());
    return length;
}

std::vector<PlacedTimeline> ClipScene::PlacedTimelines() const
{
    std::vector<PlacedTimeline> placed;
    for (const Sign& sign : signs_)
        placed.push_back(PlacedTimeline{&sign.timeline, PixelRect{sign.left, sign.top, sign.width, sign.height}});
    return placed;
}

void ClipScene::PaintSignAt(HDC dc, const Sign& sign, std::int64_t ms) const
{
    const SignPose pose = sign.timeline.PoseAt(ms);
    if (sign.led) {
        HBITMAP picture = nullptr;
        const auto frame = sign.pages.find(pose.frame);
        if (frame != sign.pages.end() && static_cast<std::size_t>(pose.page) < frame->second.size())
            picture = frame->second[static_cast<std::size_t>(pose.page)];
        PaintSign(dc, sign.left, sign.top, sign.width, sign.height, sign.cornerRadius, picture, pose.x, 0);
    } else {
        PaintSign(dc, sign.left, sign.top, sign.width, sign.height, sign.cornerRadius, sign.strip, 0, pose.offset);
    }
}

const std::uint32_t* ClipScene::DrawAt(std::int64_t ms)
{
    WindowDc screen(nullptr);
    MemoryDc memory(screen.Get());
    ScopedSelect select(memory.Get(), canvas_.Get());
    if (wholeScene_) {
        const RECT all{0, 0, width_, height_};
        FillRect(memory.Get(), &all, gApp.buttonFace);
        DrawFormBackground(memory.Get());
    }
    for (const Sign& sign : signs_)
        PaintSignAt(memory.Get(), sign, ms);
    GdiFlush();
    return pixels_;
}

}  // namespace rolva
