#include "maker/core/MakerStyle.h"
#include "tests/core/CodePages.h"

#include <gtest/gtest.h>

#include <string>

namespace rolva {
namespace {

TEST(MakerStyle, DefaultsToWhiteBoldGothicOnBlackWithOrangeRapidAndRedExpress)
{
    const MakerStyle style = DefaultMakerStyle();
    EXPECT_EQ(std::string("ＭＳ ゴシック"), style.face);
    EXPECT_TRUE(style.bold);
    EXPECT_EQ(0xFFFFFFu, style.text);
    EXPECT_EQ(0x000000u, style.background);
    EXPECT_EQ(LedLook::None, style.led);
    const Rgb rapid = LabelColourOf(style, "快速");
    EXPECT_GT((rapid >> 16) & 0xFF, 0xC0u);  // orange: strong red, some green, no blue
    EXPECT_GT((rapid >> 8) & 0xFF, 0x40u);
    EXPECT_EQ(0u, rapid & 0xFF);
    EXPECT_EQ(0u, LabelColourOf(style, "急行") & 0x00FFFF);  // red
    EXPECT_EQ(style.otherLabels, LabelColourOf(style, "12"));
}

TEST(MakerStyle, ReadsColoursAndLabelTablesAndSkipsBadLines)
{
    EXPECT_EQ(0x12ABEFu, ParseRgb("12abEF"));
    for (const char* bad : {"", "12345", "1234567", "12345G", "#12345", " 12345"})
        EXPECT_FALSE(ParseRgb(bad).has_value()) << bad;
    EXPECT_EQ("00A0FF", FormatRgb(0x00A0FF));

    // "表" ends in 0x5C and "ポ" in 0x7C: neither upsets the split at the last '='.
    const auto table = ParseLabelTable("表=112233\r\nno colour\r\n=445566\nポ=GGGGGG\ra=b=778899\r\n");
    ASSERT_EQ(2u, table.size());
    EXPECT_EQ(std::string("表"), table[0].label);
    EXPECT_EQ(0x112233u, table[0].colour);
    EXPECT_EQ("a=b", table[1].label);
    EXPECT_EQ(table.size(), ParseLabelTable(FormatLabelTable(table)).size());
}

TEST(MakerFile, RoundTripsTheStyleAndTheListText)
{
    MakerDocument document;
    document.style = DefaultMakerStyle();
    document.style.face = "Arial";
    document.style.bold = false;
    document.style.text = 0x00FF00;
    document.style.background = 0x101010;
    document.style.frameLine = true;
    document.style.led = LedLook::SquareColour;
    document.style.ledPitch = 5;
    document.style.otherLabels = 0x0000FF;
    document.style.labels = {{"快速", 0x010203}};
    document.listText = "東京|TOKYO|快速\r\n\r\nポ表ソ\r\nframes\r\n";

    const auto back = DecodeMakerFile(EncodeMakerFile(document));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(document.listText, back->listText);
    EXPECT_EQ("Arial", back->style.face);
    EXPECT_FALSE(back->style.bold);
    EXPECT_EQ(0x00FF00u, back->style.text);
    EXPECT_EQ(0x101010u, back->style.background);
    EXPECT_TRUE(back->style.frameLine);
    EXPECT_EQ(LedLook::SquareColour, back->style.led);
    EXPECT_EQ(5, back->style.ledPitch);
    EXPECT_EQ(0x0000FFu, back->style.otherLabels);
    ASSERT_EQ(1u, back->style.labels.size());
    EXPECT_EQ(0x010203u, back->style.labels[0].colour);

    // A table emptied in the dialog comes back empty, not as the default one.
    document.style.labels.clear();
    const auto emptied = DecodeMakerFile(EncodeMakerFile(document));
    ASSERT_TRUE(emptied.has_value());
    EXPECT_TRUE(emptied->style.labels.empty());
}

TEST(MakerFile, RefusesOtherFilesAndKeepsDefaultsForBadValues)
{
    for (const char* other : {"", "RolvaStrip", "RolvaStrip 2\r\nframes\r\n", "BM\x36\x00", "\xEF\xBB\xBFRolvaStrip 1"})
        EXPECT_FALSE(DecodeMakerFile(other).has_value()) << other;

    const auto odd = DecodeMakerFile(
        "RolvaStrip 1\nbold=2\ntext=white\nled=9\npitch=1\nface=\nline=1\nnonsense\nunknown=3\nlabel=x");
    ASSERT_TRUE(odd.has_value());
    const MakerStyle defaults = DefaultMakerStyle();
    EXPECT_TRUE(odd->style.bold);
    EXPECT_EQ(defaults.text, odd->style.text);
    EXPECT_EQ(LedLook::None, odd->style.led);
    EXPECT_EQ(defaults.ledPitch, odd->style.ledPitch);
    EXPECT_EQ(defaults.face, odd->style.face);
    EXPECT_TRUE(odd->style.frameLine);
    EXPECT_EQ(defaults.labels.size(), odd->style.labels.size());
    EXPECT_EQ("", odd->listText);  // no "frames" line: no list
}

TEST(MakerFile, LiesBesideAStripAndInsideAFolderUnderItsName)
{
    EXPECT_EQ("C:\\a\\strip.rvm", MakerFileOfStrip("C:\\a\\strip.bmp", test::IsLeadByte932));
    EXPECT_EQ("C:\\a.b\\strip.rvm", MakerFileOfStrip("C:\\a.b\\strip", test::IsLeadByte932));
    EXPECT_EQ("C:\\a\\.bmp.rvm", MakerFileOfStrip("C:\\a\\.bmp", test::IsLeadByte932));
    EXPECT_EQ("C:\\led\\led.rvm", MakerFileOfFolder("C:\\led", test::IsLeadByte932));
    EXPECT_EQ("C:\\led\\led.rvm", MakerFileOfFolder("C:\\led\\", test::IsLeadByte932));
    EXPECT_EQ(std::string("C:\\表\\表.rvm"), MakerFileOfFolder("C:\\表", test::IsLeadByte932));
    EXPECT_EQ("C:\\strip.rvm", MakerFileOfFolder("C:\\", test::IsLeadByte932));
}

}  // namespace
}  // namespace rolva
