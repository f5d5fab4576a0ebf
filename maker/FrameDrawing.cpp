#include "maker/FrameDrawing.h"

#include <algorithm>
#include <memory>

#include "maker/core/LedDots.h"

namespace rolva {

namespace {

COLORREF ToColorRef(Rgb colour)
{
    return RGB((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF);
}

void FillBox(HDC dc, const RECT& box, Rgb colour)
{
    // An opaque empty text fills with the background colour, without a brush to own.
    SetBkColor(dc, ToColorRef(colour));
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &box, "", 0, nullptr);
}

int TextWidth(HDC dc, HFONT font, std::string_view text)
{
    ScopedSelect select(dc, font);
    SIZE size{};
    GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
    return size.cx;
}

// The text in its box: at natural width when it fits. A wider text is drawn at natural width
// aside and narrowed into the box with StretchBlt, so it fills the box exactly on every system
// (a font's own narrowing comes in whole-pixel steps per character, far too coarse for a long
// name in a small frame). The clip and the stretch keep the ink in the box.
void DrawTextInBox(HDC dc, int top, std::string_view text, const TextPlace& place, COLORREF colour,
                   FontCache& fonts)
{
    if (!place.present)
        return;
    const int cell = place.box.Height();
    const int room = place.box.Width();
    RECT clip{place.box.left, top + place.box.top, place.box.right, top + place.box.bottom};
    HFONT font = fonts.Natural(cell);
    const int width = TextWidth(dc, font, text);
    const auto length = static_cast<UINT>(text.size());
    if (width <= room) {
        ScopedSelect select(dc, font);
        SetTextColor(dc, colour);
        const int x = place.box.left + (room - width) / 2;
        ExtTextOutA(dc, x, clip.top, ETO_CLIPPED, &clip, text.data(), length, nullptr);
        return;
    }
    // The glyphs in their colour on black, and white on black as the mask of where they are:
    // the box keeps what is under it where the mask is dark and takes the colour where it is lit.
    DibCanvas coloured(width, cell);
    DibCanvas mask(width, cell);
    if (!coloured.Valid() || !mask.Valid())
        return;
    const RECT whole{0, 0, width, cell};
    for (auto [canvas, ink] : {std::pair{&coloured, colour}, std::pair{&mask, RGB(255, 255, 255)}}) {
        HDC aside = canvas->Dc();
        SetBkColor(aside, RGB(0, 0, 0));
        ExtTextOutA(aside, 0, 0, ETO_OPAQUE, &whole, "", 0, nullptr);
        SetBkMode(aside, TRANSPARENT);
        SetTextAlign(aside, TA_TOP | TA_LEFT | TA_NOUPDATECP);
        SetTextColor(aside, ink);
        ScopedSelect select(aside, font);
        ExtTextOutA(aside, 0, 0, 0, nullptr, text.data(), length, nullptr);
    }
    const int previousMode = SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    constexpr DWORD kDestinationAndNotSource = 0x00220326;
    StretchBlt(dc, clip.left, clip.top, room, cell, mask.Dc(), 0, 0, width, cell, kDestinationAndNotSource);
    StretchBlt(dc, clip.left, clip.top, room, cell, coloured.Dc(), 0, 0, width, cell, SRCPAINT);
    SetStretchBltMode(dc, previousMode);
}

}  // namespace

DibCanvas::DibCanvas(int width, int height) : dc_(nullptr), width_(width), height_(height)
{
    if (width < 1 || height < 1 || !dc_.Get())
        return;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_.Reset(CreateDIBSection(dc_.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap_ || !bits)
        return;
    previous_ = SelectObject(dc_.Get(), bitmap_.Get());
    pixels_ = static_cast<std::uint32_t*>(bits);
}

DibCanvas::~DibCanvas()
{
    if (previous_)
        SelectObject(dc_.Get(), previous_);  // the bitmap leaves unselected, then goes
}

std::uint32_t* DibCanvas::Pixels() const
{
    GdiFlush();
    return pixels_;
}

HFONT FontCache::Make(int cellHeight, int charWidth) const
{
    LOGFONTA font{};
    font.lfHeight = cellHeight;  // positive: the whole character cell, so ink stays in the box
    font.lfWidth = charWidth;
    font.lfWeight = bold_ ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfOutPrecision = OUT_TT_PRECIS;
    font.lfQuality = ANTIALIASED_QUALITY;
    lstrcpynA(font.lfFaceName, face_.c_str(), LF_FACESIZE);
    return CreateFontIndirectA(&font);
}

HFONT FontCache::Natural(int cellHeight)
{
    FontHandle& font = natural_[cellHeight];
    if (!font)
        font.Reset(Make(cellHeight, 0));
    return font.Get();
}

int GdiTextMeasure::Width(std::string_view text, int cellHeight) const
{
    return TextWidth(dc_, fonts_.Natural(cellHeight), text);
}

void DrawFrame(HDC dc, int top, int width, int height, const FrameLine& frame, const MakerStyle& style,
               FontCache& fonts)
{
    FillBox(dc, RECT{0, top, width, top + height}, style.background);
    if (style.frameLine)
        FillBox(dc, RECT{0, top, width, top + 1}, style.text);
    const FrameLayout layout = LayOutFrame(frame, width, height, GdiTextMeasure(dc, fonts));
    if (layout.hasLabelBox) {
        const PixelBox& box = layout.labelBox;
        FillBox(dc, RECT{box.left, top + box.top, box.right, top + box.bottom}, LabelColourOf(style, frame.label));
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_TOP | TA_LEFT | TA_NOUPDATECP);
    const COLORREF text = ToColorRef(style.text);
    DrawTextInBox(dc, top, frame.label, layout.label, text, fonts);
    DrawTextInBox(dc, top, frame.main, layout.main, text, fonts);
    DrawTextInBox(dc, top, frame.sub, layout.sub, text, fonts);
}

void ApplyFrameLook(const DibCanvas& canvas, int top, int height, const MakerStyle& style)
{
    if (style.led == LedLook::None)
        return;
    std::uint32_t* rows = canvas.Pixels() + static_cast<std::size_t>(top) * canvas.Width();
    ApplyLedDots(rows, canvas.Width(), height, canvas.Width(), style.led, style.ledPitch);
}

std::unique_ptr<DibCanvas> DrawStrip(const std::vector<FrameLine>& frames, int width, int height,
                                     const MakerStyle& style)
{
    auto canvas = std::make_unique<DibCanvas>(width, static_cast<int>(frames.size()) * height);
    if (!canvas->Valid())
        return nullptr;
    FontCache fonts(style);
    for (std::size_t k = 0; k < frames.size(); ++k) {
        const int top = static_cast<int>(k) * height;
        DrawFrame(canvas->Dc(), top, width, height, frames[k], style, fonts);
        ApplyFrameLook(*canvas, top, height, style);
    }
    return canvas;
}

namespace {

int CALLBACK NoteFace(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM found)
{
    *reinterpret_cast<bool*>(found) = true;
    return 0;  // one is enough
}

}  // namespace

bool FontFaceInstalled(const std::string& face)
{
    if (face.empty() || face.size() >= LF_FACESIZE)
        return false;
    LOGFONTA wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(wanted.lfFaceName, face.c_str(), LF_FACESIZE);
    bool found = false;
    WindowDc screen(nullptr);
    EnumFontFamiliesExA(screen.Get(), &wanted, NoteFace, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

}  // namespace rolva
