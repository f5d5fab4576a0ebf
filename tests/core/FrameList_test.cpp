#include "maker/core/FrameList.h"
#include "tests/core/CodePages.h"

#include <gtest/gtest.h>

#include <string>

namespace rolva {
namespace {

const std::string kPo = "\x83\x7C";    // ポ: its trail byte is '|'
const std::string kSo = "\x83\x5C";    // ソ: its trail byte is '\'
const std::string kHyou = "\x95\x5C";  // 表

TEST(ParseFrameList, SplitsFieldsAtTabsAndBarsAndTrimsThem)
{
    struct Case {
        std::string line;
        std::string main, sub, label;
    };
    const Case cases[] = {
        {"Tokyo", "Tokyo", "", ""},
        {"Tokyo|TOKYO", "Tokyo", "TOKYO", ""},
        {"Tokyo\tTOKYO\tRapid", "Tokyo", "TOKYO", "Rapid"},
        {"Tokyo|\tRapid", "Tokyo", "", "Rapid"},
        {" Tokyo | TOKYO |Rapid ", "Tokyo", "TOKYO", "Rapid"},
        {"||Out of service", "", "", "Out of service"},
        {"a|b|c|d", "a", "b", "c|d"},  // a third separator belongs to the label
    };
    for (const Case& c : cases) {
        const FrameList list = ParseFrameList(c.line, test::IsLeadByte932);
        ASSERT_EQ(1u, list.frames.size()) << c.line;
        EXPECT_EQ(c.main, list.frames[0].main) << c.line;
        EXPECT_EQ(c.sub, list.frames[0].sub) << c.line;
        EXPECT_EQ(c.label, list.frames[0].label) << c.line;
    }
}

TEST(ParseFrameList, NeverSplitsADoubleByteCharacterWhoseTrailIsABarOrBackslash)
{
    const std::string main = kPo + kSo + kHyou + kPo;
    const FrameList list = ParseFrameList(main + "|" + kSo + "|" + kPo, test::IsLeadByte932);
    ASSERT_EQ(1u, list.frames.size());
    EXPECT_EQ(main, list.frames[0].main);
    EXPECT_EQ(kSo, list.frames[0].sub);
    EXPECT_EQ(kPo, list.frames[0].label);

    // Real Japanese text, converted by the compiler: "ポート" has a bar byte, "表町" a backslash.
    const FrameList words = ParseFrameList("ポートアイランド|表町|快速", test::IsLeadByte932);
    ASSERT_EQ(1u, words.frames.size());
    EXPECT_EQ(std::string("ポートアイランド"), words.frames[0].main);
    EXPECT_EQ(std::string("表町"), words.frames[0].sub);
    EXPECT_EQ(std::string("快速"), words.frames[0].label);

    // In a single-byte code page the same bytes are three characters, the bar one of them.
    const FrameList western = ParseFrameList(kPo + "x", test::IsLeadByte1252);
    EXPECT_EQ("\x83", western.frames[0].main);
    EXPECT_EQ("x", western.frames[0].sub);
}

// The full-width bar (U+FF5C, 81 62 in Shift-JIS) is what the input method types in Japanese
// mode; it separates like '|', and neither is found inside a character whose trail byte is 0x7C
// or 0x62, nor made of the trail byte of one character and the lead of the next.
TEST(ParseFrameList, AFullWidthBarSeparatesAsTheNarrowOneDoes)
{
    const std::string kWide = "\x81\x62";   // ｜
    const std::string kLatinB = "\x82\x62";  // Ｃ: trail byte 0x62 as the bar's, another lead
    struct Case {
        std::string line;
        std::string main, sub, label;
    };
    const Case cases[] = {
        {"a" + kWide + "b" + kWide + "c", "a", "b", "c"},
        {"a|b" + kWide + "c", "a", "b", "c"},
        {"a" + kWide + "b|c", "a", "b", "c"},
        {"a\t" + kWide + "c", "a", "", "c"},
        {" a " + kWide + " b ", "a", "b", ""},
        {kWide + kWide + "c", "", "", "c"},
        {"a|b|c" + kWide + "d", "a", "b", "c" + kWide + "d"},  // a third one belongs to the label
        {kPo + kWide + kPo + "|" + kPo, kPo, kPo, kPo},  // ポ ends in 0x7C and is no bar
        {kPo + kPo + kWide + kSo, kPo + kPo, kSo, ""},
        {kLatinB + kWide + "x", kLatinB, "x", ""},
        {"\x83\x81" "b|c", "\x83\x81" "b", "c", ""},  // メ ends in 0x81, and with 'b' makes no bar
    };
    for (const Case& c : cases) {
        const FrameList list = ParseFrameList(c.line, test::IsLeadByte932);
        ASSERT_EQ(1u, list.frames.size()) << c.line;
        EXPECT_EQ(c.main, list.frames[0].main) << c.line;
        EXPECT_EQ(c.sub, list.frames[0].sub) << c.line;
        EXPECT_EQ(c.label, list.frames[0].label) << c.line;
    }
    // Typed in Japanese: the compiler writes the same bytes.
    const FrameList words = ParseFrameList("ポートアイランド｜Port Island｜快速", test::IsLeadByte932);
    EXPECT_EQ(std::string("ポートアイランド"), words.frames[0].main);
    EXPECT_EQ("Port Island", words.frames[0].sub);
    EXPECT_EQ(std::string("快速"), words.frames[0].label);
    // In a single-byte code page the two bytes are two characters, neither a separator.
    EXPECT_EQ("a" + kWide + "b", ParseFrameList("a" + kWide + "b", test::IsLeadByte1252).frames[0].main);
    // In another double-byte code page the same bytes are another character (乥 in GBK): with
    // no full-width bar of its own, nothing but '|' and tabs separate.
    const FrameList other = ParseFrameList("a" + kWide + "b|c", test::IsLeadByte932, "");
    EXPECT_EQ("a" + kWide + "b", other.frames[0].main);
    EXPECT_EQ("c", other.frames[0].sub);
}

TEST(ParseFrameList, ALoneLeadByteAtTheEndOfALineKeepsTheNextLine)
{
    const FrameList list = ParseFrameList("a\x83\r\nb|c", test::IsLeadByte932);
    ASSERT_EQ(2u, list.frames.size());
    EXPECT_EQ("a\x83", list.frames[0].main);
    EXPECT_EQ("b", list.frames[1].main);
    EXPECT_EQ("c", list.frames[1].sub);
}

TEST(ParseFrameList, EveryLineIsAFrameWhateverItsEnding)
{
    struct Case {
        std::string text;
        std::vector<std::string> mains;
    };
    const Case cases[] = {
        {"", {}},
        {"\r\n", {""}},
        {"a\r\nb", {"a", "b"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb\rc", {"a", "b", "c"}},
        {"a\r\n\r\nb", {"a", "", "b"}},
        {"a\r\nb\r\n\r\n", {"a", "b", ""}},
    };
    for (const Case& c : cases) {
        const FrameList list = ParseFrameList(c.text, test::IsLeadByte932);
        ASSERT_EQ(c.mains.size(), list.frames.size()) << c.text;
        EXPECT_EQ(c.mains.size(), list.lineCount);
        for (size_t i = 0; i < c.mains.size(); ++i)
            EXPECT_EQ(c.mains[i], list.frames[i].main) << c.text;
    }
    EXPECT_TRUE(ParseFrameList("\r\n", test::IsLeadByte932).frames[0].Blank());
    EXPECT_FALSE(ParseFrameList("||x", test::IsLeadByte932).frames[0].Blank());
}

TEST(ParseFrameList, HoldsAtMost999FramesAndCountsTheRest)
{
    std::string text;
    for (int i = 0; i < 999; ++i)
        text += "x\r\n";
    EXPECT_FALSE(ParseFrameList(text, test::IsLeadByte932).TooMany());
    EXPECT_EQ(999u, ParseFrameList(text, test::IsLeadByte932).frames.size());

    const FrameList over = ParseFrameList(text + "last\r\n\r\n", test::IsLeadByte932);
    EXPECT_TRUE(over.TooMany());
    EXPECT_EQ(1001u, over.lineCount);
    EXPECT_EQ(999u, over.frames.size());
}

TEST(FormatFrameLine, WritesWhatTheParserReadsBack)
{
    const FrameLine lines[] = {{"a", "", ""}, {"a", "b", ""}, {"a", "", "c"}, {"", "", "c"}, {kPo, kSo, kHyou}};
    for (const FrameLine& line : lines) {
        const FrameList back = ParseFrameList(FormatFrameLine(line), test::IsLeadByte932);
        ASSERT_EQ(1u, back.frames.size());
        EXPECT_EQ(line.main, back.frames[0].main);
        EXPECT_EQ(line.sub, back.frames[0].sub);
        EXPECT_EQ(line.label, back.frames[0].label);
    }
    EXPECT_EQ("a", FormatFrameLine({"a", "", ""}));
}

}  // namespace
}  // namespace rolva
