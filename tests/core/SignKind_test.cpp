#include "document/core/SignKind.h"

#include <gtest/gtest.h>

#include <string>

namespace rolva {
namespace {

// The labels are Shift-JIS bytes; 表 has the trail byte 0x5C, which must survive compilation.
TEST(SignKindLabel, GivesShiftJisLabelsAndNothingForUnknownKinds)
{
    EXPECT_EQ(std::string("\x96\x8B\x8E\xAE"), SignKindLabel(0));
    EXPECT_EQ(std::string("LED\x95\x97"), SignKindLabel(1));
    EXPECT_EQ(std::string("\x8E\x67\x97\x70\x82\xB5\x82\xC8\x82\xA2\x81\x69\x94\xF1\x95\x5C\x8E\xA6\x81\x6A"),
              SignKindLabel(2));
    EXPECT_EQ(nullptr, SignKindLabel(3));
    EXPECT_EQ(nullptr, SignKindLabel(255));
}

}  // namespace
}  // namespace rolva
