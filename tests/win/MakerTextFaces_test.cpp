// The strip maker's texts in any face: Japanese in a Western face comes out as the Japanese
// characters the system lends that face, never as the list's bytes read in the face's own
// Western code page, and the text is centred by the width of what is drawn.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "base/Handles.h"
#include "maker/FrameDrawing.h"
#include "maker/core/FrameLayout.h"
#include "maker/core/FrameList.h"
#include "maker/core/MakerStyle.h"

namespace rolva {
namespace {

constexpr int kWidth = 160;
constexpr int kHeight = 40;
const char kStation[] = "東京駅";
const wchar_t kWideStation[] = L"\u6771\u4eac\u99c5";

// Where the ink of a canvas lies, inclusive; empty when it is all black.
struct InkBox {
    int left = 1 << 30, top = 1 << 30, right = -1, bottom = -1;
    bool Empty() const { return right < 0; }
    int Width() const { return right - left + 1; }
    int Height() const { return bottom - top + 1; }
};

std::uint32_t PixelAt(const DibCanvas& canvas, int x, int y)
{
    return canvas.Pixels()[static_cast<std::size_t>(y) * canvas.Width() + x] & 0xFFFFFFu;
}

InkBox InkOf(const DibCanvas& canvas)
{
    InkBox ink;
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x)
            if (PixelAt(canvas, x, y) != 0) {
                ink.left = std::min(ink.left, x);
                ink.right = std::max(ink.right, x);
                ink.top = std::min(ink.top, y);
                ink.bottom = std::max(ink.bottom, y);
            }
    return ink;
}

// Whether the two inks are the same picture, wherever each lies on its canvas.
testing::AssertionResult SameInk(const DibCanvas& drawn, const InkBox& drawnInk, const DibCanvas& expected,
                                 const InkBox& expectedInk)
{
    if (drawnInk.Width() != expectedInk.Width() || drawnInk.Height() != expectedInk.Height())
        return testing::AssertionFailure() << "ink " << drawnInk.Width() << " x " << drawnInk.Height()
                                           << ", expected " << expectedInk.Width() << " x " << expectedInk.Height();
    int differing = 0;
    for (int y = 0; y < drawnInk.Height(); ++y)
        for (int x = 0; x < drawnInk.Width(); ++x)
            differing += PixelAt(drawn, drawnInk.left + x, drawnInk.top + y) !=
                         PixelAt(expected, expectedInk.left + x, expectedInk.top + y);
    if (differing != 0)
        return testing::AssertionFailure() << differing << " pixels of the ink differ";
    return testing::AssertionSuccess();
}

// The character sets a face is listed with.
int CALLBACK NoteCharset(const LOGFONTA* font, const TEXTMETRICA*, DWORD type, LPARAM sets)
{
    if (type & TRUETYPE_FONTTYPE)
        reinterpret_cast<std::vector<int>*>(sets)->push_back(font->lfCharSet);
    return 1;
}

std::vector<int> CharsetsOf(const char* face)
{
    LOGFONTA wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(wanted.lfFaceName, face, LF_FACESIZE);
    std::vector<int> sets;
    const WindowDc screen(nullptr);
    EnumFontFamiliesExA(screen.Get(), &wanted, NoteCharset, reinterpret_cast<LPARAM>(&sets), 0);
    return sets;
}

bool IsWesternFace(const char* face)
{
    const std::vector<int> sets = CharsetsOf(face);
    return face[0] != '@' && std::count(sets.begin(), sets.end(), ANSI_CHARSET) > 0 &&
           std::count(sets.begin(), sets.end(), SHIFTJIS_CHARSET) == 0;
}

int CALLBACK AddFaceName(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM faces)
{
    reinterpret_cast<std::vector<std::string>*>(faces)->push_back(font->lfFaceName);
    return 1;
}

// A TrueType face for Western text only: Arial, as on every Windows, or a plain face of its
// kind where it is missing (Wine has no Arial of its own); otherwise whichever the system lists.
std::string WesternFace()
{
    for (const char* face : {"Arial", "Segoe UI", "Tahoma", "DejaVu Sans", "Liberation Sans"})
        if (IsWesternFace(face))
            return face;
    LOGFONTA all{};
    all.lfCharSet = DEFAULT_CHARSET;
    std::vector<std::string> faces;
    const WindowDc screen(nullptr);
    EnumFontFamiliesExA(screen.Get(), &all, AddFaceName, reinterpret_cast<LPARAM>(&faces), 0);
    for (const std::string& face : faces)
        if (IsWesternFace(face.c_str()))
            return face;
    return {};
}

// The station as the system draws it from its characters: white on black in the maker's font
// of that face and cell height, at the left of a canvas of its own.
std::unique_ptr<DibCanvas> DrawnFromCharacters(const std::string& face, int cellHeight, bool bold)
{
    auto canvas = std::make_unique<DibCanvas>(kWidth, kHeight);
    LOGFONTW wanted{};
    wanted.lfHeight = cellHeight;
    wanted.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    wanted.lfCharSet = DEFAULT_CHARSET;
    wanted.lfOutPrecision = OUT_TT_PRECIS;
    wanted.lfQuality = ANTIALIASED_QUALITY;
    MultiByteToWideChar(932, 0, face.c_str(), -1, wanted.lfFaceName, LF_FACESIZE);
    const FontHandle font(CreateFontIndirectW(&wanted));
    ScopedSelect select(canvas->Dc(), font.Get());
    SetBkMode(canvas->Dc(), TRANSPARENT);
    SetTextColor(canvas->Dc(), RGB(255, 255, 255));
    ExtTextOutW(canvas->Dc(), 0, 0, 0, nullptr, kWideStation, 3, nullptr);
    return canvas;
}

// The box of a frame's destination alone, for a text of that natural width.
PixelBox MainBox(const FrameLine& frame, int naturalWidth)
{
    struct FixedWidth : TextMeasure {
        explicit FixedWidth(int width) : width(width) {}
        int Width(std::string_view, int) const override { return width; }
        int width;
    };
    return LayOutFrame(frame, kWidth, kHeight, FixedWidth(naturalWidth)).main.box;
}

struct FaceCase {
    std::string what;
    std::string face;
};

// A face without Japanese glyphs beside the Japanese face the maker starts with.
std::vector<FaceCase> FacesToTry()
{
    const std::string western = WesternFace();
    EXPECT_FALSE(western.empty()) << "no TrueType face for Western text only is installed";
    return {{"a Western face", western}, {"the default Japanese face", InstalledFaceFor(kDefaultFace)}};
}

std::unique_ptr<DibCanvas> DrawnByTheMaker(const std::string& text, const std::string& face)
{
    MakerStyle style = DefaultMakerStyle();
    style.face = face;
    auto canvas = std::make_unique<DibCanvas>(kWidth, kHeight);
    test::ProgressLog progress;
    DrawStrip(*canvas, {FrameLine{text, "", ""}}, kHeight, style, progress);
    return canvas;
}

TEST(MakerTextFaces, JapaneseIsDrawnAsItsCharactersInAWesternFaceAsInAJapaneseOne)
{
    const int cell = MainBox(FrameLine{kStation, "", ""}, 1).Height();
    for (const FaceCase& c : FacesToTry()) {
        SCOPED_TRACE(c.what + ": " + c.face);
        const auto strip = DrawnByTheMaker(kStation, c.face);
        ASSERT_TRUE(strip);
        const InkBox ink = InkOf(*strip);
        ASSERT_FALSE(ink.Empty());
        const auto expected = DrawnFromCharacters(c.face, cell, DefaultMakerStyle().bold);
        const InkBox expectedInk = InkOf(*expected);
        ASSERT_FALSE(expectedInk.Empty());
        EXPECT_TRUE(SameInk(*strip, ink, *expected, expectedInk));
        // Three full-width characters: not six narrow ones of the bytes read as Western
        // letters, and not three narrow empty boxes where the face has no glyph.
        EXPECT_GE(ink.Width(), 2 * cell);
        EXPECT_LE(ink.Width(), 3 * cell);
        // Centred by the width of what is drawn.
        EXPECT_LE(std::abs(ink.left - (kWidth - 1 - ink.right)), cell / 8)
            << "ink from " << ink.left << " to " << ink.right;
    }
}

// A name too long for the frame is drawn at natural width aside and narrowed into its box:
// the same characters, as tall as when they fit, filling the box from edge to edge.
TEST(MakerTextFaces, ALongJapaneseNameInAWesternFaceIsItsCharactersNarrowedIntoTheFrame)
{
    const std::string longName = std::string(kStation) + kStation + kStation + kStation;
    const PixelBox box = MainBox(FrameLine{longName, "", ""}, 10 * kWidth);
    for (const FaceCase& c : FacesToTry()) {
        SCOPED_TRACE(c.what + ": " + c.face);
        const auto narrowed = DrawnByTheMaker(longName, c.face);
        ASSERT_TRUE(narrowed);
        const InkBox ink = InkOf(*narrowed);
        ASSERT_FALSE(ink.Empty());
        // The rows of its characters (the station's, four times), drawn from the top of the box.
        const InkBox rows = InkOf(*DrawnFromCharacters(c.face, box.Height(), DefaultMakerStyle().bold));
        ASSERT_FALSE(rows.Empty());
        EXPECT_LE(std::abs(ink.top - (box.top + rows.top)), 1) << "narrowed only sideways";
        EXPECT_LE(std::abs(ink.bottom - (box.top + rows.bottom)), 1);
        const int slack = box.Height() / 8;
        EXPECT_LE(ink.left, box.left + slack) << "from its box's left edge";
        EXPECT_GE(ink.right, box.right - 1 - slack) << "to its right edge";
    }
}

}  // namespace
}  // namespace rolva
