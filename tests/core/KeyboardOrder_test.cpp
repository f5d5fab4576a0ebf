#include "panel/core/KeyboardOrder.h"

#include <gtest/gtest.h>

namespace rolva {
namespace {

TEST(NextFocusPosition, CyclesForwardAndBackwardOverUsablePositions)
{
    const std::vector<bool> usable = {true, false, true, true, false};
    const struct {
        int current;
        bool backward;
        int next;
    } cases[] = {
        {0, false, 2}, {2, false, 3}, {3, false, 0},  // skips 1 and 4, wraps around
        {0, true, 3},  {3, true, 2},  {2, true, 0},
        {-1, false, 0}, {-1, true, 3},  // from outside the round
        {1, false, 2},  // from a position that has just become unusable
        {5, false, 0}, {9, true, 3},  // from past the end, as from outside the round
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.next, NextFocusPosition(c.current, c.backward, usable)) << c.current << c.backward;
}

TEST(NextFocusPosition, NothingUsableGivesNoPosition)
{
    EXPECT_EQ(-1, NextFocusPosition(0, false, {false, false}));
    EXPECT_EQ(-1, NextFocusPosition(-1, true, {}));
    EXPECT_EQ(0, NextFocusPosition(0, false, {true})) << "a single usable key keeps the focus";
}

}  // namespace
}  // namespace rolva
