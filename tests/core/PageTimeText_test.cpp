#include "settings/core/PageTimeText.h"

#include <gtest/gtest.h>

#include "document/core/SceneLiveLook.h"

namespace rolva {
namespace {

TEST(PageTimeText, ShowsSecondsToTheNearestTenth)
{
    const struct {
        std::int32_t ms;
        const char* text;
    } cases[] = {
        {2500, "2.5"}, {3000, "3.0"}, {100, "0.1"}, {60000, "60.0"}, {2549, "2.5"}, {2550, "2.6"}, {0, "0.0"}, {-5, "0.0"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.text, PageTimeText(c.ms)) << c.ms;
}

TEST(ReadPageTimeText, ReadsSecondsWithAPointAndRejectsAnythingElse)
{
    const struct {
        const char* text;
        bool read;
        std::int32_t ms;
    } cases[] = {
        {"2.5", true, 2500},
        {"2", true, 2000},
        {" 12.25 ", true, 12250},
        {".5", true, 500},
        {"3.", true, 3000},
        {"0.1234", true, 123},
        {"999999", true, 999999000},
        {"1000000", false, 0},  // past any page time: not read, never overflowed
        {"", false, 0},
        {"  ", false, 0},
        {".", false, 0},
        {"2.5.1", false, 0},
        {"2,5", false, 0},
        {"-1", false, 0},
        {"2 5", false, 0},
        {"1e3", false, 0},
    };
    for (const auto& c : cases) {
        std::int32_t ms = -7;
        EXPECT_EQ(c.read, ReadPageTimeText(c.text, ms)) << c.text;
        EXPECT_EQ(c.read ? c.ms : -7, ms) << c.text;
    }
}

TEST(StepPageTime, StepsATenthFromTheTimeShownWithinTheRange)
{
    const struct {
        std::int32_t ms;
        int delta;
        std::int32_t stepped;
    } cases[] = {
        {2500, 1, 2600},
        {2500, -1, 2400},
        {2549, 1, 2600},  // from the "2.5" shown
        {2560, -1, 2500},  // from the "2.6" shown
        {kMinPageTimeMs, -1, kMinPageTimeMs},
        {kMaxPageTimeMs, 1, kMaxPageTimeMs},
        {50, 1, 200},
        {999999000, -1, kMaxPageTimeMs},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.stepped, StepPageTime(c.ms, c.delta)) << c.ms << " " << c.delta;
}

}  // namespace
}  // namespace rolva
