#include "settings/core/ManuscriptGeometry.h"

#include <gtest/gtest.h>

#include <climits>

namespace rolva {
namespace {

TEST(ManuscriptFrameCount, LedSignsGetOneFrameOthersTheStoredCount)
{
    struct Case {
        std::uint8_t kind;
        std::int16_t stored;
        int expected;
    };
    const Case cases[] = {
        {0, 3, 3}, {1, 5, 1}, {2, 4, 4}, {0, 1, 1}, {0, 0, 1}, {0, -7, 1}, {200, 20, 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.kind) << " " << c.stored);
        EXPECT_EQ(c.expected, ManuscriptFrameCount(c.kind, c.stored));
    }
}

TEST(MakeManuscriptGeometry, StacksTheFramesAndRefusesImpossibleSizes)
{
    const auto three = MakeManuscriptGeometry(123, 57, 3);
    ASSERT_TRUE(three);
    EXPECT_EQ(123, three->width);
    EXPECT_EQ(171, three->height);

    EXPECT_FALSE(MakeManuscriptGeometry(0, 57, 1));
    EXPECT_FALSE(MakeManuscriptGeometry(123, 0, 1));
    EXPECT_FALSE(MakeManuscriptGeometry(123, 57, 0));
    EXPECT_FALSE(MakeManuscriptGeometry(-1, 57, 1));
    EXPECT_FALSE(MakeManuscriptGeometry(10, INT_MAX / 2 + 1, 2)) << "the height would overflow";
    EXPECT_TRUE(MakeManuscriptGeometry(10, INT_MAX / 2, 2));
}

TEST(ManuscriptLineRows, OneLineOnTheTopRowOfEachFrameAndNoneForOneFrame)
{
    EXPECT_TRUE(ManuscriptLineRows(*MakeManuscriptGeometry(123, 57, 1)).empty());
    EXPECT_EQ((std::vector<int>{0, 57, 114}), ManuscriptLineRows(*MakeManuscriptGeometry(123, 57, 3)));
    EXPECT_EQ((std::vector<int>{0, 1}), ManuscriptLineRows(*MakeManuscriptGeometry(5, 1, 2)));
}

}  // namespace
}  // namespace rolva
