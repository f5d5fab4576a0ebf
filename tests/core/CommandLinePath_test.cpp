#include "info/core/CommandLinePath.h"

#include <gtest/gtest.h>

#include "CodePages.h"
#include "document/core/DataFileKind.h"

namespace rolva {
namespace {

// Literals are Shift-JIS here: "　" is 0x81 0x40, "メ" 0x83 0x81, "＝" 0x81 0x81, "院" 0x89 0x40.
TEST(CommandLinePath, ReducesTheArgumentTextToOnePathAndItsReader)
{
    const struct {
        const char* arguments;
        const char* path;
        DataFileKind kind;
    } cases[] = {
        {"", "", DataFileKind::None},
        {"\"", "", DataFileKind::None},
        {"\"\"", "", DataFileKind::None},
        {"\"  \"", "", DataFileKind::None},
        {" 　 ", "", DataFileKind::None},
        {"C:\\scenes\\bus.rv4", "C:\\scenes\\bus.rv4", DataFileKind::Ver4},
        // Quoted, with blanks inside that stay part of the path.
        {"\"C:\\My Scenes\\bus stop.Rv4\"", "C:\\My Scenes\\bus stop.Rv4", DataFileKind::Ver4},
        {"C:\\My Scenes\\bus stop.rv4", "C:\\My Scenes\\bus stop.rv4", DataFileKind::Ver4},
        // Two levels of quotes, with and without blanks between them.
        {"\"\"C:\\My Scenes\\line.RV3\"\"", "C:\\My Scenes\\line.RV3", DataFileKind::Ver3},
        {"\" \"C:\\My Scenes\\line.rv3\" \"", "C:\\My Scenes\\line.rv3", DataFileKind::Ver3},
        // A blank before the quote: the program name was followed by two blanks.
        {" \"C:\\My Scenes\\led.rvd\"", "C:\\My Scenes\\led.rvd", DataFileKind::DigitalVer3},
        // Blanks around the path, ASCII and ideographic, counted in characters.
        {"  C:\\bus.RvD   ", "C:\\bus.RvD", DataFileKind::DigitalVer3},
        {"　C:\\バス.rv4　　", "C:\\バス.rv4", DataFileKind::Ver4},
        {" 　 C:\\bus.rv4 　", "C:\\bus.rv4", DataFileKind::Ver4},
        {"\"　C:\\bus.rv4 \"", "C:\\bus.rv4", DataFileKind::Ver4},
        {"C:\\a　b\\bus.rv4", "C:\\a　b\\bus.rv4", DataFileKind::Ver4},
        // Trail bytes 0x81 and 0x40 next to '@' or blanks are never half of an ideographic space.
        {"C:\\メ@", "C:\\メ@", DataFileKind::None},
        {"C:\\＝@　", "C:\\＝@", DataFileKind::None},
        {"　院\\院　", "院\\院", DataFileKind::None},
        {"C:\\表.rv4 ", "C:\\表.rv4", DataFileKind::Ver4},
        {"C:\\a\x81", "C:\\a\x81", DataFileKind::None},  // a lead byte cut off at the end
        // Outer quotes take the last byte whatever it is.
        {"\"C:\\bus.rv4", "C:\\bus.rv", DataFileKind::None},
        {"C:\\bus.txt", "C:\\bus.txt", DataFileKind::None},
        {"C:\\bus.rv4 C:\\tram.rv4", "C:\\bus.rv4 C:\\tram.rv4", DataFileKind::Ver4},  // one path only
    };
    for (const auto& c : cases) {
        const std::string path = CommandLinePath(c.arguments, test::IsLeadByte932);
        EXPECT_EQ(c.path, path) << "[" << c.arguments << "]";
        EXPECT_EQ(c.kind, DataFileKindOf(path)) << "[" << c.arguments << "]";
    }
}

// Code page 1252: é (0xE9) and Š (0x8A) are characters of their own, so a blank after them is
// trimmed, and 0x81 0x40 is no ideographic space.
TEST(CommandLinePath, ReadsWesternNamesByteByByte)
{
    const struct {
        const char* arguments;
        const char* path;
    } cases[] = {
        {"C:\\caf\xE9 ", "C:\\caf\xE9"},
        {"\" C:\\\x8A.rv4 \"", "C:\\\x8A.rv4"},
        {"  C:\\\xE9\\bus.rv4\xE9 \xE9  ", "C:\\\xE9\\bus.rv4\xE9 \xE9"},
        {"C:\\a\x81\x40", "C:\\a\x81\x40"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.path, CommandLinePath(c.arguments, test::IsLeadByte1252)) << "[" << c.arguments << "]";
    // Read as Shift-JIS, 0xE9 takes the blank after it for its trail byte.
    EXPECT_EQ("C:\\caf\xE9 ", CommandLinePath("C:\\caf\xE9 ", test::IsLeadByte932));
}

}  // namespace
}  // namespace rolva
