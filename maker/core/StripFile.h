// What the strip maker writes: the limits a strip keeps to, and the 24-bit BMP file of a
// picture held as 0x00RRGGBB values, top row first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace rolva {

// The largest side of one frame, and the most pixels a strip may hold: signs show strips of any
// depth, but a 32-bit program holds a picture in one piece of its address space, and 2^25
// pixels (128 MB as 32-bit pixels, 999 frames of 200 x 168) still loads where memory is split.
constexpr int kMaxFrameSide = 32767;
constexpr long long kMaxStripPixels = 1LL << 25;

enum class StripCheck { Ok, NoFrames, TooManyFrames, TooDeep, BadSize };

// Whether a roll strip of frames frames of width x height can be written (TooDeep: more than
// kMaxStripPixels in all).
StripCheck CheckStrip(std::size_t frames, int width, int height);

// Whether an LED folder of frames pictures of width x height can be written (no depth limit).
StripCheck CheckLedFrames(std::size_t frames, int width, int height);

// The whole file: BITMAPFILEHEADER, BITMAPINFOHEADER (24 bits, no compression), bottom-up rows
// padded to four bytes. Empty when the sizes are not positive or the file would pass 2 GB.
std::vector<std::uint8_t> EncodeBmp24(const std::uint32_t* pixels, int width, int height, int stride);

// "001.bmp" for frame 0, up to "999.bmp": names that sort in frame order in an LED folder.
std::string LedFrameFileName(std::size_t frame);

// Page page of frame frame: its frame's file for page 1, "005+2.bmp" for page 2 of frame 4, the
// name by which an LED-style sign takes a picture for a page of that frame.
std::string LedPageFileName(std::size_t frame, std::size_t page);

// Whether name is a further page as LedPageFileName writes it: three digits, '+', 2 to 99, ".bmp"
// in any case. Such a file in a folder the maker writes belongs to the maker's frames.
bool IsLedPageFileName(const std::string& name);

}  // namespace rolva
