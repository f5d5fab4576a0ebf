#include "maker/FrameDrawing.h"

#include <algorithm>
#include <memory>
#include <vector>

#include "base/Dib32.h"
#include "base/SystemText.h"
#include "maker/core/FaceChoice.h"
#include "maker/core/LedDots.h"

namespace rolva {

namespace {

COLORREF ToColorRef(Rgb colour)
{
    return RGB((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF);
}

void FillBox(HDC dc, const RECT& box, Rgb colour)
{
    // The stock brush of the DC's own colour: no brush to own, and a plain fill is cheaper than
    // an opaque empty text.
    ScopedSelect select(dc, GetStockObject(DC_BRUSH));
    SetDCBrushColor(dc, ToColorRef(colour));
    PatBlt(dc, box.left, box.top, box.right - box.left, box.bottom - box.top, PATCOPY);
}

// The text in its box: at natural width when it fits. A wider text is drawn at natural width
// aside and narrowed into the box with StretchBlt, so it fills the box exactly on every system
// (a font's own narrowing comes in whole-pixel steps per character, far too coarse for a long
// name in a small frame). The clip and the stretch keep the ink in the box.
void DrawTextInBox(HDC dc, int top, std::string_view text, const TextPlace& place, COLORREF colour,
                   TextCache& texts)
{
    if (!place.present)
        return;
    const int cell = place.box.Height();
    const int room = place.box.Width();
    RECT clip{place.box.left, top + place.box.top, place.box.right, top + place.box.bottom};
    const int width = texts.Width(dc, text, cell);
    if (width <= room) {
        const std::wstring& wide = texts.Wide(text);
        ScopedSelect select(dc, texts.Natural(cell));
        SetTextColor(dc, colour);
        const int x = place.box.left + (room - width) / 2;
        ExtTextOutW(dc, x, clip.top, ETO_CLIPPED, &clip, wide.data(), static_cast<UINT>(wide.size()), nullptr);
        return;
    }
    // The box keeps what is under it where the mask is dark and takes the colour where it is
    // lit. With white glyphs the colour is the mask, and (under AND NOT mask) OR mask is
    // under OR mask: one stretch does it.
    const TextCache::Inked* ink = texts.Ink(text, cell, width, colour);
    if (!ink)
        return;
    HDC sheet = ink->canvas->Dc();
    const int previousMode = SetStretchBltMode(dc, HALFTONE);
    SetBrushOrgEx(dc, 0, 0, nullptr);
    if (ink->maskTop != ink->top) {
        constexpr DWORD kDestinationAndNotSource = 0x00220326;
        StretchBlt(dc, clip.left, clip.top, room, cell, sheet, 0, ink->maskTop, width, cell,
                   kDestinationAndNotSource);
    }
    StretchBlt(dc, clip.left, clip.top, room, cell, sheet, 0, ink->top, width, cell, SRCPAINT);
    SetStretchBltMode(dc, previousMode);
}

}  // namespace

DibCanvas::DibCanvas(int width, int height) : dc_(nullptr), width_(width), height_(height)
{
    if (width < 1 || height < 1 || !dc_.Get())
        return;
    std::uint32_t* pixels = nullptr;
    bitmap_.Reset(CreateDib32(width, height, &pixels));
    if (!bitmap_ || !pixels)
        return;
    previous_ = SelectObject(dc_.Get(), bitmap_.Get());
    pixels_ = pixels;
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

TextCache::TextCache(const MakerStyle& style) : face_(WideText(style.face, kShiftJisCodePage)), bold_(style.bold) {}

HFONT TextCache::Natural(int cellHeight)
{
    FontHandle& font = natural_[cellHeight];
    if (!font) {
        LOGFONTW wanted{};
        wanted.lfHeight = cellHeight;  // positive: the whole character cell, so ink stays in the box
        wanted.lfWeight = bold_ ? FW_BOLD : FW_NORMAL;
        // Not the Japanese set: the mapper weighs a character set above the name and would
        // give a Western face's Latin letters to a Japanese face. With the default set the
        // face asked for is taken, and the Japanese it lacks comes from its linked fonts.
        wanted.lfCharSet = DEFAULT_CHARSET;
        wanted.lfOutPrecision = OUT_TT_PRECIS;
        wanted.lfQuality = ANTIALIASED_QUALITY;
        lstrcpynW(wanted.lfFaceName, face_.c_str(), LF_FACESIZE);
        font.Reset(CreateFontIndirectW(&wanted));
    }
    return font.Get();
}

const std::wstring& TextCache::Wide(std::string_view text)
{
    if (const auto known = wide_.find(text); known != wide_.end())
        return known->second;
    return wide_.emplace(std::string(text), WideText(text, kShiftJisCodePage)).first->second;
}

int TextCache::Width(HDC dc, std::string_view text, int cellHeight)
{
    auto& widths = widths_[cellHeight];
    if (const auto known = widths.find(text); known != widths.end())
        return known->second;
    const std::wstring& wide = Wide(text);
    ScopedSelect select(dc, Natural(cellHeight));
    SIZE size{};
    GetTextExtentPoint32W(dc, wide.data(), static_cast<int>(wide.size()), &size);
    widths.emplace(std::string(text), size.cx);
    return size.cx;
}

namespace {

// The text on black at the left of a canvas as wide as itself, from row top.
void DrawInk(const DibCanvas& canvas, const std::wstring& text, HFONT font, int top, int cellHeight, COLORREF ink)
{
    HDC dc = canvas.Dc();
    const RECT box{0, top, canvas.Width(), top + cellHeight};
    SetBkColor(dc, RGB(0, 0, 0));
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &box, "", 0, nullptr);
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_TOP | TA_LEFT | TA_NOUPDATECP);
    SetTextColor(dc, ink);
    ScopedSelect select(dc, font);
    ExtTextOutW(dc, 0, top, ETO_CLIPPED, &box, text.data(), static_cast<UINT>(text.size()), nullptr);
}

}  // namespace

const TextCache::Inked* TextCache::Ink(std::string_view text, int cellHeight, int width, COLORREF colour)
{
    auto& inked = inked_[InkKey{cellHeight, colour}];
    if (const auto known = inked.find(text); known != inked.end())
        return &known->second;
    const COLORREF white = RGB(255, 255, 255);
    const bool separateMask = colour != white;
    const int height = separateMask ? 2 * cellHeight : cellHeight;
    const long long pixels = static_cast<long long>(width) * height;
    if (inkedPixels_ + pixels > kMostInkedPixels) {
        inked_.clear();
        inkedPixels_ = 0;
    }
    auto canvas = std::make_shared<DibCanvas>(width, height);
    if (!canvas->Valid())
        return nullptr;
    HFONT font = Natural(cellHeight);
    const std::wstring& wide = Wide(text);
    DrawInk(*canvas, wide, font, 0, cellHeight, colour);
    if (separateMask)
        DrawInk(*canvas, wide, font, cellHeight, cellHeight, white);
    inkedPixels_ += pixels;
    Inked placed{canvas, 0, separateMask ? cellHeight : 0};
    return &inked_[InkKey{cellHeight, colour}].emplace(std::string(text), std::move(placed)).first->second;
}

void DrawFrame(HDC dc, int top, int width, int height, const FrameLine& frame, const MakerStyle& style,
               TextCache& texts)
{
    FillBox(dc, RECT{0, top, width, top + height}, style.background);
    if (style.frameLine)
        FillBox(dc, RECT{0, top, width, top + 1}, style.text);
    const FrameLayout layout = LayOutFrame(frame, width, height, GdiTextMeasure(dc, texts));
    if (layout.hasLabelBox) {
        const PixelBox& box = layout.labelBox;
        FillBox(dc, RECT{box.left, top + box.top, box.right, top + box.bottom}, LabelColourOf(style, frame.label));
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_TOP | TA_LEFT | TA_NOUPDATECP);
    const COLORREF text = ToColorRef(style.text);
    DrawTextInBox(dc, top, frame.label, layout.label, text, texts);
    DrawTextInBox(dc, top, frame.main, layout.main, text, texts);
    DrawTextInBox(dc, top, frame.sub, layout.sub, text, texts);
}

void ApplyFrameLook(const DibCanvas& canvas, int top, int height, const MakerStyle& style)
{
    if (style.led == LedLook::None)
        return;
    std::uint32_t* rows = canvas.Pixels() + static_cast<std::size_t>(top) * canvas.Width();
    ApplyLedDots(rows, canvas.Width(), height, canvas.Width(), style.led, style.ledPitch);
}

bool DrawStrip(const DibCanvas& canvas, const std::vector<FrameLine>& frames, int height, const MakerStyle& style,
               Progress& progress)
{
    const auto total = static_cast<std::int64_t>(frames.size());
    TextCache texts(style);
    for (std::size_t k = 0; k < frames.size(); ++k) {
        if (!progress.Continue(static_cast<std::int64_t>(k), total))
            return false;
        const int top = static_cast<int>(k) * height;
        DrawFrame(canvas.Dc(), top, canvas.Width(), height, frames[k], style, texts);
        ApplyFrameLook(canvas, top, height, style);
    }
    return progress.Continue(total, total);
}

namespace {

int CALLBACK NoteFace(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM found)
{
    *reinterpret_cast<bool*>(found) = true;
    return 0;  // one is enough
}

int CALLBACK AddInstalledFace(const LOGFONTA* font, const TEXTMETRICA*, DWORD type, LPARAM list)
{
    // Raster faces ("System", "Terminal") carry the Japanese set too but do not scale to a sign.
    if ((type & TRUETYPE_FONTTYPE) == 0)
        return 1;
    reinterpret_cast<std::vector<InstalledFace>*>(list)->push_back({font->lfFaceName, font->lfCharSet});
    return 1;
}

// Every face with each character set it covers, in the system's order.
std::vector<InstalledFace> InstalledFaces()
{
    std::vector<InstalledFace> faces;
    LOGFONTA all{};
    all.lfCharSet = DEFAULT_CHARSET;
    WindowDc screen(nullptr);
    EnumFontFamiliesExA(screen.Get(), &all, AddInstalledFace, reinterpret_cast<LPARAM>(&faces), 0);
    return faces;
}

std::string MessageFontFace()
{
    // Built for the oldest systems, the structure has no field they would refuse.
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0))
        return {};
    return metrics.lfMessageFont.lfFaceName;
}

}  // namespace

bool SystemFaceInstalled(const std::string& face)
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

namespace {

FaceCheck gFaceCheck = SystemFaceInstalled;

}  // namespace

bool FontFaceInstalled(const std::string& face) { return gFaceCheck(face); }

void SetFaceCheck(FaceCheck check) { gFaceCheck = check ? check : SystemFaceInstalled; }

std::string InstalledFaceFor(const std::string& face)
{
    if (FontFaceInstalled(face))
        return face;
    // Only the faces the rule picks are checked, one after another: a system lists a thousand
    // faces and more, and each check is an enumeration of its own.
    std::vector<InstalledFace> faces = InstalledFaces();
    for (std::string pick; !(pick = ReplacementFace(faces, "")).empty();) {
        if (FontFaceInstalled(pick))
            return pick;
        faces.erase(std::remove_if(faces.begin(), faces.end(),
                                   [&pick](const InstalledFace& listed) { return listed.name == pick; }),
                    faces.end());
    }
    return MessageFontFace();
}

}  // namespace rolva
