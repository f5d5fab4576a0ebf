// Pages in the strip maker's frame list: a line whose first field is a lone '+' is the next
// page of the frame above; every list written before pages keeps its frames.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "maker/core/FrameList.h"
#include "tests/core/CodePages.h"

namespace rolva {
namespace {

const std::string kWidePlus = "\x81\x7B";  // ＋
const std::string kWideBar = "\x81\x62";   // ｜
const std::string kPo = "\x83\x7C";        // ポ: its trail byte is '|'

// A frame written as its fields joined by '/' ("main/sub/label"), its further pages after ' & '.
std::string Shown(const FrameList& list)
{
    std::string shown;
    for (std::size_t n = 0; n < list.frames.size(); ++n) {
        const auto one = [](const FrameLine& f) { return f.main + "/" + f.sub + "/" + f.label; };
        shown += (n ? "; " : "") + one(list.frames[n]);
        for (const FrameLine& page : list.morePages[n])
            shown += " & " + one(page);
    }
    return shown;
}

// Lists as they could be written before pages: each still makes one frame per line and no page.
TEST(FramePages, OlderListsKeepEveryLineAsAFrame)
{
    const struct {
        std::string text;
        std::string frames;
    } cases[] = {
        {"Tokyo|TOKYO|Rapid\nOsaka", "Tokyo/TOKYO/Rapid; Osaka//"},
        {"+", "+//"},                                   // a first line has no frame above
        {"+|Tokyo\nOsaka", "+/Tokyo/; Osaka//"},        // nor here
        {"Tokyo\n+Osaka", "Tokyo//; +Osaka//"},         // '+' with more text is a destination
        {"Tokyo\n+ Osaka|x", "Tokyo//; + Osaka/x/"},
        {"Tokyo\nOsaka+", "Tokyo//; Osaka+//"},
        {"Tokyo\n\t+", "Tokyo//; /+/"},                 // '+' as a second line
        {"Tokyo\n|+|+", "Tokyo//; /+/+"},
        {"Tokyo\n" + kWidePlus, "Tokyo//; " + kWidePlus + "//"},  // the full-width plus is text
        {"Tokyo\n" + kWidePlus + "|x", "Tokyo//; " + kWidePlus + "/x/"},
        {"Tokyo\n++", "Tokyo//; ++//"},
        {"Tokyo\n\n", "Tokyo//; //"},                   // a blank frame
        {"a|b|c|d", "a/b/c|d"},
        {kPo + "+|x", kPo + "+/x/"},                    // a double-byte character before the '+'
    };
    for (const auto& c : cases) {
        const FrameList list = ParseFrameList(c.text, test::IsLeadByte932);
        EXPECT_EQ(c.frames, Shown(list)) << c.text;
        EXPECT_EQ(0u, list.MorePageCount()) << c.text;
        EXPECT_EQ(list.frames.size(), list.lineCount) << c.text;
    }
}

TEST(FramePages, ALonePlusFieldIsTheNextPageOfTheFrameAbove)
{
    const struct {
        std::string text;
        std::string frames;
        std::size_t lineCount;
    } cases[] = {
        {"Tokyo|TOKYO\n+|Shinagawa|SHINAGAWA|Local", "Tokyo/TOKYO/ & Shinagawa/SHINAGAWA/Local", 1},
        {"Tokyo\n+|a\n+|b\nOsaka\n+|c", "Tokyo// & a// & b//; Osaka// & c//", 2},
        {"Tokyo\n+", "Tokyo// & //", 1},                 // a blank page
        {"Tokyo\n + |a", "Tokyo// & a//", 1},            // blanks around the '+'
        {"Tokyo\n+\ta\tb", "Tokyo// & a/b/", 1},
        {"Tokyo\r\n+" + kWideBar + "a" + kWideBar + "b", "Tokyo// & a/b/", 1},
        {"Tokyo\n+|a|b|c|d", "Tokyo// & a/b/c|d", 1},    // a third bar still belongs to the label
        {"\n+|a", "// & a//", 1},                        // a page of a blank frame
        {"Tokyo\n+|" + kPo + "|x", "Tokyo// & " + kPo + "/x/", 1},
    };
    for (const auto& c : cases) {
        const FrameList list = ParseFrameList(c.text, test::IsLeadByte932);
        EXPECT_EQ(c.frames, Shown(list)) << c.text;
        EXPECT_EQ(c.lineCount, list.lineCount) << c.text;
        EXPECT_EQ(list.frames.size(), list.morePages.size()) << c.text;
    }
}

TEST(FramePages, PagesPastAFramesLimitOrOfAFramePastTheListsLimitAreLeftOut)
{
    std::string text = "Tokyo";
    for (int page = 2; page <= 120; ++page)
        text += "\n+|p" + std::to_string(page);
    FrameList list = ParseFrameList(text, test::IsLeadByte932);
    ASSERT_EQ(1u, list.frames.size());
    ASSERT_EQ(kMaxFramePages - 1, list.morePages[0].size());
    EXPECT_EQ("p99", list.morePages[0].back().main);

    text.clear();
    for (std::size_t n = 0; n <= kMaxMakerFrames; ++n)
        text += "f" + std::to_string(n) + "\n+|p\n";
    list = ParseFrameList(text, test::IsLeadByte932);
    EXPECT_TRUE(list.TooMany());
    EXPECT_EQ(kMaxMakerFrames + 1, list.lineCount);
    ASSERT_EQ(kMaxMakerFrames, list.frames.size());
    EXPECT_EQ(kMaxMakerFrames, list.morePages.size());
    EXPECT_EQ(kMaxMakerFrames, list.MorePageCount());
}

}  // namespace
}  // namespace rolva
