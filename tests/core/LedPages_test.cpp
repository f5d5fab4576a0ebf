#include "display/core/LedPages.h"

#include <gtest/gtest.h>

#include "CodePages.h"
#include "display/core/LedFiles.h"

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace rolva {
namespace {

using Pages = std::vector<std::string>;

// Shift-JIS characters whose trail bytes fall in the ASCII range.
const std::string kKanaA = "\x83\x41";    // trail 'A'
const std::string kKanaTsu = "\x83\x61";  // trail 'a'
const std::string kHyou = "\x95\x5C";     // trail 0x5C

// The folder's files in the sorted list's order.
std::vector<std::string> SortFolder(const std::vector<std::string>& names, LeadByteTest isLeadByte)
{
    std::vector<DirectoryEntry> entries;
    for (const std::string& name : names)
        entries.push_back(DirectoryEntry{name, false, false, false});
    return SortLedFiles(entries, isLeadByte);
}

std::vector<LedFrame> GroupFolder(const std::vector<std::string>& names, LeadByteTest isLeadByte = test::IsLeadByte932)
{
    return GroupLedPages(SortFolder(names, isLeadByte), isLeadByte);
}

std::vector<Pages> PagesOf(const std::vector<LedFrame>& frames)
{
    std::vector<Pages> pages;
    for (const LedFrame& frame : frames)
        pages.push_back(frame.pages);
    return pages;
}

TEST(GroupLedPages, KeepsEveryFileAFrameOfOnePageWhereNoNameIsAPage)
{
    // Each list holds a file every name would be a page of, were the names read wrongly.
    const std::vector<std::vector<std::string>> folders = {
        {"x.bmp", "x+.bmp", "x+b.bmp", "x++.bmp", "x+-2.bmp", "x+ 2.bmp", "x+2a.bmp", "x+a2.bmp"},
        {"x.bmp", "x+1.bmp", "x+0.bmp", "x+02.bmp", "x+100.bmp", "x+1.png"},
        {"x.bmp", "x+2.old.bmp", "x.bmp+2", "x.png+3"},              // "+N" outside the stem
        {"x", "x+", "x+1", "x+01", "+", ".bmp"},                      // names without a dot
        {kKanaA + ".bmp", kKanaTsu + "+2.bmp", kKanaTsu + "+3.bmp"},  // the trail 'A' is no letter
        {kHyou + ".bmp", kHyou + "+1.bmp", kHyou + "+02.bmp"},
        {"\x95.bmp", "\x95+2.bmp"},  // 0x95 takes '.' and '+' as its trail: no dot, no '+'
        {},
    };
    for (const std::vector<std::string>& folder : folders) {
        const std::vector<std::string> sorted = SortFolder(folder, test::IsLeadByte932);
        std::vector<Pages> onePageEach;
        for (const std::string& file : sorted)
            onePageEach.push_back({file});
        EXPECT_EQ(onePageEach, PagesOf(GroupLedPages(sorted, test::IsLeadByte932))) << testing::PrintToString(sorted);
    }
}

TEST(GroupLedPages, JoinsPagesToTheirFrame)
{
    const struct {
        const char* what;
        std::vector<std::string> folder;
        std::vector<Pages> frames;
    } cases[] = {
        {"pages in order of N, not of the sorted names",
         {"002+10.bmp", "001.bmp", "002.bmp", "003.bmp", "002+2.bmp", "002+99.bmp", "002+9.bmp"},
         {{"001.bmp"}, {"002.bmp", "002+2.bmp", "002+9.bmp", "002+10.bmp", "002+99.bmp"}, {"003.bmp"}}},
        {"a missing N leaves no gap", {"a.bmp", "a+5.bmp", "a+3.bmp"}, {{"a.bmp", "a+3.bmp", "a+5.bmp"}}},
        {"pages without their frame stay frames in place",
         {"a+2.bmp", "b.bmp", "b+2.bmp", "c+3.bmp", "d.bmp"},
         {{"a+2.bmp"}, {"b.bmp", "b+2.bmp"}, {"c+3.bmp"}, {"d.bmp"}}},
        {"stems without regard to ASCII case", {"A.bmp", "a+2.BMP", "b+2.png", "B.PNG"}, {{"A.bmp", "a+2.BMP"}, {"B.PNG", "b+2.png"}}},
        {"any extensions, or none", {"a", "a+2.gif", "a+3", "b.bmp", "b+2"}, {{"a", "a+2.gif", "a+3"}, {"b.bmp", "b+2"}}},
        {"two frames of one stem: the pages join the first",
         {"a.png", "a.bmp", "a+2.png", "a+2.bmp", "a+3.gif"},
         {{"a.bmp", "a+2.bmp", "a+2.png", "a+3.gif"}, {"a.png"}}},
        {"a dot inside the stem", {"a.b.bmp", "a.b+2.bmp", "a.bmp"}, {{"a.b.bmp", "a.b+2.bmp"}, {"a.bmp"}}},
        {"a page of a page is a frame", {"a.bmp", "a+2.bmp", "a+2+3.bmp"}, {{"a.bmp", "a+2.bmp"}, {"a+2+3.bmp"}}},
        {"a page of a frame named like a page", {"a+2.bmp", "a+2+3.bmp"}, {{"a+2.bmp", "a+2+3.bmp"}}},
        {"Shift-JIS stems", {kHyou + "+2.bmp", kHyou + ".bmp", kKanaA + "+2.bmp"}, {{kKanaA + "+2.bmp"}, {kHyou + ".bmp", kHyou + "+2.bmp"}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.frames, PagesOf(GroupFolder(c.folder))) << c.what;
}

TEST(GroupLedPages, ReadsNamesInTheirCodePage)
{
    // In a single-byte code page 0x95 is a character of its own, so the '+' and '.' are real.
    const std::vector<std::string> folder = {"\x95+2.bmp", "\x95.bmp"};
    EXPECT_EQ((std::vector<Pages>{{"\x95.bmp", "\x95+2.bmp"}}), PagesOf(GroupFolder(folder, test::IsLeadByte1252)));
    EXPECT_EQ(2u, GroupFolder(folder, test::IsLeadByte932).size());
}

TEST(LedFrameAt, NumbersTheFramesWithoutThePages)
{
    const std::vector<LedFrame> frames = GroupFolder({"a.bmp", "a+2.bmp", "b.bmp", "c.bmp"});
    const auto firstPage = [&frames](std::int32_t number) -> std::string {
        const LedFrame* frame = LedFrameAt(number, frames);
        return frame != nullptr ? frame->pages.front() : "(none)";
    };
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ((std::vector<std::string>{"(none)", "(none)", "a.bmp", "b.bmp", "c.bmp", "(none)", "(none)"}),
              (std::vector<std::string>{firstPage(kMin), firstPage(-1), firstPage(0), firstPage(1), firstPage(2), firstPage(3), firstPage(kMax)}));
    EXPECT_EQ(nullptr, LedFrameAt(0, {}));
}

}  // namespace
}  // namespace rolva
