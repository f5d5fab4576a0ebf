#include "pack/core/PackNames.h"

#include <gtest/gtest.h>

#include "tests/core/PackTestZips.h"

namespace rolva {
namespace {

struct NameCase {
    const char* name;
    NameFault fault;
};

TEST(PackNames, NamesThatStayInsideTheFolderPass)
{
    const NameCase cases[] = {
        {"scene.rv4", NameFault::None},
        {"sign1/strip.bmp", NameFault::None},
        {"sign1\\frames\\01.png", NameFault::None},  // some tools write '\'
        {"sign1/frames/", NameFault::None},
        {"a..b/c.d", NameFault::None},                // dots inside a name are ordinary
        {"CONSOLE.bmp", NameFault::None},             // only the whole stem names a device
        {"COM0.txt", NameFault::None},
        {"\xE8\xA1\xA8/\xE3\x82\xBD.bmp", NameFault::None},  // 表/ソ.bmp
    };
    for (const NameCase& c : cases) {
        EntryPath path;
        EXPECT_EQ(c.fault, CheckEntryName(c.name, &path)) << c.name;
    }
}

TEST(PackNames, NamesThatLeaveTheFolderOrNameSomethingElseAreRefused)
{
    const NameCase cases[] = {
        {"", NameFault::Empty},
        {"a//b", NameFault::Empty},
        {"/etc/passwd", NameFault::Absolute},
        {"\\Windows\\win.ini", NameFault::Absolute},
        {"C:evil.bmp", NameFault::DriveOrStream},
        {"C:/evil.bmp", NameFault::DriveOrStream},
        {"strip.bmp:hidden", NameFault::DriveOrStream},
        {"../evil.bmp", NameFault::DotPart},
        {"a/../../evil.bmp", NameFault::DotPart},
        {"a\\..\\..\\evil.bmp", NameFault::DotPart},
        {"./a", NameFault::DotPart},
        {"CON", NameFault::DeviceName},
        {"sign1/nul.bmp", NameFault::DeviceName},
        {"aux .txt", NameFault::DeviceName},
        {"Com1", NameFault::DeviceName},
        {"LPT9.png", NameFault::DeviceName},
        {"CONIN$", NameFault::DeviceName},
        {"a\x01z", NameFault::BadCharacter},
        {"a?b", NameFault::BadCharacter},
        {"a*b", NameFault::BadCharacter},
        {"a|b", NameFault::BadCharacter},
        {"a<b>", NameFault::BadCharacter},
        {"name.", NameFault::TrailingDotOrSpace},
        {"name /x", NameFault::TrailingDotOrSpace},
    };
    for (const NameCase& c : cases) {
        EntryPath path;
        EXPECT_EQ(c.fault, CheckEntryName(c.name, &path)) << c.name;
        EXPECT_TRUE(path.parts.empty()) << c.name;
    }
    EntryPath path;
    EXPECT_EQ(NameFault::TooLong, CheckEntryName(std::string(1025, 'a'), &path));
}

TEST(PackNames, PartsAndFolderMarkAreKept)
{
    EntryPath path;
    ASSERT_EQ(NameFault::None, CheckEntryName("sign1\\frames/", &path));
    EXPECT_EQ((std::vector<std::string>{"sign1", "frames"}), path.parts);
    EXPECT_TRUE(path.folder);
    ASSERT_EQ(NameFault::None, CheckEntryName("sign1/a.bmp", &path));
    EXPECT_FALSE(path.folder);
}

TEST(PackNames, Utf8IsCheckedStrictly)
{
    EXPECT_TRUE(IsUtf8("plain"));
    EXPECT_TRUE(IsUtf8("\xE5\xB9\x95"));
    EXPECT_TRUE(IsUtf8("\xF0\x9F\x9A\x8C"));  // a bus, outside the BMP
    EXPECT_FALSE(IsUtf8("\xE5\xB9"));          // cut short
    EXPECT_FALSE(IsUtf8("\xC0\xAF"));          // an overlong '/'
    EXPECT_FALSE(IsUtf8("\xE0\x80\xAF"));      // the same in three bytes
    EXPECT_FALSE(IsUtf8("\xED\xA0\x80"));      // a surrogate
    EXPECT_FALSE(IsUtf8("\x96\x8B"));          // code page 932's 幕
}

TEST(PackNames, NamesWithoutTheFlagAreReadAsCodePage932)
{
    std::string utf8;
    // 表.bmp: its second byte is a backslash, which must not split the name.
    ASSERT_TRUE(EntryNameAsUtf8("\x95\x5C.bmp", false, test::kTableCodec, &utf8));
    EXPECT_EQ("\xE8\xA1\xA8.bmp", utf8);
    EntryPath path;
    EXPECT_EQ(NameFault::None, CheckEntryName(utf8, &path));
    EXPECT_EQ(1u, path.parts.size());

    ASSERT_TRUE(EntryNameAsUtf8("\xE8\xA1\xA8.bmp", true, test::kTableCodec, &utf8));
    EXPECT_EQ("\xE8\xA1\xA8.bmp", utf8);
    EXPECT_FALSE(EntryNameAsUtf8("\x95\x5C.bmp", true, test::kTableCodec, &utf8));  // flagged but not UTF-8
    ASSERT_TRUE(EntryNameAsUtf8("plain.bmp", false, test::kTableCodec, &utf8));
    EXPECT_EQ("plain.bmp", utf8);
}

TEST(PackNames, KeysFoldAsciiCaseAndSceneNamesEndInRv4)
{
    EXPECT_EQ("SIGN1/STRIP.BMP", EntryKey({"sign1", "Strip.bmp"}, 2));
    EXPECT_EQ("SIGN1", EntryKey({"sign1", "Strip.bmp"}, 1));
    EXPECT_TRUE(IsSceneName("route.RV4"));
    EXPECT_TRUE(IsSceneName("\xE8\xA1\x8C.rv4"));
    EXPECT_FALSE(IsSceneName(".rv4x"));
    EXPECT_FALSE(IsSceneName("route.rv3"));
}

}  // namespace
}  // namespace rolva
