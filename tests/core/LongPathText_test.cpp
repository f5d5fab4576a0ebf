#include <gtest/gtest.h>

#include <string>

#include "base/core/LongPathText.h"

namespace rolva {
namespace {

// A folder name of 100 characters: three of them make a path past MAX_PATH.
const std::wstring kLongName(100, L'x');

TEST(ExtendedLengthPath, PrefixesLongFullPathsOnly)
{
    const std::wstring longTail = L"\\" + kLongName + L"\\" + kLongName + L"\\" + kLongName + L".rv4";
    const struct {
        std::wstring path;
        std::wstring expected;
    } cases[] = {
        {L"C:\\scenes\\bus.rv4", L"C:\\scenes\\bus.rv4"},
        {L"C:" + longTail, L"\\\\?\\C:" + longTail},
        {L"d:" + longTail, L"\\\\?\\d:" + longTail},
        {L"\\\\server\\share" + longTail, L"\\\\?\\UNC\\server\\share" + longTail},
        {L"\\\\?\\C:" + longTail, L"\\\\?\\C:" + longTail},   // already in the long form
        {L"\\\\.\\C:" + longTail, L"\\\\.\\C:" + longTail},   // a device path
        {L"scenes" + longTail, L"scenes" + longTail},         // not full: left to fail as it is
        {L"C:scenes" + longTail, L"C:scenes" + longTail},     // relative to the drive's folder
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.expected, ExtendedLengthPath(c.path)) << c.path.size();
}

TEST(ExtendedLengthPath, StartsAtTheLengthAFolderPathCanReach)
{
    const std::wstring shortest = L"C:\\" + std::wstring(kExtendedPathFrom - 4, L'a');
    const std::wstring longest = shortest + L"b";
    ASSERT_EQ(247u, shortest.size());
    EXPECT_EQ(shortest, ExtendedLengthPath(shortest));
    EXPECT_EQ(L"\\\\?\\" + longest, ExtendedLengthPath(longest));
}

}  // namespace
}  // namespace rolva
