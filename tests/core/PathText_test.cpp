#include <gtest/gtest.h>

#include <string>

#include "CodePages.h"
#include "base/core/PathText.h"

namespace rolva {
namespace {

// Code page 932: 表 is 0x95 0x5C and ソ is 0x83 0x5C, their second bytes backslashes.
const std::string kHyou = "\x95\x5C";
const std::string kSo = "\x83\x5C";
// Code page 1252: é is 0xE9 and Š 0x8A, bytes that Shift-JIS would take for lead bytes.
const std::string kEAcute = "\xE9";
const std::string kSCaron = "\x8A";

struct SplitCase {
    std::string path;
    std::string folder;
    std::string name;
};

void ExpectSplits(const SplitCase* cases, std::size_t count, LeadByteTest isLeadByte)
{
    for (std::size_t i = 0; i < count; ++i) {
        const SplitCase& c = cases[i];
        EXPECT_EQ(c.folder, PathFolder(c.path, isLeadByte)) << c.path;
        EXPECT_EQ(c.name, PathName(c.path, isLeadByte)) << c.path;
    }
}

TEST(PathText, SplitsAtTheLastRealSeparatorOnly)
{
    const SplitCase cases[] = {
        {"C:\\scenes\\bus.bmp", "C:\\scenes", "bus.bmp"},
        {"C:\\" + kHyou + "\\bus.bmp", "C:\\" + kHyou, "bus.bmp"},
        {"C:\\scenes\\" + kHyou, "C:\\scenes", kHyou},  // a name ending in 0x5C stays whole
        {"C:/scenes/led", "C:/scenes", "led"},
        {"bus.bmp", "", "bus.bmp"},
        {"C:\\scenes\\", "C:\\scenes", ""},
        {"", "", ""},
    };
    ExpectSplits(cases, std::size(cases), test::IsLeadByte932);
}

TEST(PathText, SplitsShiftJisNamesWhoseTrailBytesAreBackslashes)
{
    const SplitCase cases[] = {
        {"C:\\" + kSo + "\\" + kHyou, "C:\\" + kSo, kHyou},
        {"C:\\" + kSo + kSo + "\\a" + kSo + ".bmp", "C:\\" + kSo + kSo, "a" + kSo + ".bmp"},
        {kHyou + kSo, "", kHyou + kSo},
        {"C:\\a\x95", "C:", "a\x95"},      // a lead byte cut off at the end is a character of its own
        {"C:\\a\x95\\", "C:", "a\x95\\"},  // with a byte after it, 0x95 0x5C is 表
    };
    ExpectSplits(cases, std::size(cases), test::IsLeadByte932);
}

TEST(PathText, SplitsWesternNamesWithEveryByteACharacter)
{
    const SplitCase cases[] = {
        {"C:\\Caf" + kEAcute + "\\bus.bmp", "C:\\Caf" + kEAcute, "bus.bmp"},
        {"C:\\" + kSCaron + "\\" + kEAcute, "C:\\" + kSCaron, kEAcute},
        {"C:\\a\x95\\b.bmp", "C:\\a\x95", "b.bmp"},
        {"\\\\server\\" + kEAcute + "t" + kEAcute + "\\", "\\\\server\\" + kEAcute + "t" + kEAcute, ""},
    };
    ExpectSplits(cases, std::size(cases), test::IsLeadByte1252);
    // Read as Shift-JIS the same bytes hide the separator after é: the code page decides.
    EXPECT_EQ("C:", PathFolder("C:\\Caf" + kEAcute + "\\bus.bmp", test::IsLeadByte932));
}

TEST(PathText, JoinAddsOneSeparator)
{
    const struct {
        std::string folder;
        LeadByteTest isLeadByte;
        std::string joined;
    } cases[] = {
        {"C:\\a", test::IsLeadByte932, "C:\\a\\b.bmp"},
        {"C:\\", test::IsLeadByte932, "C:\\b.bmp"},
        {"C:\\" + kHyou, test::IsLeadByte932, "C:\\" + kHyou + "\\b.bmp"},
        {"C:\\" + kSo, test::IsLeadByte932, "C:\\" + kSo + "\\b.bmp"},
        // In code page 1252 a folder ending in 0x95 0x5C already ends in a separator.
        {"C:\\a\x95\\", test::IsLeadByte1252, "C:\\a\x95\\b.bmp"},
        {"C:\\a\x95\\", test::IsLeadByte932, "C:\\a\x95\\\\b.bmp"},
        {"C:\\Caf" + kEAcute, test::IsLeadByte1252, "C:\\Caf" + kEAcute + "\\b.bmp"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.joined, JoinFolderPath(c.folder, "b.bmp", c.isLeadByte)) << c.folder;
}

TEST(PathText, AddsTheEndingOnlyWhereTheNameHasNone)
{
    const struct {
        std::string path;
        LeadByteTest isLeadByte;
        std::string result;
    } cases[] = {
        {"C:\\scenes\\bus", test::IsLeadByte932, "C:\\scenes\\bus.gif"},
        {"bus", test::IsLeadByte932, "bus.gif"},
        {"C:\\scenes\\bus.gif", test::IsLeadByte932, "C:\\scenes\\bus.gif"},
        // Whatever ending the person typed stays, in any case, even another one.
        {"C:\\scenes\\bus.GIF", test::IsLeadByte932, "C:\\scenes\\bus.GIF"},
        {"C:\\scenes\\bus.Bmp", test::IsLeadByte932, "C:\\scenes\\bus.Bmp"},
        {"C:\\scenes\\bus.", test::IsLeadByte932, "C:\\scenes\\bus."},
        // A dot in a folder is not the name's.
        {"C:\\v1.2\\bus", test::IsLeadByte932, "C:\\v1.2\\bus.gif"},
        {"C:/v1.2/bus", test::IsLeadByte932, "C:/v1.2/bus.gif"},
        // Names ending in a 0x5C trail byte: the name is the whole character, not what follows it.
        {"C:\\a.b\\" + kHyou, test::IsLeadByte932, "C:\\a.b\\" + kHyou + ".gif"},
        {"C:\\scenes\\a." + kSo, test::IsLeadByte932, "C:\\scenes\\a." + kSo},
        {"C:\\" + kSo + "\\" + kHyou + kSo, test::IsLeadByte932, "C:\\" + kSo + "\\" + kHyou + kSo + ".gif"},
        // The code page decides: in 1252 the 0x5C after 0x95 ends the folder "x.y\x95"; in 932
        // the two bytes are 表, and the name "x.y表b" has a dot.
        {"C:\\x.y\x95\\b", test::IsLeadByte1252, "C:\\x.y\x95\\b.gif"},
        {"C:\\x.y\x95\\b", test::IsLeadByte932, "C:\\x.y\x95\\b"},
        // No name at all: nothing to add an ending to.
        {"", test::IsLeadByte932, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.result, WithEndingIfNone(c.path, ".gif", c.isLeadByte)) << c.path;
}

TEST(PathText, RelativePathsStartAtNoRootAndNameNoDrive)
{
    struct Case {
        const char* path;
        bool relative;
    } const cases[] = {
        {"sign1\\strip.bmp", true}, {"strip.bmp", true}, {"..\\strip.bmp", true},
        {"\x95\x5C\\a.bmp", true},  // 表 starts it; its second byte is no root
        {"C:\\a.bmp", false}, {"c:a.bmp", false}, {"\\a.bmp", false},
        {"/a.bmp", false}, {"\\\\server\\share\\a.bmp", false}, {"", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.relative, IsRelativePath(c.path)) << c.path;
}

}  // namespace
}  // namespace rolva
