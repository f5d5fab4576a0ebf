#include "clip/core/GifBytes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestBytes.h"

namespace rolva {
namespace {

using test::Bytes;
using test::Concat;
using test::Le16;

const Bytes kTwoColours = {0, 0, 0, 255, 128, 0};  // black, orange
const Bytes kOtherColours = {0, 0, 255, 255, 255, 255};

Bytes Header(int width, int height, const Bytes& globalTable = {})
{
    const std::uint8_t flags = globalTable.empty() ? 0x00 : 0x80;  // 2 colours: size bits 0
    return Concat({test::Text("GIF89a"), Le16(width), Le16(height), {flags, 0, 0}, globalTable});
}

// An image of 2 x 1 pixels at (0, 0); the data bytes stand for its LZW stream.
Bytes Image(std::uint8_t data, const Bytes& localTable = {}, int left = 0)
{
    const std::uint8_t flags = localTable.empty() ? 0x00 : 0x80;
    return Concat({{0x2C}, Le16(left), Le16(0), Le16(2), Le16(1), {flags}, localTable, {2, 2, data, 0x01, 0}});
}

Bytes Control(std::uint8_t flags, int delay, std::uint8_t transparent = 0)
{
    return Concat({{0x21, 0xF9, 4, flags}, Le16(delay), {transparent, 0}});
}

Bytes Loop(int count)
{
    return Concat({{0x21, 0xFF, 11}, test::Text("NETSCAPE2.0"), {3, 1}, Le16(count), {0}});
}

const Bytes kTrailer = {0x3B};

GifEdit Edits(std::vector<int> delays, bool loop = true)
{
    GifEdit edit;
    for (int delay : delays)
        edit.frames.push_back(GifFrameEdit{static_cast<std::uint16_t>(delay), 0, 0});
    edit.loopForever = loop;
    return edit;
}

TEST(GifBytes, SetsDelaysLoopAndMovesTheTableUp)
{
    // What an encoder that knows no delays writes: every frame with its own copy of the colours.
    const Bytes encoded = Concat({Header(2, 1), Image(0x10, kTwoColours), Image(0x20, kTwoColours),
                                  Image(0x30, kTwoColours), kTrailer});
    const auto finished = FinishClipGif(encoded, Edits({2, 4, 300}));
    ASSERT_TRUE(finished.has_value());
    const Bytes expected = Concat({Header(2, 1, kTwoColours), Loop(0), Control(0x04, 2), Image(0x10),
                                   Control(0x04, 4), Image(0x20), Control(0x04, 300), Image(0x30), kTrailer});
    EXPECT_EQ(expected, *finished);
}

TEST(GifBytes, ReplacesTheEncodersControlAndLoopBlocks)
{
    const Bytes encoded = Concat({test::Text("GIF87a"), Le16(2), Le16(1), {0, 0, 0}, Loop(5),
                                  Control(0x09, 0, 7), Image(0x10, kTwoColours), kTrailer});
    const auto once = FinishClipGif(encoded, Edits({9}, false));
    ASSERT_TRUE(once.has_value());
    EXPECT_EQ(Concat({Header(2, 1, kTwoColours), Control(0x04, 9), Image(0x10), kTrailer}), *once);

    GifEdit transparent = Edits({9});
    transparent.transparentIndex = 1;
    transparent.screenWidth = 40;
    transparent.screenHeight = 30;
    transparent.frames[0].left = 38;
    transparent.frames[0].top = 0;
    const auto placed = FinishClipGif(encoded, transparent);
    ASSERT_TRUE(placed.has_value());
    EXPECT_EQ(Concat({Header(40, 30, kTwoColours), Loop(0), Control(0x05, 9, 1), Image(0x10, {}, 38), kTrailer}),
              *placed);
}

TEST(GifBytes, MergesFramesThatRepeatThePreviousOne)
{
    struct Case {
        const char* name;
        Bytes encoded;
        std::vector<int> delays;
        Bytes expected;
    };
    const Case cases[] = {
        {"a repeat adds its delay",
         Concat({Header(2, 1, kTwoColours), Image(0x10), Image(0x10), Image(0x10), Image(0x20), Image(0x10), kTrailer}),
         {2, 2, 3, 2, 2},
         Concat({Header(2, 1, kTwoColours), Loop(0), Control(0x04, 7), Image(0x10), Control(0x04, 2), Image(0x20),
                 Control(0x04, 2), Image(0x10), kTrailer})},
        {"other colours are another picture",
         Concat({Header(2, 1, kTwoColours), Image(0x10), Image(0x10, kOtherColours), kTrailer}),
         {2, 2},
         Concat({Header(2, 1, kTwoColours), Loop(0), Control(0x04, 2), Image(0x10), Control(0x04, 2),
                 Image(0x10, kOtherColours), kTrailer})},
        {"a delay past 16 bits keeps the repeat",
         Concat({Header(2, 1, kTwoColours), Image(0x10), Image(0x10), kTrailer}),
         {65000, 600},
         Concat({Header(2, 1, kTwoColours), Loop(0), Control(0x04, 65000), Image(0x10), Control(0x04, 600), Image(0x10),
                 kTrailer})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto finished = FinishClipGif(c.encoded, Edits(c.delays));
        ASSERT_TRUE(finished.has_value());
        EXPECT_EQ(c.expected, *finished);
    }

    // The same pixels in another place are not a repeat.
    GifEdit moved = Edits({2, 2});
    moved.frames[1].left = 1;
    const auto kept = FinishClipGif(Concat({Header(2, 1, kTwoColours), Image(0x10), Image(0x10), kTrailer}), moved);
    ASSERT_TRUE(kept.has_value());
    EXPECT_EQ(2u, ParseGif(kept->data(), kept->size())->images.size());
}

TEST(GifBytes, KeepsOtherExtensions)
{
    const Bytes comment = Concat({{0x21, 0xFE, 3}, test::Text("abc"), {0}});
    const Bytes encoded = Concat({Header(2, 1, kTwoColours), comment, Image(0x10), comment, kTrailer});
    const auto finished = FinishClipGif(encoded, Edits({5}, false));
    ASSERT_TRUE(finished.has_value());
    EXPECT_EQ(Concat({Header(2, 1, kTwoColours), comment, Control(0x04, 5), Image(0x10), comment, kTrailer}), *finished);
}

TEST(GifBytes, RefusesWhatIsNoWholeGif)
{
    const Bytes whole = Concat({Header(2, 1, kTwoColours), Control(0x04, 1), Image(0x10, kOtherColours), kTrailer});
    ASSERT_TRUE(FinishClipGif(whole, Edits({1})).has_value());
    for (std::size_t size = 0; size < whole.size(); ++size) {
        SCOPED_TRACE(size);
        EXPECT_FALSE(FinishClipGif(Bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size)), Edits({1})));
    }
    EXPECT_FALSE(FinishClipGif(whole, Edits({1, 1})));  // an edit for a frame that is not there
    EXPECT_FALSE(FinishClipGif(whole, Edits({})));
    Bytes wrongSignature = whole;
    wrongSignature[3] = '7';
    wrongSignature[4] = '7';
    EXPECT_FALSE(FinishClipGif(wrongSignature, Edits({1})));
    const Bytes unknownBlock = Concat({Header(2, 1), {0x44}, kTrailer});
    EXPECT_FALSE(FinishClipGif(unknownBlock, Edits({})));
    const Bytes shortControl = Concat({Header(2, 1), {0x21, 0xF9, 2, 0, 0, 0}, Image(0x10), kTrailer});
    EXPECT_FALSE(FinishClipGif(shortControl, Edits({1})));
}

TEST(GifBytes, ParseReadsTheLoopAndEachFrame)
{
    const Bytes bytes = Concat({Header(2, 1, kTwoColours), Loop(3), Control(0x05, 12, 1), Image(0x10, {}, 1), kTrailer});
    const auto file = ParseGif(bytes.data(), bytes.size());
    ASSERT_TRUE(file.has_value());
    EXPECT_EQ(3, file->loopCount.value_or(-1));
    ASSERT_EQ(1u, file->images.size());
    EXPECT_EQ(12, file->images[0].delayCs);
    EXPECT_EQ(1, file->images[0].left);
    EXPECT_EQ(1, file->images[0].transparentIndex);
    EXPECT_EQ(bytes, WriteGif(*file));
}

}  // namespace
}  // namespace rolva
