#include "clip/core/FrameSequence.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace rolva {
namespace {

TEST(FrameSequence, ReadsNumbersBetweenBlanksAndCommas)
{
    struct Case {
        std::string text;
        std::vector<std::int32_t> frames;
    };
    const Case cases[] = {
        {"0 5 3 12", {0, 5, 3, 12}},
        {"  7 ", {7}},
        {"1,2,,3\t4\r\n5", {1, 2, 3, 4, 5}},
        {"007 32767", {7, 32767}},
        {"\x82\x50\x82\x4F\x81\x40\x82\x52", {10, 3}},  // full-width "10　3"
        {"4\x81\x43" "2", {4, 2}},                          // full-width comma
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const auto frames = ParseFrameSequence(c.text);
        ASSERT_TRUE(frames.has_value());
        EXPECT_EQ(c.frames, *frames);
    }
}

TEST(FrameSequence, RefusesAnythingElse)
{
    for (const char* text : {"", "   ", ",", "1 -2", "1.5", "a", "3 x", "32768", "99999999999999999999",
                             "\x82\x60", "\x82"}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(ParseFrameSequence(text).has_value());
    }
    std::string longest, tooLong;
    for (std::size_t i = 0; i < kMostClipFrames; ++i)
        longest += "1 ";
    tooLong = longest + "1";
    EXPECT_EQ(kMostClipFrames, ParseFrameSequence(longest)->size());
    EXPECT_FALSE(ParseFrameSequence(tooLong).has_value());
}

TEST(FrameSequence, EveryFrameAndStripFrames)
{
    EXPECT_EQ((std::vector<std::int32_t>{0, 1, 2}), EveryFrameInTurn(3));
    EXPECT_EQ((std::vector<std::int32_t>{0}), EveryFrameInTurn(0));
    EXPECT_EQ(3, StripFrameCount(171, 57));
    EXPECT_EQ(2, StripFrameCount(170, 57));  // a part frame at the end is no frame
    EXPECT_EQ(1, StripFrameCount(40, 57));
    EXPECT_EQ(1, StripFrameCount(171, 0));
}

}  // namespace
}  // namespace rolva
