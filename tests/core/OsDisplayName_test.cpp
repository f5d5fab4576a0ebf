#include "info/core/OsDisplayName.h"

#include <gtest/gtest.h>

namespace rolva {
namespace {

constexpr unsigned kNt = 2;

TEST(OsDisplayName, NamesEverySystemOfItsTable)
{
    const struct {
        unsigned major, minor, platform;
        const char* servicePack;
        const char* name;
    } cases[] = {
        {3, 51, kNt, "", "Windows NT 3.51"},
        {3, 10, kNt, "", "Windows NT 3.51"},
        {4, 0, kPlatformWin32Windows, "B", "Windows 95 OSR2"},
        {4, 0, kPlatformWin32Windows, "C", "Windows 95 OSR2"},
        {4, 0, kPlatformWin32Windows, "", "Windows 95"},
        {4, 0, kPlatformWin32Windows, "c", "Windows 95"},   // case matters
        {4, 0, kPlatformWin32Windows, " C", "Windows 95"},  // the whole text, not a part of it
        {4, 0, kNt, "C", "Windows NT 4.0"},
        {4, 0, kNt, "Service Pack 6", "Windows NT 4.0"},
        {4, 10, kPlatformWin32Windows, "A", "Windows 98 SE"},
        {4, 10, kPlatformWin32Windows, "", "Windows 98"},
        {4, 10, kPlatformWin32Windows, "a", "Windows 98"},
        {4, 10, kPlatformWin32Windows, "B", "Windows 98"},
        {4, 90, kPlatformWin32Windows, " ", "Windows Me"},
        {4, 1, kPlatformWin32Windows, "", ""},
        {5, 0, kNt, "Service Pack 4", "Windows 2000"},
        {5, 1, kNt, "Service Pack 3", "Windows XP"},
        {5, 2, kNt, "", "Windows Server 2003"},
        {5, 3, kNt, "", "謎のWindows(^^;"},
        {5, 99, kNt, "", "謎のWindows(^^;"},
        {6, 0, kNt, "Service Pack 2", "Windows Vista"},
        {6, 1, kNt, "Service Pack 1", "Windows 7"},
        {6, 2, kNt, "", ""},  // the splash's OS line is then the label alone
        {6, 3, kNt, "", ""},
        {7, 0, kNt, "", "謎のWindows(^^;"},
        {10, 0, kNt, "", "謎のWindows(^^;"},
        {2, 0, kPlatformWin32Windows, "", "謎のWindows(^^;"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.name, OsDisplayName(c.major, c.minor, c.platform, c.servicePack))
            << c.major << "." << c.minor << " platform " << c.platform << " \"" << c.servicePack << "\"";
    }
}

TEST(ServicePackText, EndsAtTheFirstZeroOrAtTheEndOfTheBuffer)
{
    const struct {
        const char* bytes;
        std::size_t capacity;
        const char* text;
    } cases[] = {
        {"Service Pack 3\0\0", 16, "Service Pack 3"},
        {"\0\0\0\0", 4, ""},
        {"A\0B\0", 4, "A"},
        {"ABCD", 4, "ABCD"},  // no terminator inside the record: never read past it
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.text, ServicePackText(c.bytes, c.capacity)) << c.text;
}

}  // namespace
}  // namespace rolva
