#include "display/core/NumericText.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace rolva {
namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

struct ReadCase {
    std::string text;
    std::int32_t value;
};

TEST(ReadNumericText, ReadsLeadingNumberAndIgnoresTheRest)
{
    const ReadCase cases[] = {
        {"", 0},
        {"   ", 0},
        {"abc", 0},
        {"007", 7},
        {"  12", 12},
        {"\t \t34", 34},
        {"\n5", 0},          // only blanks and tabs are skipped
        {"\x81\x40" "5", 0},  // nor the full-width blank
        {"-7", -7},
        {"+7", 7},
        {" -7", -7},
        {"-", 0},
        {"+", 0},
        {"- 5", 0},          // no blank between sign and digits
        {"--5", 0},
        {"3.9", 3},          // truncated toward zero on both sides
        {"-3.9", -3},
        {"-0.9", 0},
        {".5", 0},
        {"12.34.56", 12},
        {"12abc", 12},
        {"1,000", 1},        // what an up-down with thousands separators leaves in its edit
        {"1 2", 1},
        {"1e3", 1},
        {"\x82\x50\x82\x51", 0},  // full-width "１２" are not digits
        {std::string("5\0" "7", 3), 5},
    };
    for (const ReadCase& c : cases)
        EXPECT_EQ(c.value, ReadNumericText(c.text)) << '"' << c.text << '"';
}

TEST(ReadNumericText, SaturatesInsteadOfOverflowing)
{
    const std::string nines(400, '9');
    const ReadCase cases[] = {
        {"2147483647", kMax},
        {"2147483648", kMax},
        {"-2147483648", kMin},
        {"-2147483649", kMin},
        {"99999999999999999999", kMax},  // past 64 bits as well
        {nines, kMax},
        {"-" + nines, kMin},
        {std::string(400, '0') + "12", 12},  // leading zeros add nothing
        {"1." + nines, 1},
        {"2147483647." + nines, kMax},       // exact: no rounding up through a double
        {"-2147483647." + nines, -kMax},
    };
    for (const ReadCase& c : cases)
        EXPECT_EQ(c.value, ReadNumericText(c.text)) << c.text.substr(0, 40);
}

TEST(ReadNumericText, ReadsHexadecimalAndOctalPrefixes)
{
    const ReadCase cases[] = {
        {"&HFF", 255},
        {"&hff", 255},
        {"  &H1aZ", 26},
        {"&O17", 15},
        {"&o178", 15},
        {"&H", 0},
        {"&HG", 0},
        {"&O8", 0},
        {"&", 0},
        {"&X1", 0},
        {"-&H1", 0},  // no sign before the prefix
        {"&H" + std::string(100, 'F'), kMax},
        {"&O" + std::string(100, '7'), kMax},
    };
    for (const ReadCase& c : cases)
        EXPECT_EQ(c.value, ReadNumericText(c.text)) << c.text;
}

TEST(WriteNumericText, WritesPlainDecimalThatReadsBack)
{
    const struct {
        std::int64_t value;
        const char* text;
    } cases[] = {
        {0, "0"},
        {8, "8"},
        {999, "999"},
        {1000, "1000"},
        {-1, "-1"},
        {kMax, "2147483647"},
        {kMin, "-2147483648"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.text, WriteNumericText(c.value));
        EXPECT_EQ(c.value, ReadNumericText(WriteNumericText(c.value)));
    }
    EXPECT_EQ("2147483648", WriteNumericText(std::int64_t{kMax} + 1));
}

}  // namespace
}  // namespace rolva
