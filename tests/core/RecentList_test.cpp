#include "app/core/RecentList.h"
#include "tests/core/CodePages.h"

#include <gtest/gtest.h>

#include <string>

namespace rolva {
namespace {

TEST(SameFilePath, ComparesLettersInAnyCaseButTwoByteCharactersExactly)
{
    const struct {
        const char* a;
        const char* b;
        bool same;
    } cases[] = {
        {"C:\\Scenes\\Bus.rv4", "c:\\scenes\\BUS.RV4", true},
        {"C:/scenes/bus.rv4", "C:\\scenes\\bus.rv4", true},
        {"C:\\scenes\\bus.rv4", "C:\\scenes\\bus.rv3", false},
        {"C:\\scenes\\bus.rv4", "C:\\scenes\\bus.rv4 ", false},
        // Two katakana whose second bytes are the letters 'A' and 'a': different characters.
        {"\x83\x41.rv4", "\x83\x61.rv4", false},
        {"\x83\x41.rv4", "\x83\x41.RV4", true},
        {"\x95\x5C.rv4", "\x95/.rv4", false},  // 表 ends in the byte '\', which is no separator
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.same, SameFilePath(c.a, c.b, test::IsLeadByte932)) << c.a << " | " << c.b;
}

TEST(NoteRecentFile, PutsThePathOnTopMovesAReopenedOneAndKeepsFour)
{
    RecentList list;
    NoteRecentFile(list, "a.rv4", test::IsLeadByte932);
    NoteRecentFile(list, "b.rv3", test::IsLeadByte932);
    NoteRecentFile(list, "c.rvd", test::IsLeadByte932);
    EXPECT_EQ((RecentList{"c.rvd", "b.rv3", "a.rv4"}), list);

    NoteRecentFile(list, "A.RV4", test::IsLeadByte932);  // the same file, named in another case: moves, not doubled
    EXPECT_EQ((RecentList{"A.RV4", "c.rvd", "b.rv3"}), list);

    NoteRecentFile(list, "d.rv4", test::IsLeadByte932);
    NoteRecentFile(list, "e.rv4", test::IsLeadByte932);
    EXPECT_EQ((RecentList{"e.rv4", "d.rv4", "A.RV4", "c.rvd"}), list) << "the oldest falls off the end";

    NoteRecentFile(list, "e.rv4", test::IsLeadByte932);
    EXPECT_EQ((RecentList{"e.rv4", "d.rv4", "A.RV4", "c.rvd"}), list) << "the top one stays where it is";
    NoteRecentFile(list, "c.rvd", test::IsLeadByte932);
    EXPECT_EQ((RecentList{"c.rvd", "e.rv4", "d.rv4", "A.RV4"}), list) << "the last one moves up";
}

TEST(RemoveRecentFile, TakesOutTheFileInAnyCaseAndNothingElse)
{
    RecentList list{"a.rv4", "b.rv4", "c.rv4"};
    RemoveRecentFile(list, "B.Rv4", test::IsLeadByte932);
    EXPECT_EQ((RecentList{"a.rv4", "c.rv4"}), list);
    RemoveRecentFile(list, "x.rv4", test::IsLeadByte932);
    EXPECT_EQ((RecentList{"a.rv4", "c.rv4"}), list);
}

TEST(RecentListFile, EncodesOnePathALineAndDecodesItBack)
{
    const RecentList list{"C:\\路線\\表.rv4", "D:\\old\\bus.rv3", "\\\\server\\share\\led.rvd"};
    const std::string text = EncodeRecentList(list);
    EXPECT_EQ("C:\\路線\\表.rv4\r\nD:\\old\\bus.rv3\r\n\\\\server\\share\\led.rvd\r\n", text);
    EXPECT_EQ(list, DecodeRecentList(text, test::IsLeadByte932));
    EXPECT_EQ(RecentList{}, DecodeRecentList(EncodeRecentList({}), test::IsLeadByte932));
}

TEST(RecentListFile, DecodesAnyBytesIntoAListOfAtMostFourDataFiles)
{
    const std::string longPath = "C:\\" + std::string(kRecentPathMaxBytes, 'x') + ".rv4";
    const struct {
        std::string bytes;
        RecentList expected;
    } cases[] = {
        {"", {}},
        {"a.rv4", {"a.rv4"}},                           // no line end after the last line
        {"a.rv4\nb.rv4\rc.rv4\r\n\r\n\n", {"a.rv4", "b.rv4", "c.rv4"}},
        {"a.rv4\r\nb.rv4\r\nc.rv4\r\nd.rv4\r\ne.rv4\r\n", {"a.rv4", "b.rv4", "c.rv4", "d.rv4"}},
        {"a.rv4\r\nA.RV4\r\nb.rv4\r\n", {"a.rv4", "b.rv4"}},  // one file listed once
        {"notes.txt\r\nfolder\r\nbus.rv4\r\n", {"bus.rv4"}},  // only data files
        {std::string("a\0b.rv4\r\nc\tb.rv4\r\nok.rv4", 24), {"ok.rv4"}},  // no control bytes
        {longPath + "\r\nshort.rv4\r\n", {"short.rv4"}},
        {std::string("\xFF\xFE\x00\x01", 4), {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, DecodeRecentList(c.bytes, test::IsLeadByte932)) << c.bytes.substr(0, 40);
}

TEST(RecentMenuLabel, NumbersThePathDoublesAmpersandsAndShortensLongPaths)
{
    EXPECT_EQ("&1 C:\\scenes\\bus.rv4", RecentMenuLabel(1, "C:\\scenes\\bus.rv4", test::IsLeadByte932));
    EXPECT_EQ("&4 C:\\R&&D\\a&&b.rv4", RecentMenuLabel(4, "C:\\R&D\\a&b.rv4", test::IsLeadByte932));

    const std::string a(25, 'a'), b(25, 'b'), c(25, 'c');
    const std::string deep = "C:\\" + a + "\\" + b + "\\" + c + "\\route.rv4";
    EXPECT_EQ("&2 C:\\...\\" + c + "\\route.rv4", RecentMenuLabel(2, deep, test::IsLeadByte932));
    const std::string share = "\\\\server\\share\\aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa\\bus.rv4";
    EXPECT_EQ("&3 \\\\server\\share\\...\\bus.rv4", RecentMenuLabel(3, share, test::IsLeadByte932));
    const std::string longName = "C:\\a\\" + std::string(70, 'n') + ".rv4";
    EXPECT_EQ("&1 C:\\...\\" + std::string(70, 'n') + ".rv4", RecentMenuLabel(1, longName, test::IsLeadByte932));

    // 表 (0x95 0x5C) ends in the byte '\': no cut may fall inside it.
    const std::string kanji = "C:\\" + std::string(30, 'a') + "\\" + std::string(20, 'b') + "\\\x95\x5C\x95\x5C.rv4";
    EXPECT_EQ("&1 C:\\...\\" + std::string(20, 'b') + "\\\x95\x5C\x95\x5C.rv4", RecentMenuLabel(1, kanji, test::IsLeadByte932));
}

}  // namespace
}  // namespace rolva
