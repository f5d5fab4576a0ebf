// How the strip maker draws: face, weight, colours, the label colours by label text, the frame
// line and the LED look. Saved with the frame list in a small text file beside the output, so a
// strip can be opened in the maker again and redrawn.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/core/PathText.h"

namespace rolva {

// Colours as 0xRRGGBB.
using Rgb = std::uint32_t;

struct LabelColour {
    std::string label;
    Rgb colour;
};

// The LED look: each block of pitch x pitch pixels drawn as one dot on black.
enum class LedLook : int { None = 0, RoundOrange, SquareOrange, RoundColour, SquareColour };
constexpr int kLedLookCount = 5;

struct MakerStyle {
    std::string face;  // the font's face name (Shift-JIS)
    bool bold = true;
    Rgb text = 0xFFFFFF;
    Rgb background = 0x000000;
    bool frameLine = false;  // a thin line on the top row of every frame, as in the manuscript
    LedLook led = LedLook::None;
    int ledPitch = 3;  // pixels per dot
    std::vector<LabelColour> labels;
    Rgb otherLabels = 0x505050;  // the box of a label the table does not name (a route number)
};

constexpr int kMinLedPitch = 2;
constexpr int kMaxLedPitch = 16;

// The Gothic face every Japanese Windows has; where it is missing, the maker takes another
// installed face that draws Japanese (see FaceChoice.h).
extern const char kDefaultFace[];

// White bold text on black, no frame line, no LED look, the usual label colours.
MakerStyle DefaultMakerStyle();

// The colour of the label's box: the table's entry for the label, or otherLabels.
Rgb LabelColourOf(const MakerStyle& style, std::string_view label);

// The label table as the dialog edits it, one "label=RRGGBB" per line; reading skips lines
// that do not have that form.
std::string FormatLabelTable(const std::vector<LabelColour>& labels);
std::vector<LabelColour> ParseLabelTable(std::string_view text);

// "RRGGBB" (hex digits, either case) and back.
std::optional<Rgb> ParseRgb(std::string_view text);
std::string FormatRgb(Rgb colour);

struct MakerDocument {
    MakerStyle style;
    std::string listText;  // the frame list as typed, lines ended by CR LF
};

// The saved file: a first line "RolvaStrip 1", "key=value" lines of the style, a line
// "frames", then the list. Decoding takes any bytes: nothing unless the first line is right;
// unknown keys and bad values are skipped and leave the defaults. The label table is saved
// after a line "labels=<count>", so an emptied table stays empty; a file without that line
// keeps the default table unless it has label lines of its own.
std::string EncodeMakerFile(const MakerDocument& document);
std::optional<MakerDocument> DecodeMakerFile(std::string_view bytes);

// The saved file of a strip ("x\y.bmp" gives "x\y.rvm") and of an LED folder (inside it,
// named after it: "x\y" gives "x\y\y.rvm").
std::string MakerFileOfStrip(std::string_view stripPath, LeadByteTest isLeadByte);
std::string MakerFileOfFolder(std::string_view folder, LeadByteTest isLeadByte);

}  // namespace rolva
