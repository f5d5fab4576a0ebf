#include "document/core/DataFileKind.h"

#include <gtest/gtest.h>

namespace rolva {
namespace {

TEST(DataFileKindOf, ChoosesTheReaderByTheEndingInAnyCase)
{
    const struct {
        const char* path;
        DataFileKind kind;
    } cases[] = {
        {"C:\\scenes\\bus.rv4", DataFileKind::Ver4},
        {"C:\\scenes\\bus.RV4", DataFileKind::Ver4},
        {"C:\\scenes\\bus.Rv4", DataFileKind::Ver4},
        {"bus.rv3", DataFileKind::Ver3},
        {"bus.rvd", DataFileKind::DigitalVer3},
        {"bus.RvD", DataFileKind::DigitalVer3},
        {"bus.rvp", DataFileKind::Pack},
        {"bus.RVP", DataFileKind::Pack},
        {"bus.rv5", DataFileKind::None},
        {"bus.rv4 ", DataFileKind::None},
        {"bus.txt", DataFileKind::None},
        {".rv4", DataFileKind::Ver4},
        {"rv4", DataFileKind::None},  // shorter than an ending: compared whole
        {"", DataFileKind::None},
        {"\x95\x5C.rv4", DataFileKind::Ver4},  // a Shift-JIS name before the ending
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.kind, DataFileKindOf(c.path)) << c.path;
}

TEST(WithVer4Ending, AppendsTheEndingOnlyWhenItIsMissing)
{
    EXPECT_EQ("route.rv4", WithVer4Ending("route"));
    EXPECT_EQ("route.rv4", WithVer4Ending("route.rv4"));
    EXPECT_EQ("route.RV4", WithVer4Ending("route.RV4"));
    EXPECT_EQ("route.rv3.rv4", WithVer4Ending("route.rv3"));
    EXPECT_EQ("r.rv4", WithVer4Ending("r"));
}

TEST(WithPackEnding, AppendsTheEndingOnlyWhenItIsMissing)
{
    EXPECT_EQ("route.rvp", WithPackEnding("route"));
    EXPECT_EQ("route.RVP", WithPackEnding("route.RVP"));
    EXPECT_EQ("route.rv4.rvp", WithPackEnding("route.rv4"));
}

TEST(InPlaceSaveTarget, SavesInPlaceOnlyOverAVer4File)
{
    // A pack's scene lives in a folder the program unpacked it to, not the user's.
    EXPECT_EQ("", InPlaceSaveTarget("C:\\s\\bus.rvp"));
    EXPECT_EQ("C:\\s\\bus.rv4", InPlaceSaveTarget("C:\\s\\bus.rv4"));
    EXPECT_EQ("C:\\s\\bus.RV4", InPlaceSaveTarget("C:\\s\\bus.RV4"));
    EXPECT_EQ("", InPlaceSaveTarget("C:\\s\\bus.rv3"));
    EXPECT_EQ("", InPlaceSaveTarget("C:\\s\\led.rvd"));
    EXPECT_EQ("", InPlaceSaveTarget(""));
}

}  // namespace
}  // namespace rolva
