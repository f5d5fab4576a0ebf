#include "sound/core/SoundSettings.h"

#include <gtest/gtest.h>

namespace rolva {
namespace {

TEST(SoundSettings, ReadsWhatItWritesAndKeepsDefaultsForWhatIsMissing)
{
    struct Case {
        const char* text;
        SoundSettings expected;
    };
    const Case cases[] = {
        {"", {true, 80, false}},
        {"sound=0\r\nvolume=35\r\nledclick=1\r\n", {false, 35, true}},
        {"volume=20", {true, 20, false}},
        {"volume=250\n", {true, 100, false}},
        {"volume=-5\n", {true, 80, false}},
        {"volume=abc\nsound=2\n", {true, 80, false}},
        {"volume= 40x\n", {true, 40, false}},
        {"volume=99999999999999\n", {true, 100, false}},
        {"colour=red\nsound=0\n= \n\nnonsense\n", {false, 80, false}},
        {"Sound=0\n", {true, 80, false}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, DecodeSoundSettings(c.text)) << c.text;

    const SoundSettings settings{false, 15, true};
    EXPECT_EQ("sound=0\r\nvolume=15\r\nledclick=1\r\n", EncodeSoundSettings(settings));
    EXPECT_EQ(settings, DecodeSoundSettings(EncodeSoundSettings(settings)));
}

}  // namespace
}  // namespace rolva
