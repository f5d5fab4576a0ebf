#include "document/core/PathText.h"

#include <gtest/gtest.h>

#include <string>

namespace rolva {
namespace {

// 表 is 0x95 0x5C: its second byte is a backslash.
const std::string kHyou = "\x95\x5C";

TEST(PathText, SplitsAtTheLastRealSeparatorOnly)
{
    const struct {
        std::string path;
        std::string folder;
        std::string name;
    } cases[] = {
        {"C:\\scenes\\bus.bmp", "C:\\scenes", "bus.bmp"},
        {"C:\\" + kHyou + "\\bus.bmp", "C:\\" + kHyou, "bus.bmp"},
        {"C:\\scenes\\" + kHyou, "C:\\scenes", kHyou},  // a name ending in 0x5C stays whole
        {"C:/scenes/led", "C:/scenes", "led"},
        {"bus.bmp", "", "bus.bmp"},
        {"C:\\scenes\\", "C:\\scenes", ""},
        {"", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.folder, PathFolder(c.path)) << c.path;
        EXPECT_EQ(c.name, PathName(c.path)) << c.path;
    }
}

TEST(PathText, JoinAddsOneSeparator)
{
    EXPECT_EQ("C:\\a\\b.bmp", JoinFolderPath("C:\\a", "b.bmp"));
    EXPECT_EQ("C:\\b.bmp", JoinFolderPath("C:\\", "b.bmp"));
    EXPECT_EQ("C:\\" + kHyou + "\\b.bmp", JoinFolderPath("C:\\" + kHyou, "b.bmp"));
}

}  // namespace
}  // namespace rolva
