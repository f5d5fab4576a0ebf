// The blocks of a GIF file, read with a bounds check before every byte, and the finishing step
// of a clip: the encoder's frames get their delays, places, disposal and transparency in
// Graphic Control Extensions of our own, the file its loop extension (NETSCAPE2.0), and a frame
// that repeats the one before it is dropped with its delay added to that one. The Windows
// Imaging Component's GIF encoder writes the pictures, but not every version lets a program set
// the delays through its metadata (Wine's answers E_NOTIMPL), so the bytes are set here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace rolva {

struct GifImage {
    std::vector<std::uint8_t> extensions;  // other extensions before the image (comments...), kept whole
    bool hasControl = false;               // a Graphic Control Extension came before the image
    std::uint8_t controlFlags = 0;         // its packed byte: disposal << 2, transparency flag 1
    std::uint16_t delayCs = 0;
    std::uint8_t transparentIndex = 0;
    std::uint16_t left = 0, top = 0, width = 0, height = 0;
    std::uint8_t flags = 0;                // the image descriptor's packed byte
    std::vector<std::uint8_t> localTable;  // 3 bytes a colour, empty when none
    std::vector<std::uint8_t> data;        // LZW minimum code size, sub-blocks and their terminator
};

struct GifFile {
    std::uint16_t width = 0, height = 0;
    std::uint8_t flags = 0;  // the logical screen descriptor's packed byte
    std::uint8_t background = 0;
    std::uint8_t aspect = 0;
    std::vector<std::uint8_t> globalTable;
    std::optional<std::uint16_t> loopCount;  // from a NETSCAPE2.0 extension; 0 loops forever
    std::vector<GifImage> images;
    std::vector<std::uint8_t> extensionsAtEnd;  // extensions after the last image
};

// None for anything that is not a whole GIF: a wrong signature, a block running past the end,
// an unknown block, no trailer.
std::optional<GifFile> ParseGif(const std::uint8_t* bytes, std::size_t size);
// Always GIF89a; the loop extension (when loopCount is set) right after the global table.
std::vector<std::uint8_t> WriteGif(const GifFile& file);

struct GifFrameEdit {
    std::uint16_t delayCs = 0;
    std::uint16_t left = 0;  // where the encoder's picture goes on the clip's screen
    std::uint16_t top = 0;
};

struct GifEdit {
    std::vector<GifFrameEdit> frames;        // one for each image the encoder wrote, in order
    bool loopForever = true;                 // false: the clip plays once (no loop extension)
    std::optional<std::uint8_t> transparentIndex;  // palette entry that shows what lies behind
    std::uint16_t screenWidth = 0;           // the clip's size; 0 keeps the encoder's
    std::uint16_t screenHeight = 0;
};

// The encoder's file made into the clip: each frame with its edit, "do not dispose" so a frame
// that covers only the changed part draws over the one before, local colour tables that repeat
// the global one dropped (the first one becomes the global one where there is none). Frames
// that repeat the previous one (same place, size, colours and pixels) are merged as long as
// the sum of delays fits 16 bits. None when the bytes are not a GIF or the number of edits
// differs from the number of images.
std::optional<std::vector<std::uint8_t>> FinishClipGif(const std::vector<std::uint8_t>& encoded, const GifEdit& edit);

}  // namespace rolva
