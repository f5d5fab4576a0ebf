// The frames of an LED-style sign with their pages. A picture named like its frame's file with
// "+N" at the end of the stem ("005+2.bmp" beside "005.bmp") is page N of that frame, shown
// after the pages before it. A folder without such names keeps one page a frame, so its frame
// numbers stay those of the plain sorted list.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "base/core/PathText.h"

namespace rolva {

struct LedFrame {
    std::vector<std::string> pages;  // file names, the frame's own file first; never empty
};

// The frames of sortedFiles (SortLedFiles's output, which puts a frame's file before its
// pages; in another order a page listed before its frame stays a frame), frame n being the
// (n+1)-th:
// - A name whose stem (the text before its last '.', or the whole name without one) ends in
//   "+N", N from 2 to 99 written without a leading zero, is page N of the frame whose stem is
//   the text before "+N", compared without regard to ASCII case, whatever either extension.
//   Stems are read character by character, so a Shift-JIS trail byte never counts as '+' or '.'.
// - Such a page leaves the list of frames and joins the first frame in sorted order with that
//   stem. With no such frame it stays a frame of its own at its place, so "a+2+3.bmp" is a frame
//   when "a+2.bmp" is a page of "a.bmp", and a page of "a+2.bmp" when there is no "a.bmp".
// - A frame's pages follow its own file in the order of N; pages of the same N keep the order
//   of sortedFiles.
std::vector<LedFrame> GroupLedPages(const std::vector<std::string>& sortedFiles, LeadByteTest isLeadByte);

// Frame number frame of frames, or nullptr when frame is negative or past the last one.
const LedFrame* LedFrameAt(std::int32_t frame, const std::vector<LedFrame>& frames);

}  // namespace rolva
