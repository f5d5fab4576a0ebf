// Draws the strip maker's frames with GDI: one frame at a time into any DC at a given row, so
// the written strip, the LED pictures and the live preview all come from the same code. The
// text is measured with the style's font and narrowed into its box when too wide; the layout comes from the core.
// Texts are drawn and measured from their UTF-16 form (read as Shift-JIS on every system): the
// ANSI calls would read them in the code page of the font's character set, 1252 for a Western
// face, and only the wide calls get a face the Japanese glyphs it lacks from its linked fonts.
#pragma once

#include <windows.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/Handles.h"
#include "base/core/Progress.h"
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

// What the texts of the frames need across a drawing session, each made once: the style's
// fonts at natural width (one per cell height), the UTF-16 form and the natural width of every
// text, and the condensed texts drawn at natural width, ready to be narrowed into their boxes.
class TextCache {
public:
    explicit TextCache(const MakerStyle& style);
    HFONT Natural(int cellHeight);
    const std::wstring& Wide(std::string_view text);
    int Width(HDC dc, std::string_view text, int cellHeight);

    // A text at natural width on a canvas of its own: the glyphs in their colour on black
    // from row top, and white on black, the mask of where they are, from row maskTop. For
    // white glyphs the two are the same picture and maskTop == top. Each text has a canvas
    // exactly as wide as itself: the halftone stretch depends on what surrounds its source.
    struct Inked {
        std::shared_ptr<DibCanvas> canvas;
        int top = 0;
        int maskTop = 0;
    };
    // The inked text of that width and cell height, drawn the first time it is asked for;
    // nothing when no canvas can be made.
    const Inked* Ink(std::string_view text, int cellHeight, int width, COLORREF colour);

private:
    // The inked texts kept at most, in pixels; beyond, the drawn ones are forgotten.
    static constexpr long long kMostInkedPixels = 4 * 1024 * 1024;

    std::wstring face_;
    bool bold_;
    std::map<int, FontHandle> natural_;
    std::map<std::string, std::wstring, std::less<>> wide_;
    std::map<int, std::map<std::string, int, std::less<>>> widths_;  // by cell height, then text
    using InkKey = std::pair<int, COLORREF>;                           // cell height, colour
    std::map<InkKey, std::map<std::string, Inked, std::less<>>> inked_;
    long long inkedPixels_ = 0;
};

// The text measure of the layout, through the cache in dc.
class GdiTextMeasure : public TextMeasure {
public:
    GdiTextMeasure(HDC dc, TextCache& texts) : dc_(dc), texts_(texts) {}
    int Width(std::string_view text, int cellHeight) const override { return texts_.Width(dc_, text, cellHeight); }

private:
    HDC dc_;
    TextCache& texts_;
};

// Draws frame in the rows top .. top + height - 1 of dc: background, frame line, label box and
// texts, each text clipped to its box. The LED look is not applied here (see ApplyFrameLook).
void DrawFrame(HDC dc, int top, int width, int height, const FrameLine& frame, const MakerStyle& style,
               TextCache& texts);

// The LED look of the style on the rows top .. top + height - 1 of a canvas.
void ApplyFrameLook(const DibCanvas& canvas, int top, int height, const MakerStyle& style);

// Every frame one under the other into a canvas as wide as the sign and frames·height deep:
// the roll strip. progress hears of each frame drawn; false when it said stop.
bool DrawStrip(const DibCanvas& canvas, const std::vector<FrameLine>& frames, int height, const MakerStyle& style,
               Progress& progress);

// Whether a font face of that name is installed.
bool FontFaceInstalled(const std::string& face);

// The face itself when installed; otherwise the first installed face that can draw Japanese
// (not a vertical one), otherwise the face of the system's message font.
std::string InstalledFaceFor(const std::string& face);

// The check FontFaceInstalled and InstalledFaceFor make, replaceable so that a test can take a
// face away; nullptr puts the system's own back.
using FaceCheck = bool (*)(const std::string& face);
void SetFaceCheck(FaceCheck check);

// The system's own check: whether a face of that name is installed.
bool SystemFaceInstalled(const std::string& face);

}  // namespace rolva
