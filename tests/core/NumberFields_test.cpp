#include "settings/core/NumberFields.h"

#include <gtest/gtest.h>

#include <climits>

namespace rolva {
namespace {

const NumberField& Field(int upDownId)
{
    const NumberField* field = FindNumberField(upDownId);
    EXPECT_NE(nullptr, field) << upDownId;
    return field ? *field : kNumberFields[0];
}

TEST(StepFieldValue, AddsTheStepAndKeepsTheRange)
{
    struct Case {
        int upDownId;
        int position;
        int delta;
        int expected;
    };
    const Case cases[] = {
        {1057, 123, 1, 124},          // first sign's width, one up
        {1041, 300, -1, 299},         // first sign's left, one down
        {1057, 1024, 1, 1024},        // width at its top
        {1079, 1, -1, 1},             // frame count at its bottom
        {1085, 0, -1, 0},             // corner radius at its bottom
        {1034, 20, -1, 20},           // Form width at its bottom
        {1088, 48, 5, 50},            // a held arrow's larger step stops at the limit
        {1070, 3, -10, 0},            // and so does a large step down
        {1082, 20, 1, 20},            // second sign's frame count at its top
        {1037, INT_MAX, INT_MAX, 1024},  // no overflow on the way
        {1073, INT_MIN, INT_MIN, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.upDownId << " " << c.position << " " << c.delta);
        EXPECT_EQ(c.expected, StepFieldValue(Field(c.upDownId), c.position, c.delta));
    }
}

TEST(ClampToField, ShowsAValueOutsideTheRangeAsItsNearestLimit)
{
    EXPECT_EQ(0, ClampToField(Field(1041), -5));        // a negative place from a data file
    EXPECT_EQ(1024, ClampToField(Field(1034), 70000));  // wider than any field, even past 16 bits
    EXPECT_EQ(1024, ClampToField(Field(1034), 65537));
    EXPECT_EQ(1, ClampToField(Field(1076), 0));
    EXPECT_EQ(50, ClampToField(Field(1085), 51));
    EXPECT_EQ(7, ClampToField(Field(1085), 7));
}

TEST(FindNumberField, KnowsOnlyTheFourteenUpDowns)
{
    EXPECT_EQ(nullptr, FindNumberField(1036)) << "an edit box is not an up-down";
    EXPECT_EQ(nullptr, FindNumberField(1033));
    EXPECT_EQ(nullptr, FindNumberField(0));
    // The width and height arrows sit after their edit boxes in the other order of IDs.
    EXPECT_EQ(1056, Field(1057).editId);
    EXPECT_EQ(1059, Field(1060).editId);
    EXPECT_EQ(FieldTarget::SignWidth, Field(1073).target);
    EXPECT_EQ(1, Field(1073).sign);
}

}  // namespace
}  // namespace rolva
