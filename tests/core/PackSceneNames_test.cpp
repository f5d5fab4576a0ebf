#include "pack/core/PackSceneNames.h"

#include <gtest/gtest.h>

#include "tests/core/CodePages.h"

namespace rolva {
namespace {

TEST(PackSceneNames, OnlyPathsToWhatThePackHoldsPass)
{
    PackDirectory directory;
    directory.entries = {
        {"scene.rv4", false, 10, 10},
        {"background/back.jpg", false, 10, 10},
        // 幕表: its last byte is a backslash.
        {"sign2/\x96\x8B\x95\x5C/01.bmp", false, 10, 10},
        {"sign1/empty", true, 0, 0},
    };
    const struct {
        const char* path;
        bool passes;
    } cases[] = {
        {"", true},
        {"background\\back.jpg", true},
        {"background/back.jpg", true},
        {"BACKGROUND\\Back.JPG", true},
        {"sign2\\\x96\x8B\x95\x5C", true},
        {"sign2\\\x96\x8B\x95\x5C\\", true},
        {"sign1\\empty", true},
        {"background", true},
        {"background\\gone.jpg", false},
        {"backgr", false},
        {"sign2\\\x96\x8B", false},  // a folder name cut inside its character
        {"\\\\host\\share\\x.bmp", false},
        {"//host/share/x.bmp", false},
        {"\\background\\back.jpg", false},
        {"C:\\x.bmp", false},
        {"C:background\\back.jpg", false},
        {"..\\x.bmp", false},
        {"..\\..\\x", false},
        {"sign1\\..\\background\\back.jpg", false},
        {".\\background\\back.jpg", false},
        {"background\\\\back.jpg", false},
        {"background\\back.jpg:stream", false},
        {"background\\back.jpg\\\\", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.passes, NamesPackedEntry(c.path, directory, test::IsLeadByte932)) << c.path;
}

}  // namespace
}  // namespace rolva
