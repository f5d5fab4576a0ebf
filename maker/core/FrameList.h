// The strip maker's frame list: one frame per line, frame 0 first. A line holds up to three
// fields separated by a tab, '|' or the full-width '｜': the destination, an optional smaller second line, and an
// optional type label drawn in a box at the left. Text is in the system code page, so the fields
// are split by character with its lead-byte test: in Shift-JIS the trail byte of a double-byte
// character may be 0x7C ('|', as in "ポ") or 0x5C.
//
// A frame of an LED-style sign can have further pages, shown one after another: a line whose
// first field is a lone '+' ("+|大宮|Omiya") is the next page of the frame above it, its own
// fields after the '+'. Every older list means what it meant: a lone '+' as a destination drew
// nothing a sign shows, and a '+' on the first line, with no frame above, is still a frame. A
// '+' with more text in its field ("+大宮"), and the full-width '＋', stay destinations.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "base/core/PathText.h"

namespace rolva {

// The most frames a list may hold: a sign's frame numbers go up to 999.
constexpr std::size_t kMaxMakerFrames = 999;

// The longest field the list is made for, in characters: far more than a frame can show.
constexpr std::size_t kMaxFrameFieldChars = 100;
// The most bytes such a line takes: three fields of double-byte characters, two full-width
// separators and a CR LF.
constexpr std::size_t kMaxFrameLineBytes = 3 * kMaxFrameFieldChars * 2 + 2 * 2 + 2;
// The text of a full list of the longest lines: what the maker's list must hold.
constexpr std::size_t kMaxFrameListBytes = kMaxMakerFrames * kMaxFrameLineBytes;

struct FrameLine {
    std::string main;   // the destination, drawn as large as the frame allows
    std::string sub;    // a smaller second line under it (a romanised name, say)
    std::string label;  // a type label in a box at the left (快速, 回送, a route number)
    bool Blank() const { return main.empty() && sub.empty() && label.empty(); }
};

// The most pages of one frame, its own first: the folder names them up to "NNN+99.bmp".
constexpr std::size_t kMaxFramePages = 99;

// What a page line's first field holds.
constexpr std::string_view kPageMarker = "+";

struct FrameList {
    std::vector<FrameLine> frames;  // never more than kMaxMakerFrames
    // morePages[n]: frame n's pages after its own (page 2 on), as many entries as frames, each
    // holding fewer than kMaxFramePages.
    std::vector<std::vector<FrameLine>> morePages;
    std::size_t lineCount = 0;      // the frames the text asked for, which may be more; pages not counted
    bool TooMany() const { return lineCount > kMaxMakerFrames; }
    std::size_t MorePageCount() const;  // the further pages of all frames
};

// The full-width bar U+FF5C (what a Japanese input method types for '|') in Shift-JIS.
constexpr std::string_view kShiftJisWideBar = "\x81\x62";

// Splits the text at CR LF, LF or CR; one newline ending the text ends the last line and adds
// no frame of its own. Fields are separated by '|', a tab, or wideBar (the full-width bar in the
// text's code page; empty where the code page has none, since its bytes may be another
// character there). Fields lose the blanks around them; an empty line is a blank frame. A page
// line (see above) joins the frame above; more than kMaxFramePages pages of a frame are left out.
FrameList ParseFrameList(std::string_view text, LeadByteTest isLeadByte,
                         std::string_view wideBar = kShiftJisWideBar);

// The line of one frame as the list writes it: "main|sub|label" without trailing empty fields.
std::string FormatFrameLine(const FrameLine& frame);

}  // namespace rolva
