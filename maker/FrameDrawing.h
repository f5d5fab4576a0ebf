// Draws the strip maker's frames with GDI: one frame at a time into any DC at a given row, so
// the written strip, the LED pictures and the live preview all come from the same code. The
// text is measured with the style's font and narrowed into its box when too wide; the layout comes from the core.
#pragma once

#include <windows.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/Handles.h"
#include "maker/core/FrameLayout.h"
#include "maker/core/MakerStyle.h"

namespace rolva {

// A top-down 32-bit DIB section selected into a memory DC of its own; its pixels are
// 0x00RRGGBB values, width per row.
class DibCanvas {
public:
    DibCanvas(int width, int height);
    ~DibCanvas();
    DibCanvas(const DibCanvas&) = delete;
    DibCanvas& operator=(const DibCanvas&) = delete;

    bool Valid() const { return pixels_ != nullptr; }
    HDC Dc() const { return dc_.Get(); }
    // GDI's drawing is finished (GdiFlush) before the pixels are handed out.
    std::uint32_t* Pixels() const;
    int Width() const { return width_; }
    int Height() const { return height_; }

private:
    MemoryDc dc_;
    BitmapHandle bitmap_;
    HGDIOBJ previous_ = nullptr;
    std::uint32_t* pixels_ = nullptr;
    int width_;
    int height_;
};

// The style's fonts at natural width, one per cell height, kept for a drawing session.
class FontCache {
public:
    explicit FontCache(const MakerStyle& style) : face_(style.face), bold_(style.bold) {}
    HFONT Natural(int cellHeight);

private:
    HFONT Make(int cellHeight, int charWidth) const;
    std::string face_;
    bool bold_;
    std::map<int, FontHandle> natural_;
};

// The text measure of the layout, through the fonts of cache in dc.
class GdiTextMeasure : public TextMeasure {
public:
    GdiTextMeasure(HDC dc, FontCache& fonts) : dc_(dc), fonts_(fonts) {}
    int Width(std::string_view text, int cellHeight) const override;

private:
    HDC dc_;
    FontCache& fonts_;
};

// Draws frame in the rows top .. top + height - 1 of dc: background, frame line, label box and
// texts, each text clipped to its box. The LED look is not applied here (see ApplyFrameLook).
void DrawFrame(HDC dc, int top, int width, int height, const FrameLine& frame, const MakerStyle& style,
               FontCache& fonts);

// The LED look of the style on the rows top .. top + height - 1 of a canvas.
void ApplyFrameLook(const DibCanvas& canvas, int top, int height, const MakerStyle& style);

// Every frame one under the other into a canvas width x frames·height: the roll strip.
// Nothing when the canvas cannot be made.
std::unique_ptr<DibCanvas> DrawStrip(const std::vector<FrameLine>& frames, int width, int height,
                                     const MakerStyle& style);

// Whether a font face of that name is installed.
bool FontFaceInstalled(const std::string& face);

}  // namespace rolva
